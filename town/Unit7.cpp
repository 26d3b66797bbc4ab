#include "town/Unit7.h"

#include "core/GameWindows.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "town/CopyInOut.h"
#include "town/FoodCounter.h"
#include "town/LocationLook.h"
#include "town/Unit11.h"
#include "town/Unit15.h"
#include "town/Unit24.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm7::TForm7(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Супермаркет"), QSize(512, 383), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);

    QFrame* frame = MakeSunkenFrame(this);
    auto* picture = new PictureBox(frame);
    picture->setFixedSize(240, 180);
    picture->setArt(QStringLiteral(":/art/supermarket.svg"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(picture);

    Label1 = new QLabel(QStringLiteral("НУ, И В КАКОЙ ОТДЕЛ ПОЙДЕМ?"), this);
    SetHeading(Label1, 20);
    Label1->setAlignment(Qt::AlignCenter);

    const QSize size(200, 33);
    Button1 = MakeMenuButton(this, this, "Продуктовый отдел", size, &TForm7::Button1Click);
    Button3 = MakeMenuButton(this, this, "Книжный отдел", size, &TForm7::Button3Click);
    Button2 = MakeMenuButton(this, this, "Сотовый отдел", size, &TForm7::Button2Click);
    Button4 = MakeMenuButton(this, this, "Выйти из магазина", size, &TForm7::Button4Click);

    NameControls({ { Label1, "Label1" }, { Button1, "Button1" }, { Button3, "Button3" }, { Button2, "Button2" },
        { Button4, "Button4" } });

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(16);
    buttons->setVerticalSpacing(8);
    buttons->addWidget(Button1, 0, 0);
    buttons->addWidget(Button3, 0, 1);
    buttons->addWidget(Button2, 1, 0);
    buttons->addWidget(Button4, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 16);
    layout->addWidget(frame, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setAlignment(buttons, Qt::AlignHCenter);
}

void TForm7::Button1Click() { ShowWithCopies(state(), windows().form11()); }

void TForm7::Button3Click() { ui().showModal(windows().form15()); }

void TForm7::Button2Click() { ui().showModal(windows().form24()); }

void TForm7::Button4Click() { closeWith(ModalResult::Ok); }

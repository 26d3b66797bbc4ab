#include "town/Unit15.h"

#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "town/BookShop.h"
#include "town/FoodCounter.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm15::TForm15(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Книжный отдел"), QSize(395, 459), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);

    auto* picture = new PictureBox;
    picture->setArt(QStringLiteral(":/art/book_department.svg"));
    QFrame* frame = FramePicture(this, picture, QSize(340, 240));

    Label1 = MakeShopHeading(this, QStringLiteral("Хотите купить книгу? Нет проблем! Какую книгу Вам надо?"), 15, true);
    Label1->setAlignment(Qt::AlignCenter);

    auto button = [this](const QString& caption, void (TForm15::*handler)()) {
        auto* made = new QPushButton(caption, this);
        made->setMinimumHeight(30);
        ConnectGuarded(made, &QPushButton::clicked, this, handler);
        return made;
    };
    Button1 = button(QStringLiteral("Купить ГДЗ (Стоимость 50 руб.)"), &TForm15::Button1Click);
    Button2 = button(QStringLiteral("Попытаться стащить ГДЗ... =)"), &TForm15::Button2Click);
    Button3 = button(QStringLiteral("Выйти из этого отдела"), &TForm15::Button3Click);
    SetBold(Button3);
    NameControls({ { Label1, "Label1" }, { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" } });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(6);
    layout->addWidget(frame, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addWidget(Button1);
    layout->addWidget(Button2);
    layout->addSpacing(6);
    layout->addWidget(Button3);
}

void TForm15::Button1Click() { TellPlayer(BuyGdz(state())); }

void TForm15::Button2Click() { TellPlayer(StealGdz(state())); }

void TForm15::Button3Click() { closeWith(ModalResult::Ok); }

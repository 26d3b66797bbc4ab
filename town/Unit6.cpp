#include "town/Unit6.h"

#include "core/GameWindows.h"
#include "core/Look.h"
#include "core/Random.h"
#include "street/PlaceActions.h"
#include "town/CopyInOut.h"
#include "town/LocationLook.h"
#include "town/LocationRules.h"
#include "town/Unit10.h"
#include "town/Unit16.h"
#include "town/Unit5.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm6::TForm6(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Осмотр местности: В школе"), QSize(549, 397), WindowFrame::NoCloseBox)
{
    AddBackground(this, QStringLiteral(":/art/in_school.svg"));
    Label1 = MakeLocationHeading(this);

    const QSize size(161, 33);
    Button1 = MakeMenuButton(this, this, "Пойти в столовку", size, &TForm6::Button1Click);
    Button6 = MakeMenuButton(this, this, "Продать ГДЗ кому-нибудь", size, &TForm6::Button6Click);
    Button5 = MakeMenuButton(this, this, "Мобильник", size, &TForm6::Button5Click);
    Button2 = MakeMenuButton(this, this, "Поговорить с девушкой из класса...", size, &TForm6::Button2Click);
    Button4 = MakeMenuButton(this, this, "Ничего не делать", size, &TForm6::Button4Click, true);
    Button3 = MakeMenuButton(this, this, "Сбежать", size, &TForm6::Button3Click);

    NameControls({ { Label1, "Label1" }, { Button1, "Button1" }, { Button6, "Button6" }, { Button5, "Button5" },
        { Button2, "Button2" }, { Button4, "Button4" }, { Button3, "Button3" } });

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(12);
    buttons->setVerticalSpacing(8);
    buttons->addWidget(Button1, 0, 0);
    buttons->addWidget(Button6, 0, 1);
    buttons->addWidget(Button5, 0, 2);
    buttons->addWidget(Button2, 1, 0);
    buttons->addWidget(Button4, 1, 1);
    buttons->addWidget(Button3, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 40, 12, 14);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setAlignment(buttons, Qt::AlignHCenter);
}

void TForm6::Button1Click() { ShowWithCopies(state(), windows().form10()); }

void TForm6::Button6Click()
{
    if (state().text(Field::HasGdz) != TextYes) {
        ui().message(QStringLiteral("У вас его даже нет! Что вы собрались продать?"));
        return;
    }
    // One classmate in five wants the book.
    if (Random(5) != 0) {
        ui().message(QStringLiteral("К сожалению, никто не захотел купить твой ГДЗ..."));
        return;
    }
    ui().showModal(windows().form16());
}

void TForm6::Button5Click() { PhoneAction(windows()); }

void TForm6::Button2Click() { GirlsAction(windows()); }

void TForm6::Button4Click() { closeWith(ModalResult::Ok); }

void TForm6::Button3Click()
{
    const QString refusal = TryRunningAway();
    if (!refusal.isEmpty()) {
        ui().message(refusal);
        return;
    }
    // Out in the town, though by the clock still at school; back in school afterwards.
    ui().showModal(windows().form5());
    const QStringList remarks = TeacherRemarks();
    TellPlayer(remarks);
    if (!remarks.isEmpty())
        state().add(Field::Authority, -1);
}

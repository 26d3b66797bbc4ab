#include "town/Unit14.h"

#include "core/EnterKey.h"
#include "core/GameState.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "town/HomeMoney.h"
#include "town/PlaceParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm14::TForm14(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Мамка"), QSize(400, 279), WindowFrame::NoCloseBox)
{
    AddBackground(this, QStringLiteral(":/art/mother_kitchen.svg"));

    // White letters over a black copy of the same text, one pixel right and down.
    Label1 = new QLabel(QStringLiteral("Голодный? Бедняжка... Ну что поделать, если я постоянно на работе? Хочешь, я "
                                       "тебе каждый день буду N-ую сумму рублей выплачивать, чтобы ты в школе ел? "
                                       "Какая сумма тебя устроит? "),
        this);
    Label1->setWordWrap(true);
    SetBold(Label1);
    SetTextColor(Label1, Palette::White);
    AddShadow(Label1, Palette::Black, 0, 1);

    Label2 = new QLabel(QStringLiteral("Я хочу, чтобы платила ты мне по"), this);
    Edit1 = MakeAmountField(this, QStringLiteral("Сколько рублей в день"));
    Edit1->setMaximumWidth(40);
    Label2->setBuddy(Edit1);
    Label3 = new QLabel(QStringLiteral("рублей"), this);
    for (QLabel* label : { Label2, Label3 }) {
        SetTextColor(label, Palette::White);
        AddShadow(label, Palette::Black, 0, 1);
    }

    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setFixedWidth(48);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm14::Button1Click);
    PressOnEnter(Edit1, Button1);
    Button2 = new QPushButton(QStringLiteral("Я совсем не голодный! Это я глупость сказал.."), this);
    SetBold(Button2);
    ConnectGuarded(Button2, &QPushButton::clicked, this, [this] { closeWith(ModalResult::Ok); });

    NameControls({ { Label1, "Label1" }, { Label2, "Label2" }, { Edit1, "Edit1" }, { Label3, "Label3" },
        { Button1, "Button1" }, { Button2, "Button2" } });

    auto* amount = new QHBoxLayout;
    amount->addWidget(Label2);
    amount->addWidget(Edit1);
    amount->addWidget(Label3);
    amount->addSpacing(8);
    amount->addWidget(Button1);
    amount->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(8);
    // The words stay on the dark wall above the window; the way out stands on the counter.
    layout->addWidget(Label1);
    layout->addLayout(amount);
    layout->addStretch();
    layout->addWidget(Button2);
}

void TForm14::Button1Click()
{
    const AllowanceOutcome outcome = AgreeAllowance(Edit1->text());
    if (outcome.agreed)
        state().setNumber(Field::LunchMoney, outcome.lunchMoney);
    ui().message(outcome.message);
    if (outcome.agreed)
        closeWith(ModalResult::Ok);
}

#include "town/Unit12.h"

#include "core/EnterKey.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "town/FoodCounter.h"
#include "town/HomeMoney.h"
#include "town/PlaceParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm12::TForm12(GameWindows& windows)
    : TPlaceWindow(windows, QStringLiteral("Моя копилка"), QSize(460, 300), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);
    Label1 = new QLabel(QStringLiteral("Моя любимая копилка. Что будем с ней делать?"), this);
    Label1->setWordWrap(true);
    SetHeading(Label1, 15);
    moneyLabel = MakeValueLabel(this, QStringLiteral("Рублей наличными"));
    piggyLabel = MakeValueLabel(this, QStringLiteral("Рублей в копилке"));
    Edit1 = MakeAmountField(this, QStringLiteral("Сколько положить, рублей"));
    Edit2 = MakeAmountField(this, QStringLiteral("Сколько забрать, рублей"));
    Button1 = new QPushButton(QStringLiteral("Положить"), this);
    Button2 = new QPushButton(QStringLiteral("Забрать"), this);
    Button3 = MakeExitButton(this, QStringLiteral("Отойти от копилки"));
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm12::Button2Click);
    NameControls({ { Label1, "Label1" }, { moneyLabel, "moneyLabel" }, { piggyLabel, "piggyLabel" }, { Edit1, "Edit1" },
        { Edit2, "Edit2" }, { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" } });
    ShowCopiesIn({ { Field::Money, moneyLabel }, { Field::PiggyBank, piggyLabel } });
    // Enter in either amount field moves that amount, whichever button the window would press by default.
    PressOnEnter(Edit1, Button1);
    PressOnEnter(Edit2, Button2);

    auto* moves = new QGridLayout;
    moves->setHorizontalSpacing(6);
    auto addMove = [&](int row, const char* caption, QLineEdit* field, QPushButton* button) {
        auto* name = new QLabel(QString::fromUtf8(caption), this);
        name->setBuddy(field);
        moves->addWidget(name, row * 2, 0, 1, 3);
        moves->addWidget(field, row * 2 + 1, 0);
        moves->addWidget(new QLabel(QStringLiteral("Руб."), this), row * 2 + 1, 1);
        moves->addWidget(button, row * 2 + 1, 2);
    };
    addMove(0, "Положить деньги в размере:", Edit1, Button1);
    addMove(1, "Забрать деньги в размере:", Edit2, Button2);
    moves->setColumnStretch(2, 1);

    auto* picture = new PictureBox(this);
    picture->setFixedSize(160, 200);
    picture->setArt(QStringLiteral(":/art/piggy_bank.svg"));

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(Label1);
    right->addWidget(MakeValuePanel(this,
        { { QStringLiteral("Денег наличными:"), moneyLabel }, { QStringLiteral("Денег в копилке:"), piggyLabel } }));
    right->addLayout(moves);
    right->addStretch();
    right->addWidget(Button3, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
}

void TForm12::Button1Click() { Move(Edit1, Field::Money, Field::PiggyBank); }

void TForm12::Button2Click() { Move(Edit2, Field::PiggyBank, Field::Money); }

void TForm12::Move(QLineEdit* field, NumberField from, NumberField to)
{
    const PiggyMove move = MoveMoney(WorkingCopies(), field->text(), from, to);
    if (!move.moved) {
        ui().message(move.message);
        return;
    }
    field->setText(move.field);
    ShowCopies();
}

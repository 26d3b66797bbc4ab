#include "town/Unit8.h"

#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "town/FoodCounter.h"
#include "town/Leisure.h"
#include "town/PlaceParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm8::TForm8(GameWindows& windows)
    : TPlaceWindow(windows, QStringLiteral("Игровой Зал"), QSize(476, 307), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);
    moneyLabel = MakeValueLabel(this, QStringLiteral("Деньги наличными, в рублях"));
    moodLabel = MakeValueLabel(this, QStringLiteral("Настроение, до 100"));
    Label1
        = new QLabel(QStringLiteral("Добро пожаловать в игровой зал \"Геймер\" !  Хотите поиграть? Пожалуйста!"), this);
    Label1->setWordWrap(true);
    SetHeading(Label1, 15);

    // A play costs the price its caption names and lifts the mood by its gain; the time is only words.
    auto play = [this](const char* caption, int price, int gain) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setMinimumHeight(28);
        ConnectGuarded(button, &QPushButton::clicked, this,
            [this, price, gain] { Buy(Field::Mood, price, gain, HallNoMoneyMessage); });
        return button;
    };
    Button1 = play("Играть 10 минут (5 руб. Настроение +5)", 5, 5);
    Button2 = play("Играть 30 минут (8 руб. Настроение +10)", 8, 10);
    Button3 = play("Играть 1 час (14 руб. Настроение +20)", 14, 20);
    Button4 = play("Играть 2 часа (30 руб. Настроение +50)", 30, 50);
    Button5 = MakeExitButton(this, QStringLiteral("Уйти"));
    NameControls(
        { { Label1, "Label1" }, { moneyLabel, "moneyLabel" }, { moodLabel, "moodLabel" }, { Button1, "Button1" },
            { Button2, "Button2" }, { Button3, "Button3" }, { Button4, "Button4" }, { Button5, "Button5" } });
    ShowCopiesIn({ { Field::Money, moneyLabel }, { Field::Mood, moodLabel } });

    auto* picture = new PictureBox(this);
    picture->setFixedSize(160, 283);
    picture->setArt(QStringLiteral(":/art/game_hall.svg"));

    auto* right = new QVBoxLayout;
    right->setSpacing(5);
    right->addWidget(Label1);
    right->addSpacing(4);
    for (QPushButton* button : { Button1, Button2, Button3, Button4 })
        right->addWidget(button);
    right->addSpacing(6);
    right->addWidget(MakeValuePanel(
        this, { { QStringLiteral("Деньги:"), moneyLabel }, { QStringLiteral("Настроение:"), moodLabel } }));
    right->addStretch();
    right->addWidget(Button5, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
}

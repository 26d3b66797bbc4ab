#include "town/Unit9.h"

#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "town/FoodCounter.h"
#include "town/Leisure.h"
#include "town/PlaceParts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm9::TForm9(GameWindows& windows)
    : TPlaceWindow(windows, QStringLiteral("Клуб Каратист"), QSize(356, 436), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);
    moneyLabel = MakeValueLabel(this, QStringLiteral("Деньги наличными, в рублях"));
    skillLabel = MakeValueLabel(this, QStringLiteral("Очки умения драться"));
    trainingLabel = MakeValueLabel(this, QStringLiteral("Да или Нет"));
    Label1
        = new QLabel(QStringLiteral("Хотите научиться древнему исскуству \"Каратэ\" ? Без проблем! Платите нам по 10 "
                                    "рублей в день и каждый день вы будете осваивать это исскуство ровно на 1 "
                                    "очко. Более того: Авторитет у вас также будет прибавлятся на 1 единицу! Идет? "
                                    "Прекрасно."),
            this);
    Label1->setWordWrap(true);

    Button1 = new QPushButton(QStringLiteral("Записать меня"), this);
    Button2 = new QPushButton(QStringLiteral("Я больше не хочу тренироваться"), this);
    Button3 = MakeExitButton(this, QStringLiteral("Выйти"));
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm9::Button2Click);
    NameControls({ { Label1, "Label1" }, { moneyLabel, "moneyLabel" }, { skillLabel, "skillLabel" },
        { trainingLabel, "trainingLabel" }, { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" } });
    ShowCopiesIn(
        { { Field::Money, moneyLabel }, { Field::FightSkill, skillLabel }, { Field::AttendsTraining, trainingLabel } });

    auto* picture = new PictureBox(this);
    picture->setFixedSize(332, 130);
    picture->setArt(QStringLiteral(":/art/karate_dojo.svg"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(6);
    layout->addWidget(picture);
    layout->addWidget(Label1);
    layout->addWidget(MakeValuePanel(this,
        { { QStringLiteral("Деньги:"), moneyLabel }, { QStringLiteral("Умение драться:"), skillLabel },
            { QStringLiteral("Я хожу на тренировки?"), trainingLabel } }));
    layout->addStretch();
    layout->addWidget(Button1);
    layout->addWidget(Button2);
    layout->addWidget(Button3, 0, Qt::AlignHCenter);
}

void TForm9::Button1Click() { Tell(SignUpForTraining(WorkingCopies())); }

void TForm9::Button2Click() { Tell(QuitTraining(WorkingCopies())); }

void TForm9::Tell(const QString& refusal)
{
    ShowCopies();
    if (!refusal.isEmpty())
        ui().message(refusal);
}

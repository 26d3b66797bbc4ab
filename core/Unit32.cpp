#include "core/Unit32.h"
#include "core/Button.h"
#include "core/Guarded.h"

#include "core/Look.h"
#include "core/Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm32::TForm32(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("СМЕРТЬ!"), QSize(523, 212))
{
    auto* picture = new PictureBox(this);
    picture->setFixedSize(150, 150);
    picture->setArt(QStringLiteral(":/art/death.svg"));

    Label1 = new QLabel(QStringLiteral("Смерть! Вы умерли простым 9-ти классником. Жаль... Так не должно было быть. "
                                       "Короче, Вы умерли от"),
        this);
    Label1->setWordWrap(true);
    DeathCause = new QLabel(QStringLiteral("Чего-то там..."), this);
    DeathCause->setWordWrap(true);
    SetBold(DeathCause, 2);
    SetTextColor(DeathCause, Palette::Blood);

    Button1 = MakeButton(this, QStringLiteral("Попробовать сначала"), QSize(150, 30), this, &TForm32::Button1Click);
    Button2 = MakeButton(this, QStringLiteral("Выйти"), QSize(150, 30), this, &TForm32::Button2Click);
    returnButton = MakeButton(
        this, QStringLiteral("Вернуться к автосохранению"), QSize(306, 30), this, &TForm32::returnButtonClick);
    returnButton->setAccessibleDescription(
        QStringLiteral("Загрузить последнее автосохранение этой игры: последнюю полночь или последний выход"));
    returnButton->hide();

    NameControls({ { Label1, "Label1" }, { DeathCause, "DeathCause" }, { Button1, "Button1" }, { Button2, "Button2" },
        { returnButton, "returnButton" } });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();

    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(DeathCause);
    text->addStretch();
    text->addLayout(buttons);
    text->addWidget(returnButton, 0, Qt::AlignLeft);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
    layout->setContentsMargins(12, 12, 12, 12);
}

void TForm32::ShowCause(const QString& cause) { DeathCause->setText(cause); }

void TForm32::Button1Click() { closeWith(ModalResult::Ok); }

void TForm32::Button2Click() { closeWith(ModalResult::Cancel); }

void TForm32::returnButtonClick() { closeWith(ReturnResult); }

void TForm32::SetReturnOffered(bool offered) { returnButton->setVisible(offered); }

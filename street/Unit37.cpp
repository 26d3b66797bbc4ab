#include "street/Unit37.h"

#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "street/MiniGames.h"
#include "street/Unit36.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int GamePrice = 160;
}

TForm37::TForm37(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("О игре Half-Life 2"), QSize(520, 252), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);
    Image1 = new PictureBox(this);
    Image1->setFixedSize(170, 220);
    Image1->setAccessibleName(QStringLiteral("Коробка с игрой"));
    Label1 = new QLabel(QStringLiteral("От старого знакомого вы услышали, что наконец-то вышла игра под названием "
                                       "\"Half-Life 2\". Он сказал вам, что это, безусловно, ХИТ! Далее он вам "
                                       "рассказывал все фичи игрушки, даже чуть сюжет весь не пересказал! У вас есть "
                                       "выбор:"),
        this);
    Label1->setWordWrap(true);
    SetBold(Label1, 1);
    Button1 = new QPushButton(QStringLiteral("Купить (2 CD, 160 руб)"), this);
    Button2 = new QPushButton(QStringLiteral("Не покупать"), this);

    // The choice follows the story right under it, the two answers apart; the window ends under the box.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    for (QPushButton* button : { Button1, Button2 }) {
        button->setMinimumHeight(30);
        buttons->addWidget(button);
    }
    auto* text = new QVBoxLayout;
    text->setSpacing(16);
    text->addWidget(Label1);
    text->addLayout(buttons);
    text->addStretch();
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setHorizontalSpacing(16);
    layout->addWidget(Image1, 0, 0, Qt::AlignTop);
    layout->addLayout(text, 0, 1);

    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm37::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm37::Button2Click);
    NameControls({ { Image1, "Image1" }, { Label1, "Label1" }, { Button1, "Button1" }, { Button2, "Button2" } });
}

void TForm37::showEvent(QShowEvent* event)
{
    // The box is drawn at its first showing, not at start-up.
    if (Image1->pixmap().isNull())
        Image1->setArt(QStringLiteral(":/art/game_box.svg"));
    TGameWindow::showEvent(event);
}

void TForm37::OfferTheGame()
{
    ShooterOutcome outcome = ShooterOutcome::Refused;
    if (ui().showModal(*this) == ModalResult::Ok) {
        // Bought whatever the purse says: the friend gives credit.
        state().add(Field::Money, -GamePrice);
        outcome = windows().form36().Start() == ModalResult::Ok ? ShooterOutcome::Won : ShooterOutcome::Lost;
    }
    TellPlayer(ShooterVerdict(state(), outcome));
}

void TForm37::Button1Click() { closeWith(ModalResult::Ok); }

void TForm37::Button2Click() { closeWith(ModalResult::Cancel); }

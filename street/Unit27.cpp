#include "street/Unit27.h"

#include "core/DataPath.h"
#include "core/GameState.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/Random.h"
#include "street/StreetContent.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString FightCaption = QStringLiteral("Вы vs Гопник");

QProgressBar* MakeBar(QWidget* parent, QLabel* caption)
{
    auto* bar = new QProgressBar(parent);
    bar->setFormat(QStringLiteral("%v"));
    bar->setMinimumHeight(22);
    caption->setBuddy(bar);
    return bar;
}

// A bar whose maximum is 0 stays an empty bar reading 0, never Qt's busy indicator.
void ShowBar(QProgressBar* bar, const FightBar& value)
{
    bar->setRange(0, value.maximum > 0 ? value.maximum : 1);
    bar->setValue(value.value);
}
}

TForm27::TForm27(GameWindows& windows)
    : TGameWindow(windows, FightCaption, QSize(720, 620), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Night);
    opponentPicture = new PictureBox(this);
    opponentPicture->setGeometry(0, 0, 460, 620);
    opponentPicture->setAccessibleName(QStringLiteral("Противник"));

    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("fightPanel"));
    side->setGeometry(472, 16, 236, 300);
    MakePanel(side);
    Label1 = new QLabel(QStringLiteral("Жизни гопника:"), side);
    Label2 = new QLabel(QStringLiteral("Ваши жизни:"), side);
    Label3 = new QLabel(QStringLiteral("Сила удара:"), side);
    opponentBar = MakeBar(side, Label1);
    playerBar = MakeBar(side, Label2);
    powerBar = MakeBar(side, Label3);
    Button1 = new QPushButton(QStringLiteral("Вмазать левой"), side);
    Button2 = new QPushButton(QStringLiteral("Вмазать правой"), side);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(12, 12, 12, 12);
    for (QLabel* label : { Label1, Label2, Label3 })
        SetBold(label);
    layout->addWidget(Label1);
    layout->addWidget(opponentBar);
    layout->addWidget(Label2);
    layout->addWidget(playerBar);
    layout->addWidget(Label3);
    layout->addWidget(powerBar);
    layout->addStretch();
    for (QPushButton* button : { Button1, Button2 }) {
        SetBold(button);
        button->setMinimumHeight(34);
        button->setAutoDefault(false);
        layout->addWidget(button);
    }

    rightFist = new PictureBox(this);
    rightFist->setArt(QStringLiteral(":/art/fist_right.svg"));
    rightFist->setGeometry(QRect(RightFistRest, QSize(300, 360)));
    leftFist = new PictureBox(this);
    leftFist->setArt(QStringLiteral(":/art/fist_left.svg"));
    leftFist->setGeometry(QRect(LeftFistRest, QSize(560, 420)));
    for (PictureBox* fist : { rightFist, leftFist }) {
        fist->setAttribute(Qt::WA_TransparentForMouseEvents);
        fist->setAccessibleName(QStringLiteral("Кулак"));
    }

    PunchInFlight = new QTimer(this);
    PunchInFlight->setInterval(500);
    PunchInFlight->setSingleShot(true);
    OpponentTimer = new QTimer(this);
    OpponentTimer->setInterval(500);
    DecayTimer = new QTimer(this);
    DecayTimer->setInterval(1500);

    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm27::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm27::Button2Click);
    ConnectGuarded(PunchInFlight, &QTimer::timeout, this, &TForm27::PunchInFlightTimer);
    ConnectGuarded(OpponentTimer, &QTimer::timeout, this, &TForm27::OpponentTimerTimer);
    ConnectGuarded(DecayTimer, &QTimer::timeout, this, &TForm27::DecayTimerTimer);

    NameControls({ { opponentPicture, "opponentPicture" }, { Label1, "Label1" }, { opponentBar, "opponentBar" },
        { Label2, "Label2" }, { playerBar, "playerBar" }, { Label3, "Label3" }, { powerBar, "powerBar" },
        { Button1, "Button1" }, { Button2, "Button2" }, { rightFist, "rightFist" }, { leftFist, "leftFist" },
        { PunchInFlight, "PunchInFlight" }, { OpponentTimer, "OpponentTimer" }, { DecayTimer, "DecayTimer" } });
}

bool TForm27::FightThug()
{
    return Fight(Random(100) + 1, FightCaption, StreetContent::ThugFight.path(1), StreetContent::ThugFight.path(2));
}

bool TForm27::FightPasserBy()
{
    return Fight(Random(50) + 60, QStringLiteral("Вы vs Лоха"), StreetContent::VictimFight.path(1),
        StreetContent::VictimFight.path(2));
}

bool TForm27::Fight(int opponentLives, const QString& caption, const QString& calmPicture, const QString& strikePicture)
{
    // Both faces are decoded at the box's size for the fight, so the wind-up shows at once.
    m_calm = LoadJpeg(DataPath(calmPicture), opponentPicture->shownSize());
    m_strike = LoadJpeg(DataPath(strikePicture), opponentPicture->shownSize());
    m_fight.SetUp(opponentLives, state().number(Field::FightSkill));
    setWindowTitle(caption);
    opponentPicture->setImage(m_calm);
    rightFist->move(RightFistRest);
    leftFist->move(LeftFistRest);
    ShowBars();
    m_over = false;
    OpponentTimer->start();
    DecayTimer->start();
    const ModalResult result = ui().showModal(*this);
    PunchInFlight->stop();
    OpponentTimer->stop();
    DecayTimer->stop();
    m_over = true;
    setWindowTitle(FightCaption);
    // The faces leave memory with the window; the next fight decodes its own.
    m_calm = QImage();
    m_strike = QImage();
    opponentPicture->setImage(QImage());
    return result == ModalResult::Yes;
}

void TForm27::Button1Click() { Punch(FightHand::Left); }

void TForm27::Button2Click() { Punch(FightHand::Right); }

void TForm27::Punch(FightHand hand)
{
    if (m_over || PunchInFlight->isActive())
        return;
    m_fight.Punch(hand);
    if (hand == FightHand::Left)
        leftFist->move(LeftFistPunch);
    else
        rightFist->move(RightFistPunch);
    PunchInFlight->start();
    ShowBars();
}

void TForm27::PunchInFlightTimer()
{
    PunchInFlight->stop();
    rightFist->move(RightFistRest);
    leftFist->move(LeftFistRest);
    if (m_over)
        return;
    End(m_fight.PunchLands());
}

// The opponent winds up one beat before he strikes, so the player sees it coming.
void TForm27::OpponentTimerTimer()
{
    if (m_over)
        return;
    const bool strikes = m_fight.opponentWindup;
    const bool windUp = !strikes && Random(2) == 0;
    const FightEnd end = m_fight.OpponentBeat(windUp);
    if (strikes)
        opponentPicture->setImage(m_calm);
    else if (windUp)
        opponentPicture->setImage(m_strike);
    End(end);
}

void TForm27::DecayTimerTimer()
{
    if (m_over)
        return;
    m_fight.PowerFades();
    ShowBars();
}

void TForm27::ShowBars()
{
    ShowBar(opponentBar, m_fight.opponentLives);
    ShowBar(playerBar, m_fight.playerLives);
    ShowBar(powerBar, m_fight.punchPower);
}

void TForm27::End(FightEnd end)
{
    ShowBars();
    if (end == FightEnd::Going)
        return;
    m_over = true;
    OpponentTimer->stop();
    DecayTimer->stop();
    closeWith(end == FightEnd::PlayerWon ? ModalResult::Yes : ModalResult::No);
}

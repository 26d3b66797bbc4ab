#include "street/Unit31.h"

#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Random.h"
#include "street/ClickPicture.h"
#include "street/MiniGames.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int BallPeriod = 400;
}

TForm31::TForm31(GameWindows& windows)
    : TGameWindow(
        windows, QStringLiteral("Java-игра \"Замочи шаровую молнию!\""), QSize(429, 470), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Night);

    // The field and the ball keep the pixel grid of the game; the ball sits on the field.
    fieldPanel = new QFrame(this);
    fieldPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fieldPanel->setLineWidth(2);
    fieldPanel->setFixedSize(BallFieldSize + 4, BallFieldSize + 4);
    Image1 = new PictureBox(fieldPanel);
    Image1->setGeometry(2, 2, BallFieldSize, BallFieldSize);
    Image1->setAccessibleName(QStringLiteral("Игровое поле"));
    Image2 = new ClickPicture(Image1);
    Image2->resize(BallSize, BallSize);
    Image2->move(BallPosition(4));
    Image2->setAccessibleName(QStringLiteral("Шаровая молния"));

    Label1 = new QLabel(QStringLiteral("СЧЕТ:"), this);
    BallScore = new QLabel(QStringLiteral("0"), this);
    Label1->setBuddy(BallScore);
    for (QLabel* label : { Label1, BallScore }) {
        SetHeading(label, 20);
        SetTextColor(label, Palette::LampLight);
    }
    Button1 = new QPushButton(QStringLiteral("Закончить"), this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addWidget(BallScore);
    bottom->addStretch();
    bottom->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(fieldPanel, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);

    Timer1 = new QTimer(this);
    Timer1->setInterval(BallPeriod);
    ConnectGuarded(Timer1, &QTimer::timeout, this, &TForm31::Timer1Timer);
    ConnectGuarded(Image2, &ClickPicture::pressed, this, &TForm31::Image2Click);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm31::Button1Click);
    NameControls({ { fieldPanel, "fieldPanel" }, { Image1, "Image1" }, { Image2, "Image2" }, { Label1, "Label1" },
        { BallScore, "BallScore" }, { Button1, "Button1" }, { Timer1, "Timer1" } });
}

void TForm31::Play()
{
    // The pictures are drawn when the game is first played, not at start-up.
    if (Image1->pixmap().isNull()) {
        Image1->setArt(QStringLiteral(":/art/ball_field.svg"));
        Image2->setArt(QStringLiteral(":/art/ball.svg"));
    }
    ShowScore(0);
    Timer1->start();
    ui().showModal(*this);
    Timer1->stop();
    TellPlayer(BallGameEnds(state(), score()));
}

void TForm31::ShowScore(int score)
{
    m_score = score;
    BallScore->setText(QString::number(score));
}

void TForm31::Timer1Timer() { Image2->move(BallPosition(Random(BallCellCount))); }

void TForm31::Image2Click() { ShowScore(m_score + 1); }

void TForm31::Button1Click() { closeWith(ModalResult::Ok); }

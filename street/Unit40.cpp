#include "street/Unit40.h"

#include "core/DataPath.h"
#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "street/StreetRules.h"
#include "street/Unit41.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int Height = 430;
}

TForm40::TForm40(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("ГОП-СТОП Карауливание"), QSize(NarrowWidth, Height), WindowFrame::NoCloseBox)
{
    auto* background = new PictureBox(this);
    background->setGeometry(0, 0, NarrowWidth, Height);
    background->setArt(QStringLiteral(":/art/robbery_street.svg"));

    Label1 = new QLabel(QStringLiteral("ГОП-СТОП"), this);
    SetHeading(Label1, 26);
    SetTextColor(Label1, Palette::LampLight);
    AddShadow(Label1, Palette::Black, 4);
    Label1->setGeometry(0, 6, NarrowWidth, 36);
    Label1->setAlignment(Qt::AlignCenter);

    districtPicture = new PictureBox;
    QFrame* frame = FramePicture(this, districtPicture, QSize(250, 210));
    frame->move(38, 46);
    districtPicture->setAccessibleName(QStringLiteral("Район"));

    auto* info = new QFrame(this);
    info->setObjectName(QStringLiteral("streetInfo"));
    MakePanel(info);
    info->setGeometry(10, 268, 311, 112);
    Label2 = new QLabel(QStringLiteral("Количество человек в этом районе:"), info);
    SetBold(Label2);
    PeopleAround = new QLabel(QStringLiteral("0"), info);
    SetHeading(PeopleAround, 18);
    SetTextColor(PeopleAround, Palette::BrickShade);
    Label2->setBuddy(PeopleAround);
    Label3 = new QLabel(QStringLiteral("На заметку: Чем меньше народу на улице, тем легче будет отбирать деньги у "
                                       "всякого рода лохов."),
        info);
    Label3->setWordWrap(true);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->setContentsMargins(8, 6, 8, 6);
    infoLayout->setSpacing(2);
    infoLayout->addWidget(Label2);
    infoLayout->addWidget(PeopleAround);
    infoLayout->addWidget(Label3);

    Button1 = new QPushButton(QStringLiteral("Подойти к ..."), this);
    Button1->setGeometry(10, 388, 150, 32);
    Button2 = new QPushButton(QStringLiteral("Назад"), this);
    Button2->setGeometry(171, 388, 150, 32);
    SetBold(Button1);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(NarrowWidth, 0, WideWidth - NarrowWidth, Height);
    SetBackground(Panel1, Palette::Black);
    auto* caption = new QLabel(QStringLiteral("Подойти к ... "), Panel1);
    SetHeading(caption, 18);
    SetTextColor(caption, Palette::White);
    caption->setAlignment(Qt::AlignCenter);
    playerPicture = new PictureBox(Panel1);
    playerPicture->setArt(QStringLiteral(":/art/robber_player.svg"));
    playerPicture->setFixedSize(135, 180);
    playerPicture->setAccessibleName(QStringLiteral("Вы"));
    Label4 = new QLabel(QStringLiteral("В данный                    момент                   это - вы!"), Panel1);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFixedWidth(110);
    Label4->setMinimumHeight(66);
    SetBold(Label4);
    SetTextColor(Label4, Palette::White);
    Button4 = new QPushButton(QStringLiteral("Ботанику или лоху"), Panel1);
    Button3 = new QPushButton(QStringLiteral("Не подходить пока ни к кому"), Panel1);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(14, 10, 14, 10);
    panelLayout->addWidget(caption);
    panelLayout->addWidget(playerPicture, 0, Qt::AlignHCenter);
    panelLayout->addWidget(Label4, 0, Qt::AlignHCenter);
    panelLayout->addStretch();
    panelLayout->addWidget(Button4);
    panelLayout->addWidget(Button3);
    for (QPushButton* button : { Button1, Button2, Button3, Button4 }) {
        button->setAutoDefault(false);
        button->setMinimumHeight(32);
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(3000);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm40::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm40::Button2Click);
    ConnectGuarded(Button3, &QPushButton::clicked, this, &TForm40::Button3Click);
    ConnectGuarded(Button4, &QPushButton::clicked, this, &TForm40::Button4Click);
    ConnectGuarded(Timer1, &QTimer::timeout, this, &TForm40::Timer1Timer);

    NameControls({ { districtPicture, "districtPicture" }, { Label1, "Label1" }, { Label2, "Label2" },
        { PeopleAround, "PeopleAround" }, { Label3, "Label3" }, { Button1, "Button1" }, { Button2, "Button2" },
        { Panel1, "Panel1" }, { playerPicture, "playerPicture" }, { Label4, "Label4" }, { Button4, "Button4" },
        { Button3, "Button3" }, { Timer1, "Timer1" } });
}

void TForm40::LieInWait(const QString& picture, int people)
{
    districtPicture->setPicture(DataPath(picture));
    SetPeople(people);
    ui().showModal(*this);
    Timer1->stop();
}

// Every arrival starts with the panel hidden and the street running.
void TForm40::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    setFixedWidth(NarrowWidth);
    Button1->setEnabled(true);
    Timer1->start();
}

void TForm40::SetPeople(int people)
{
    m_people = people;
    PeopleAround->setText(QString::number(people));
}

void TForm40::Timer1Timer() { SetPeople(PeopleAfterStreetBeat(m_people)); }

void TForm40::Button1Click()
{
    setFixedWidth(WideWidth);
    Button1->setEnabled(false);
}

void TForm40::Button3Click()
{
    setFixedWidth(NarrowWidth);
    Button1->setEnabled(true);
}

void TForm40::Button2Click()
{
    Timer1->stop();
    closeWith(ModalResult::Ok);
}

// Stepping up to a likely victim: once a day, when the street lets the robber near him.
void TForm40::Button4Click()
{
    const Approach approach = TryApproach(state().text(Field::RobberyAllowedToday) == QLatin1String("1"), m_people);
    if (!approach.startsTalk) {
        ui().message(approach.message);
        return;
    }
    if (windows().form41().StartTalk())
        state().setNumber(Field::RobberyAllowedToday, 0);
}

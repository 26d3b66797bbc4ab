#include "street/TalkWindow.h"

#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/WrapButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

TTalkWindow::TTalkWindow(GameWindows& windows, const QString& caption, const QString& gamePath, const QString& partyArt)
    : TGameWindow(windows, caption, QSize(640, 420), WindowFrame::NoCloseBox)
    , m_script(gamePath)
{
    SetBackground(this, Palette::Cream);

    partyPicture = new PictureBox;
    partyPicture->setArt(partyArt);
    partyPicture->setAccessibleName(QStringLiteral("Собеседник"));
    QFrame* frame = FramePicture(this, partyPicture, QSize(180, 296));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName(QStringLiteral("Разговор"));
    SetHeading(Memo1, 16);

    auto* answers = new QVBoxLayout();
    answers->setSpacing(10);
    answers->addStretch();
    Button1 = new WrapButton(QString(), this);
    Button2 = new WrapButton(QString(), this);
    Button3 = new WrapButton(QString(), this);
    for (QPushButton* button : { Button1, Button2, Button3 }) {
        button->setFixedSize(170, 78);
        button->setAutoDefault(false);
        answers->addWidget(button);
    }
    answers->addStretch();
    ConnectGuarded(Button1, &QPushButton::clicked, this, [this] { Answer(1); });
    ConnectGuarded(Button2, &QPushButton::clicked, this, [this] { Answer(2); });
    ConnectGuarded(Button3, &QPushButton::clicked, this, [this] { Answer(3); });

    auto* talk = new QHBoxLayout();
    talk->addWidget(frame, 0, Qt::AlignTop);
    talk->addLayout(answers);
    talk->addWidget(Memo1, 1);

    m_fixedButtons = new QHBoxLayout();
    m_fixedButtons->setSpacing(12);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(talk, 1);
    layout->addLayout(m_fixedButtons);

    NameControls({ { partyPicture, "partyPicture" }, { Memo1, "Memo1" }, { Button1, "Button1" }, { Button2, "Button2" },
        { Button3, "Button3" } });
}

QPushButton* TTalkWindow::AddFixedButton(const char* caption)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    SetBold(button);
    button->setMinimumHeight(32);
    button->setAutoDefault(false);
    m_fixedButtons->addWidget(button);
    return button;
}

bool TTalkWindow::StartTalk()
{
    bool ready = false;
    RunGuarded([&] {
        BeginTalk(); // a missing or broken script stops here, and the error box tells the player
        ready = true;
    });
    if (!ready)
        return false;
    AfterStart();
    ui().showModal(*this);
    return true;
}

void TTalkWindow::BeginTalk()
{
    Memo1->clear();
    for (QPushButton* button : { Button1, Button2, Button3 })
        button->setEnabled(true);
    m_script.Start();
    ShowTalk();
}

void TTalkWindow::Answer(int k)
{
    const DialogOutcome outcome = m_script.Answer(k);
    if (outcome == DialogOutcome::Broken) {
        ui().errorBox(m_script.BrokenMessage());
        closeWith(ModalResult::Cancel);
        return;
    }
    ShowTalk();
    switch (outcome) {
    case DialogOutcome::War:
        OutcomeWar();
        break;
    case DialogOutcome::Ch1:
        OutcomeCh1();
        break;
    case DialogOutcome::Ch2:
        OutcomeCh2();
        break;
    case DialogOutcome::Ch3:
        OutcomeCh3();
        break;
    case DialogOutcome::Win:
        OutcomeWin();
        break;
    case DialogOutcome::None:
    case DialogOutcome::Broken:
        break;
    }
}

void TTalkWindow::ShowTalk()
{
    const auto& captions = m_script.Captions();
    Button1->setText(captions[0]);
    Button2->setText(captions[1]);
    Button3->setText(captions[2]);
    Memo1->setPlainText(m_script.Log().join(QLatin1Char('\n')));
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

void TTalkWindow::CloseAnswers(const QString& caption)
{
    for (QPushButton* button : { Button1, Button2, Button3 }) {
        button->setText(caption);
        button->setEnabled(false);
    }
}

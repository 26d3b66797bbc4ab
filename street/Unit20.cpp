#include "street/Unit20.h"

#include "core/DataPath.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/WrapButton.h"
#include "street/StreetContent.h"
#include "street/Unit22.h"
#include "street/Unit23.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// How long a face stays on the indicator, in ticks of 10 ms.
constexpr int FaceTicks = 100;
// The pause after an answer, so that her reaction is read before anything else happens.
constexpr int AnswerPauseMs = 1000;
}

TForm20::TForm20(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Разговор с девушкой"), QSize(776, 371), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Cream);

    Image1 = new PictureBox;
    Image1->setAccessibleName(QStringLiteral("Фото девушки"));
    QFrame* photo = FramePicture(this, Image1, QSize(240, 320));

    Image2 = new PictureBox;
    Image2->setAccessibleName(QStringLiteral("Как она к вам относится"));
    QFrame* indicator = FramePicture(this, Image2, QSize(189, 37));

    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(indicator);
    for (int k = 1; k <= MaxGirlAnswers; ++k) {
        auto* button = new WrapButton(QString(), this);
        button->setFixedWidth(193);
        button->setMinimumHeight(44);
        ConnectGuarded(button, &QPushButton::clicked, this, [this, k] { AnswerClick(k); });
        answerButtons[k - 1] = button;
        middle->addWidget(button);
    }
    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    middle->addWidget(separator);
    Button6 = new WrapButton(QStringLiteral("Извини, я вспомнил... Мне надо... Мне надо бежать! Пока!"), this);
    Button6->setFixedWidth(193);
    Button6->setMinimumHeight(56);
    SetBold(Button6);
    ConnectGuarded(Button6, &QPushButton::clicked, this, &TForm20::Button6Click);
    middle->addWidget(Button6);
    middle->addStretch();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName(QStringLiteral("Разговор"));
    SetHeading(Memo1, 16);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(photo, 0, Qt::AlignTop);
    layout->addLayout(middle);
    layout->addWidget(Memo1, 1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    ConnectGuarded(Timer1, &QTimer::timeout, this, &TForm20::Timer1Timer);

    NameControls({ { Image1, "Image1" }, { Image2, "Image2" }, { Memo1, "Memo1" }, { answerButtons[0], "Button1" },
        { answerButtons[1], "Button2" }, { answerButtons[2], "Button3" }, { answerButtons[3], "Button4" },
        { answerButtons[4], "Button5" }, { Button6, "Button6" }, { Timer1, "Timer1" } });
}

bool TForm20::Start(int girl, const QString& nameWith)
{
    setWindowTitle(QStringLiteral("Разговор с ") + nameWith);
    Image1->setPicture(DataPath(StreetContent::GirlPhoto.path(girl)));
    Memo1->clear();
    const QString scriptPath = StreetContent::GirlTalk.path(girl);
    GirlScript script = GirlScript::Load(scriptPath);
    if (!script.isSound()) {
        m_talk.reset();
        ui().message(
            QStringLiteral("Разговор не получился: в сценарии \"%1\" ошибка (%2).").arg(scriptPath, script.problem()));
        return false;
    }
    m_talk.emplace(std::move(script));
    showNode();
    return true;
}

void TForm20::showNode()
{
    const GirlNode& node = m_talk->node();
    Memo1->appendPlainText(node.girlLine);
    for (int k = 0; k < MaxGirlAnswers; ++k) {
        const bool shown = k < int(node.answers.size());
        answerButtons[k]->setText(shown ? node.answers[k].caption : QString());
        answerButtons[k]->setVisible(shown);
    }
}

void TForm20::pause()
{
    Memo1->repaint();
    ui().sleep(AnswerPauseMs);
}

void TForm20::AnswerClick(int k)
{
    if (!m_talk || k > int(m_talk->node().answers.size()))
        return;
    const AnswerOutcome outcome = m_talk->answer(k);
    Memo1->appendPlainText(QString());
    Memo1->appendPlainText(outcome.reaction);
    if (outcome.step == TalkStep::Charmed) {
        pause();
        windows().form22().ShowLove(windowTitle());
        closeWith(ModalResult::Yes);
        return;
    }
    if (outcome.face == Face::Good)
        m_faceState = FaceState::ShowGood;
    else if (outcome.face == Face::Bad)
        m_faceState = FaceState::ShowBad;
    pause();
    if (outcome.step == TalkStep::Rejected) {
        Memo1->appendPlainText(QString());
        Memo1->appendPlainText(QStringLiteral("Мне жаль, но ты мне совсем не нравишься..."));
        pause();
        ui().showModal(windows().form23());
        closeWith(ModalResult::No);
        return;
    }
    Memo1->appendPlainText(QString());
    showNode();
}

void TForm20::Button6Click()
{
    ui().message(QStringLiteral("Ну ладно, иди. Приходи еще, поговорим..."));
    closeWith(ModalResult::Cancel);
}

void TForm20::showFace(const char* picture)
{
    Image2->setPicture(DataPath(StreetContent::GirlFace.path(QLatin1String(picture))));
}

void TForm20::Timer1Timer()
{
    // The state moves on before the picture is read, so a missing picture is reported once, not every tick.
    if (m_faceState == FaceState::CountingDown) {
        if (--m_faceCountdown <= 0) {
            m_faceState = FaceState::Idle;
            m_faceCountdown = FaceTicks;
            showFace("Empty");
        }
    }
    if (m_faceState == FaceState::ShowGood) {
        m_faceState = FaceState::CountingDown;
        m_faceCountdown = FaceTicks;
        showFace("Good");
    }
    if (m_faceState == FaceState::ShowBad) {
        m_faceState = FaceState::CountingDown;
        m_faceCountdown = FaceTicks;
        showFace("Bad");
    }
}

void TForm20::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    Timer1->start();
}

void TForm20::hideEvent(QHideEvent* event)
{
    Timer1->stop();
    TGameWindow::hideEvent(event);
}

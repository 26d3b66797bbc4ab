#include "records/Unit35.h"
#include "core/Button.h"
#include "core/Guarded.h"

#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Look.h"
#include "core/Picture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// A button caption shows "&" only when it is doubled.
QString Caption(const QString& text)
{
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}

TForm35::TForm35(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Предмет: "), QSize(600, 400), WindowFrame::NoCloseBox)
{
    Image1 = new PictureBox(this);
    Image1->setFixedSize(140, 140);
    Image1->setArt(QStringLiteral(":/art/question_teacher.svg"));
    Image2 = new PictureBox(this);
    Image2->setFixedSize(140, 140);
    Image2->setArt(QStringLiteral(":/art/question_pupil.svg"));

    Label1 = new QLabel(QStringLiteral("Сидели вы тут, понимаешь, спокойно, никого не трогали, занимались своими "
                                       "делами и тут БАХ! Вас спрашивает училка! Ну что же, придется отвечать на ее "
                                       "вопросы! Да и оценки нам не помешают..."),
        this);
    Label1->setWordWrap(true);

    Label2 = new QLabel(QStringLiteral("Вопрос учителя"), this);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
    Label2->setMinimumHeight(64);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetBold(Label2);
    MakeTextBox(Label2);
    // A screen reader reads the question itself; what it is goes to the description.
    Label2->setAccessibleDescription(QStringLiteral("Вопрос учителя"));

    Label3 = new QLabel(QStringLiteral("Э... Ну... Это... Хм... Мда! Блин! В голову приходит аж целых три ответа! "
                                       "Нужно подумать, какой из них может быть правильным?"),
        this);
    Label3->setWordWrap(true);

    Button1 = MakeButton(this, QStringLiteral("Ответ Номер 1"), QSize(0, 30), this, &TForm35::Button1Click);
    Button2 = MakeButton(this, QStringLiteral("Ответ Номер 2"), QSize(0, 30), this, &TForm35::Button2Click);
    Button3 = MakeButton(this, QStringLiteral("Ответ Номер 3"), QSize(0, 30), this, &TForm35::Button3Click);
    Button4
        = MakeButton(this, QStringLiteral("ПОПЫТАТЬСЯ ИСПОЛЬЗОВАТЬ ГДЗ"), QSize(260, 30), this, &TForm35::Button4Click);
    for (QPushButton* button : { Button1, Button2, Button3, Button4 })
        button->setAutoDefault(false);
    // A long answer is cut at the edge rather than pushing the window wider.
    for (QPushButton* button : { Button1, Button2, Button3 })
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // Tab walks the answers top to bottom, then the book of answers.
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);

    NameControls(
        { { Image1, "Image1" }, { Image2, "Image2" }, { Label1, "Label1" }, { Label2, "Label2" }, { Label3, "Label3" },
            { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" }, { Button4, "Button4" } });

    auto* teacherText = new QVBoxLayout;
    teacherText->addWidget(Label1);
    teacherText->addWidget(Label2, 1);
    auto* teacher = new QHBoxLayout;
    teacher->addWidget(Image1, 0, Qt::AlignTop);
    teacher->addLayout(teacherText, 1);

    auto* answers = new QVBoxLayout;
    answers->addWidget(Label3);
    answers->addWidget(Button1);
    answers->addWidget(Button2);
    answers->addWidget(Button3);
    auto* pupil = new QHBoxLayout;
    pupil->addLayout(answers, 1);
    pupil->addWidget(Image2, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(teacher);
    layout->addSpacing(8);
    layout->addLayout(pupil);
    layout->addStretch();
    layout->addWidget(Button4, 0, Qt::AlignHCenter);
    layout->setContentsMargins(12, 12, 12, 12);
}

QString TForm35::AskQuestions(const QString& fileSubject)
{
    SetSubject(fileSubject);
    // The file is read before the window opens, so a subject without usable questions never shows an empty window.
    if (!LoadLines(fileSubject)) {
        m_questioning.Stop();
        return {};
    }
    m_linesReady = true;
    const ModalResult result = ui().showModal(*this);
    m_linesReady = false;
    const QString grade = m_questioning.Grade();
    if (result != ModalResult::Ok || grade.isEmpty()) {
        m_questioning.Stop();
        return {};
    }
    return grade;
}

void TForm35::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    FormShow();
}

void TForm35::FormShow()
{
    if (m_questioning.IsRunning())
        return;
    setWindowTitle(QStringLiteral("Предмет: ") + m_subject);
    if (!m_linesReady && !LoadLines(m_subject)) {
        // Nothing to ask: no grade, and the window closes as soon as it is up.
        m_questioning.Stop();
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                closeWith(ModalResult::Cancel);
        });
        return;
    }
    m_linesReady = false;
    m_questioning.Start(m_lines);
    ShowQuestion();
}

bool TForm35::LoadLines(const QString& fileSubject)
{
    try {
        m_lines = LoadQuestionFile(fileSubject);
        return true;
    } catch (const EInOutError& error) {
        m_lines.clear();
        ui().message(QStringLiteral("Учитель полистал журнал, но спрашивать не стал: вопросы по этому предмету "
                                    "не удалось прочитать. Сегодня вас не спросят.\n\n")
            + error.message());
        return false;
    }
}

void TForm35::ShowQuestion()
{
    const Question& question = m_questioning.Current();
    Label2->setText(question.text);
    Button1->setText(Caption(question.answers[0]));
    Button2->setText(Caption(question.answers[1]));
    Button3->setText(Caption(question.answers[2]));
    // Every question starts at the first answer, whichever answer was pressed before: the first key goes to the
    // answers, and Tab walks them before the book of answers under them. The frame shows from the start where
    // Space and Enter act.
    Button1->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void TForm35::Answer(int answer)
{
    if (!m_questioning.IsRunning())
        return;
    const QString reply = m_questioning.Answer(answer);
    ui().message(reply);
    if (!m_questioning.IsRunning()) {
        closeWith(ModalResult::Ok);
        return;
    }
    ShowQuestion();
}

void TForm35::Button4Click() { TellPlayer(UseGdz(state(), m_questioning.Current())); }

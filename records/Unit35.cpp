#include "records/Unit35.h"
#include "core/Button.h"
#include "core/Guarded.h"

#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "core/Random.h"
#include "records/Questions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString Running = QStringLiteral("1");

const QString Praise[] = {
    QStringLiteral("Молодец!"),
    QStringLiteral("Умница!"),
    QStringLiteral("Вот, можешь же, когда хочешь!"),
    QStringLiteral("Ты меня поражаешь! Молодец!"),
    QStringLiteral("Верно!"),
};

const QString Reproach[] = {
    QStringLiteral("Неа, не угадал"),
    QStringLiteral("Нет, не верно"),
    QStringLiteral("Откуда ты это взял?"),
    QStringLiteral("В твоем ГДЗ, видать, ошибка!"),
    QStringLiteral("Нет!"),
};

bool IsGrade(const QString& text)
{
    return text == QLatin1String("2") || text == QLatin1String("3") || text == QLatin1String("4")
        || text == QLatin1String("5");
}

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

    Edit1 = new QLineEdit(this);
    Edit1->setAccessibleName(QStringLiteral("Оценка"));
    Edit1->hide();

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
    Edit1->setText(fileSubject);
    // The file is read before the window opens, so a subject without usable questions never shows an empty window.
    if (!LoadLines(fileSubject)) {
        Edit1->clear();
        return {};
    }
    m_linesReady = true;
    const ModalResult result = ui().showModal(*this);
    m_linesReady = false;
    const QString grade = Edit1->text();
    if (result != ModalResult::Ok || !IsGrade(grade)) {
        Edit1->clear();
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
    if (Edit1->text() == Running)
        return;
    const QString subject = Edit1->text();
    setWindowTitle(QStringLiteral("Предмет: ") + subject);
    Edit1->setText(Running);
    if (!m_linesReady && !LoadLines(subject)) {
        // Nothing to ask: no grade, and the window closes as soon as it is up.
        Edit1->clear();
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                closeWith(ModalResult::Cancel);
        });
        return;
    }
    m_linesReady = false;
    m_grade = 2;
    m_asked = 1;
    m_firstLine = Random(int(m_lines.size()));
    m_lastLine = m_firstLine;
    ShowLine(m_lastLine);
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

void TForm35::ShowLine(int index)
{
    const Question question = ParseQuestionLine(m_lines.value(index));
    m_question = question;
    Label2->setText(question.text);
    Button1->setText(Caption(question.answers[0]));
    Button2->setText(Caption(question.answers[1]));
    Button3->setText(Caption(question.answers[2]));
}

void TForm35::Answer(int answer)
{
    if (Edit1->text() != Running)
        return;
    if (m_question.right[answer]) {
        ++m_grade;
        ui().message(Praise[Random(5)]);
    } else {
        ui().message(Reproach[Random(5)]);
    }
    ++m_asked;
    if (m_asked > 3) {
        Edit1->setText(QString::number(m_grade));
        closeWith(ModalResult::Ok);
        return;
    }
    // At least three lines are loaded, so another line different from the first and the last one always exists.
    int next;
    do {
        next = Random(int(m_lines.size()));
    } while (next == m_firstLine || next == m_lastLine);
    m_lastLine = next;
    ShowLine(m_lastLine);
}

void TForm35::Button4Click()
{
    if (state().text(Field::HasGdz) == TextNo) {
        ui().message(QStringLiteral("У вас нет такой ценной книжки!"));
        return;
    }
    if (Random(4) == 0) {
        ui().message(QStringLiteral("Упс, попалили... ГДЗ у вас отобрали... И больше никогда не вернут. =("));
        state().set(Field::HasGdz, TextNo);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (m_question.right[i])
            ui().message(
                QStringLiteral("ГДЗ мне подсказывает, что правильный ответ %1: ").arg(i + 1) + m_question.answers[i]);
    }
}

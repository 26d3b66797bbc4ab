// The teacher's question window: three different questions, the grade, the praise and reproach, the ГДЗ book, and
// the subjects whose question file cannot be used.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/DataPath.h"
#include "core/TextFile.h"
#include "records/Unit35.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList Praise = { U("Молодец!"), U("Умница!"), U("Вот, можешь же, когда хочешь!"),
    U("Ты меня поражаешь! Молодец!"), U("Верно!") };
const QStringList Reproach = { U("Неа, не угадал"), U("Нет, не верно"), U("Откуда ты это взял?"),
    U("В твоем ГДЗ, видать, ошибка!"), U("Нет!") };

class QuestionWindow : public GameFixture {
protected:
    QuestionWindow() { useWorkingDirectory(); }

    void writeQuestions(const char* fileSubject, const QStringList& lines)
    {
        QDir().mkpath(QStringLiteral("Data/Questions"));
        WriteLines1251(DataPath(QStringLiteral("Data\\Questions\\") + U(fileSubject) + QStringLiteral(".qst")), lines);
    }

    QPushButton* answerButton(TForm35& w, int k)
    {
        const char* const names[] = { "Button1", "Button2", "Button3" };
        return Child<QPushButton>(w, names[k]);
    }
};
}

TEST_F(QuestionWindow, TheGradeIsTwoPlusOneForEachRightAnswer)
{
    writeQuestions("Химия", { U("В1?@a#b#c"), U("В2?#a@b#c"), U("В3?#a#b@c") });
    struct Case {
        std::array<int, 3> pressed; // the answer button pressed for lines 0, 1, 2
        const char* grade;
        QStringList messages; // the message draws are 4, 2, 0
    };
    const Case cases[] = {
        { { 0, 1, 2 }, "5", { Praise[4], Praise[2], Praise[0] } },
        { { 1, 0, 0 }, "2", { Reproach[4], Reproach[2], Reproach[0] } },
        { { 0, 0, 2 }, "4", { Praise[4], Reproach[2], Praise[0] } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        ui.messages.clear();
        random.add(0, 3); // first line
        random.add(4, 5); // the message after answer 1
        random.add(1, 3); // second line
        random.add(2, 5);
        random.add(2, 3); // third line
        random.add(0, 5);
        ui.onModal<TForm35>([&](TForm35& w) {
            EXPECT_EQ(w.windowTitle(), U("Предмет: Химия"));
            EXPECT_TRUE(w.questioning().IsRunning());
            for (int line = 0; line < 3; ++line) {
                EXPECT_EQ(Child<QLabel>(w, "Label2")->text(), QStringLiteral("В%1?").arg(line + 1));
                QTest::mouseClick(answerButton(w, c.pressed[line]), Qt::LeftButton);
            }
        });
        EXPECT_EQ(forms->form35().AskQuestions(U("Химия")), U(c.grade));
        EXPECT_FALSE(forms->form35().questioning().IsRunning());
        EXPECT_EQ(forms->form35().questioning().Grade(), U(c.grade));
        EXPECT_EQ(ui.messages, c.messages);
    }
}

TEST_F(QuestionWindow, AThreeLineFileAsksEveryLineOnceRedrawingRepeats)
{
    writeQuestions("История", { U("Первый?@a#b#c"), U("Второй?@a#b#c"), U("Третий?@a#b#c") });
    QStringList asked;
    // First line 2; then 2 again (the first line) before 1; then 2 and 1 (first and last) before 0.
    random.add(2, 3);
    random.add(0, 5);
    random.add({ 2, 1 });
    random.add(0, 5);
    random.add({ 2, 1, 1, 2, 0 });
    random.add(0, 5);
    ui.onModal<TForm35>([&](TForm35& w) {
        for (int i = 0; i < 3; ++i) {
            asked << Child<QLabel>(w, "Label2")->text();
            EXPECT_EQ(Child<QPushButton>(w, "Button1")->text(), U("a"));
            EXPECT_EQ(Child<QPushButton>(w, "Button3")->text(), U("c"));
            click(Child<QPushButton>(w, "Button1"));
        }
    });
    EXPECT_EQ(forms->form35().AskQuestions(U("История")), U("5"));
    EXPECT_EQ(asked, QStringList({ U("Третий?"), U("Второй?"), U("Первый?") }));
}

TEST_F(QuestionWindow, TheBookButtonHintsTheRightAnswersOrIsTakenAway)
{
    writeQuestions("Литература", { U("В1?@раз#два@три"), U("В2?#a#b#c"), U("В3?#a#b#c") });
    const QString hint1 = U("ГДЗ мне подсказывает, что правильный ответ 1: раз");
    const QString hint3 = U("ГДЗ мне подсказывает, что правильный ответ 3: три");
    const QString caught = U("Упс, попалили... ГДЗ у вас отобрали... И больше никогда не вернут. =(");
    const QString noBook = U("У вас нет такой ценной книжки!");

    given({ { Field::HasGdz, U("Да") } });
    random.add(0, 3);
    random.add(3, 4); // the book helps: both right answers, in order
    random.add(0, 4); // caught
    random.add({ 0, 1, 0, 2, 0 }); // answers and lines (the book button draws nothing any more)
    QString bookWhileToldOfIt;
    ui.whenShown = [&](const QString& text) {
        if (text == caught)
            bookWhileToldOfIt = state.text(Field::HasGdz);
    };
    ui.onModal<TForm35>([&](TForm35& w) {
        for (int press = 0; press < 4; ++press)
            click(Child<QPushButton>(w, "Button4"));
        for (int i = 0; i < 3; ++i)
            click(Child<QPushButton>(w, "Button2"));
    });
    EXPECT_EQ(forms->form35().AskQuestions(U("Литература")), U("2"));
    EXPECT_EQ(state.text(Field::HasGdz), U("Нет"));
    EXPECT_EQ(ui.messages.mid(0, 5), QStringList({ hint1, hint3, caught, noBook, noBook }));
    EXPECT_EQ(bookWhileToldOfIt, U("Да")) << "the book was taken before the player was told";
}

TEST_F(QuestionWindow, AFileThatCannotBeUsedEndsTheQuestioningWithoutAGradeOrAWindow)
{
    writeQuestions("Химия", { U("В1?@a#b#c"), U("В2?@a#b#c") });
    writeQuestions("Труд", {});
    for (const char* subject : { "Химия", "Труд", "Черчение" }) {
        SCOPED_TRACE(subject);
        ui.messages.clear();
        EXPECT_EQ(forms->form35().AskQuestions(U(subject)), QString());
        EXPECT_FALSE(forms->form35().questioning().IsRunning());
        EXPECT_EQ(forms->form35().questioning().Grade(), QString());
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_TRUE(ui.messages[0].contains(U("Data\\Questions\\") + U(subject) + U(".qst")))
            << ui.messages[0].toStdString();
    }
    EXPECT_TRUE(ui.shownWindows.isEmpty());
}

TEST_F(QuestionWindow, ShownDirectlyWithAnUnusableFileTheWindowClosesItselfWithoutAGrade)
{
    // The way a caller that gives the subject and shows the window itself meets a missing file.
    TForm35& w = forms->form35();
    w.SetSubject(U("География"));
    ui.onModal<TForm35>([&](TForm35& window) {
        EXPECT_FALSE(window.questioning().IsRunning());
        EXPECT_EQ(window.questioning().Grade(), QString());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, PatientWait));
        EXPECT_EQ(ModalResult(window.result()), ModalResult::Cancel);
    });
    ui.showModal(w);
    EXPECT_EQ(ui.messages.size(), 1);
}

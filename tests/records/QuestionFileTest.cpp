// The question line format and a check of every question file the game ships.
#include "core/DiaryGrades.h"
#include "TestHelpers.h"
#include "core/TextFile.h"
#include "records/Questions.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
struct LineCase {
    const char* line;
    const char* question;
    std::array<const char*, 3> answers;
    std::array<bool, 3> right;
};

}

TEST(QuestionLine, SplitsAtTheMarksAndReadsEachMarkForTheAnswerAfterIt)
{
    const LineCase cases[] = {
        { "Сколько будет 2+2?#3@4#5", "Сколько будет 2+2?", { "3", "4", "5" }, { false, true, false } },
        { "Что верно?@да@тоже да@и это", "Что верно?", { "да", "тоже да", "и это" }, { true, true, true } },
        { "Ничего?#a#b#c", "Ничего?", { "a", "b", "c" }, { false, false, false } },
        // Spaces belong to their fields; nothing is trimmed.
        { " В ? @ a # b#c ", " В ? ", { " a ", " b", "c " }, { true, false, false } },
        // A mark after the third answer ends the line.
        { "В?#a#b@c#хвост@ещё", "В?", { "a", "b", "c" }, { false, false, true } },
        // Missing fields are empty, and an answer whose mark is missing is wrong.
        { "Только вопрос", "Только вопрос", { "", "", "" }, { false, false, false } },
        { "В?@a", "В?", { "a", "", "" }, { true, false, false } },
        { "", "", { "", "", "" }, { false, false, false } },
        { "@@@", "", { "", "", "" }, { true, true, true } },
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        const Question q = ParseQuestionLine(U(c.line));
        EXPECT_EQ(q.text, U(c.question));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(q.answers[i], U(c.answers[i])) << "answer " << i + 1;
            EXPECT_EQ(q.right[i], c.right[i]) << "answer " << i + 1;
        }
    }
}

TEST(QuestionLine, PhysicalEducationIsWrittenWithADashInFileNames)
{
    EXPECT_EQ(QuestionFileSubject(U("Физ/ра")), U("Физ-ра"));
    EXPECT_EQ(QuestionFileSubject(U("Химия")), U("Химия"));
    EXPECT_EQ(QuestionFileName(U("Физ-ра")), U("Data\\Questions\\Физ-ра.qst"));
}

TEST(ShippedQuestionFiles, EverySubjectHasAFileOfWellFormedQuestions)
{
    const QString folder = QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Questions/");
    QStringList expected;
    for (int s = 0; s < SubjectCount; ++s)
        expected << QuestionFileSubject(SubjectKey(s)) + QStringLiteral(".qst");
    QStringList present = QDir(folder).entryList(QDir::Files);
    expected.sort();
    present.sort();
    EXPECT_EQ(present, expected);

    for (int s = 0; s < SubjectCount; ++s) {
        const QString name = QuestionFileSubject(SubjectKey(s)) + QStringLiteral(".qst");
        SCOPED_TRACE(name.toStdString());
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.contains("\n") && !bytes.contains("\r\n")) << "lines must end with CR LF";
        const QStringList lines = ReadLines1251(folder + name);
        EXPECT_GE(lines.size(), 15);
        for (const QString& line : lines) {
            SCOPED_TRACE(line.toStdString());
            EXPECT_EQ(line.count(QLatin1Char('#')) + line.count(QLatin1Char('@')), 3) << "three marks, nothing after";
            const Question q = ParseQuestionLine(line);
            EXPECT_FALSE(q.text.trimmed().isEmpty());
            for (const QString& answer : q.answers)
                EXPECT_FALSE(answer.trimmed().isEmpty());
            EXPECT_TRUE(q.right[0] || q.right[1] || q.right[2]) << "at least one right answer";
            EXPECT_FALSE(line.endsWith(QLatin1Char('#')) || line.endsWith(QLatin1Char('@')));
        }
    }
}

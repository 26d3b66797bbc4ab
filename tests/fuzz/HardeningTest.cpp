// Limits that keep damaged or hostile content from freezing or exhausting the game: picture sizes, damaged
// pictures, long question lines, long texts to save, and calendar values out of range in a saved game.
#include "TestHelpers.h"
#include "core/Errors.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "records/Questions.h"
#include "records/SaveFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString Regressions = QStringLiteral(TRAMBUL_SOURCE_DIR "/tests/fuzz/regressions/");

QString PictureFailure(const QString& path)
{
    try {
        LoadPicture(path);
    } catch (const EInOutError& error) {
        return error.message();
    }
    return {};
}

// The lines of a game saved right after a new game.
QStringList NewGameLines()
{
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines << QStringLiteral("0");
    lines << QStringList { "8", "0", "1", "9", "2005", "0", "12", "Петя", "80", "0", "0", "0", "100", "100", "100", "0",
        "Нет", "0", "Нет", "0", "Нет" };
    for (int i = 0; i < 64; ++i)
        lines << QStringLiteral("0");
    return lines;
}
}

TEST(Hardening, PicturesBeyondTheLimitsOrDamagedAreRefusedNamingTheFile)
{
    QTemporaryDir dir;
    // A file far larger than any picture: refused by its size, without reading it.
    const QString huge = dir.filePath("huge.jpg");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(MaxPictureFileSize + 1));
    }
    const struct {
        QString path;
        const char* mentions;
    } cases[] = {
        { Regressions + "jpeg/header-claims-11075x65497.jpg", "11075 × 65497" },
        { Regressions + "bmp/header-claims-5000x5000.bmp", "5000 × 5000" },
        { Regressions + "jpeg/cut-short.jpg", "испорченный JPEG-файл" },
        { huge, "слишком большой" },
    };
    for (const auto& c : cases) {
        QElapsedTimer timer;
        timer.start();
        const QString message = PictureFailure(c.path);
        EXPECT_TRUE(message.startsWith(c.path)) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.mentions))) << message.toStdString();
        EXPECT_LT(timer.elapsed(), 2000) << c.path.toStdString();
    }
}

TEST(Hardening, QuestionLinesLongerThanTheWindowHoldsAreRefusedWithTheirLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Data/Questions"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString fine = QStringLiteral("Вопрос#а@б#в");
    const QString longest = QString(MaxQuestionLineLength - 6, QLatin1Char('x')) + QStringLiteral("#a@b#c");
    WriteLines1251("Data/Questions/Труд.qst", { fine, longest, fine });
    EXPECT_EQ(LoadQuestionFile("Труд").size(), 3);
    WriteLines1251("Data/Questions/Труд.qst", { fine, fine, longest + "x", fine });
    QString message;
    try {
        LoadQuestionFile("Труд");
    } catch (const EInOutError& error) {
        message = error.message();
    }
    QDir::setCurrent(before);
    EXPECT_EQ(message, QStringLiteral("Data\\Questions\\Труд.qst: строка 3 длиннее 2000 знаков (2001)"));
}

TEST(Hardening, ALongTextIsCheckedForTheCodePageOnceAndQuickly)
{
    // Two million letters: a check that went over the text again for every letter would never finish, and the
    // test's time limit catches it; no clock is read here, since a shared machine makes any bound flaky.
    const QString name = QString(2'000'000, QChar(u'Ж'));
    EXPECT_EQ(SaveableText(name), name);
    EXPECT_EQ(SaveableText(name + QString::fromUtf8("\xF0\x9F\x98\x8E") + "\n"), name + "? ");
}

TEST(Hardening, CalendarValuesOutsideTheirRangesAreRefusedNamingTheLine)
{
    const QStringList good = NewGameLines();
    ASSERT_EQ(CheckSavedGameLines(good), QString());
    const struct {
        int line;
        const char* text;
        bool loads;
    } cases[] = {
        { 11, "-7", false },
        { 11, "24", false },
        { 11, "23", true },
        { 11, "0", true },
        { 12, "2147483647", false },
        { 12, "5", false },
        { 12, "60", false },
        { 12, "50", true },
        { 13, "-5", false },
        { 13, "0", false },
        { 13, "31", false },
        { 13, "30", true },
        { 14, "99", false },
        { 14, "0", false },
        { 14, "12", true },
        { 15, "2004", false },
        { 15, "2007", false },
        // 1 September 2006 lies after the last bell of the school year: the clock would run on into 2007.
        { 15, "2006", false },
        { 16, "2", false },
        { 14, "5", true },
        { 27, "да", false },
    };
    for (const auto& c : cases) {
        QStringList lines = good;
        lines[c.line - 1] = QString::fromUtf8(c.text);
        const QString problem = CheckSavedGameLines(lines);
        if (c.loads) {
            EXPECT_EQ(problem, QString()) << c.line << " " << c.text;
        } else {
            EXPECT_TRUE(problem.contains(QStringLiteral("строке %1 ").arg(c.line)))
                << c.text << ": " << problem.toStdString();
        }
    }
}

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
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <limits>

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

template <class Body> QString FailureOf(Body body)
{
    try {
        body();
    } catch (const EInOutError& error) {
        return error.message();
    }
    return {};
}

// A colour picture as JPEG, every channel at full resolution (the most a decoder keeps for a progressive picture);
// progressive with libjpeg's own script of ten scans, or sequential.
QByteArray Jpeg(int side, bool progressive)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(side);
    info.image_height = JDIMENSION(side);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    for (int c = 0; c < 3; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(side) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < side; ++x) {
            row[size_t(x) * 3] = (unsigned char)(x * 7);
            row[size_t(x) * 3 + 1] = (unsigned char)(info.next_scanline * 3);
            row[size_t(x) * 3 + 2] = (unsigned char)((x ^ int(info.next_scanline)) & 0xFF);
        }
        JSAMPROW rows[] = { row.data() };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
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
        const QString message = PictureFailure(c.path);
        EXPECT_TRUE(message.startsWith(c.path)) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.mentions))) << message.toStdString();
    }
}

TEST(Hardening, JpegScansBeyondWhatEncodersWriteAreRefusedBeforeAnyIsDecoded)
{
    const QByteArray progressive = Jpeg(64, true);
    JpegWork work;
    EXPECT_EQ(DecodeJpeg(progressive, "ok.jpg", &work).size(), QSize(64, 64));
    EXPECT_EQ(work.scansRead, 10);
    EXPECT_EQ(work.rowsDecoded, 64);

    // The last scan repeated: each copy would be another pass over the whole picture.
    const qsizetype lastScan = progressive.lastIndexOf("\xFF\xDA");
    const QByteArray scan = progressive.mid(lastScan, progressive.size() - 2 - lastScan);
    for (int scans : { MaxJpegScans + 1, 20000 }) {
        QByteArray many = progressive.left(progressive.size() - 2);
        for (int i = 10; i < scans; ++i)
            many += scan;
        many += "\xFF\xD9";
        EXPECT_EQ(FailureOf([&] { DecodeJpeg(many, "many.jpg", &work); }),
            QStringLiteral("many.jpg: в JPEG-файле слишком много проходов: больше %1").arg(MaxJpegScans));
        EXPECT_EQ(work.scansRead, 0) << scans;
        EXPECT_EQ(work.rowsDecoded, 0) << scans;
    }
}

TEST(Hardening, APictureAtTheSizeLimitDecodesAndADamagedOneStopsAtTheDamage)
{
    for (bool progressive : { true, false }) {
        SCOPED_TRACE(progressive ? "progressive" : "sequential");
        const QByteArray whole = Jpeg(MaxPictureSide, progressive);
        JpegWork work;
        EXPECT_EQ(DecodeJpeg(whole, "whole.jpg", &work).size(), QSize(MaxPictureSide, MaxPictureSide));
        EXPECT_EQ(work.rowsDecoded, MaxPictureSide);

        // Cut off at a third: refused at the cut, not after filling the rest of the picture with grey.
        const QString message = FailureOf([&] { DecodeJpeg(whole.left(whole.size() / 3), "cut.jpg", &work); });
        EXPECT_TRUE(message.startsWith("cut.jpg: испорченный JPEG-файл")) << message.toStdString();
        if (progressive) {
            EXPECT_LT(work.scansRead, 10);
            EXPECT_EQ(work.rowsDecoded, 0); // every scan comes before the first row
        } else {
            EXPECT_LT(work.rowsDecoded, MaxPictureSide / 2);
        }
    }
}

TEST(Hardening, TextLinesTooLongForAWindowAreRefusedNamingTheFileAndLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("End1.end");
    const QByteArray longest(MaxShownLineLength, 'x');
    WriteBytes(path, "\xc0\r\n" + longest + "\r\n");
    EXPECT_EQ(ReadLines1251(path).value(1).size(), MaxShownLineLength);
    // A megabyte of NUL, or of one letter, without a blank: no window gets to lay it out.
    for (const QByteArray& line : { longest + "x", QByteArray(1 << 20, '\0') }) {
        WriteBytes(path, "\xc0\r\n" + line);
        EXPECT_EQ(FailureOf([&] { ReadLines1251(path); }),
            path + QStringLiteral(": строка 2 длиннее 4000 знаков (%1)").arg(line.size()));
        // The player's own saved game is read whatever its lines hold.
        EXPECT_EQ(ReadLines1251(path, AnyLineLength).value(1).size(), line.size());
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

TEST(Hardening, ALongTextIsCheckedForTheCodePageOnce)
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

// The game's file helpers: Windows-1251 text, content paths, pictures, and number conversion.
#include "TestHelpers.h"
#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/Picture.h"
#include "core/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
template <class Error, class Body> QString failureOf(Body body)
{
    try {
        body();
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

// A plain-coloured picture encoded in a file format; empty when Qt has no writer for it.
QByteArray Encoded(QSize size, QColor colour, const char* format)
{
    QImage source(size, QImage::Format_RGB32);
    source.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return source.save(&buffer, format) ? bytes : QByteArray();
}

// A picture with detail everywhere (colour changing across and down), as JPEG, progressive or not; empty when Qt has
// no JPEG writer.
QByteArray Photo(QSize size, bool progressive = false)
{
    QImage source(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            source.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), (x ^ y) & 0xFF));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(progressive);
    return writer.write(source) ? bytes : QByteArray();
}
}

TEST(TextFile, LinesEndWithCrLfLfOrCrAndTheLastLineNeedsNoEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.txt");
    struct Case {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        { "a\r\nb\r\n", { "a", "b" } },
        { "a\nb", { "a", "b" } },
        { "a\rb\r", { "a", "b" } },
        { "a\r\n\r\nb", { "a", "", "b" } },
        { "", {} },
        { "\xcf\xf0\xe8\xe2\xe5\xf2 \xec\xe8\xf0\r\n", { "Привет мир" } },
    };
    for (const Case& c : cases) {
        WriteBytes(path, c.bytes);
        EXPECT_EQ(ReadLines1251(path), c.lines) << c.bytes.toStdString();
    }
}

TEST(TextFile, WritingGivesWindows1251WithCrLfAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    WriteLines1251(path, { "Вася Пупкин", "", "80" });
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xc2\xe0\xf1\xff \xcf\xf3\xef\xea\xe8\xed\r\n\r\n80\r\n"));
    EXPECT_EQ(ReadLines1251(path), (QStringList { "Вася Пупкин", "", "80" }));
}

TEST(TextFile, FilesThatAreNotReadableContentFailAtOnceWithTheirName)
{
    QTemporaryDir dir;
    const QString big = dir.filePath("big.txt"), fifo = dir.filePath("pipe.txt");
    {
        QFile file(big); // beyond the limits of both readers, sparse
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(std::max(MaxTextFileSize, MaxPictureFileSize) + 1));
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A FIFO with no writer would block a reader for ever; a device never ends; a link leads to what it leads to.
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        { dir.filePath("missing.txt"), "файл не найден" },
        { dir.path(), "это не файл" },
        { fifo, "это не файл" },
        { QStringLiteral("/dev/zero"), "это не файл" },
        { big, "слишком большой" },
    };
    for (const auto& c : cases) {
        const QString link = dir.filePath("link-to-" + QFileInfo(c.path).fileName());
        ASSERT_TRUE(QFile::link(c.path, link));
        for (const QString& path : { c.path, link }) {
            for (const QString& copy : { path + ".jpg", path + ".bmp" })
                QFile::link(path, copy); // the picture readers choose by the name's ending
            const QString failures[] = { failureOf<EInOutError>([&] { ReadLines1251(path); }),
                failureOf<EInOutError>([&] { LoadPicture(path + ".jpg"); }),
                failureOf<EInOutError>([&] { LoadPicture(path + ".bmp"); }) };
            for (const QString& message : failures) {
                EXPECT_TRUE(message.startsWith(path)) << message.toStdString();
                EXPECT_TRUE(message.contains(QString::fromUtf8(c.reason))) << message.toStdString();
            }
        }
    }
}

TEST(TextFile, AFailedWriteLeavesThePreviousFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.txt");
    WriteLines1251(path, { "old" });
    // The target's folder vanished: nothing is written, and an existing directory in the way is not replaced.
    EXPECT_FALSE(
        failureOf<EInOutError>([&] { WriteLines1251(dir.filePath("no/such/folder.txt"), { "x" }); }).isEmpty());
    EXPECT_FALSE(failureOf<EInOutError>([&] { WriteLines1251(dir.path(), { "x" }); }).isEmpty());
    EXPECT_EQ(ReadLines1251(path), QStringList { "old" });
}

TEST(TextFile, TextOutsideTheCodePageIsRecognised)
{
    EXPECT_TRUE(CanEncode1251("Петя «Крутой» №1 — ёж"));
    EXPECT_FALSE(CanEncode1251(QString::fromUtf8("Петя \xF0\x9F\x98\x8E")));
    EXPECT_FALSE(CanEncode1251(QString::fromUtf8("日本")));
}

TEST(DataPathTest, BackslashesBecomePathsUnderTheWorkingDirectory)
{
    EXPECT_EQ(DataPath("Data\\Girls\\0.jpg"), QDir::current().filePath("Data/Girls/0.jpg"));
    EXPECT_EQ(DataPath("/abs/file.mid"), "/abs/file.mid");
}

TEST(Numbers, OnlyPlainDecimalIntegersAreNumbers)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = { { "0", true, 0 }, { "80", true, 80 }, { "-15", true, -15 }, { "+3", true, 3 }, { "", false, 0 },
        { "abc", false, 0 }, { " 5", false, 0 }, { "5 ", false, 0 }, { "1.5", false, 0 }, { "-", false, 0 },
        { "0x10", false, 0 }, { "99999999999", false, 0 }, { "2147483647", true, 2147483647 },
        { "-2147483648", true, -2147483647 - 1 }, { "2147483648", false, 0 }, { "-2147483649", false, 0 },
        { "+", false, 0 }, { "007", true, 7 }, { "-0", true, 0 }, { "\u0663", false, 0 }, { "12\u0663", false, 0 } };
    for (const Case& c : cases) {
        EXPECT_EQ(IsInteger(c.text), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(StrToInt(c.text), c.value);
        else
            EXPECT_EQ(failureOf<EConvertError>([&] { StrToInt(c.text); }),
                QStringLiteral("'%1' is not a valid integer value").arg(c.text));
    }
}

TEST(Pictures, JpegDecodesAndDamagedOrMissingFilesFailClearly)
{
    const QByteArray jpeg = Encoded(QSize(32, 16), QColor(200, 40, 40), "JPG");
    if (jpeg.isEmpty())
        GTEST_SKIP() << "no JPEG writer to make a sample";

    QTemporaryDir dir;
    WriteBytes(dir.filePath("ok.jpg"), jpeg);
    QImage image = LoadJpeg(dir.filePath("ok.jpg"));
    EXPECT_EQ(image.size(), QSize(32, 16));
    EXPECT_GT(qRed(image.pixel(5, 5)), 150);

    WriteBytes(dir.filePath("cut.jpg"), jpeg.left(jpeg.size() / 3));
    WriteBytes(dir.filePath("text.jpg"), "not a picture at all");
    WriteBytes(dir.filePath("empty.jpg"), "");
    for (const char* name : { "cut.jpg", "text.jpg", "empty.jpg", "missing.jpg" }) {
        QString message = failureOf<EInOutError>([&] { LoadPicture(dir.filePath(name)); });
        EXPECT_TRUE(message.contains(name)) << name << ": " << message.toStdString();
    }
}

TEST(Pictures, BmpLoadsThroughLoadPictureWhateverTheCaseOfItsName)
{
    const QByteArray bmp = Encoded(QSize(20, 10), QColor(30, 160, 60), "BMP");
    ASSERT_FALSE(bmp.isEmpty());

    QTemporaryDir dir;
    for (const char* name : { "zombie.bmp", "Zombie_Die.BMP" }) {
        WriteBytes(dir.filePath(name), bmp);
        const QImage image = LoadPicture(dir.filePath(name));
        EXPECT_EQ(image.size(), QSize(20, 10)) << name;
        EXPECT_EQ(image.pixelColor(3, 3), QColor(30, 160, 60)) << name;
    }
    // The shooter's own pictures are BMP files.
    EXPECT_FALSE(LoadPicture(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/HL2/Zombie1.bmp")).isNull());

    WriteBytes(dir.filePath("cut.bmp"), bmp.left(20));
    for (const char* name : { "cut.bmp", "missing.bmp" }) {
        const QString message = failureOf<EInOutError>([&] { LoadPicture(dir.filePath(name)); });
        EXPECT_TRUE(message.contains(name)) << name << ": " << message.toStdString();
    }
}

// A picture is decoded no larger than its box shows it: a JPEG at the smallest n/8 of its size covering the box in both
// directions (at 200 % the box needs twice the points), never above its own size; another format down to the box.
TEST(Pictures, DecodedAtTheSmallestScaleThatCoversTheBox)
{
    const struct {
        QSize picture;
        bool progressive;
        QSize shown; // the box times the device pixel ratio
        QSize decoded;
    } cases[] = {
        { { 2000, 1500 }, false, { 460, 620 }, { 1000, 750 } }, // 3/8 would be 563 rows, short of 620
        { { 2000, 1500 }, true, { 460, 620 }, { 1000, 750 } },
        { { 2000, 1500 }, false, { 920, 1240 }, { 1750, 1313 } }, // the same box at 200 %
        { { 2000, 1500 }, false, { 360, 480 }, { 750, 563 } }, // 240 x 320 at 150 %
        { { 2000, 1500 }, false, { 240, 180 }, { 250, 188 } }, // 1/8, the smallest there is
        { { 2000, 1500 }, false, {}, { 2000, 1500 } }, // no box: whole
        { { 460, 620 }, false, { 460, 620 }, { 460, 620 } },
        { { 460, 620 }, true, { 920, 1240 }, { 460, 620 } }, // never made larger
        { { 460, 620 }, false, { 180, 240 }, { 230, 310 } },
        { { 1, 1 }, false, { 100, 100 }, { 1, 1 } },
        { { 1, 1 }, true, { 1, 1 }, { 1, 1 } },
    };
    for (const auto& c : cases) {
        const QByteArray jpeg = Photo(c.picture, c.progressive);
        if (jpeg.isEmpty())
            GTEST_SKIP() << "no JPEG writer to make a sample";
        JpegWork work;
        const QImage image = DecodeJpeg(jpeg, "photo.jpg", &work, c.shown);
        EXPECT_EQ(image.size(), c.decoded)
            << c.picture.width() << "x" << c.picture.height() << " in " << c.shown.width() << "x" << c.shown.height();
        EXPECT_EQ(work.rowsDecoded, c.decoded.height());
    }

    const QByteArray bmp = Encoded(QSize(300, 200), QColor(30, 160, 60), "BMP");
    EXPECT_EQ(DecodeOtherPicture(bmp, "z.bmp", QSize(100, 50)).size(), QSize(100, 50));
    EXPECT_EQ(DecodeOtherPicture(bmp, "z.bmp", QSize(400, 100)).size(), QSize(300, 100));
    EXPECT_EQ(DecodeOtherPicture(bmp, "z.bmp", QSize(400, 300)).size(), QSize(300, 200));
}

// A box keeps a picture file decoded only while its window is on screen, and shows it the same when shown again. A file
// that goes or is damaged between showings leaves the box empty, quietly.
TEST(Pictures, ABoxDropsItsPictureFileWithItsWindowAndDecodesItAgain)
{
    const QByteArray jpeg = Photo(QSize(2000, 1500));
    if (jpeg.isEmpty())
        GTEST_SKIP() << "no JPEG writer to make a sample";
    QTemporaryDir dir;
    const QString path = dir.filePath("girl.jpg");
    WriteBytes(path, jpeg);

    QWidget window;
    window.resize(300, 400);
    auto* box = new PictureBox(&window);
    box->setGeometry(10, 10, 230, 310);
    box->setPicture(path);
    EXPECT_EQ(box->image().size(), QSize(500, 375));
    window.show();
    const QImage drawn = box->pixmap().toImage();
    EXPECT_EQ(drawn.size(), box->shownSize());

    window.hide();
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->image().isNull());
    EXPECT_TRUE(box->pixmap().isNull());
    window.show();
    EXPECT_EQ(box->image().size(), QSize(500, 375));
    EXPECT_EQ(box->pixmap().toImage(), drawn);

    // Gone, then damaged, between showings.
    for (const QByteArray& bytes : { QByteArray(), jpeg.left(jpeg.size() / 3) }) {
        window.hide();
        QCoreApplication::processEvents();
        QFile::remove(path);
        if (!bytes.isEmpty())
            WriteBytes(path, bytes);
        window.show();
        EXPECT_TRUE(box->image().isNull());
        EXPECT_TRUE(box->pixmap().isNull());
    }

    // Setting a file that fails says so and leaves the box as it was.
    WriteBytes(path, jpeg);
    box->setPicture(path);
    const QString message = failureOf<EInOutError>([&] { box->setPicture(dir.filePath("missing.jpg")); });
    EXPECT_TRUE(message.contains("missing.jpg")) << message.toStdString();
    EXPECT_EQ(box->pixmap().toImage(), drawn);
}

// Saving and loading a game: the file's exact lines, the round trip, and the faults that must lose nothing.
#include "GameFixture.h"
#include "ScratchMount.h"
#include "TestHelpers.h"
#include "core/GameClock.h"
#include "core/TextFile.h"
#include "core/Unit3.h"
#include "game/Unit1.h"
#include "records/SaveFile.h"
#include "records/SaveLoad.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const Saved = "Успешно сохранено!";
const char* const Loaded = "Успешно загружено!";

QByteArray Crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Encode1251(line) + "\r\n";
    return bytes;
}

// File dialogs that leave the working directory somewhere else, as a real one may.
class WanderingUi : public ScriptedUi {
public:
    QString saveFileName(const FileDialogOptions& options) override
    {
        QDir::setCurrent(QDir::rootPath());
        return ScriptedUi::saveFileName(options);
    }
    QString openFileName(const FileDialogOptions& options) override
    {
        QDir::setCurrent(QDir::rootPath());
        return ScriptedUi::openFileName(options);
    }
};

class SavedGame : public GameFixture {
protected:
    SavedGame() { useWorkingDirectory(); }

    // Everything the file holds plus what loading must leave alone.
    QStringList snapshot() const
    {
        QStringList values = SavedGameLines(state);
        for (int subject = 0; subject < SubjectCount; ++subject) {
            for (int column = YearGrade; column <= FinalGrade; ++column)
                values << state.grade(subject, column);
        }
        values << state.text(Field::Quarter) << state.text(Field::Location) << state.text(Field::RobberyAllowedToday);
        return values;
    }

    // A game far from the start values in every line.
    void playForAWhile()
    {
        for (int girl : { 0, 3, 9 })
            state.setCharmed(girl, true);
        given({ { Field::Hour, "17" }, { Field::Minute, "40" }, { Field::Day, "23" }, { Field::Month, "2" },
            { Field::Year, "2006" }, { Field::MotherPhoneDeal, "1" }, { Field::QuestionHour, "9" },
            { Field::PlayerName, " Иван Ёжиков-Щукин  мл. " }, { Field::Money, "-15" }, { Field::PiggyBank, "340" },
            { Field::JobIncome, "120" }, { Field::LunchMoney, "25" }, { Field::Satiety, "7" }, { Field::Mood, "61" },
            { Field::Vigor, "100" }, { Field::FightSkill, "33" }, { Field::AttendsTraining, "Да" },
            { Field::Authority, "-4" }, { Field::MobilePhone, "Nokia 3310" }, { Field::PhoneCredit, "12" },
            { Field::HasGdz, "Да" } });
        for (int subject = 0; subject < SubjectCount; ++subject) {
            for (int column = Quarter1; column <= Quarter4; ++column)
                state.setGrade(subject, column, QString::number((subject + column) % 6));
        }
    }

    QString saveDir() const { return QDir::current().absoluteFilePath("Save"); }
};

} // namespace

TEST_F(SavedGame, FileAfterNewGameIsExactlyTheNinetyFiveLines)
{
    forms->clock().start();
    ResetForNewGame(state);
    given({ { Field::PlayerName, "Вася Пупкин" } });
    const QString before = QDir::currentPath();

    save("Save/new.sav");

    QStringList expected;
    for (int i = 0; i < 10; ++i)
        expected << "0";
    expected << "8"
             << "0"
             << "1"
             << "9"
             << "2005"
             << "0"
             << "12"
             << "Вася Пупкин"
             << "80"
             << "0"
             << "0"
             << "0"
             << "100"
             << "100"
             << "100"
             << "0"
             << "Нет"
             << "0"
             << "Нет"
             << "0"
             << "Нет";
    for (int i = 0; i < 64; ++i)
        expected << "0";
    ASSERT_EQ(expected.size(), 95);
    EXPECT_EQ(ReadBytes("Save/new.sav"), Crlf(expected));
    EXPECT_EQ(ui.messages, QStringList { Saved });
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_TRUE(forms->clock().isRunning());

    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const FileDialogOptions& dialog = ui.fileDialogs[0];
    EXPECT_EQ(dialog.title, "Сохранение текущей игры");
    EXPECT_EQ(dialog.filters, (QStringList { "Файл сохранения игры (*.sav)", "Все файлы (*)" }));
    EXPECT_EQ(dialog.initialDir, saveDir());
    EXPECT_EQ(dialog.defaultSuffix, "sav");
}

TEST_F(SavedGame, WorkingDirectoryComesBackAfterTheDialog)
{
    const QString before = QDir::currentPath();
    WanderingUi wandering;
    wandering.answerFileDialog("Save/game.sav"); // relative names count from the game's folder
    SaveGameCommand(*forms);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_TRUE(QFileInfo::exists(before + "/Save/game.sav"));
    wandering.answerFileDialog("Save/game.sav");
    LoadGameCommand(*forms);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(wandering.messages, (QStringList { Saved, Loaded }));
}

TEST_F(SavedGame, CancelledDialogsDoNothing)
{
    forms->clock().start();
    playForAWhile();
    const QStringList before = snapshot();
    save("");
    load("");
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(QFileInfo(saveDir()).isDir()); // made for the dialog to open in
    EXPECT_TRUE(QDir(saveDir()).isEmpty());
    EXPECT_TRUE(forms->clock().isRunning());
    EXPECT_EQ(ui.fileDialogs.at(1).title, "Загрузка сохраненной игры");
    EXPECT_EQ(ui.fileDialogs.at(1).initialDir, saveDir());
}

TEST_F(SavedGame, LoadGivesBackEverySavedValueAndReplacesAnExistingFile)
{
    const QString path = saveDir() + "/игра 1.sav";
    QDir().mkpath(saveDir());
    WriteBytes(path, QByteArray(5000, 'x')); // an older, longer file of that name
    playForAWhile();
    state.setGrade(2, YearGrade, "4");
    const QStringList saved = SavedGameLines(state);
    save(path);
    EXPECT_EQ(ReadBytes(path), Crlf(saved));

    ResetForNewGame(state);
    given({ { Field::PlayerName, "Другой" }, { Field::Quarter, "1" }, { Field::Location, "Сон" } });
    state.setGrade(5, ExamGrade, "3");
    load(path);

    EXPECT_EQ(SavedGameLines(state), saved);
    EXPECT_EQ(state.text(Field::PlayerName), " Иван Ёжиков-Щукин  мл. ");
    // What the file does not hold stays until the clock sets it.
    EXPECT_EQ(state.text(Field::Quarter), "1");
    EXPECT_EQ(state.text(Field::Location), "Сон");
    EXPECT_EQ(state.grade(2, YearGrade), "0");
    EXPECT_EQ(state.grade(5, ExamGrade), "3");
    EXPECT_EQ(ui.messages, (QStringList { Saved, Loaded }));
    ApplyClockRules(state); // the next tick: February is the third quarter, 17:50 is after school
    EXPECT_EQ(state.text(Field::Quarter), "3");
    EXPECT_EQ(state.text(Field::Location), "Вне школы");
}

TEST_F(SavedGame, NamesTheFileCannotHoldAreSavedAsLoadableSubstitutes)
{
    given({ { Field::PlayerName, "Вася 😀\r\nкрут" }, { Field::MobilePhone, "Siemens\nC65" } });
    save("Save/emoji.sav");
    const QStringList lines = ReadLines1251("Save/emoji.sav");
    ASSERT_EQ(lines.size(), 95);
    EXPECT_EQ(lines[17], "Вася ?  крут");
    EXPECT_EQ(lines[28], "Siemens C65");
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[0], Saved);

    load("Save/emoji.sav");
    EXPECT_EQ(state.text(Field::PlayerName), "Вася ?  крут");
    EXPECT_EQ(ui.messages.last(), Loaded);
}

// Each fault must end in an error naming the file, never the success message, and leave the older save as it was.
TEST_F(SavedGame, FailedSavesLeaveThePreviousSaveByteIdentical)
{
    const QByteArray previous = Crlf(SavedGameLines(state));
    playForAWhile();
    auto expectRefused = [&](const QString& path, const QString& kept, const char* what) {
        ui.messages.clear();
        ui.errors.clear();
        ui.expectErrorBoxes();
        save(path);
        EXPECT_FALSE(ui.messages.contains(Saved)) << what;
        ASSERT_EQ(ui.errors.size(), 1) << what;
        EXPECT_TRUE(ui.errors[0].contains(QFileInfo(path).fileName())) << what << ": " << ui.errors[0].toStdString();
        if (!kept.isEmpty()) {
            EXPECT_EQ(ReadBytes(kept), previous) << what;
            EXPECT_EQ(QDir(QFileInfo(kept).path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
                << what << ": a temporary file was left behind";
        }
    };

    expectRefused(QDir::current().absoluteFilePath("Нет такой папки/game.sav"), {}, "missing folder");
    EXPECT_FALSE(QFileInfo::exists("Нет такой папки"));

    QDir().mkpath("Save/folder.sav");
    expectRefused("Save/folder.sav", {}, "path is a folder");
    EXPECT_TRUE(QFileInfo("Save/folder.sav").isDir());

    {
        ScratchMount disk("64k");
        if (!disk.mounted())
            GTEST_SKIP() << "no tmpfs to mount: a read-only folder and a full disk need one";
        const QString kept = disk.path() + "/game.sav";
        WriteBytes(kept, previous);
        ASSERT_TRUE(disk.makeReadOnly());
        expectRefused(kept, kept, "read-only folder");
    }
    for (int nameLength : { 10, 100000 }) { // written through the buffer, and past it
        ScratchMount disk("8k");
        ASSERT_TRUE(disk.mounted());
        const QString kept = disk.path() + "/game.sav";
        WriteBytes(kept, previous);
        {
            QFile filler(disk.path() + "/.filler");
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
            const QByteArray block(512, 'f');
            while (filler.write(block) == block.size() && filler.flush()) { }
        }
        given({ { Field::PlayerName, QString(nameLength, QChar(u'ж')) } });
        ui.messages.clear();
        ui.errors.clear();
        ui.expectErrorBoxes();
        save(kept);
        EXPECT_FALSE(ui.messages.contains(Saved)) << nameLength;
        EXPECT_EQ(ui.errors.size(), 1) << nameLength;
        EXPECT_EQ(ReadBytes(kept), previous) << nameLength;
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "temporary file left behind";
    }
}

// The file-size limit makes write() fail with EFBIG part way, the way a full disk does, without any mounting.
TEST_F(SavedGame, SaveCutShortByTheFileSizeLimitKeepsThePreviousSave)
{
    QDir().mkpath(saveDir());
    const QString kept = saveDir() + "/game.sav";
    const QByteArray previous = Crlf(SavedGameLines(state));
    WriteBytes(kept, previous);
    playForAWhile();
    for (int nameLength : { 10, 100000 }) {
        given({ { Field::PlayerName, QString(nameLength, QChar(u'ж')) } });
        const bool refused = InChildWithFileSizeLimit([&] {
            ScriptedUi childUi;
            childUi.expectErrorBoxes();
            childUi.answerFileDialog(kept);
            SaveGameCommand(*forms);
            return childUi.errors.size() == 1 && !childUi.messages.contains(Saved);
        });
        EXPECT_TRUE(refused) << "the save was not refused, name length " << nameLength;
        EXPECT_EQ(ReadBytes(kept), previous);
        EXPECT_EQ(QDir(saveDir()).entryList(QDir::Files | QDir::Hidden), QStringList { "game.sav" });
    }
}

TEST_F(SavedGame, DamagedFilesAreRefusedWholeNamingTheFirstBadLine)
{
    playForAWhile();
    const QStringList good = SavedGameLines(state);
    ResetForNewGame(state);
    const QStringList before = snapshot();

    auto with = [&](int line, const QString& text) {
        QStringList lines = good;
        lines[line - 1] = text;
        return Crlf(lines);
    };
    const QByteArray goodBytes = Crlf(good);
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* mentions;
    };
    const Case cases[] = {
        { "94 lines", Crlf(good.mid(0, 94)), "строки 95" },
        { "cut short in the middle of a line", goodBytes.left(goodBytes.indexOf("\r\n", 200) + 3), "строки" },
        { "UTF-8 byte order mark", "\xEF\xBB\xBF" + goodBytes, "строке 1 " },
        { "abc as money", with(19, "abc"), "строке 19 (деньги)" },
        { "empty line as a grade", with(40, ""), "строка 40" },
        { "empty file", QByteArray(), "пуст" },
        { "grade 6", with(95, "6"), "строке 95" },
        { "lower-case yes", with(27, "да"), "строке 27" },
        { "girl flag 2", with(4, "2"), "строке 4 " },
        { "hour with a blank", with(11, " 8"), "строке 11 " },
        { "first bad line wins", with(30, "x").replace("\r\n17\r\n", "\r\nx\r\n"), "строке 11 " },
        // Sums on such values would run over: the game never writes them.
        { "money beyond the limit", with(19, "2147483647"), "строке 19 (деньги)" },
        { "authority below the limit", with(28, "-1000000000"), "строке 28 (авторитет)" },
    };
    for (const Case& c : cases) {
        WriteBytes("bad.sav", c.bytes);
        ui.messages.clear();
        ui.errors.clear();
        ui.expectErrorBoxes();
        load("bad.sav");
        EXPECT_EQ(snapshot(), before) << c.what;
        EXPECT_FALSE(ui.messages.contains(Loaded)) << c.what;
        ASSERT_EQ(ui.errors.size(), 1) << c.what;
        EXPECT_TRUE(ui.errors[0].contains(QString::fromUtf8(c.mentions)))
            << c.what << ": " << ui.errors[0].toStdString();
        EXPECT_TRUE(ui.errors[0].contains("bad.sav")) << c.what;
    }
    // Numbers right at the limit load.
    QStringList atLimit = good;
    atLimit[18] = "999999999";
    atLimit[27] = "-999999999";
    WriteBytes("limit.sav", Crlf(atLimit));
    ui.errors.clear();
    load("limit.sav");
    EXPECT_TRUE(ui.errors.isEmpty());
    EXPECT_EQ(state.text(Field::Money), "999999999");
    EXPECT_EQ(state.text(Field::Authority), "-999999999");
}

TEST_F(SavedGame, LineEndsOfAnyKindLoadAndLinesAfterTheLastAreIgnored)
{
    playForAWhile();
    const QStringList good = SavedGameLines(state);
    const QByteArray crlf = Crlf(good);
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray noLastEnd = crlf;
    noLastEnd.chop(2);
    for (const QByteArray& bytes : { lf, crlf + "лишняя строка\r\nещё одна\r\n", noLastEnd }) {
        ResetForNewGame(state);
        WriteBytes("game.sav", bytes);
        ui.messages.clear();
        load("game.sav");
        EXPECT_EQ(SavedGameLines(state), good);
        EXPECT_EQ(ui.messages, QStringList { Loaded });
    }
}

TEST_F(SavedGame, FilesThatAreNoSaveGiveAMessageAndNeverHang)
{
    ResetForNewGame(state);
    const QStringList before = snapshot();
    QDir().mkpath("folder.sav");
    {
        QFile huge("huge.sav");
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(200LL * 1024 * 1024)); // sparse: takes no room
    }
    ASSERT_EQ(mkfifo("pipe.sav", 0600), 0);
    for (const char* path : { "missing.sav", "folder.sav", "huge.sav", "pipe.sav", "/dev/zero" }) {
        ui.errors.clear();
        ui.expectErrorBoxes();
        load(path);
        ASSERT_EQ(ui.errors.size(), 1) << path;
        EXPECT_TRUE(ui.errors[0].contains(QString::fromUtf8(path))) << ui.errors[0].toStdString();
        EXPECT_EQ(snapshot(), before) << path;
    }
    EXPECT_FALSE(ui.messages.contains(Loaded));
}

TEST_F(SavedGame, LoadChosenInTheNameWindowRunsAfterStartUp)
{
    useWorkingDirectory({ "Data/Soundtracks/PlayList.grpl" });
    // Cancelled: the game goes on from the start values, with the typed name and no introduction.
    TForm1& main = forms->form1();
    ui.onModal<TForm3>([](TForm3& w) {
        Child<QLineEdit>(w, "Edit1")->setText("Петя Ёлкин");
        click(Child<QPushButton>(w, "Button2"));
    });
    ui.answerFileDialog("");
    main.FormShow();
    EXPECT_EQ(ui.shownWindows, QStringList { "Как Вас называть?" });
    EXPECT_EQ(state.text(Field::PlayerName), "Петя Ёлкин");
    EXPECT_EQ(state.text(Field::Hour), "6");
    EXPECT_EQ(state.text(Field::Minute), "30");
    EXPECT_EQ(state.text(Field::QuestionHour), "25");
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(forms->clock().isRunning());
}

TEST_F(SavedGame, LoadChosenInTheNameWindowLoadsTheChosenFile)
{
    useWorkingDirectory({ "Data/Soundtracks/PlayList.grpl" });
    playForAWhile();
    const QStringList saved = SavedGameLines(state);
    WriteBytes("game.sav", Crlf(saved));
    ResetForNewGame(state);
    ui.onModal<TForm3>([](TForm3& w) { click(Child<QPushButton>(w, "Button2")); });
    ui.answerFileDialog("game.sav");
    forms->form1().FormShow();
    EXPECT_EQ(SavedGameLines(state), saved);
    EXPECT_EQ(ui.messages, QStringList { Loaded });
}

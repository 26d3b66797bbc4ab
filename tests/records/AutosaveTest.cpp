// The autosaves' files: every game keeps its recent ones, a failure keeps the last one and is told at the next start, a
// writer killed at any moment leaves the last autosave or the new one whole, and nothing is written through a link.
#include "records/Autosave.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/TextFile.h"
#include "records/LifeLog.h"
#include "records/SaveFile.h"
#include "records/SaveLoad.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
class Autosave : public GameFixture {
protected:
    Autosave() { useWorkingDirectory(); }
    AutosaveWriting keep(int series = 1, AutosaveMoment moment = AutosaveMoment::WayOut)
    {
        return WriteAutosave(state, LifeLog(), series, moment);
    }
};

QStringList SaveFolderFiles() { return QDir("Save").entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name); }
}

TEST_F(Autosave, EveryGameKeepsItsRecentMidnightsAndItsLastWayOutAndNeverAnotherGamesNewest)
{
    given({ { Field::PlayerName, "Петя/Вася" }, { Field::Hour, "0" }, { Field::Minute, "0" }, { Field::Month, "11" } });
    QStringList written;
    for (int day = 1; day <= KeptMidnights + 3; ++day) {
        given({ { Field::Day, QString::number(day) } });
        written << keep(1, AutosaveMoment::Midnight).path;
        if (day == 2 || day == 5) {
            given({ { Field::Hour, "14" }, { Field::Minute, "30" } });
            written << keep(1, AutosaveMoment::WayOut).path;
            given({ { Field::Hour, "0" }, { Field::Minute, "0" } });
        }
    }
    EXPECT_EQ(QFileInfo(written.first()).fileName(), U("Автосохранение 1 — Петя_Вася — 2005-11-01 00.00.sav"));
    EXPECT_EQ(QFileInfo(written[2]).fileName(), U("Автосохранение 1 — Петя_Вася — 2005-11-02 14.30 (выход).sav"));
    // Another game begins: its series is new, and its autosave removes none of the first game's.
    EXPECT_EQ(NewAutosaveSeries(), 2);
    given({ { Field::PlayerName, "Маша" } });
    const QString other = keep(2, AutosaveMoment::WayOut).path;

    QStringList kept;
    for (const AutosaveFile& file : Autosaves())
        kept << QFileInfo(file.path).fileName();
    QStringList expected { QFileInfo(other).fileName(), QFileInfo(written[6]).fileName() }; // the 5th's way out
    for (int day = 4; day <= KeptMidnights + 3; ++day)
        expected << U("Автосохранение 1 — Петя_Вася — 2005-11-%1 00.00.sav").arg(day, 2, 10, QChar('0'));
    std::sort(kept.begin(), kept.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(kept, expected);
    EXPECT_EQ(NewestAutosave(), other);
    // Each keeps its life log beside it, and the dropped ones went with theirs.
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo::exists("Save/" + LifeLogPathBeside(name))) << name.toStdString();
    EXPECT_EQ(SaveFolderFiles().filter(".csv").size(), kept.size());
}

TEST_F(Autosave, AFailedAutosaveKeepsTheLastOneAndIsToldOnceAtTheNextStart)
{
    given({ { Field::PlayerName, "Вася Пупкин" }, { Field::Money, "123" } });
    const QString path = keep().path;
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(ReadLines1251(path), SavedGameLines(state));
    const QByteArray kept = ReadBytes(path);
    EXPECT_EQ(TakeAutosaveFailure(), "");

    struct Fault {
        const char* what;
        std::function<void()> make, undo;
        const char* told; // part of what the player reads at the next start
    };
    const Fault faults[] = {
        { "a value that is no number",
            [&] {
                given({ { Field::Money, "12abc" } });
            },
            [&] {
                given({ { Field::Money, "123" } });
            },
            "«12abc»" },
        { "a folder in the autosave's place",
            [&] {
                QFile::rename(path, "kept.sav");
                QDir().mkdir(path);
            },
            [&] {
                QDir().rmdir(path);
                QFile::rename("kept.sav", path);
            },
            "это папка" },
    };
    for (const Fault& fault : faults) {
        fault.make();
        EXPECT_NE(keep().failure, "") << fault.what;
        fault.undo();
        EXPECT_EQ(ReadBytes(path), kept) << fault.what;
        const QString told = TakeAutosaveFailure();
        EXPECT_TRUE(told.contains(U(fault.told))) << fault.what << ": " << told.toStdString();
        EXPECT_TRUE(told.contains(QFileInfo(path).fileName())) << "the kept autosave is named";
        EXPECT_EQ(TakeAutosaveFailure(), "") << fault.what << ": told twice";
    }

    // A disk that takes no more (here the file-size limit, which fails a write part way as a full disk does).
    EXPECT_TRUE(InChildWithFileSizeLimit([&] { return !keep().failure.isEmpty(); })) << "a cut write was kept";
    EXPECT_EQ(ReadBytes(path), kept);

    // An autosave that succeeds again makes the old failure moot.
    given({ { Field::Money, "12abc" } });
    keep();
    given({ { Field::Money, "124" } });
    EXPECT_EQ(keep().failure, "");
    EXPECT_EQ(TakeAutosaveFailure(), "");

    // Files of the player's that look like the note are neither told nor removed: the game's note carries its mark.
    WriteLines1251("Save/Автосохранение не удалось.txt", { U("мой файл") });
    WriteLines1251("Save/.trambul-autosave-failure.txt", { U("тоже мой") });
    EXPECT_EQ(TakeAutosaveFailure(), "");
    EXPECT_TRUE(SaveFolderFiles().contains(U("Автосохранение не удалось.txt")));
    EXPECT_TRUE(SaveFolderFiles().contains(".trambul-autosave-failure.txt"));

    // No folder can be made for it: the writer still returns, with a reason, and the note waits in the cache.
    ASSERT_TRUE(QDir("Save").removeRecursively());
    WriteBytes("Save", "a file where the folder belongs");
    EXPECT_NE(keep().failure, "");
    EXPECT_NE(TakeAutosaveFailure(), "");
}

TEST_F(Autosave, FilesInTheSaveFolderAreReplacedNeverWrittenThrough)
{
    given({ { Field::PlayerName, "Петя" } });
    QDir().mkpath("Save");
    WriteBytes("outside.txt", "the player's own file");
    const QString outside = QDir::current().absoluteFilePath("outside.txt");
    const QString autosave = "Save/" + AutosaveFileName(1, state, AutosaveMoment::WayOut);
    struct Target {
        const char* what;
        QString path; // where the game writes
        std::function<void()> write;
    };
    const Target targets[] = {
        { "the autosave", autosave, [&] { EXPECT_NE(keep().failure, ""); } },
        { "the autosave's life log", LifeLogPathBeside(autosave), [&] { EXPECT_EQ(keep().failure, ""); } },
        { "the note of a failure", "Save/.trambul-autosave-failure.txt",
            [&] {
                given({ { Field::Money, "x" } });
                EXPECT_NE(keep().failure, "");
                given({ { Field::Money, "80" } });
            } },
        { "a saved game", "Save/мой.sav",
            [&] {
                ui.expectErrorBoxes();
                save(QDir::current().absoluteFilePath("Save/мой.sav"));
            } },
        { "a saved game's life log", "Save/мой2.csv",
            [&] {
                // Not a log of the game's: the link is set aside under another name and a new log is written.
                save(QDir::current().absoluteFilePath("Save/мой2.sav"));
                EXPECT_TRUE(ui.messages.join(' ').contains(U("переименован"))) << ui.messages.join(' ').toStdString();
                EXPECT_TRUE(QFileInfo("Save/мой2.csv.bad").isSymLink());
                QFile::remove("Save/мой2.csv");
                QFile::rename("Save/мой2.csv.bad", "Save/мой2.csv");
            } },
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.what);
        ui.messages.clear();
        ASSERT_TRUE(QFile::link(outside, target.path));
        target.write();
        EXPECT_EQ(ReadBytes(outside), "the player's own file");
        EXPECT_TRUE(QFileInfo(target.path).isSymLink());
        for (const QString& written : { target.path, autosave, LifeLogPathBeside(autosave) })
            QFile::remove(written);
    }
    // A FIFO where the autosave goes is refused at once, without waiting for a reader.
    ASSERT_EQ(::mkfifo(QFile::encodeName(autosave).constData(), 0644), 0);
    const QString refused = keep().failure;
    EXPECT_TRUE(refused.contains(U("не обычный файл"))) << refused.toStdString();
}

TEST_F(Autosave, AWriterKilledAtAnyMomentLeavesTheLastAutosaveOrTheNewOneWhole)
{
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    QRandomGenerator moments(seed);
    given({ { Field::PlayerName, "Игрок" } });
    const QString path = "Save/" + AutosaveFileName(1, state, AutosaveMoment::WayOut);
    int first = 1; // the number the next writer starts from; every round writes new numbers
    for (int round = 0; round < 25; ++round) {
        int done[2];
        ASSERT_EQ(pipe(done), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            alarm(20);
            ::close(done[0]);
            for (int k = first;; ++k) {
                // Several lines carry k, so a file mixed from two autosaves shows.
                for (Field field : { Field::Money, Field::PiggyBank, Field::Authority })
                    state.restore(field, QString::number(k));
                if (!keep().failure.isEmpty())
                    _exit(1);
                if (::write(done[1], "+", 1) != 1)
                    _exit(1);
            }
        }
        ::close(done[1]);
        char byte = 0;
        ASSERT_EQ(::read(done[0], &byte, 1), 1) << "the writer wrote nothing";
        usleep(moments.bounded(3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
        int completed = 1;
        char rest[256];
        for (ssize_t got; (got = ::read(done[0], rest, sizeof rest)) > 0;)
            completed += int(got);
        ::close(done[0]);

        const QStringList lines = ReadLines1251(path);
        ASSERT_EQ(CheckSavedGameLines(lines), "") << "round " << round;
        TGameState loaded;
        ApplySavedGameLines(loaded, lines);
        const int k = loaded.number(Field::Money);
        EXPECT_TRUE(k == first + completed - 1 || k == first + completed)
            << "round " << round << ": found " << k << " after " << completed << " complete from " << first;
        for (Field field : { Field::PiggyBank, Field::Authority })
            EXPECT_EQ(loaded.number(field), k) << "round " << round;
        first += completed + 1;
    }
    // What a killed writer leaves (its hidden temporaries, a log without its game) is cleaned at the next start, and
    // nothing else is touched.
    WriteBytes("Save/Автосохранение 7 — Игрок — 2005-09-02 00.00.csv", "a log whose game was never written");
    WriteBytes("Save/мой.csv", "the player's");
    CleanSaveFolder();
    const QString name = QFileInfo(path).fileName();
    EXPECT_EQ(SaveFolderFiles(), QStringList({ QFileInfo(LifeLogPathBeside(path)).fileName(), name, U("мой.csv") }));
}

TEST_F(Autosave, OneGameAtATimeHoldsTheSaveFolder)
{
    auto first = std::make_unique<SaveFolderLock>();
    EXPECT_EQ(first->Take(), "");
    SaveFolderLock second;
    EXPECT_TRUE(second.Take().contains(U("уже идёт другая игра")));
    first.reset();
    EXPECT_EQ(second.Take(), "");
}

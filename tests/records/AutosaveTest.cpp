// The autosave's file: a failure keeps the last one and is told at the next start; a writer killed at any moment
// leaves the last autosave or the new one, whole.
#include "records/Autosave.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/TextFile.h"
#include "records/SaveFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {
class Autosave : public GameFixture {
protected:
    Autosave() { useWorkingDirectory(); }
};
}

TEST_F(Autosave, AFailedAutosaveKeepsTheLastOneAndIsToldOnceAtTheNextStart)
{
    given({ { Field::PlayerName, "Вася Пупкин" }, { Field::Money, "123" } });
    ASSERT_EQ(WriteAutosave(state), "");
    EXPECT_EQ(AutosavePath(), QDir::current().absoluteFilePath("Save/Автосохранение.sav"));
    EXPECT_EQ(ReadLines1251(AutosavePath()), SavedGameLines(state));
    const QByteArray kept = ReadBytes(AutosavePath());
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
            [] {
                QFile::rename(AutosavePath(), "kept.sav");
                QDir().mkdir(AutosavePath());
            },
            [] {
                QDir().rmdir(AutosavePath());
                QFile::rename("kept.sav", AutosavePath());
            },
            "это папка" },
    };
    for (const Fault& fault : faults) {
        fault.make();
        EXPECT_NE(WriteAutosave(state), "") << fault.what;
        fault.undo();
        EXPECT_EQ(ReadBytes(AutosavePath()), kept) << fault.what;
        const QString told = TakeAutosaveFailure();
        EXPECT_TRUE(told.contains(U(fault.told))) << fault.what << ": " << told.toStdString();
        EXPECT_EQ(TakeAutosaveFailure(), "") << fault.what << ": told twice";
    }

    // A disk that takes no more (here the file-size limit, which fails a write part way as a full disk does).
    EXPECT_TRUE(InChildWithFileSizeLimit([&] { return !WriteAutosave(state).isEmpty(); })) << "a cut write was kept";
    EXPECT_EQ(ReadBytes(AutosavePath()), kept);

    // An autosave that succeeds again makes the old failure moot.
    given({ { Field::Money, "12abc" } });
    WriteAutosave(state);
    given({ { Field::Money, "124" } });
    EXPECT_EQ(WriteAutosave(state), "");
    EXPECT_EQ(TakeAutosaveFailure(), "");

    // No folder can be made for it: the writer still returns, with a reason.
    ASSERT_TRUE(QDir("Save").removeRecursively());
    WriteBytes("Save", "a file where the folder belongs");
    EXPECT_NE(WriteAutosave(state), "");
}

TEST_F(Autosave, AWriterKilledAtAnyMomentLeavesTheLastAutosaveOrTheNewOneWhole)
{
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    QRandomGenerator moments(seed);
    int first = 1; // the number the next writer starts from; every round writes new numbers
    for (int round = 0; round < 25; ++round) {
        int done[2];
        ASSERT_EQ(pipe(done), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            alarm(20);
            ::close(done[0]);
            TGameState game;
            for (int k = first;; ++k) {
                // Several lines carry k, so a file mixed from two autosaves shows.
                const QString n = QString::number(k);
                for (Field field : { Field::Money, Field::PiggyBank, Field::Authority })
                    game.restore(field, n);
                game.restore(Field::PlayerName, "Игрок " + n);
                if (!WriteAutosave(game).isEmpty())
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

        const QStringList lines = ReadLines1251(AutosavePath());
        ASSERT_EQ(CheckSavedGameLines(lines), "") << "round " << round;
        TGameState loaded;
        ApplySavedGameLines(loaded, lines);
        const int k = loaded.number(Field::Money);
        EXPECT_TRUE(k == first + completed - 1 || k == first + completed)
            << "round " << round << ": found " << k << " after " << completed << " complete from " << first;
        for (Field field : { Field::PiggyBank, Field::Authority })
            EXPECT_EQ(loaded.number(field), k) << "round " << round;
        EXPECT_EQ(loaded.text(Field::PlayerName), "Игрок " + QString::number(k)) << "round " << round;
        first += completed + 1;
    }
    // A writer killed between its temporary file and the rename leaves that temporary behind (nothing runs after a
    // SIGKILL); it is never taken for the autosave, and nothing else is left.
    for (const QString& name : QDir("Save").entryList(QDir::Files | QDir::Hidden)) {
        EXPECT_TRUE(name == U("Автосохранение.sav") || name.startsWith(U("Автосохранение.sav.")))
            << "a killed writer left " << name.toStdString();
    }
}

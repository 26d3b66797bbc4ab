// Where the game runs: where it was started when built in the repository, the player's own folder when installed.
#include "ScratchMount.h"
#include "core/DataPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {
// A Data folder with the game's content in it (one of its folders is enough to tell).
void MakeGameData(const QString& data) { ASSERT_TRUE(QDir().mkpath(data + "/Questions")); }
}

TEST(WorkingDirectory, RepositoryBuildStaysAndInstalledGameRunsInThePlayersFolderWithItsDataLinked)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    const QString repository = dir.filePath("repo"), elsewhere = dir.filePath("elsewhere");
    const QString installed = dir.filePath("usr/share/trambul/Data"), moved = dir.filePath("opt/share/trambul/Data");
    for (const QString& data : { repository + "/Data", elsewhere + "/Data", installed, moved })
        MakeGameData(data);

    // Built in the repository, nothing installed beside the program: the game stays where it was started.
    const QString player = dir.filePath("home/.local/share/trambul");
    EXPECT_EQ(ChooseWorkingDirectory(repository, dir.filePath("build/share/trambul/Data"), player).folder, repository);
    EXPECT_FALSE(QFileInfo::exists(player));

    // Installed: the player's folder is made, with a link to the shared data; a second start reuses it. A "Data"
    // folder where the game was started (the home folder of a menu start) is not the game's.
    for (const QString& started : { elsewhere, repository }) {
        const WorkingDirectoryChoice choice = ChooseWorkingDirectory(started, installed, player);
        EXPECT_EQ(choice.folder, QDir(player).absolutePath());
        EXPECT_TRUE(choice.problem.isEmpty()) << choice.problem.toStdString();
        EXPECT_EQ(QFileInfo(player + "/Data").symLinkTarget(), QFileInfo(installed).absoluteFilePath());
    }

    // The game moved and its old place is gone: the link that led there is pointed at the new place.
    ASSERT_TRUE(QDir(installed).removeRecursively());
    EXPECT_TRUE(ChooseWorkingDirectory(elsewhere, moved, player).problem.isEmpty());
    EXPECT_EQ(QFileInfo(player + "/Data").symLinkTarget(), QFileInfo(moved).absoluteFilePath());

    // What the player put there is the player's own and is kept: a real Data folder, or a link to a copy elsewhere.
    const QString modder = dir.filePath("modder"), linker = dir.filePath("linker");
    MakeGameData(modder + "/Data");
    ASSERT_TRUE(QDir().mkpath(linker));
    ASSERT_TRUE(QFile::link(elsewhere + "/Data", linker + "/Data"));
    EXPECT_EQ(ChooseWorkingDirectory(elsewhere, moved, modder).folder, QDir(modder).absolutePath());
    EXPECT_FALSE(QFileInfo(modder + "/Data").isSymLink());
    EXPECT_EQ(ChooseWorkingDirectory(repository, moved, linker).folder, QDir(linker).absolutePath());
    EXPECT_EQ(QFileInfo(linker + "/Data").symLinkTarget(), QFileInfo(elsewhere + "/Data").absoluteFilePath());
}

TEST(WorkingDirectory, WithoutTheGamesDataOrThePlayersFolderTheGameDoesNotStartAndSaysWhy)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    const QString installed = dir.filePath("usr/share/trambul/Data"), home = dir.filePath("home");
    MakeGameData(installed);
    MakeGameData(home + "/Data"); // someone else's, and never to be used
    ASSERT_TRUE(QDir().mkpath(dir.filePath("empty")));
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    // What lies in the player's folder as "Data": a file, an empty folder, a link to an empty folder.
    const struct {
        const char* what;
        std::function<void(const QString& data)> make;
        const char* mentions;
    } cases[] = {
        { "a file", [](const QString& data) { QFile(data).open(QIODevice::WriteOnly); }, "не папка с данными игры" },
        { "an empty folder", [](const QString& data) { QDir().mkpath(data); }, "не папка с данными игры" },
        { "a link to an empty folder", [&](const QString& data) { QFile::link(dir.filePath("empty"), data); },
            "не папка с данными игры" },
    };
    for (const auto& c : cases) {
        const QString player = dir.filePath(QString::fromUtf8(c.what));
        ASSERT_TRUE(QDir().mkpath(player));
        c.make(player + "/Data");
        const WorkingDirectoryChoice choice = ChooseWorkingDirectory(home, installed, player);
        EXPECT_TRUE(choice.folder.isEmpty()) << c.what;
        EXPECT_TRUE(choice.problem.contains(QString::fromUtf8(c.mentions))) << choice.problem.toStdString();
        EXPECT_TRUE(choice.problem.contains(QDir::toNativeSeparators(player + "/Data"))) << c.what;
    }

    // A player's folder that cannot be made (a file in its place): the game does not fall back to the folder it was
    // started in, where it would take the Data found there and write its saved games.
    const WorkingDirectoryChoice blocked = ChooseWorkingDirectory(home, installed, blocker.fileName() + "/trambul");
    EXPECT_TRUE(blocked.folder.isEmpty());
    EXPECT_TRUE(blocked.problem.contains("Не удалось создать папку")) << blocked.problem.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home + "/Save"));

    // A game built in the repository, started where there is no Data of the game's.
    const WorkingDirectoryChoice bare
        = ChooseWorkingDirectory(dir.filePath("empty"), dir.filePath("build/share/trambul/Data"), home + "/player");
    EXPECT_TRUE(bare.folder.isEmpty());
    EXPECT_TRUE(bare.problem.contains("нет данных игры")) << bare.problem.toStdString();

    // A read-only player's folder whose link leads nowhere: the link cannot be replaced, and the player is told.
    ScratchMount readOnly("64k");
    if (!readOnly.mounted())
        GTEST_SKIP() << "no tmpfs to mount: a read-only folder needs one";
    ASSERT_TRUE(QFile::link(dir.filePath("gone/Data"), readOnly.path() + "/Data"));
    ASSERT_TRUE(readOnly.makeReadOnly());
    const WorkingDirectoryChoice stuck = ChooseWorkingDirectory(home, installed, readOnly.path());
    EXPECT_TRUE(stuck.folder.isEmpty());
    EXPECT_TRUE(stuck.problem.contains(QDir::toNativeSeparators(dir.filePath("gone/Data"))))
        << stuck.problem.toStdString();
}

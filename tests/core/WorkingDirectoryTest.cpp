// Where the game runs: the repository as it is, or the player's own folder beside an installed game's data.
#include "core/DataPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WorkingDirectory, RepositoryStaysAndInstalledGameRunsInThePlayersFolderWithItsDataLinked)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    const QString repository = dir.filePath("repo"), elsewhere = dir.filePath("elsewhere");
    const QString installed = dir.filePath("usr/share/trambul/Data"), moved = dir.filePath("opt/share/trambul/Data");
    for (const QString& folder : { repository + "/Data", elsewhere, installed, moved })
        ASSERT_TRUE(QDir().mkpath(folder));

    // Started from the repository: nothing changes, even with an installed copy around.
    const QString player = dir.filePath("home/.local/share/trambul");
    EXPECT_EQ(ChooseWorkingDirectory(repository, installed, player).folder, repository);
    EXPECT_FALSE(QFileInfo::exists(player));

    // Nothing installed either: the game stays and will report the missing files itself.
    EXPECT_EQ(ChooseWorkingDirectory(elsewhere, dir.filePath("none/Data"), player).folder, elsewhere);

    // Installed: the player's folder is made, with a link to the shared data; a second start reuses it.
    for (int start = 0; start < 2; ++start) {
        const WorkingDirectoryChoice choice = ChooseWorkingDirectory(elsewhere, installed, player);
        EXPECT_EQ(choice.folder, QDir(player).absolutePath());
        EXPECT_TRUE(choice.problem.isEmpty());
        EXPECT_EQ(QFileInfo(player + "/Data").symLinkTarget(), QFileInfo(installed).absoluteFilePath());
    }

    // The game moved: the old link is pointed at the new place.
    ChooseWorkingDirectory(elsewhere, moved, player);
    EXPECT_EQ(QFileInfo(player + "/Data").symLinkTarget(), QFileInfo(moved).absoluteFilePath());

    // A real Data folder the player made is the player's own and is kept.
    const QString modder = dir.filePath("modder");
    ASSERT_TRUE(QDir().mkpath(modder + "/Data"));
    EXPECT_EQ(ChooseWorkingDirectory(elsewhere, installed, modder).folder, QDir(modder).absolutePath());
    EXPECT_FALSE(QFileInfo(modder + "/Data").isSymLink());

    // A player's folder that cannot be made (a file in its place) leaves the game where it started, with a reason.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const WorkingDirectoryChoice blocked
        = ChooseWorkingDirectory(elsewhere, installed, blocker.fileName() + "/trambul");
    EXPECT_EQ(blocked.folder, elsewhere);
    EXPECT_FALSE(blocked.problem.isEmpty());
}

// The content manifest names every file the game opens: no source outside the manifests writes a content path, the
// windows open nothing in a Data tree made from the manifest alone that is not there, and the manifest with the
// playlist's tracks names every shipped file.
#include "GameFixture.h"
#include "WindowList.h"
#include "audio/Playlist.h"
#include "game/GameContent.h"
#include "street/StreetContent.h"
#include "street/Unit20.h"
#include "street/Unit27.h"
#include "street/Unit40.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// A game path as a path relative to the game's folder: "Data\Girls\0.jpg" is "Data/Girls/0.jpg".
QString Relative(QString gamePath) { return gamePath.replace(QLatin1Char('\\'), QLatin1Char('/')); }

// Every file the manifest names, and the tracks of its playlist.
QStringList ManifestFiles()
{
    QStringList files;
    for (const ContentEntry* entry : EveryContentEntry()) {
        for (const QString& path : entry->paths())
            files.append(Relative(path));
    }
    const Playlist playlist
        = ReadPlaylist(QStringLiteral(TRAMBUL_SOURCE_DIR "/") + Relative(GameContent::Playlist.path()), false);
    for (const QString& track : playlist.paths)
        files.append(Relative(track));
    files.removeDuplicates(); // the credits music is a track too
    return files;
}

TEST(ContentManifest, OnlyTheManifestsWriteAContentPath)
{
    QStringList found;
    for (const char* folder : { "audio", "core", "records", "street", "town", "game" }) {
        QDirIterator it(QStringLiteral(TRAMBUL_SOURCE_DIR "/") + QLatin1String(folder),
            { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = QFileInfo(path).fileName();
            if (name.endsWith(QLatin1String("Content.h")) || name == QLatin1String("ContentManifest.h"))
                continue;
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            int number = 0;
            for (const QByteArray& line : file.readAll().split('\n')) {
                ++number;
                const QByteArray code = line.left(line.indexOf("//"));
                if (code.contains("\"Data\\\\") || code.contains("\"Data/"))
                    found.append(QStringLiteral("%1:%2").arg(path).arg(number));
            }
        }
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

TEST(ContentManifest, NamesEveryShippedFile)
{
    const QStringList named = ManifestFiles();
    QStringList unnamed;
    const QDir source(QStringLiteral(TRAMBUL_SOURCE_DIR));
    QDirIterator it(source.filePath(QStringLiteral("Data")), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = source.relativeFilePath(it.next());
        if (!named.contains(file))
            unnamed.append(file);
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
}

using ContentWalk = GameFixture;

// In a Data tree holding only the manifest's files, the fights load their pictures, a girl's talk its script and faces,
// the robbery its districts, and then every window opens as the player first sees it (last, because closing the main
// window ends the game), without an error box.
TEST_F(ContentWalk, TheWindowsFindEveryFileTheyOpenInTheManifest)
{
    useWorkingDirectory(ManifestFiles());
    {
        ZeroDraws draws;
        ui.closeNextModalWith(ModalResult::Cancel);
        forms->form27().FightThug();
        ui.closeNextModalWith(ModalResult::Cancel);
        forms->form27().FightPasserBy();
        EXPECT_TRUE(forms->form20().Start(0, QStringLiteral("Катей")));
        ui.closeNextModalWith(ModalResult::Cancel);
        forms->form40().LieInWait(StreetContent::District.path(1), 3);
    }
    OpenEveryWindow(*forms, ui, [](QWidget&) {});
}

} // namespace

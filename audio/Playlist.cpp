#include "audio/Playlist.h"

#include "core/DataPath.h"
#include "core/TextFile.h"

Playlist ParsePlaylist(const QStringList& lines, bool skipEmptyTitles)
{
    Playlist playlist;
    for (qsizetype i = 1; i < lines.size();) {
        const QString& titleLine = lines[i++];
        if (skipEmptyTitles && titleLine.isEmpty())
            continue;
        const qsizetype blank = titleLine.indexOf(QLatin1Char(' '));
        playlist.titles.append(blank < 0 ? QString() : titleLine.mid(blank + 1));
        playlist.titleLines.append(int(i));
        playlist.paths.append(i < lines.size() ? lines[i++] : QString());
    }
    return playlist;
}

Playlist ReadPlaylist(const QString& path, bool skipEmptyTitles)
{
    return ParsePlaylist(ReadLinesUtf8Or1251(DataPath(path)), skipEmptyTitles);
}

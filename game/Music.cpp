#include "game/Music.h"

const char* const DefaultPlaylist = "Data\\Soundtracks\\PlayList.grpl";
const char* const NoMusic = "Без музыки";

TrackPlayer PlayerForTrack(const QString& path)
{
    QString type = path.right(3);
    for (QChar& c : type)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return type == QLatin1String("MP3") || type == QLatin1String("OGG") ? TrackPlayer::Compressed : TrackPlayer::Media;
}

int NextTrack(int selected, int lastItem) { return selected >= lastItem ? 1 : selected + 1; }

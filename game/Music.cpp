#include "game/Music.h"

#include "audio/MusicState.h"

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

bool MusicWatchMovesOn(TMusicState& compressed, const std::function<bool()>& mediaTrackEnded)
{
    if (compressed.TakeRunOut())
        return true;
    return !compressed.Started() && mediaTrackEnded();
}

void TrackChanges::Make(const std::function<void()>& change)
{
    if (m_running) {
        m_again = true;
        return;
    }
    // Also when a change fails with an error for the player.
    m_running = true;
    struct Running {
        bool& running;
        ~Running() { running = false; }
    } running { m_running };
    do {
        m_again = false;
        change();
    } while (m_again);
}

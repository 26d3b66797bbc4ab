// The content manifest: every file or family of files the game opens under Data, with its format, the reader that
// reads it and the window that needs it. Each folder declares the entries it owns (HelpContent here, and
// records/RecordsContent.h, street/StreetContent.h, town/TownContent.h, game/GameContent.h); the windows take their
// paths from those entries, and datacheck checks every file of every entry with the same readers.
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

// How a file is read, which is also how datacheck checks it.
enum class ContentFormat {
    Text, // Windows-1251 text shown whole in a window (ReadLines1251)
    HelpPage, // the help browser's HTML page
    Picture, // JPEG or BMP (LoadPicture)
    Sound, // a WAV clip or MIDI music, played by the system media player (TMediaPlayer)
    Playlist, // a playlist (ReadPlaylist) and every track it names, played by the player of its type
    Questions, // a subject's questions (LoadQuestionFile)
    TalkScript, // a street talk (DialogScript)
    MotherScript, // the mother's talk (MotherScript)
    GirlScript, // a girl's talk (GirlScript)
    SmsReplies, // the classmates' SMS replies (SmsReplyFile)
    PhonePrice, // a phone's price (ReadPhoneModel)
};

// The format and its reader in a few words, for the list of files in the README.
const char* ContentFormatText(ContentFormat format);

// The members of a family: one list of arguments for each file (%1, %2 of the pattern).
using ContentMembers = std::vector<QStringList> (*)();

// The numbers First..Last, one file each.
template <int First, int Last> std::vector<QStringList> ContentNumbers()
{
    std::vector<QStringList> members;
    for (int n = First; n <= Last; ++n)
        members.push_back({ QString::number(n) });
    return members;
}

struct ContentEntry {
    const char* pattern; // the game path, "Data\\Girls\\%1.jpg"; %1 and %2 stand for a member's arguments
    ContentFormat format;
    const char* window; // the windows that open it, "TForm19, TForm20"
    ContentMembers members = nullptr; // none: a single file

    // The game path of the single file, or of one member of a family.
    QString path() const { return QString::fromUtf8(pattern); }
    QString path(int n) const { return path().arg(n); }
    QString path(const QString& first) const { return path().arg(first); }
    QString path(const QString& first, const QString& second) const { return path().arg(first, second); }
    // Every file the entry names.
    QStringList paths() const;
};

using ContentEntries = std::span<const ContentEntry* const>;

namespace HelpContent {
inline constexpr ContentEntry Page { "Data\\Help\\Index.htm", ContentFormat::HelpPage, "TForm46" };
inline constexpr const ContentEntry* Entries[] = { &Page };
}

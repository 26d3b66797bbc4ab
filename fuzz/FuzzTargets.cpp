#include "fuzz/FuzzTargets.h"

#include "audio/ID3v2.h"
#include "audio/MP3Util.h"
#include "audio/OggVorbis.h"
#include "audio/Playlist.h"
#include "core/Errors.h"
#include "core/GameState.h"
#include "core/TextFile.h"
#include "datacheck/DataCheck.h"
#include "records/Questions.h"
#include "records/SaveFile.h"
#include "street/DialogScript.h"
#include "street/GirlScript.h"
#include "street/SmsReplies.h"
#include "town/MotherScript.h"

#include <QByteArray>

namespace {
QByteArray Bytes(const uint8_t* data, size_t size)
{
    // A text file larger than the game reads is refused before parsing; the fuzzer need not go there.
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(std::min<size_t>(size, MaxTextFileSize)));
}

QStringList Lines(const uint8_t* data, size_t size) { return SplitLines(Decode1251(Bytes(data, size))); }

int Questions(const uint8_t* data, size_t size)
{
    Report report;
    const QStringList lines = Lines(data, size);
    CheckQuestionFile(report, QStringLiteral("fuzz.qst"), lines);
    for (const QString& line : lines)
        ParseQuestionLine(line);
    return 0;
}

int SavedGame(const uint8_t* data, size_t size)
{
    const QStringList lines = Lines(data, size);
    if (!CheckSavedGameLines(lines).isEmpty())
        return 0;
    TGameState state;
    ApplySavedGameLines(state, lines);
    SavedGameLines(state);
    return 0;
}

int MotherScript(const uint8_t* data, size_t size)
{
    const QStringList lines = Lines(data, size);
    Report report;
    CheckMotherScript(report, QStringLiteral("Mother.dlg"), lines);
    MotherTalk talk;
    talk.start(lines);
    TGameState state;
    for (int slot = 0; slot < MotherAnswerCount; ++slot)
        talk.answer(slot, state);
    return 0;
}

int GirlScriptTarget(const uint8_t* data, size_t size)
{
    const QStringList lines = Lines(data, size);
    Report report;
    CheckGirlScript(report, QStringLiteral("0.gdlg"), lines);
    GirlScript script = GirlScript::Parse(lines);
    if (!script.isSound())
        return 0;
    GirlTalk talk(script);
    // Always the last answer of the node: walks the whole script unless she gives up.
    for (int step = 0; step < 1000; ++step) {
        const AnswerOutcome outcome = talk.answer(int(talk.node().answers.size()));
        if (outcome.step != TalkStep::NextNode)
            break;
    }
    return 0;
}

int SmsTarget(const uint8_t* data, size_t size)
{
    const QStringList lines = Lines(data, size);
    Report report;
    CheckSmsReplies(report, QStringLiteral("answer_sms.asms"), lines);
    // The first line doubles as a message typed by the player.
    FindSmsReplies(lines, SmsWords(lines.value(0).left(SmsLength)));
    return 0;
}

int DialogTarget(const uint8_t* data, size_t size)
{
    Report report;
    CheckDialogScript(report, QStringLiteral("GOPNIK.DLG"), Lines(data, size));
    return 0;
}

int PlaylistTarget(const uint8_t* data, size_t size)
{
    Report report;
    CheckPlaylist(report, QStringLiteral("PlayList.grpl"), Lines(data, size), [](const QString&) { return QString(); });
    return 0;
}

int PriceTarget(const uint8_t* data, size_t size)
{
    Report report;
    CheckPrice(report, QStringLiteral("Price.txt"), Lines(data, size));
    return 0;
}

int EncodingTarget(const uint8_t* data, size_t size)
{
    Report report;
    CheckEncoding(report, QStringLiteral("text.txt"), Bytes(data, size));
    return 0;
}

// The game's own readers of the street conversations and the playlists, beside the checker's.
int GameDialogTarget(const uint8_t* data, size_t size)
{
    try {
        ParseDialogScript(Lines(data, size), QStringLiteral("GOPNIK.DLG"));
    } catch (const EGameError&) {
        // a refused script is a right answer
    }
    return 0;
}

int GamePlaylistTarget(const uint8_t* data, size_t size)
{
    ParsePlaylist(Lines(data, size), true);
    ParsePlaylist(Lines(data, size), false);
    return 0;
}

// The music's stream readers take the bytes as they are, whatever they claim.
template <class StreamReader> int StreamTarget(const uint8_t* data, size_t size)
{
    StreamReader reader;
    reader.Read(ByteSpan(data, size));
    return 0;
}

int JpegTarget(const uint8_t* data, size_t size)
{
    Report report;
    CheckPicture(report, QStringLiteral("picture.jpg"), Bytes(data, size));
    return 0;
}

int BmpTarget(const uint8_t* data, size_t size)
{
    Report report;
    CheckPicture(report, QStringLiteral("picture.bmp"), Bytes(data, size));
    return 0;
}
}

const std::vector<FuzzTarget>& FuzzTargets()
{
    static const std::vector<FuzzTarget> targets {
        { "questions", Questions },
        { "savedgame", SavedGame },
        { "mother", MotherScript },
        { "girlscript", GirlScriptTarget },
        { "sms", SmsTarget },
        { "dialog", DialogTarget },
        { "playlist", PlaylistTarget },
        { "price", PriceTarget },
        { "encoding", EncodingTarget },
        { "jpeg", JpegTarget },
        { "bmp", BmpTarget },
        { "gamedialog", GameDialogTarget },
        { "gameplaylist", GamePlaylistTarget },
        { "mp3", StreamTarget<TMP3Info> },
        { "id3v2", StreamTarget<TID3v2> },
        { "ogg", StreamTarget<TOggVorbis> },
    };
    return targets;
}

const FuzzTarget* FindFuzzTarget(const QString& name)
{
    for (const FuzzTarget& target : FuzzTargets()) {
        if (name == QLatin1String(target.name))
            return &target;
    }
    return nullptr;
}

#include "fuzz/FuzzTargets.h"

#include "audio/ID3v2.h"
#include "audio/MP3Util.h"
#include "audio/OggPlayer.h"
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
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <cstring>

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

int MotherScriptTarget(const uint8_t* data, size_t size)
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

// An Ogg page's checksum: CRC-32 with the polynomial 0x04C11DB7, not reflected, over the page with its checksum
// field zero.
std::uint32_t OggChecksum(const char* page, qsizetype length)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries {};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t value = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 0x80000000u) ? (value << 1) ^ 0x04C11DB7u : value << 1;
            entries[i] = value;
        }
        return entries;
    }();
    std::uint32_t crc = 0;
    for (qsizetype i = 0; i < length; ++i)
        crc = (crc << 8) ^ table[((crc >> 24) ^ std::uint8_t(page[i])) & 0xFF];
    return crc;
}

// Gives every whole Ogg page of the bytes its right checksum, so that damaged pages reach the Vorbis decoder instead
// of being dropped by the page reader.
QByteArray WithOggChecksums(QByteArray bytes)
{
    for (qsizetype at = bytes.indexOf("OggS"); at >= 0; at = bytes.indexOf("OggS", at + 1)) {
        if (at + 27 > bytes.size())
            break;
        const int segments = std::uint8_t(bytes[at + 26]);
        if (at + 27 + segments > bytes.size())
            break;
        qsizetype length = 27 + segments;
        for (int i = 0; i < segments; ++i)
            length += std::uint8_t(bytes[at + 27 + i]);
        if (at + length > bytes.size())
            continue;
        char* page = bytes.data() + at;
        std::memset(page + 22, 0, 4);
        const std::uint32_t crc = OggChecksum(page, length);
        for (int i = 0; i < 4; ++i)
            page[22 + i] = char(crc >> (8 * i));
    }
    return bytes;
}

// The music player's feed: the bytes as an MP3 file and as an Ogg Vorbis file, each opened by the player and
// decoded through the buffer fill that feeds the device, with a seek on the way, into both codec libraries.
int PlaybackTarget(const uint8_t* data, size_t size)
{
    // Far more than the buffers of a short input need; it bounds the work of one input.
    constexpr int MaxBuffers = 300;
    // The player reads files: they are written to memory where the system has a folder for that.
    static const QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isDir()
            ? QStringLiteral("/dev/shm/trambul-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/trambul-fuzz-XXXXXX"));
    static const bool once = [] {
        // Our codec libraries from the build, a sound device that plays nothing (none is opened for playing here).
        SetCodecFolder(QStringLiteral(TRAMBUL_CODEC_DIR));
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
            qputenv("SDL_AUDIODRIVER", "dummy");
        return true;
    }();
    (void)once;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TOggPlayer player;
    if (player.State() == TOggPlayer::NotInitialised || !folder.isValid())
        return 0;
    const struct {
        const char* name;
        QByteArray contents;
    } files[] = { { "track.mp3", bytes }, { "track.ogg", WithOggChecksums(bytes) } };
    for (const auto& file : files) {
        const QString path = folder.filePath(QString::fromLatin1(file.name));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file.contents) != file.contents.size())
            continue;
        out.close();
        if (!player.Open(path))
            continue;
        TAudioOut& output = *player.AudioOut();
        std::vector<char> buffer(std::size_t(output.BufferSize()));
        for (int i = 0; i < MaxBuffers; ++i) {
            std::uint32_t filled = std::uint32_t(buffer.size());
            if (!output.OnBufferPlayed(output, buffer.data(), filled))
                break;
            if (filled > buffer.size())
                std::abort();
            // A jump to a place the last byte chooses, as the position slider makes one.
            if (i == 2)
                player.Seek(std::uint32_t(std::uint64_t(player.Duration()) * (size > 0 ? data[size - 1] : 0) / 255));
        }
        player.Close();
    }
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

// The one list of targets: the build makes a fuzzer of each (fuzz/CMakeLists.txt) and tools/fuzz.sh seeds each from
// the files named here, all read from this table.
const std::vector<FuzzTarget>& FuzzTargets()
{
    static const std::vector<FuzzTarget> targets {
        { "questions", Questions, "Data/Questions/*.qst" },
        { "savedgame", SavedGame, "tests/fuzz/seeds/savedgame/*" },
        { "mother", MotherScriptTarget, "Data/Dialogs/Mother.dlg" },
        { "girlscript", GirlScriptTarget, "Data/Girls/*.gdlg" },
        { "sms", SmsTarget, "Data/SMS/answer_sms.asms" },
        { "dialog", DialogTarget, "Data/Dialogs/Gopniks/GOPNIK.DLG Data/MyGOPSTOP/GOPNIK.DLG" },
        { "playlist", PlaylistTarget, "Data/Soundtracks/PlayList.grpl" },
        { "price", PriceTarget, "Data/Mobiles/*/*/Price.txt" },
        { "encoding", EncodingTarget, "Data/Works/*.txt Data/Ending/*.end" },
        { "jpeg", JpegTarget, "Data/Girls/0.jpg Data/Mobiles/Nokia/*/Icon.jpg" },
        { "bmp", BmpTarget, "Data/Girls/*.bmp" },
        { "gamedialog", GameDialogTarget, "Data/Dialogs/Gopniks/GOPNIK.DLG Data/MyGOPSTOP/GOPNIK.DLG" },
        { "gameplaylist", GamePlaylistTarget, "Data/Soundtracks/PlayList.grpl" },
        { "mp3", StreamTarget<TMP3Info>, "Data/Soundtracks/*.mp3" },
        { "id3v2", StreamTarget<TID3v2>, "Data/Soundtracks/*.mp3" },
        { "ogg", StreamTarget<TOggVorbis>, "Data/Soundtracks/*.ogg" },
        { "playback", PlaybackTarget, "Data/Soundtracks/*.mp3 Data/Soundtracks/*.ogg tests/fuzz/seeds/playback/*" },
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

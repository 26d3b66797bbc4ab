#include "audio/MP3Util.h"

#include "audio/ID3v2.h"
#include "core/ContentFile.h"
#include "core/Errors.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <array>

namespace {
// kbit/s by bit-rate index: MPEG-1 layers I, II, III, then MPEG-2/2.5 layer I, and layers II and III.
constexpr int BitRates[5][16] = {
    { 0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0 },
    { 0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0 },
    { 0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0 },
    { 0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0 },
    { 0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0 },
};
constexpr int SampleRates[4][4]
    = { { 0, 0, 0, 0 }, { 44100, 48000, 32000, 0 }, { 22050, 24000, 16000, 0 }, { 11025, 12000, 8000, 0 } };

// Each name in at most 19 bytes, as the tag tables keep them.
constexpr std::array<const char*, GenreCount> Genres = { "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk",
    "Grunge", "Hip-Hop", "Jazz", "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno",
    "Industrial", "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop",
    "Vocal", "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip",
    "Gospel", "Noise", "AlternRock", "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop",
    "Instrumental Rock", "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance",
    "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle",
    "Native American", "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal",
    "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock", "Unknown" };

std::uint32_t BigEndian32(ByteSpan bytes, std::int64_t at)
{
    return (std::uint32_t(bytes[at]) << 24) | (std::uint32_t(bytes[at + 1]) << 16) | (std::uint32_t(bytes[at + 2]) << 8)
        | std::uint32_t(bytes[at + 3]);
}

// A fixed-width tag text: cut at its first zero byte, blanks trimmed.
QString TagText(ByteSpan bytes, std::int64_t at, int width)
{
    QByteArray text(reinterpret_cast<const char*>(bytes.data() + at), width);
    const int zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);
    return Decode1251(text).trimmed();
}
}

TMPEGHeader DecodeMPEGHeader(std::uint32_t word)
{
    TMPEGHeader header;
    if (word < 0xFFE00000u)
        return header;
    constexpr int versions[4] = { 3, 0, 2, 1 };
    constexpr int layers[4] = { 0, 3, 2, 1 };
    header.version = versions[(word >> 19) & 3];
    header.layer = layers[(word >> 17) & 3];
    header.protection = (word >> 16) & 1;
    header.bitRateIndex = int((word >> 12) & 15);
    header.sampleRateIndex = int((word >> 10) & 3);
    header.padding = int((word >> 9) & 1);
    header.channelMode = int((word >> 6) & 3);
    header.copyright = (word >> 3) & 1;
    header.original = (word >> 2) & 1;
    header.sampleRate = SampleRates[header.version][header.sampleRateIndex];
    if (header.version != 0 && header.layer != 0) {
        const int table = header.version == 1 ? header.layer - 1 : (header.layer == 1 ? 3 : 4);
        header.bitRate = BitRates[table][header.bitRateIndex];
    }
    header.valid = header.version != 0 && header.layer != 0 && header.bitRate != 0 && header.sampleRate != 0;
    if (header.valid)
        header.frameLength
            = MPEGFrameLength(header.version, header.layer, header.bitRate, header.sampleRate, header.padding);
    return header;
}

int MPEGFrameLength(int version, int layer, int bitRate, int sampleRate, int padding)
{
    if (sampleRate <= 0)
        return 0;
    if (layer == 1)
        return (12 * bitRate * 1000 / sampleRate + padding) * 4;
    const int factor = (layer == 3 && version != 1) ? 72000 : 144000;
    return int(std::int64_t(factor) * bitRate / sampleRate) + padding;
}

TFrameFound FindMPEGFrame(ByteSpan bytes, std::int64_t start, std::int64_t limit)
{
    TFrameFound result;
    const std::int64_t size = std::int64_t(bytes.size());
    // The header's four bytes must end before start + limit and before the last 96 bytes of the stream.
    for (std::int64_t at = std::max<std::int64_t>(start, 0); at + 4 <= start + limit && at + 4 <= size - 96; ++at) {
        if (bytes[at] != 0xFF)
            continue;
        const TMPEGHeader header = DecodeMPEGHeader(BigEndian32(bytes, at));
        if (!header.valid)
            continue;
        const std::int64_t next = at + header.frameLength;
        if (next + 4 <= size && DecodeMPEGHeader(BigEndian32(bytes, next)).valid) {
            result.found = true;
            result.offset = at;
            result.header = header;
            return result;
        }
    }
    return result;
}

QString GenreName(int genre)
{
    if (genre < 0 || genre >= GenreCount)
        return QStringLiteral("Invalid Genre Number");
    return QString::fromLatin1(Genres[std::size_t(genre)]);
}

void TMP3Info::Read(ByteSpan bytes)
{
    const QString name = FileName;
    const QDateTime date = FileDate;
    *this = TMP3Info();
    FileName = name;
    FileDate = date;
    // The first frame is looked for after a leading ID3v2 tag, however long the tag is.
    const TFrameFound frame = FindMPEGFrame(bytes, ID3v2TagSize(bytes), FrameScanLimit);
    if (!frame.found)
        return;
    FrameFound = true;
    FirstFrame = frame.header;
    FirstFrameOffset = frame.offset;
    FileSize = std::int64_t(bytes.size());
    if (FileSize < 192)
        return;
    const std::int64_t tag = FileSize - 128;
    if (bytes[tag] == 'T' && bytes[tag + 1] == 'A' && bytes[tag + 2] == 'G') {
        Title = TagText(bytes, tag + 3, 30);
        Artist = TagText(bytes, tag + 33, 30);
        Album = TagText(bytes, tag + 63, 30);
        Year = TagText(bytes, tag + 93, 4);
        Comment = TagText(bytes, tag + 97, 30);
        Genre = bytes[tag + 127];
        TagPresent = true;
    }
    const std::int64_t audio = FileSize - FirstFrameOffset - (TagPresent ? 128 : 0);
    Duration = FirstFrame.bitRate > 0 ? std::max<std::int64_t>(audio, 0) * 8 / FirstFrame.bitRate : 0;
}

void TMP3Info::ReadFile(const QString& path)
{
    const QFileInfo info(path);
    FileName = info.fileName();
    FileDate = info.lastModified();
    Read(AsBytes(ReadWholeFile(path)));
}

QByteArray ReadWholeFile(const QString& path, qint64 limit)
{
    try {
        return ReadContentFile(path, limit, QString());
    } catch (const EInOutError&) {
        // The readers tell nothing of a file they cannot read.
        return {};
    }
}

#include "audio/MP3Util.h"

#include "audio/ID3v2.h"
#include "core/ContentFile.h"
#include "core/Errors.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cctype>

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

int MPEGFrameSamples(int version, int layer)
{
    if (layer == 1)
        return 384;
    return layer == 3 && version != 1 ? 576 : 1152;
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
    countFrames(bytes, FileSize - (TagPresent ? 128 : 0));
    const std::int64_t samples = Frames * MPEGFrameSamples(FirstFrame.version, FirstFrame.layer);
    Duration = std::max<std::int64_t>(samples - EncoderDelay - EncoderPadding, 0) * 1000 / FirstFrame.sampleRate;
}

// The length comes from the frames, never from the bit rate of one of them: in a file of variable bit rate the first
// frame's rate says nothing of the rest.
void TMP3Info::countFrames(ByteSpan bytes, std::int64_t end)
{
    const TMPEGHeader& first = FirstFrame;
    // An encoder's Xing (variable rate) or Info (constant rate) frame stands after the first frame's side information.
    const bool mono = first.channelMode == 3;
    const int sideInfo = first.version == 1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const std::int64_t xing = FirstFrameOffset + 4 + (first.protection ? 0 : 2) + sideInfo;
    const std::int64_t firstEnd = std::min(FirstFrameOffset + first.frameLength, end);
    bool xingFrame = false;
    if (first.layer == 3 && xing + 8 <= firstEnd) {
        const QByteArray id(reinterpret_cast<const char*>(bytes.data() + xing), 4);
        if (id == "Xing" || id == "Info") {
            xingFrame = true;
            const std::uint32_t flags = BigEndian32(bytes, xing + 4);
            std::int64_t at = xing + 8;
            std::int64_t statedBytes = 0;
            if (flags & 1) {
                Frames = at + 4 <= firstEnd ? BigEndian32(bytes, at) : 0;
                at += 4;
            }
            if (flags & 2) {
                statedBytes = at + 4 <= firstEnd ? BigEndian32(bytes, at) : 0;
                at += 4;
            }
            at += (flags & 4 ? 100 : 0) + (flags & 8 ? 4 : 0);
            // A file cut short (a download broken off) holds fewer frames than its first frame says: they are counted.
            if (statedBytes > end - FirstFrameOffset)
                Frames = 0;
            // The LAME tag, which starts with the encoder's name: its delay and padding, twelve bits each, 21 bytes in.
            if (at + 24 <= firstEnd && std::all_of(bytes.begin() + at, bytes.begin() + at + 4, [](std::uint8_t c) {
                    return std::isalnum(c) != 0;
                })) {
                EncoderDelay = int(bytes[at + 21] << 4 | bytes[at + 22] >> 4);
                EncoderPadding = int((bytes[at + 22] & 0x0F) << 8 | bytes[at + 23]);
            }
        }
    }
    if (Frames > 0)
        return;
    // The encoder's padding is at the end of the whole stream, where a file cut short never gets.
    EncoderPadding = 0;
    // No count given: the frames are walked one after another; between them only what is no frame is passed over.
    std::int64_t at = FirstFrameOffset;
    while (at + 4 <= end) {
        const TMPEGHeader header = DecodeMPEGHeader(BigEndian32(bytes, at));
        if (header.valid && header.version == first.version && header.layer == first.layer
            && header.sampleRate == first.sampleRate) {
            ++Frames;
            at += header.frameLength;
            continue;
        }
        const TFrameFound next = FindMPEGFrame(bytes.first(std::size_t(end)), at + 1, end - at);
        if (!next.found)
            break;
        at = next.offset;
    }
    // The encoder's own frame holds no sound.
    if (xingFrame && Frames > 0)
        --Frames;
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

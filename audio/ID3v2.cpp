#include "audio/ID3v2.h"

#include "core/TextFile.h"

#include <QStringDecoder>
#include <array>

namespace {
// The frames read, in the order of the stored values; the 2.2 names are three letters long.
enum Frame {
    Title,
    Artist,
    Album,
    Track,
    Year,
    Genre,
    Comment,
    Composer,
    Encoder,
    Copyright,
    Language,
    Link,
    RecordingDate,
    OriginalArtist,
    ContentGroup,
    OriginalAlbum,
    FrameCount
};
constexpr std::array<const char*, FrameCount> Names4 = { "TIT2", "TPE1", "TALB", "TRCK", "TYER", "TCON", "COMM", "TCOM",
    "TENC", "TCOP", "TLAN", "WXXX", "TDRC", "TOPE", "TIT1", "TOAL" };
constexpr std::array<const char*, FrameCount> Names2 = { "TT2", "TP1", "TAL", "TRK", "TYE", "TCO", "COM", "TCM", "TEN",
    "TCR", "TLA", "WXX", "TOR", "TOA", "TT1", "TOT" };
// Of each frame at most this much is kept.
constexpr std::int64_t MaxFrameContent = 250;

// Blanks and control characters go from both ends.
QByteArray TrimBytes(QByteArray text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && std::uint8_t(text[begin]) <= ' ')
        ++begin;
    while (end > begin && std::uint8_t(text[end - 1]) <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

// A text frame's bytes after its encoding byte, decoded by that encoding (single-byte text as Windows-1251).
QString DecodeText(const QByteArray& raw)
{
    if (raw.isEmpty())
        return {};
    const int encoding = std::uint8_t(raw[0]);
    const QByteArray text = encoding <= 3 ? raw.mid(1) : raw;
    QString result;
    if (encoding == 1 || encoding == 2) {
        QStringDecoder decoder(encoding == 2 ? QStringConverter::Utf16BE : QStringConverter::Utf16);
        result = decoder(text);
    } else if (encoding == 3) {
        result = QString::fromUtf8(text);
    } else {
        result = Decode1251(TrimBytes(text));
    }
    const int zero = result.indexOf(QChar(0));
    if (zero >= 0)
        result.truncate(zero);
    return result.trimmed();
}

// Drops the first `skip` bytes and everything up to the first zero byte (a description), keeping what follows.
QByteArray AfterDescription(const QByteArray& raw, int skip)
{
    const QByteArray rest = raw.mid(skip);
    const qsizetype zero = rest.indexOf('\0');
    return zero >= 0 ? rest.mid(zero + 1) : QByteArray();
}
}

namespace {
bool StartsWithTag(ByteSpan bytes) { return bytes.size() >= 10 && bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3'; }

// The size the tag's header claims, or 0 when that is beyond the bytes.
std::int64_t ClaimedSize(ByteSpan bytes)
{
    const std::int64_t size = (std::int64_t(bytes[6]) << 21) + (std::int64_t(bytes[7]) << 14)
        + (std::int64_t(bytes[8]) << 7) + std::int64_t(bytes[9]) + ((bytes[5] & 0x10) ? 20 : 10);
    return size > std::int64_t(bytes.size()) ? 0 : size;
}
}

std::int64_t ID3v2TagSize(ByteSpan bytes) { return StartsWithTag(bytes) ? ClaimedSize(bytes) : 0; }

void TID3v2::Read(ByteSpan bytes)
{
    *this = TID3v2();
    const std::int64_t fileSize = std::int64_t(bytes.size());
    if (!StartsWithTag(bytes))
        return;
    Exists = true;
    VersionID = bytes[3];
    Size = ClaimedSize(bytes);
    if (VersionID < 2 || VersionID > 4 || Size <= 0)
        return;

    const bool short_ = VersionID == 2;
    const std::int64_t headerLength = short_ ? 6 : 10;
    const std::int64_t idLength = short_ ? 3 : 4;
    const auto& names = short_ ? Names2 : Names4;
    std::array<QByteArray, FrameCount> frames;
    std::int64_t at = 10;
    while (at + headerLength <= Size) {
        if (bytes[at] < 'A' || bytes[at] > 'Z')
            break;
        const QByteArray id(reinterpret_cast<const char*>(bytes.data() + at), idLength);
        std::int64_t length = 0;
        for (std::int64_t i = idLength; i < idLength + (short_ ? 3 : 4); ++i)
            length = (length << 8) | bytes[at + i];
        const std::int64_t content = at + headerLength;
        const std::int64_t kept = std::min({ length, MaxFrameContent, fileSize - content });
        for (int frame = 0; frame < FrameCount; ++frame)
            if (id == names[std::size_t(frame)])
                frames[std::size_t(frame)] = QByteArray(reinterpret_cast<const char*>(bytes.data() + content), kept);
        at = content + length;
    }

    auto text = [&](Frame frame) { return DecodeText(frames[frame]); };
    Title = text(Frame::Title);
    if (Title.isEmpty())
        Title = text(ContentGroup);
    Artist = text(Frame::Artist);
    if (Artist.isEmpty())
        Artist = text(OriginalArtist);
    Album = text(Frame::Album);
    if (Album.isEmpty())
        Album = text(OriginalAlbum);
    const QString track = text(Frame::Track);
    Track = track.section(QLatin1Char('/'), 0, 0).trimmed().toInt();
    Year = text(Frame::Year);
    if (Year.isEmpty())
        Year = text(RecordingDate).left(4);
    Genre = text(Frame::Genre);
    const qsizetype bracket = Genre.lastIndexOf(QLatin1Char(')'));
    if (bracket >= 0)
        Genre = Genre.mid(bracket + 1).trimmed();
    Composer = text(Frame::Composer);
    Encoder = text(Frame::Encoder);
    Copyright = text(Frame::Copyright);
    Language = text(Frame::Language);
    if (!frames[Frame::Comment].isEmpty()) {
        // Encoding and language come first, then a description up to a zero byte.
        const QByteArray comment = AfterDescription(frames[Frame::Comment], 4);
        Comment = DecodeText(frames[Frame::Comment].left(1) + comment);
    }
    if (!frames[Frame::Link].isEmpty())
        Link = QString::fromLatin1(TrimBytes(AfterDescription(frames[Frame::Link], 1)));
}

void TID3v2::ReadFile(const QString& path) { Read(AsBytes(ReadWholeFile(path))); }

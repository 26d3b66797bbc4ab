#include "audio/OggVorbis.h"

#include <QByteArrayView>

namespace {
// Of each comment at most this much is kept; the rest is skipped.
constexpr std::int64_t MaxCommentKept = 250;

std::uint32_t LittleEndian32(ByteSpan bytes, std::int64_t at)
{
    return std::uint32_t(bytes[at]) | (std::uint32_t(bytes[at + 1]) << 8) | (std::uint32_t(bytes[at + 2]) << 16)
        | (std::uint32_t(bytes[at + 3]) << 24);
}

// Where `what` starts in bytes[from, from + length), or -1.
std::int64_t Find(ByteSpan bytes, std::int64_t from, std::int64_t length, QByteArrayView what)
{
    const std::int64_t size = std::int64_t(bytes.size());
    const std::int64_t end = std::min(size, from + length);
    from = std::max<std::int64_t>(from, 0);
    if (from >= end)
        return -1;
    const QByteArrayView window(reinterpret_cast<const char*>(bytes.data() + from), end - from);
    const qsizetype at = window.indexOf(what);
    return at < 0 ? -1 : from + at;
}
}

QString DecodeVorbisText(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const std::uint8_t lead = std::uint8_t(bytes[i]);
        int more = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            code = lead & 0x1F;
            more = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            code = lead & 0x0F;
            more = 2;
        } else {
            break;
        }
        if (i + more >= bytes.size() && more > 0)
            break;
        bool broken = false;
        for (int k = 1; k <= more; ++k) {
            const std::uint8_t next = std::uint8_t(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                broken = true;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (broken)
            break;
        text += QChar(char16_t(code));
        i += more + 1;
    }
    return text;
}

void TOggVorbis::Read(ByteSpan bytes)
{
    *this = TOggVorbis();
    const std::int64_t size = std::int64_t(bytes.size());
    FileSize = size;
    ID3v2.Read(bytes);
    const std::int64_t start = ID3v2.Exists ? ID3v2.Size : 0;

    // The identification header sits right after the first page's header.
    const std::int64_t ident = start + 28;
    if (ident + 30 > size || bytes[ident] != 1 || Find(bytes, ident + 1, 6, "vorbis") != ident + 1)
        return;
    const int channels = bytes[ident + 11];
    Channels = channels == 1 || channels == 2 ? channels : 0;
    const std::uint32_t rate = LittleEndian32(bytes, ident + 12);
    SampleRate = rate >= 8000 && rate <= 48000 ? int(rate) : 0;
    BitRateNominal = int(std::int32_t(LittleEndian32(bytes, ident + 20)) / 1000);
    Valid = true;

    // The comment header: a vendor string, then a count of "NAME=value" strings, each after its 32-bit length.
    const std::int64_t comments = Find(bytes, start, 250, QByteArrayView("\x03vorbis", 7));
    if (comments >= 0) {
        std::int64_t at = comments + 7;
        auto readString = [&](QByteArray& out) {
            if (at + 4 > size)
                return false;
            const std::int64_t length = LittleEndian32(bytes, at);
            at += 4;
            const std::int64_t kept = std::min({ length, MaxCommentKept, std::max<std::int64_t>(size - at, 0) });
            out = QByteArray(reinterpret_cast<const char*>(bytes.data() + at), kept);
            at += length;
            return true;
        };
        QByteArray vendor;
        if (readString(vendor)) {
            Vendor = DecodeVorbisText(vendor);
            if (at + 4 <= size) {
                std::uint32_t count = LittleEndian32(bytes, at);
                at += 4;
                QByteArray comment;
                for (; count > 0 && readString(comment); --count) {
                    const qsizetype equals = comment.indexOf('=');
                    if (equals < 0) {
                        if (Vendor.isEmpty())
                            Vendor = DecodeVorbisText(comment);
                        continue;
                    }
                    const QByteArray name = comment.left(equals).toUpper();
                    const QString value = DecodeVorbisText(comment.mid(equals + 1));
                    if (name == "TITLE")
                        Title = value;
                    else if (name == "ARTIST")
                        Artist = value;
                    else if (name == "ALBUM")
                        Album = value;
                    else if (name == "TRACKNUMBER")
                        Track = value.trimmed().toInt();
                    else if (name == "DATE")
                        Date = value;
                    else if (name == "GENRE")
                        Genre = value;
                    else if (name == "COMMENT")
                        Comment = value;
                }
            }
        }
    }

    // The last page's granule position is the total sample count.
    for (int i = 1; i <= 50; ++i) {
        const std::int64_t from = size - std::int64_t(i) * 240 - 10;
        if (from + 250 <= 0)
            break;
        const std::int64_t page = Find(bytes, from, 250, "OggS");
        if (page >= 0 && page + 10 <= size) {
            Samples = LittleEndian32(bytes, page + 6);
            break;
        }
    }
}

void TOggVorbis::ReadFile(const QString& path) { Read(AsBytes(ReadWholeFile(path))); }

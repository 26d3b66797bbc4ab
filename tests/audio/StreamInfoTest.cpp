// The readers of what a music file holds before it is decoded: MPEG frames and ID3v1, ID3v2, Ogg Vorbis.
#include "TestHelpers.h"
#include "TestTracks.h"
#include "audio/ID3v2.h"
#include "audio/MP3Util.h"
#include "audio/OggVorbis.h"

#include <gtest/gtest.h>

namespace {
std::uint32_t HeaderWord(
    int versionBits, int layerBits, int bitRateIndex, int sampleRateIndex, int padding = 0, int channelMode = 0)
{
    return 0xFFE00000u | std::uint32_t(versionBits) << 19 | std::uint32_t(layerBits) << 17 | 1u << 16
        | std::uint32_t(bitRateIndex) << 12 | std::uint32_t(sampleRateIndex) << 10 | std::uint32_t(padding) << 9
        | std::uint32_t(channelMode) << 6;
}

void PutBigEndian(QByteArray& bytes, qsizetype at, std::uint32_t value, int width = 4)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char(value >> (8 * (width - 1 - i)));
}

// `count` frames of one header, each its frame length long, after `lead` bytes of other data.
QByteArray Frames(std::uint32_t word, int count, int lead = 0)
{
    const int length = DecodeMPEGHeader(word).frameLength;
    QByteArray bytes(lead + count * length, '\0');
    for (int i = 0; i < count; ++i)
        PutBigEndian(bytes, lead + i * length, word);
    return bytes;
}

QByteArray LittleEndian(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

// An Ogg page header with one segment, as the readers find it before a Vorbis header.
QByteArray Page(std::uint32_t granule, int segment)
{
    QByteArray page("OggS\0\0", 6);
    page += LittleEndian(granule) + LittleEndian(0) + QByteArray(12, '\0') + char(1) + char(segment);
    return page;
}

QByteArray IdentificationHeader(int channels, std::uint32_t rate, std::uint32_t nominal)
{
    QByteArray header("\x01vorbis", 7);
    header += LittleEndian(0) + char(channels) + LittleEndian(rate) + LittleEndian(0) + LittleEndian(nominal)
        + LittleEndian(0) + char(0xB8) + char(1);
    return header;
}

QByteArray VorbisString(const QByteArray& text) { return LittleEndian(std::uint32_t(text.size())) + text; }
}

TEST(MPEGFrameHeader, DecodesVersionsLayersAndFrameLengths)
{
    struct Case {
        std::uint32_t word;
        bool valid;
        int version, layer, bitRate, sampleRate, frameLength;
    } cases[] = {
        { HeaderWord(3, 1, 9, 0), true, 1, 3, 128, 44100, 417 },
        { HeaderWord(3, 1, 9, 0, 1), true, 1, 3, 128, 44100, 418 },
        { HeaderWord(2, 1, 8, 0), true, 2, 3, 64, 22050, 208 }, { HeaderWord(0, 1, 8, 2), true, 3, 3, 64, 8000, 576 },
        { HeaderWord(3, 2, 10, 1), true, 1, 2, 192, 48000, 576 },
        { HeaderWord(3, 3, 12, 2), true, 1, 1, 384, 32000, 576 },
        { HeaderWord(2, 3, 4, 1), true, 2, 1, 64, 24000, 128 },
        { HeaderWord(1, 1, 9, 0), false, 0, 3, 0, 0, 0 }, // reserved version
        { HeaderWord(3, 0, 9, 0), false, 1, 0, 0, 44100, 0 }, // reserved layer
        { HeaderWord(3, 1, 15, 0), false, 1, 3, 0, 44100, 0 }, // bad bit rate
        { HeaderWord(3, 1, 9, 3), false, 1, 3, 128, 0, 0 }, // reserved sample rate
        { 0xFFC00000u | (HeaderWord(3, 1, 9, 0) & 0xFFFFF), false, 0, 0, 0, 0, 0 }, // sync bits incomplete
    };
    for (const Case& c : cases) {
        const TMPEGHeader header = DecodeMPEGHeader(c.word);
        SCOPED_TRACE(testing::Message() << std::hex << c.word);
        EXPECT_EQ(header.valid, c.valid);
        if (c.word >= 0xFFE00000u) {
            EXPECT_EQ(header.version, c.version);
            EXPECT_EQ(header.layer, c.layer);
            EXPECT_EQ(header.bitRate, c.bitRate);
            EXPECT_EQ(header.sampleRate, c.sampleRate);
        }
        EXPECT_EQ(header.frameLength, c.frameLength);
    }
    EXPECT_EQ(DecodeMPEGHeader(HeaderWord(3, 1, 9, 0, 0, 3)).channelMode, 3);
}

TEST(MPEGFrameScan, FindsTheFirstFrameFollowedByAnotherWithinTheLimit)
{
    const std::uint32_t word = HeaderWord(3, 1, 9, 0);
    struct Case {
        const char* what;
        QByteArray bytes;
        bool found;
        std::int64_t offset;
    } cases[] = {
        { "at the start", Frames(word, 3), true, 0 },
        { "after other bytes", Frames(word, 3, 1000), true, 1000 },
        { "just inside the limit", Frames(word, 3, 4092), true, 4092 },
        { "beyond the limit", Frames(word, 3, 4093), false, 0 },
        { "a lone header before the frames",
            [&] {
                QByteArray bytes = Frames(word, 3, 600);
                PutBigEndian(bytes, 10, word);
                return bytes;
            }(),
            true, 600 },
        { "only in the last 96 bytes", Frames(word, 1, 10) + QByteArray(50, '\0'), false, 0 },
        { "empty", QByteArray(), false, 0 },
    };
    for (const Case& c : cases) {
        const TFrameFound found = FindMPEGFrame(AsBytes(c.bytes), 0, FrameScanLimit);
        EXPECT_EQ(found.found, c.found) << c.what;
        EXPECT_EQ(found.offset, c.offset) << c.what;
    }
}

TEST(MP3Info, ReadsTheID3v1TagOnlyFrom192BytesOnAndTheDuration)
{
    // Frames of 72 bytes (MPEG-2.5 layer III, 8 kbit/s at 8000 Hz) make files shorter than a tag plus 96 bytes.
    const std::uint32_t word = HeaderWord(0, 1, 1, 2);
    ASSERT_EQ(DecodeMPEGHeader(word).frameLength, 72);
    for (int size : { 191, 192 }) {
        QByteArray bytes = Frames(word, 3).left(size);
        bytes.resize(size, '\0');
        const int tag = size - 128;
        bytes.replace(tag, 5, "TAGPe"); // the title's zeros keep the next frame's header
        bytes[tag + 127] = char(81);
        TMP3Info info;
        info.Read(AsBytes(bytes));
        EXPECT_TRUE(info.FrameFound) << size;
        EXPECT_EQ(info.TagPresent, size == 192) << size;
        EXPECT_EQ(info.Title, size == 192 ? QStringLiteral("Pe") : QString()) << size;
        EXPECT_EQ(info.GenreText(), size == 192 ? "Invalid Genre Number" : GenreName(80)) << size;
        EXPECT_EQ(info.Duration, size == 192 ? 72 : 0) << size; // one frame of 576 samples at 8000 Hz
    }

    TMP3Info none;
    none.Read(AsBytes(Frames(HeaderWord(3, 1, 9, 0), 20, 5000)));
    EXPECT_FALSE(none.FrameFound);
    EXPECT_EQ(none.Duration, 0);
}

TEST(MP3Info, TheFirstFrameIsLookedForAfterAnID3v2TagHoweverLong)
{
    const QByteArray frames = ShortMP3();
    ASSERT_FALSE(frames.isEmpty());
    TMP3Info plain;
    plain.Read(AsBytes(frames));
    ASSERT_TRUE(plain.FrameFound);
    for (int size : { 100, 4000, 5000, 1 << 20 }) {
        const QByteArray file = ID3v2Tag(size, "Peremena") + frames;
        TID3v2 tag;
        tag.Read(AsBytes(file));
        EXPECT_EQ(tag.Size, size);
        EXPECT_EQ(tag.Title, "Peremena");
        TMP3Info info;
        info.Read(AsBytes(file));
        EXPECT_TRUE(info.FrameFound) << size;
        EXPECT_EQ(info.FirstFrameOffset, size);
        EXPECT_EQ(info.FirstFrame.bitRate, plain.FirstFrame.bitRate);
        EXPECT_EQ(info.Duration, plain.Duration) << size;
    }
    // A tag that claims more than the file holds is no tag: the frames are looked for from the start.
    const QByteArray claiming = ID3v2Tag(5000, "x").left(200) + frames.left(1500);
    TMP3Info lying;
    lying.Read(AsBytes(claiming));
    EXPECT_TRUE(lying.FrameFound);
    EXPECT_EQ(lying.FirstFrameOffset, 200);
    // Frames only beyond 4096 bytes after the tag are not found.
    TMP3Info far;
    far.Read(AsBytes(ID3v2Tag(5000, "x") + QByteArray(4100, '\0') + frames));
    EXPECT_FALSE(far.FrameFound);
}

TEST(MP3Info, GenreNumbersAbove80AreInvalid)
{
    EXPECT_EQ(GenreName(0), "Blues");
    EXPECT_EQ(GenreName(17), "Rock");
    EXPECT_EQ(GenreName(79), "Hard Rock");
    EXPECT_FALSE(GenreName(80).isEmpty());
    for (int genre : { 81, 255, -1 })
        EXPECT_EQ(GenreName(genre), "Invalid Genre Number") << genre;
    for (int genre = 0; genre < GenreCount; ++genre)
        EXPECT_LE(GenreName(genre).toLatin1().size(), 19) << genre;
}

TEST(ID3v2, ReadsTheFramesUntilOneWhoseNameIsNotACapitalLetter)
{
    auto frame = [](const char* id, const QByteArray& content) {
        QByteArray header(id, 4);
        header += QByteArray(6, '\0');
        PutBigEndian(header, 4, std::uint32_t(content.size()));
        return header + content;
    };
    QByteArray frames = frame("TIT2", QByteArray("\0 Peremena ", 11)) + frame("TPE1", QByteArray("\0", 1))
        + frame("TOPE", QByteArray("\0Klass", 6))
        + frame("TRCK",
            QByteArray("\0"
                       "7/12",
                5))
        + frame("TCON", QByteArray("\0(17)Rock", 9))
        + frame("TDRC",
            QByteArray("\0"
                       "2005-09-01",
                11))
        + frame("COMM", QByteArray("\0rusopisanie\0Zvonok", 19)) + frame("WXXX", QByteArray("\0d\0http://x", 11));
    const QByteArray stopper = frame("1ALB", "\0Stop") + frame("TALB", QByteArray("\0Never", 6));
    auto tag = [&](const QByteArray& body, int version, std::uint32_t claimed) {
        QByteArray header("ID3\0\0\0\0\0\0\0", 10);
        header[3] = char(version);
        for (int i = 0; i < 4; ++i)
            header[6 + i] = char((claimed >> (7 * (3 - i))) & 0x7F);
        return header + body + QByteArray(20, '\0');
    };
    TID3v2 id3;
    id3.Read(AsBytes(tag(frames + stopper, 3, std::uint32_t(frames.size() + stopper.size()))));
    EXPECT_TRUE(id3.Exists);
    EXPECT_EQ(id3.Size, frames.size() + stopper.size() + 10);
    EXPECT_EQ(id3.Title, "Peremena");
    EXPECT_EQ(id3.Artist, "Klass");
    EXPECT_EQ(id3.Track, 7);
    EXPECT_EQ(id3.Genre, "Rock");
    EXPECT_EQ(id3.Year, "2005");
    EXPECT_EQ(id3.Comment, "Zvonok");
    EXPECT_EQ(id3.Link, "http://x");
    EXPECT_EQ(id3.Album, QString());

    // A size beyond the file counts as no tag; a frame claiming 4 GB keeps only what the file has.
    TID3v2 beyond;
    beyond.Read(AsBytes(tag(frames, 3, 100000)));
    EXPECT_EQ(beyond.Size, 0);
    EXPECT_EQ(beyond.Title, QString());
    QByteArray huge = frame("TIT2", QByteArray("\0Long", 5));
    PutBigEndian(huge, 4, 0xFFFFFFFFu);
    TID3v2 claimed;
    claimed.Read(AsBytes(tag(huge, 4, std::uint32_t(huge.size()))));
    EXPECT_EQ(claimed.Title, "Long");

    // Version 2.2: three-letter names and three-byte sizes.
    QByteArray v22("TT2\0\0\x06\0Utro\0TP1\0\0\x04\0Ya", 22);
    TID3v2 old;
    old.Read(AsBytes(tag(v22, 2, std::uint32_t(v22.size()))));
    EXPECT_EQ(old.Title, "Utro");
    EXPECT_EQ(old.Artist, "Ya");
}

TEST(OggVorbis, ReadsTheHeadersCommentsAndLastGranuleWithoutTrustingLengths)
{
    const QByteArray ident = IdentificationHeader(2, 44100, 128000);
    const QByteArray comments = QByteArray("\x03vorbis", 7) + VorbisString("Our encoder") + LittleEndian(4)
        + VorbisString("title=Dvor") + VorbisString("ARTIST=\xd0\x9a\xd0\xbb\xd0\xb0\xd1\x81\xd1\x81")
        + VorbisString("TrackNumber=3") + VorbisString("GENRE=Pop\xd0\x41");
    QByteArray file = Page(0, ident.size()) + ident + Page(0, comments.size()) + comments + QByteArray(3000, '\x55')
        + Page(441000, 10) + QByteArray(10, '\0');

    TOggVorbis ogg;
    ogg.Read(AsBytes(file));
    EXPECT_TRUE(ogg.Valid);
    EXPECT_EQ(ogg.Channels, 2);
    EXPECT_EQ(ogg.SampleRate, 44100);
    EXPECT_EQ(ogg.BitRateNominal, 128);
    EXPECT_EQ(ogg.Vendor, "Our encoder");
    EXPECT_EQ(ogg.Title, "Dvor");
    EXPECT_EQ(ogg.Artist, U("Класс"));
    EXPECT_EQ(ogg.Track, 3);
    EXPECT_EQ(ogg.Genre, "Pop"); // a broken sequence ends the value
    EXPECT_EQ(ogg.Samples, 441000);

    // A comment claiming 2 GB, a count of four billion, a rate out of range: read what is there, nothing more.
    const QByteArray lying = QByteArray("\x03vorbis", 7) + VorbisString("v") + LittleEndian(0xFFFFFFFFu)
        + LittleEndian(0x80000000u) + "TITLE=x";
    TOggVorbis bad;
    bad.Read(AsBytes(Page(0, 30) + IdentificationHeader(6, 96000, 0) + Page(0, 40) + lying));
    EXPECT_TRUE(bad.Valid);
    EXPECT_EQ(bad.Channels, 0);
    EXPECT_EQ(bad.SampleRate, 0);
    EXPECT_EQ(bad.Title, "x");

    TOggVorbis notOgg;
    notOgg.Read(AsBytes(QByteArray(100, 'x')));
    EXPECT_FALSE(notOgg.Valid);
}

TEST(StreamInfo, TheShippedTracksRead)
{
    const QString folder = QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/");
    for (const char* name : { "Peremena.mp3", "Ogni_v_oknah.mp3" }) {
        TMP3Info info;
        info.ReadFile(folder + name);
        EXPECT_TRUE(info.FrameFound) << name;
        EXPECT_TRUE(info.TagPresent) << name;
        EXPECT_GT(info.Duration, 30000) << name;
        EXPECT_EQ(info.FileName, name);
    }
    for (const char* name : { "Dvor_posle_urokov.ogg", "Utro_v_novom_gorode.ogg", "Zimnie_kanikuly.ogg" }) {
        TOggVorbis ogg;
        ogg.ReadFile(folder + name);
        EXPECT_TRUE(ogg.Valid) << name;
        EXPECT_GT(ogg.Channels, 0) << name;
        EXPECT_GT(ogg.SampleRate, 0) << name;
        EXPECT_GT(ogg.Samples, ogg.SampleRate * 30) << name;
    }
}

TEST(StreamInfo, EveryCutOfAFileReadsWithoutReadingPastItsEnd)
{
    // The shipped files' beginnings and ends, cut at every length: the readers must stay inside the bytes they get.
    const QString folder = QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/");
    const QByteArray mp3 = ReadBytes(folder + "Peremena.mp3");
    const QByteArray ogg = ReadBytes(folder + "Dvor_posle_urokov.ogg");
    // Without its inputs the test would cut nothing and pass.
    ASSERT_GE(mp3.size(), 800) << "Data/Soundtracks/Peremena.mp3 is missing";
    ASSERT_GE(ogg.size(), 4500) << "Data/Soundtracks/Dvor_posle_urokov.ogg is missing";
    static const char tag[] = "ID3\x03\0\0\0\0\0\x30TIT2\0\0\0\x20\0\0\0Name";
    QByteArray id3(tag, sizeof tag - 1);
    id3 += QByteArray(40, 'A');
    for (const QByteArray& whole : { mp3.left(600) + mp3.right(200), ogg.left(4500), id3 + ogg.left(300) }) {
        for (qsizetype length = 0; length <= whole.size(); ++length) {
            const QByteArray cut = whole.left(length);
            TMP3Info info;
            info.Read(AsBytes(cut));
            TID3v2 tag;
            tag.Read(AsBytes(cut));
            TOggVorbis vorbis;
            vorbis.Read(AsBytes(cut));
        }
    }
}

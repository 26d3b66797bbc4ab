// MP3 stream facts: the MPEG audio frame header, the frame scan and the file information with its ID3v1 tag.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <span>

using ByteSpan = std::span<const std::uint8_t>;

// One MPEG audio frame header, taken from its 32-bit big-endian header word.
struct TMPEGHeader {
    int version = 0; // 1 = MPEG-1, 2 = MPEG-2, 3 = MPEG-2.5, 0 = invalid
    int layer = 0; // 1..3, 0 = invalid
    int bitRateIndex = 0;
    int sampleRateIndex = 0;
    int padding = 0;
    bool protection = false;
    bool copyright = false;
    bool original = false;
    int channelMode = 0; // 3 = mono
    int sampleRate = 0; // Hz
    int bitRate = 0; // kbit/s
    int frameLength = 0; // bytes, header included
    bool valid = false;
};

// Decodes a header word; `valid` only when the sync bits are set and version, layer, bit rate and sample rate exist.
TMPEGHeader DecodeMPEGHeader(std::uint32_t word);

// The length in bytes of a frame of that version and layer (MPEG-2 and 2.5 layer III frames hold half the samples
// of MPEG-1 ones, layer I frames are counted in four-byte slots).
int MPEGFrameLength(int version, int layer, int bitRate, int sampleRate, int padding);

// The samples one frame holds: 384 in layer I, 1152 in layer II and in MPEG-1 layer III, 576 in MPEG-2 and 2.5
// layer III.
int MPEGFrameSamples(int version, int layer);

// Where a frame was found.
struct TFrameFound {
    bool found = false;
    std::int64_t offset = 0;
    TMPEGHeader header;
};

// Looks for the first frame at or after `start` whose header is valid and is followed, one frame length on, by a
// second valid header. Searches no further than `limit` bytes past the start and never into the last 96 bytes.
TFrameFound FindMPEGFrame(ByteSpan bytes, std::int64_t start, std::int64_t limit);

// How far from the start the file information looks for the first frame, and how far a seek looks for the next one.
constexpr std::int64_t FrameScanLimit = 4096;
constexpr std::int64_t SeekScanLimit = 1729;

// The ID3v1 genre names 0..80; a number above 80 gives "Invalid Genre Number".
constexpr int GenreCount = 81;
QString GenreName(int genre);

// What an MP3 file tells before it is decoded.
class TMP3Info {
public:
    // Reads the facts of the file's bytes; a file without a frame in the 4096 bytes after its start (after a leading
    // ID3v2 tag) tells nothing.
    void Read(ByteSpan bytes);
    // Reads the file itself (name, size, date and the facts); a file that cannot be read tells nothing.
    void ReadFile(const QString& path);

    QString FileName;
    std::int64_t FileSize = 0;
    QDateTime FileDate;
    QString Title, Artist, Album, Comment, Year;
    int Genre = 80;
    bool TagPresent = false;
    bool FrameFound = false;
    std::int64_t FirstFrameOffset = 0;
    TMPEGHeader FirstFrame;
    // The frames of sound: from the Xing or Info frame an encoder puts first (which holds no sound itself), else
    // counted through the file.
    std::int64_t Frames = 0;
    // Samples the encoder added before and after the sound (its LAME tag), which the decoder leaves out.
    int EncoderDelay = 0;
    int EncoderPadding = 0;
    std::int64_t Duration = 0; // ms, of the samples the decoder gives

    QString GenreText() const { return GenreName(Genre); }

private:
    void countFrames(ByteSpan bytes, std::int64_t end);
};

// Reads a whole file for the readers, at most `limit` bytes; empty when it is not a regular file (after following
// links), cannot be read, or is longer.
QByteArray ReadWholeFile(const QString& path, qint64 limit = 512 * 1024 * 1024);

inline ByteSpan AsBytes(const QByteArray& data)
{
    return ByteSpan(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()));
}

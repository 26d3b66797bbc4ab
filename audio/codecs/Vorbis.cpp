// The Ogg Vorbis codec library: a thin C adapter over libvorbisfile (decoding, seeking) and libvorbisenc (encoding).
#include "audio/codecs/CodecApi.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vorbis/vorbisenc.h>
#include <vector>
#include <vorbis/vorbisfile.h>

namespace {
// The size of the pieces the game reads in.
constexpr int32_t ChunkSize = 4096;

// An open Ogg Vorbis file: the decoder, and the file it reads as far as the decoder is shown it. Both are ours to
// close.
struct Decoding {
    OggVorbis_File vorbis;
    FILE* stream = nullptr;
    off_t end = 0; // the decoder sees the file end here
    off_t position = 0;
};

OggVorbis_File* File(VbDecoder* decoder) { return &static_cast<Decoding*>(decoder->file)->vorbis; }

// Opens a regular file for reading (after following links). The name is looked at first, the opening never waits
// (a FIFO put in its place meanwhile would block), and what was opened is looked at again.
FILE* OpenRegularFile(const char* fileName)
{
    struct stat info;
    if (::stat(fileName, &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    const int fd = ::open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    const int flags = ::fcntl(fd, F_GETFL);
    FILE* stream = nullptr;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flags >= 0
        && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0)
        stream = ::fdopen(fd, "rb");
    if (!stream)
        ::close(fd);
    return stream;
}

// The longest Ogg page: a header with 255 segments of 255 bytes each.
constexpr size_t MaxPage = 27 + 255 + 255 * 255;

// The length of the Ogg page that starts at bytes[at], when a whole one with the right checksum starts there as
// libogg's page reader takes one; otherwise 0.
size_t PageAt(const unsigned char* bytes, size_t size, size_t at)
{
    if (size - at < 27 || std::memcmp(bytes + at, "OggS", 4) != 0)
        return 0;
    const size_t headerLength = 27 + size_t(bytes[at + 26]);
    if (size - at < headerLength)
        return 0;
    size_t bodyLength = 0;
    for (size_t i = 27; i < headerLength; ++i)
        bodyLength += bytes[at + i];
    if (size - at - headerLength < bodyLength)
        return 0;
    unsigned char header[27 + 255];
    std::memcpy(header, bytes + at, headerLength);
    ogg_page page { header, long(headerLength), const_cast<unsigned char*>(bytes + at + headerLength), long(bodyLength) };
    ogg_page_checksum_set(&page);
    return std::memcmp(header + 22, bytes + at + 22, 4) == 0 ? headerLength + bodyLength : 0;
}

// Calls visit(offset, page) for every whole page with the right checksum that starts in the first `end` bytes of the
// file, wherever it starts (also inside another page), in order, until visit returns false.
template <class Visit> void ForEachPage(FILE* stream, off_t end, Visit visit)
{
    constexpr size_t Step = 1 << 20;
    std::vector<unsigned char> window(Step + MaxPage);
    for (off_t start = 0; start < end; start += off_t(Step)) {
        const size_t wanted = size_t(std::min<off_t>(off_t(window.size()), end - start));
        if (::fseeko(stream, start, SEEK_SET) != 0)
            return;
        const size_t got = std::fread(window.data(), 1, wanted, stream);
        // Pages starting in this step (or up to the end, at the end); one that does not fit in the window runs past
        // the end.
        const size_t starts = got < wanted ? got : std::min(got, Step);
        for (size_t at = 0; at < starts; ++at) {
            const void* next = std::memchr(window.data() + at, 'O', starts - at);
            if (!next)
                break;
            at = size_t(static_cast<const unsigned char*>(next) - window.data());
            if (const size_t length = PageAt(window.data(), got, at)) {
                if (!visit(start + off_t(at), window.data() + at, length))
                    return;
            }
        }
        if (got < wanted)
            return;
    }
}

// The serial numbers of the streams that begin the file: the beginning-of-stream pages that libvorbisfile reads
// first, one after the other from the first page on.
std::vector<int> FirstSerials(FILE* stream, off_t end)
{
    std::vector<int> serials;
    off_t next = 0;
    ForEachPage(stream, end, [&](off_t at, const unsigned char* page, size_t length) {
        if (at < next)
            return true; // inside a page already read
        if (!(page[5] & 0x02))
            return false;
        int serial = 0;
        std::memcpy(&serial, page + 14, 4);
        serials.push_back(serial);
        next = at + off_t(length);
        return true;
    });
    return serials;
}

// Where the decoder's view of the file ends. libvorbisfile 1.3.7 loses a few bytes when it takes a file for a chain
// of streams and then cannot read the headers of a later one (_bisect_forward_serialno forgets its list of serial
// numbers on that way out). So the decoder is shown the first streams only: the file ends for it where any page of
// another stream starts, even one inside another page, as its search backwards from the end could come upon.
off_t FirstStreamsEnd(FILE* stream)
{
    if (::fseeko(stream, 0, SEEK_END) != 0)
        return 0;
    off_t end = ::ftello(stream);
    // Cutting can cut off a stream that began the file: then its pages are foreign too.
    for (bool cut = true; cut && end > 0;) {
        const std::vector<int> serials = FirstSerials(stream, end);
        cut = false;
        ForEachPage(stream, end, [&](off_t at, const unsigned char* page, size_t) {
            int serial = 0;
            std::memcpy(&serial, page + 14, 4);
            if (std::find(serials.begin(), serials.end(), serial) != serials.end())
                return true;
            end = at;
            cut = true;
            return false;
        });
    }
    return end < 0 ? 0 : end;
}

// libvorbisfile reads through these, within the part of the file it is shown. The file is closed by us, never by the
// library, so that every way out of opening frees the same things.
size_t ReadStream(void* target, size_t size, size_t count, void* source)
{
    auto* decoding = static_cast<Decoding*>(source);
    if (size == 0)
        return 0;
    const size_t left = size_t(std::max<off_t>(decoding->end - decoding->position, 0));
    const size_t got = std::fread(target, size, std::min(count, left / size), decoding->stream);
    decoding->position += off_t(got * size);
    return got;
}

int SeekStream(void* source, ogg_int64_t offset, int whence)
{
    auto* decoding = static_cast<Decoding*>(source);
    const off_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? decoding->position : decoding->end;
    const off_t target = base + off_t(offset);
    if ((whence != SEEK_SET && whence != SEEK_CUR && whence != SEEK_END) || target < 0 || target > decoding->end
        || ::fseeko(decoding->stream, target, SEEK_SET) != 0)
        return -1;
    decoding->position = target;
    return 0;
}

long TellStream(void* source) { return long(static_cast<Decoding*>(source)->position); }

const ov_callbacks StreamCallbacks = { &ReadStream, &SeekStream, nullptr, &TellStream };

void CloseDecoding(Decoding* decoding)
{
    ov_clear(&decoding->vorbis);
    std::fclose(decoding->stream);
    delete decoding;
}

void CopyComment(vorbis_comment* comment, const char* tag, char* target, size_t size)
{
    target[0] = '\0';
    if (const char* value = comment ? vorbis_comment_query(comment, tag, 0) : nullptr) {
        std::strncpy(target, value, size - 1);
        target[size - 1] = '\0';
    }
}

// Seconds as whole milliseconds, within what the decoder record holds: a damaged file may claim days of samples.
int32_t Milliseconds(double seconds)
{
    if (!(seconds > 0))
        return 0;
    return seconds >= double(INT32_MAX) / 1000 ? INT32_MAX : int32_t(seconds * 1000);
}

// A count the library gives as a long, within what the info record holds.
int32_t Within32(long value) { return int32_t(std::clamp<long>(value, INT32_MIN, INT32_MAX)); }

void Update(VbDecoder* decoder) { decoder->position = Milliseconds(ov_time_tell(File(decoder))); }

struct Encoder {
    FILE* file = nullptr;
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    int channels = 0;
    bool failed = false;

    void writePage(const ogg_page& page)
    {
        if (std::fwrite(page.header, 1, size_t(page.header_len), file) != size_t(page.header_len)
            || std::fwrite(page.body, 1, size_t(page.body_len), file) != size_t(page.body_len))
            failed = true;
    }
    // Runs the analysis on what was handed over and writes every page it made.
    void drain()
    {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page))
                    writePage(page);
            }
        }
        if (ogg_stream_eos(&stream))
            while (ogg_stream_flush(&stream, &page))
                writePage(page);
    }
};
}

extern "C" {

CODEC_EXPORT int vbDecOpen(VbDecoder* decoder, VbInfo* info, const char* fileName)
{
    if (!decoder || !info || !fileName)
        return -1;
    std::memset(info, 0, sizeof *info);
    decoder->file = nullptr;
    FILE* stream = OpenRegularFile(fileName);
    if (!stream)
        return -1;
    auto* decoding = new Decoding;
    decoding->stream = stream;
    decoding->end = FirstStreamsEnd(stream);
    // On failure the library has cleared what it made; the file is still ours.
    if (::fseeko(stream, 0, SEEK_SET) != 0
        || ov_open_callbacks(decoding, &decoding->vorbis, nullptr, 0, StreamCallbacks) != 0) {
        std::fclose(stream);
        delete decoding;
        return -1;
    }
    OggVorbis_File* file = &decoding->vorbis;
    vorbis_info* vi = ov_info(file, -1);
    if (!vi || vi->channels < 1 || vi->channels > 2) {
        CloseDecoding(decoding);
        return -1;
    }
    decoder->file = decoding;
    decoder->chunkSize = ChunkSize;
    decoder->endOfStream = 0;
    decoder->position = 0;
    decoder->total = Milliseconds(ov_time_total(file, -1));
    info->channels = vi->channels;
    info->sampleRate = Within32(vi->rate);
    info->bitRate = Within32(vi->bitrate_nominal > 0 ? vi->bitrate_nominal : ov_bitrate(file, -1));
    info->duration = decoder->total;
    vorbis_comment* comment = ov_comment(file, -1);
    CopyComment(comment, "TITLE", info->title, sizeof info->title);
    CopyComment(comment, "ARTIST", info->artist, sizeof info->artist);
    return 0;
}

CODEC_EXPORT int vbDecRead(VbDecoder* decoder, uint8_t* buffer, int size)
{
    if (!decoder || !decoder->file || !buffer || size <= 0)
        return -1;
    int filled = 0;
    while (filled < size) {
        int section = 0;
        const long got = ov_read(File(decoder), reinterpret_cast<char*>(buffer + filled), size - filled,
            __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__, 2, 1, &section);
        if (got == OV_HOLE)
            continue;
        if (got < 0) {
            Update(decoder);
            return filled > 0 ? filled : -1;
        }
        if (got == 0) {
            decoder->endOfStream = 1;
            break;
        }
        filled += int(got);
    }
    Update(decoder);
    return filled;
}

CODEC_EXPORT int vbDecSeek(VbDecoder* decoder, int32_t ms)
{
    if (!decoder || !decoder->file || ms < 0)
        return -1;
    if (ov_time_seek(File(decoder), double(ms) / 1000) != 0)
        return -1;
    decoder->endOfStream = 0;
    Update(decoder);
    return 0;
}

CODEC_EXPORT void vbDecClose(VbDecoder* decoder)
{
    if (!decoder || !decoder->file)
        return;
    CloseDecoding(static_cast<Decoding*>(decoder->file));
    decoder->file = nullptr;
}

CODEC_EXPORT void* vbEncOpen(const char* fileName, int32_t channels, int32_t sampleRate, float quality)
{
    if (!fileName || channels < 1 || channels > 2 || sampleRate < 8000 || sampleRate > 192000)
        return nullptr;
    auto* encoder = new Encoder;
    encoder->channels = channels;
    vorbis_info_init(&encoder->info);
    if (vorbis_encode_init_vbr(&encoder->info, channels, sampleRate, quality) != 0) {
        vorbis_info_clear(&encoder->info);
        delete encoder;
        return nullptr;
    }
    encoder->file = std::fopen(fileName, "wb");
    if (!encoder->file) {
        vorbis_info_clear(&encoder->info);
        delete encoder;
        return nullptr;
    }
    vorbis_comment_init(&encoder->comment);
    vorbis_comment_add_tag(&encoder->comment, "ENCODER", "Trambul");
    vorbis_analysis_init(&encoder->dsp, &encoder->info);
    vorbis_block_init(&encoder->dsp, &encoder->block);
    // Any serial number will do for a file of one stream.
    ogg_stream_init(&encoder->stream, int(std::time(nullptr) ^ reinterpret_cast<std::uintptr_t>(encoder)));
    ogg_packet header, comment, code;
    vorbis_analysis_headerout(&encoder->dsp, &encoder->comment, &header, &comment, &code);
    ogg_stream_packetin(&encoder->stream, &header);
    ogg_stream_packetin(&encoder->stream, &comment);
    ogg_stream_packetin(&encoder->stream, &code);
    ogg_page page;
    while (ogg_stream_flush(&encoder->stream, &page))
        encoder->writePage(page);
    return encoder;
}

CODEC_EXPORT int vbEncWrite(void* handle, const int16_t* samples, int32_t frames)
{
    auto* encoder = static_cast<Encoder*>(handle);
    if (!encoder || frames < 0 || (frames > 0 && !samples))
        return -1;
    if (frames == 0) {
        vorbis_analysis_wrote(&encoder->dsp, 0);
    } else {
        float** buffer = vorbis_analysis_buffer(&encoder->dsp, frames);
        for (int32_t i = 0; i < frames; ++i)
            for (int c = 0; c < encoder->channels; ++c)
                buffer[c][i] = float(samples[i * encoder->channels + c]) / 32768.0f;
        vorbis_analysis_wrote(&encoder->dsp, frames);
    }
    encoder->drain();
    return encoder->failed ? -1 : 0;
}

CODEC_EXPORT int vbEncClose(void* handle)
{
    auto* encoder = static_cast<Encoder*>(handle);
    if (!encoder)
        return -1;
    if (!ogg_stream_eos(&encoder->stream)) {
        vorbis_analysis_wrote(&encoder->dsp, 0);
        encoder->drain();
    }
    ogg_stream_clear(&encoder->stream);
    vorbis_block_clear(&encoder->block);
    vorbis_dsp_clear(&encoder->dsp);
    vorbis_comment_clear(&encoder->comment);
    vorbis_info_clear(&encoder->info);
    const bool closed = std::fclose(encoder->file) == 0;
    const bool ok = closed && !encoder->failed;
    delete encoder;
    return ok ? 0 : -1;
}

CODEC_EXPORT void vbVersion(VbVersion* version)
{
    if (!version)
        return;
    // This library's own version and date, and the version of the Vorbis engine under it.
    *version = VbVersion { 1, 0, 0, 0, 7, 12, 2026 };
    int major = 0, minor = 0;
    if (std::sscanf(vorbis_version_string(), "%*s %*s %d.%d", &major, &minor) == 2) {
        version->engineMajor = major;
        version->engineMinor = minor;
    }
}
}

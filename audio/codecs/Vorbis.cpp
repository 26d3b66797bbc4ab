// The Ogg Vorbis codec library: a thin C adapter over libvorbisfile (decoding, seeking) and libvorbisenc (encoding).
#include "audio/codecs/CodecApi.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

namespace {
// The size of the pieces the game reads in.
constexpr int32_t ChunkSize = 4096;

// An open Ogg Vorbis file: the decoder and the stream it reads, which is ours to close.
struct Decoding {
    OggVorbis_File vorbis;
    FILE* stream = nullptr;
};

OggVorbis_File* File(VbDecoder* decoder) { return &static_cast<Decoding*>(decoder->file)->vorbis; }

// Opens a regular file for reading (after following links). The name is looked at first, the opening never waits
// (a FIFO put in its place meanwhile would block), and what was opened is looked at again.
FILE* OpenRegularFile(const char* fileName)
{
    struct stat info;
    if (::stat(fileName, &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    const int fd = ::open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

// libvorbisfile reads through these; the stream is closed by us, never by the library, so that every way out of
// opening frees the same things.
size_t ReadStream(void* target, size_t size, size_t count, void* stream)
{
    return std::fread(target, size, count, static_cast<FILE*>(stream));
}

int SeekStream(void* stream, ogg_int64_t offset, int whence)
{
    return ::fseeko(static_cast<FILE*>(stream), off_t(offset), whence);
}

long TellStream(void* stream) { return long(::ftello(static_cast<FILE*>(stream))); }

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

void Update(VbDecoder* decoder)
{
    const double now = ov_time_tell(File(decoder));
    decoder->position = now > 0 ? int32_t(now * 1000) : 0;
}

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
    // On failure the library has cleared what it made; the stream is still ours.
    if (ov_open_callbacks(stream, &decoding->vorbis, nullptr, 0, StreamCallbacks) != 0) {
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
    const double seconds = ov_time_total(file, -1);
    decoder->total = seconds > 0 ? int32_t(seconds * 1000) : 0;
    info->channels = vi->channels;
    info->sampleRate = int32_t(vi->rate);
    info->bitRate = int32_t(vi->bitrate_nominal > 0 ? vi->bitrate_nominal : ov_bitrate(file, -1));
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

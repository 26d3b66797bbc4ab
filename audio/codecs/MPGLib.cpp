// The MP3 codec library: a thin C adapter over libmpg123's feed decoder.
#include "audio/codecs/CodecApi.h"

#include <cstring>
#include <mpg123.h>
#include <mutex>

namespace {
std::once_flag initialised;

mpg123_handle* Handle(void* stream) { return static_cast<mpg123_handle*>(stream); }
}

extern "C" {

CODEC_EXPORT int MpgLib_OpenStream(void** stream)
{
    if (!stream)
        return -1;
    *stream = nullptr;
    std::call_once(initialised, [] { mpg123_init(); });
    int error = MPG123_OK;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (!handle)
        return -1;
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Always 16-bit samples, whatever rate and channels the file has.
    mpg123_format_none(handle);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(handle) != MPG123_OK) {
        mpg123_delete(handle);
        return -1;
    }
    *stream = handle;
    return 0;
}

CODEC_EXPORT int MpgLib_DecodeChunk(
    void* stream, const uint8_t* input, int length, uint8_t* output, int size, int* written)
{
    if (written)
        *written = 0;
    if (!stream || !output || size <= 0 || length < 0 || (length > 0 && !input))
        return MPGLIB_ERROR;
    size_t done = 0;
    int result = mpg123_decode(Handle(stream), input, size_t(length), output, size_t(size), &done);
    // A new format is announced once, before its first samples: ask again for them.
    while (result == MPG123_NEW_FORMAT && done == 0)
        result = mpg123_decode(Handle(stream), nullptr, 0, output, size_t(size), &done);
    if (written)
        *written = int(done);
    if (done > 0)
        return MPGLIB_OK;
    if (result == MPG123_NEED_MORE || result == MPG123_OK || result == MPG123_NEW_FORMAT || result == MPG123_DONE)
        return MPGLIB_NEED_MORE;
    return MPGLIB_ERROR;
}

CODEC_EXPORT void MpgLib_CloseStream(void* stream)
{
    if (stream)
        mpg123_delete(Handle(stream));
}

CODEC_EXPORT const char* MpgLib_Version(void) { return "1.0 mpg123"; }

CODEC_EXPORT int MpgLib_GetBitRate(void* stream)
{
    mpg123_frameinfo info;
    if (!stream || mpg123_info(Handle(stream), &info) != MPG123_OK)
        return 0;
    return info.bitrate;
}

CODEC_EXPORT void MpgLib_Flush(void* stream)
{
    if (!stream)
        return;
    // Reopening the feed forgets what was buffered; the format stays negotiated.
    mpg123_close(Handle(stream));
    mpg123_open_feed(Handle(stream));
}
}

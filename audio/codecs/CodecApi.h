/* The C interface of the game's two codec libraries, loaded at run time by name: "MPGLib" decodes MP3 fed to it
   frame by frame, "Vorbis" decodes and encodes Ogg Vorbis files. Both give 16-bit signed native-endian samples,
   channels interleaved. */
#ifndef TRAMBUL_CODEC_API_H
#define TRAMBUL_CODEC_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define CODEC_EXPORT __attribute__((visibility("default")))

/* MP3. MpgLib_OpenStream gives a stream handle in *stream and returns 0, or -1 when no stream can be made.
   MpgLib_DecodeChunk feeds `length` bytes (may be 0) and writes at most `size` bytes of samples; it returns
   MPGLIB_OK with *written > 0, MPGLIB_NEED_MORE when more input is needed first, MPGLIB_ERROR on a broken stream. */
enum { MPGLIB_OK = 0, MPGLIB_NEED_MORE = 1, MPGLIB_ERROR = 2 };
typedef int (*MpgLib_OpenStream_t)(void** stream);
typedef int (*MpgLib_DecodeChunk_t)(
    void* stream, const uint8_t* input, int length, uint8_t* output, int size, int* written);
typedef void (*MpgLib_CloseStream_t)(void* stream);
/* The version text, at most 14 characters. */
typedef const char* (*MpgLib_Version_t)(void);
/* The bit rate of the last decoded frame in kbit/s, 0 before the first. */
typedef int (*MpgLib_GetBitRate_t)(void* stream);
/* Forgets buffered input and output (after a seek). */
typedef void (*MpgLib_Flush_t)(void* stream);

/* Ogg Vorbis decoding. The caller sets chunkSize to 256 and endOfStream to 0 before vbDecOpen; the library sets
   chunkSize to the chunk size it reads in, and keeps position and total (milliseconds) and endOfStream current. */
typedef struct VbDecoder {
    int32_t chunkSize;
    int32_t endOfStream;
    int32_t position;
    int32_t total;
    void* file;
} VbDecoder;
typedef struct VbInfo {
    int32_t channels;
    int32_t sampleRate;
    int32_t bitRate; /* nominal, bit/s */
    int32_t duration; /* ms */
    char title[256]; /* UTF-8 */
    char artist[256];
} VbInfo;
typedef struct VbVersion {
    int32_t major, minor, engineMajor, engineMinor, day, month, year;
} VbVersion;
/* Returns 0 when the file is open; fileName is UTF-8 and must name a regular file (after following links): a FIFO
   or a device is refused without waiting on it. Of a chain of streams (Ogg files put one after the other) the
   first is played. */
typedef int (*vbDecOpen_t)(VbDecoder* decoder, VbInfo* info, const char* fileName);
/* Fills at most `size` bytes; returns the bytes written, 0 at the end, negative on a broken stream. */
typedef int (*vbDecRead_t)(VbDecoder* decoder, uint8_t* buffer, int size);
/* Returns 0 once the next read starts at `ms`. */
typedef int (*vbDecSeek_t)(VbDecoder* decoder, int32_t ms);
typedef void (*vbDecClose_t)(VbDecoder* decoder);
/* Encoding, for the game's tools and tests: returns a handle or null; quality -0.1..1. */
typedef void* (*vbEncOpen_t)(const char* fileName, int32_t channels, int32_t sampleRate, float quality);
/* Writes `frames` frames of interleaved samples; returns 0 on success. Zero frames end the stream. */
typedef int (*vbEncWrite_t)(void* encoder, const int16_t* samples, int32_t frames);
/* Ends the stream and closes the file; returns 0 when all was written. */
typedef int (*vbEncClose_t)(void* encoder);
typedef void (*vbVersion_t)(VbVersion* version);

#ifdef __cplusplus
}
#endif

#endif

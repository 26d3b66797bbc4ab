#include "audio/MediaPlayer.h"

#include "audio/RegularFile.h"
#include "audio/SdlLibrary.h"
#include "audio/SoundDevice.h"
#include "core/DataPath.h"

#include <QFileInfo>
#include <algorithm>

namespace {
// The player whose file holds the device's one music track.
TMediaPlayer* musicOwner = nullptr;

int BytesPerFrame(const SoundDevice& device)
{
    return std::max(1, device.channels() * int(SDL_AUDIO_BITSIZE(device.format()) / 8));
}

// The kind of music the mixer takes a file for, by its extension as the mixer's own file loading does; by its first
// bytes when the extension tells nothing.
Mix_MusicType MusicType(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == QLatin1String("MID") || extension == QLatin1String("MIDI") || extension == QLatin1String("KAR"))
        return MUS_MID;
    if (extension == QLatin1String("OGG"))
        return MUS_OGG;
    if (extension == QLatin1String("MP3") || extension == QLatin1String("MPG") || extension == QLatin1String("MPEG"))
        return MUS_MP3;
    if (extension == QLatin1String("FLAC"))
        return MUS_FLAC;
    return MUS_NONE;
}
}

TMediaPlayer::TMediaPlayer(SoundDevice& device)
    : m_device(device)
{
}

TMediaPlayer::TMediaPlayer()
    : TMediaPlayer(SoundDevice::Shared())
{
}

TMediaPlayer::~TMediaPlayer() { close(); }

void TMediaPlayer::Open()
{
    close();
    if (m_fileName.isEmpty() || !m_device.Open())
        return;
    // Only a regular file is opened (a FIFO or a device could block the game or never end), and the mixer reads no
    // more of it than a file of music can hold.
    SDL_RWops* stream = OpenRegularStream(DataPath(m_fileName), MaxMediaFileSize);
    if (!stream)
        return;
    if (QFileInfo(m_fileName).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0) {
        m_chunk = Sdl().Mix_LoadWAV_RW(stream, 1);
        if (m_chunk)
            m_length = std::int64_t(m_chunk->alen / BytesPerFrame(m_device)) * 1000 / std::max(1, m_device.frequency());
    } else {
        m_music = Sdl().Mix_LoadMUSType_RW(stream, MusicType(m_fileName), 1);
        if (m_music) {
            const double seconds = Sdl().Mix_MusicDuration(m_music);
            m_length = seconds > 0 ? std::int64_t(seconds * 1000) : -1;
        }
    }
}

void TMediaPlayer::Play()
{
    if (!IsOpen())
        return;
    update();
    if (m_playing)
        return;
    if (m_ended) {
        // Played to its end: once more from the start.
        m_ended = false;
        m_position = 0;
    }
    if (m_chunk) {
        const int frame = BytesPerFrame(m_device);
        const std::int64_t offset
            = std::min<std::int64_t>(m_position * m_device.frequency() / 1000 * frame, m_chunk->alen / frame * frame);
        m_tail = *m_chunk;
        m_tail.allocated = 0;
        m_tail.abuf = m_chunk->abuf + offset;
        m_tail.alen = Uint32(m_chunk->alen - offset);
        m_channel = Sdl().Mix_PlayChannel(-1, &m_tail, 0);
        if (m_channel < 0)
            return;
    } else {
        if (musicOwner && musicOwner != this)
            musicOwner->Stop();
        if (Sdl().Mix_PlayMusic(m_music, 0) != 0)
            return;
        musicOwner = this;
        if (m_position > 0)
            Sdl().Mix_SetMusicPosition(double(m_position) / 1000);
    }
    m_playing = true;
    m_startTicks = Sdl().SDL_GetTicks64();
    m_startPosition = m_position;
}

void TMediaPlayer::Stop()
{
    update();
    if (!m_playing)
        return;
    m_position = playingPosition();
    halt();
}

void TMediaPlayer::Rewind()
{
    update();
    if (m_playing)
        halt();
    m_ended = false;
    m_position = 0;
}

std::int64_t TMediaPlayer::Position()
{
    update();
    if (m_playing)
        return playingPosition();
    return m_position;
}

std::int64_t TMediaPlayer::Length()
{
    update();
    if (m_length >= 0)
        return m_length;
    if (m_ended)
        return m_position;
    return Position() + 1;
}

void TMediaPlayer::close()
{
    if (m_playing)
        halt();
    if (m_chunk)
        Sdl().Mix_FreeChunk(m_chunk);
    if (m_music)
        Sdl().Mix_FreeMusic(m_music);
    if (musicOwner == this)
        musicOwner = nullptr;
    m_chunk = nullptr;
    m_music = nullptr;
    m_length = -1;
    m_position = 0;
    m_ended = false;
}

void TMediaPlayer::halt()
{
    if (stillSounding()) {
        if (m_chunk)
            Sdl().Mix_HaltChannel(m_channel);
        else
            Sdl().Mix_HaltMusic();
    }
    if (musicOwner == this)
        musicOwner = nullptr;
    m_playing = false;
}

bool TMediaPlayer::stillSounding() const
{
    if (m_chunk)
        return m_channel >= 0 && Sdl().Mix_Playing(m_channel) && Sdl().Mix_GetChunk(m_channel) == &m_tail;
    return m_music && musicOwner == this && Sdl().Mix_PlayingMusic();
}

void TMediaPlayer::update()
{
    if (!m_playing || stillSounding())
        return;
    m_position = m_length >= 0 ? m_length : elapsed();
    m_playing = false;
    m_ended = true;
    if (musicOwner == this)
        musicOwner = nullptr;
}

std::int64_t TMediaPlayer::elapsed() const
{
    return m_startPosition + std::int64_t(Sdl().SDL_GetTicks64() - m_startTicks);
}

// While it still sounds, the position stays short of a known length.
std::int64_t TMediaPlayer::playingPosition() const
{
    const std::int64_t position = elapsed();
    return m_length >= 0 ? std::clamp<std::int64_t>(position, 0, std::max<std::int64_t>(0, m_length - 1)) : position;
}

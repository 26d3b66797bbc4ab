#include "audio/OggPlayer.h"

#include "audio/RegularFile.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QThread>
#include <cstring>

namespace {
constexpr int MP3ChunkSize = 4608;
constexpr int PlayerNoSamples = 2304;

// Steps 0..6: idle, lowest, below normal, normal, above normal, highest, time-critical.
constexpr QThread::Priority Priorities[7] = { QThread::IdlePriority, QThread::LowestPriority, QThread::LowPriority,
    QThread::NormalPriority, QThread::HighPriority, QThread::HighestPriority, QThread::TimeCriticalPriority };

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }
}

TOggPlayer::TOggPlayer(QObject* owner)
    : QObject(owner)
{
    SetPriority(5);
    const bool mp3 = m_mpg.Load();
    const bool ogg = m_vorbis.Load();
    if (mp3 || ogg) {
        m_out = std::make_unique<TAudioOut>();
        m_out->SetBitsPerSample(TBPS::_16);
        m_out->SetNoSamples(PlayerNoSamples);
        m_out->OnBufferPlayed
            = [this](TAudioOut&, char* buffer, std::uint32_t& size) { return fillBuffer(buffer, size); };
        m_out->OnPlayed = [this](TAudioOut&) { played(); };
        for (auto& chunk : m_chunks)
            chunk.assign(MP3ChunkSize, 0);
        m_input.assign(MP3ChunkSize / 2, 0);
        m_mp3Ready = mp3;
        m_oggReady = ogg;
        if (m_out->ReadyToGo())
            m_state = Ready;
    }
    m_version = mp3 ? QStringLiteral("MpgLib.dll : ") + QString::fromLatin1(m_mpg.Version()).left(14)
                    : QStringLiteral("MpgLib.dll : N.A.");
    if (ogg) {
        VbVersion v {};
        m_vorbis.Version(&v);
        m_version += QStringLiteral(", Vorbis.dll : Ver %1.%2 (Engine Ver : %3.%4, Date : %5-%6-%7)")
                         .arg(v.major)
                         .arg(TwoDigits(v.minor))
                         .arg(v.engineMajor)
                         .arg(TwoDigits(v.engineMinor))
                         .arg(v.day)
                         .arg(v.month)
                         .arg(v.year);
    } else {
        m_version += QStringLiteral(", Vorbis.dll : N.A.");
    }
}

TOggPlayer::~TOggPlayer()
{
    OnPosChanged = nullptr;
    OnPlayEnd = nullptr;
    OnBitRateChange = nullptr;
    if (m_state == Playing && m_out)
        m_out->StopFeeding();
    closeFile();
    m_out.reset();
    applyPriority(3);
}

void TOggPlayer::SetPriority(int step)
{
    m_priority = std::clamp(step, 0, 6);
    if (m_state == Playing)
        applyPriority(m_priority);
}

void TOggPlayer::applyPriority(int step)
{
    QThread* thread = QThread::currentThread();
    if (thread && thread->isRunning())
        thread->setPriority(Priorities[step]);
}

bool TOggPlayer::Open(const QString& fileName)
{
    if ((!m_mp3Ready && !m_oggReady) || m_fileOpen || m_state == NotInitialised)
        return false;
    const QString extension = QLatin1Char('.') + QFileInfo(fileName).suffix().toUpper();
    m_title.clear();
    m_artist.clear();
    m_album.clear();
    m_genre.clear();
    // Nothing opens a FIFO, a device or a folder that a playlist names: it could block or never end.
    if (!IsRegularFile(fileName))
        return false;
    if (extension == QLatin1String(".MP3")) {
        if (!m_mp3Ready)
            return false;
        TMP3Info info;
        info.ReadFile(fileName);
        if (!info.FrameFound)
            return false;
        if (!OpenRegularFile(m_stream, fileName))
            return false;
        if (m_mpg.OpenStream(&m_mpgStream) == -1) {
            m_stream.close();
            return false;
        }
        m_frame = info.FirstFrame;
        m_dataStart = info.FirstFrameOffset;
        m_dataEnd = m_stream.size() - (info.TagPresent ? 128 : 0);
        m_nextReadLength = m_frame.frameLength + 4;
        m_channels = m_frame.channelMode == 3 ? 1 : 2;
        m_sampleRate = m_frame.sampleRate;
        m_bitRate = m_frame.bitRate * 1000;
        m_duration = std::uint32_t(std::min<std::int64_t>(info.Duration, UINT32_MAX));
        m_title = info.Title;
        m_artist = info.Artist;
        m_album = info.Album;
        m_genre = info.GenreText();
        m_skip = 0;
        m_stream.seek(m_dataStart);
        m_kind = MP3;
        m_chunkSize = MP3ChunkSize;
    } else if (extension == QLatin1String(".OGG")) {
        if (!m_oggReady)
            return false;
        m_decoder = VbDecoder {};
        m_decoder.chunkSize = 256;
        m_decoder.endOfStream = 0;
        if (m_vorbis.DecOpen(&m_decoder, &m_info, QFile::encodeName(fileName).constData()) != 0)
            return false;
        m_channels = m_info.channels;
        m_sampleRate = m_info.sampleRate;
        m_bitRate = m_info.bitRate;
        m_duration = std::uint32_t(std::max(m_info.duration, 0));
        m_title = QString::fromUtf8(m_info.title);
        m_artist = QString::fromUtf8(m_info.artist);
        m_tags.ReadFile(fileName);
        m_album = m_tags.Album;
        m_genre = m_tags.Genre;
        m_kind = Ogg;
        m_chunkSize = std::clamp<int>(m_decoder.chunkSize, 256, 65536);
    } else {
        return false;
    }
    m_fileName = fileName;
    m_fileOpen = true;
    m_out->SetChannels(m_channels == 1 ? TChannels::Mono : TChannels::Stereo);
    m_out->SetSampleRate(m_sampleRate);
    for (auto& chunk : m_chunks)
        if (int(chunk.size()) < m_chunkSize)
            chunk.assign(std::size_t(m_chunkSize), 0);
    m_lastTenths = -1;
    m_startedAt = m_nextStartAt = 0;
    m_state = Opened;
    if (OnPosChanged)
        OnPosChanged(*this, 0);
    return true;
}

void TOggPlayer::Play()
{
    if (!m_fileOpen || m_state == Playing)
        return;
    if (m_state == Opened || m_state == Stopped) {
        if (m_kind == MP3) {
            m_skip = 0;
            m_stream.seek(m_dataStart);
            // What the decoder still holds belongs to where the last play stopped.
            m_mpg.Flush(m_mpgStream);
        } else {
            m_vorbis.DecSeek(&m_decoder, 0);
        }
        m_lastTenths = -1;
        m_nextStartAt = 0;
    }
    if (startOutput()) {
        m_state = Playing;
        applyPriority(m_priority);
    } else {
        finished();
    }
}

bool TOggPlayer::startOutput()
{
    m_startedAt = m_nextStartAt;
    return m_out && m_out->Start();
}

std::uint32_t TOggPlayer::outputMs(std::uint64_t bytes) const
{
    const std::uint64_t bytesPerSecond = std::uint64_t(std::max(m_sampleRate, 1)) * std::max(m_channels, 1) * 2;
    return std::uint32_t(bytes * 1000 / bytesPerSecond);
}

void TOggPlayer::Pause()
{
    if (m_state != Playing)
        return;
    // The device plays out what it holds; the next start goes on after it.
    m_out->StopFeeding();
    m_nextStartAt = m_startedAt + outputMs(m_out->Written());
    m_state = Paused;
}

void TOggPlayer::Resume()
{
    if (m_state != Paused)
        return;
    if (!atEnd() && startOutput()) {
        m_state = Playing;
        applyPriority(m_priority);
    } else {
        finished();
    }
}

void TOggPlayer::Stop()
{
    if (m_state != Playing && m_state != Paused)
        return;
    // Silent at once: the device drops what it holds and closes by itself afterwards.
    m_out->Reset();
    m_state = Stopped;
}

void TOggPlayer::Close()
{
    if (!m_fileOpen)
        return;
    Stop();
    // The output must not ask for bytes of a file that is gone.
    if (m_out)
        m_out->Reset();
    closeFile();
    m_state = Ready;
}

void TOggPlayer::closeFile()
{
    if (!m_fileOpen)
        return;
    if (m_kind == MP3) {
        m_stream.close();
        if (m_mpgStream)
            m_mpg.CloseStream(m_mpgStream);
        m_mpgStream = nullptr;
    } else if (m_kind == Ogg) {
        m_vorbis.DecClose(&m_decoder);
    }
    m_kind = NoFile;
    m_fileOpen = false;
    m_fileName.clear();
}

void TOggPlayer::Seek(std::uint32_t ms)
{
    if (!m_fileOpen || ms > m_duration)
        return;
    const bool wasPlaying = m_state == Playing;
    if (wasPlaying)
        m_skip = 6;
    const std::uint32_t decodedTo = wasPlaying ? m_startedAt + outputMs(m_out->Written()) : m_nextStartAt;
    // What the device still holds is from the old place.
    m_out->Reset();
    bool moved = true;
    if (m_kind == MP3) {
        // The bytes are taken as evenly spread over the duration, which is exact for a constant bit rate and near
        // enough for a variable one.
        const std::int64_t target = m_duration > 0 ? m_dataStart + (m_dataEnd - m_dataStart) * ms / m_duration
                                                   : m_dataStart + std::int64_t(ms) * (m_bitRate / 1000 / 8);
        // The next frame is looked for in a window of the file from the target on.
        m_stream.seek(target);
        const QByteArray window = m_stream.read(SeekScanLimit + 4096);
        const TFrameFound frame = FindMPEGFrame(AsBytes(window), 0, SeekScanLimit);
        if (frame.found) {
            m_stream.seek(target + frame.offset);
            m_nextReadLength = frame.header.frameLength + 4;
        } else {
            m_stream.seek(target);
        }
        m_mpg.Flush(m_mpgStream);
    } else if (m_vorbis.DecSeek(&m_decoder, std::int32_t(ms)) != 0) {
        moved = false;
    }
    if (moved) {
        m_startedAt = m_nextStartAt = ms;
        if (OnPosChanged)
            OnPosChanged(*this, ms);
    } else {
        m_startedAt = m_nextStartAt = decodedTo;
    }
    if (wasPlaying && !startOutput())
        finished();
}

std::uint32_t TOggPlayer::Position()
{
    if (!m_fileOpen || !m_out)
        return 0;
    return m_startedAt + outputMs(m_out->Played());
}

bool TOggPlayer::atEnd()
{
    if (m_kind == MP3)
        return m_stream.pos() >= m_dataEnd;
    return m_decoder.position >= m_decoder.total || m_decoder.endOfStream != 0;
}

bool TOggPlayer::fillBuffer(char* buffer, std::uint32_t& size)
{
    if (!m_fileOpen) {
        size = 0;
        return false;
    }
    // Two chunks fill one buffer; a chunk never takes more than half of it.
    const int capacity = std::min<int>(m_chunkSize, int(size / 2));
    std::uint32_t total = 0;
    for (auto& chunk : m_chunks) {
        const int got = decodeChunk(chunk.data(), capacity);
        if (got <= 0)
            break;
        std::memcpy(buffer + total, chunk.data(), std::size_t(got));
        total += std::uint32_t(got);
    }
    size = total;
    return total > 0;
}

int TOggPlayer::decodeChunk(std::uint8_t* chunk, int capacity)
{
    return m_kind == MP3 ? decodeMP3Chunk(chunk, capacity) : decodeOggChunk(chunk, capacity);
}

int TOggPlayer::decodeMP3Chunk(std::uint8_t* chunk, int capacity)
{
    while (true) {
        const std::int64_t left = m_dataEnd - m_stream.pos();
        int length = 0;
        if (left > 0) {
            const int wanted = int(std::min<std::int64_t>({ m_nextReadLength, left, std::int64_t(m_input.size()) }));
            length = int(m_stream.read(reinterpret_cast<char*>(m_input.data()), wanted));
            if (length < wanted)
                return 0; // a short read ends the fill
        }
        int written = 0;
        const int result = m_mpg.DecodeChunk(m_mpgStream, m_input.data(), length, chunk, capacity, &written);
        if (result != MPGLIB_OK || written <= 0) {
            // What the decoder still holds comes out with no more input; past the end nothing more will come.
            if (left <= 0)
                return 0;
            continue;
        }
        const int bitRate = m_mpg.GetBitRate(m_mpgStream) * 1000;
        if (bitRate == 0 || m_skip > 0) {
            // After a seek the first frames decode from stale state: they stay silent.
            if (m_skip > 0)
                --m_skip;
            continue;
        }
        if (bitRate != m_bitRate) {
            m_nextReadLength
                = MPEGFrameLength(m_frame.version, m_frame.layer, bitRate / 1000, m_sampleRate, m_frame.padding) + 4;
            m_bitRate = bitRate;
            reportBitRate(bitRate);
        }
        reportPosition(Position());
        return written;
    }
}

int TOggPlayer::decodeOggChunk(std::uint8_t* chunk, int capacity)
{
    if (m_decoder.endOfStream || m_decoder.position > m_decoder.total)
        return 0;
    const int got = m_vorbis.DecRead(&m_decoder, chunk, capacity);
    if (got <= 0)
        return 0;
    reportPosition(Position());
    return got;
}

void TOggPlayer::reportBitRate(int bitRate)
{
    QMetaObject::invokeMethod(
        this,
        [this, bitRate] {
            if (OnBitRateChange)
                OnBitRateChange(*this, bitRate);
        },
        Qt::QueuedConnection);
}

void TOggPlayer::reportPosition(std::uint32_t ms)
{
    const int tenths = int(ms / 100);
    if (!OnPosChanged || tenths == m_lastTenths)
        return;
    m_lastTenths = tenths;
    QMetaObject::invokeMethod(
        this,
        [this, ms] {
            if (OnPosChanged)
                OnPosChanged(*this, ms);
        },
        Qt::QueuedConnection);
}

// The output has played its last buffer, or dropped what it held, and closed the device.
void TOggPlayer::played()
{
    applyPriority(3);
    if (m_kind == MP3 && m_fileOpen) {
        // A fresh decoder for the next play.
        if (m_mpgStream)
            m_mpg.CloseStream(m_mpgStream);
        m_mpgStream = nullptr;
        m_mpg.OpenStream(&m_mpgStream);
    }
    // A track stopped or paused by the player has not run out.
    if (m_state == Playing)
        finished();
}

void TOggPlayer::finished()
{
    if (m_fileOpen && atEnd()) {
        m_state = Stopped;
        if (OnPosChanged)
            OnPosChanged(*this, m_duration);
        if (OnPlayEnd)
            OnPlayEnd(*this);
    } else if (m_state != Paused) {
        m_state = Stopped;
    }
}

#include "audio/AudioOut.h"

#include <QMetaObject>
#include <new>

TAudioOut::TAudioOut(QObject* owner)
    : QObject(owner)
{
    allocate();
}

TAudioOut::~TAudioOut()
{
    // Whatever still plays is dropped and the device closed without reporting, before the buffers and this object
    // that the sound thread reads go away.
    OnPlayed = nullptr;
    OnBufferPlayed = nullptr;
    Reset();
    if (m_player.device)
        closeDevice();
}

void TAudioOut::SetAudioDeviceID(int id)
{
    if (id < 0 || id > 9)
        id = -1;
    if (id != m_deviceId) {
        m_deviceId = id;
        allocate();
    }
}

void TAudioOut::SetChannels(TChannels channels)
{
    if (channels != m_channels) {
        m_channels = channels;
        allocate();
    }
}

void TAudioOut::SetBitsPerSample(TBPS bits)
{
    if (bits != m_bits) {
        m_bits = bits;
        allocate();
    }
}

void TAudioOut::SetSampleRate(int rate)
{
    if (rate != m_sampleRate && rate > 0) {
        m_sampleRate = rate;
        allocate();
    }
}

void TAudioOut::SetNoSamples(int samples)
{
    if (samples != m_noSamples && samples > 0) {
        m_noSamples = samples;
        allocate();
    }
}

int TAudioOut::BufferSize() const { return m_noSamples * m_player.format.nBlockAlign; }

void TAudioOut::allocate()
{
    WAVEFORMATEX& format = m_player.format;
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = m_channels == TChannels::Mono ? 1 : 2;
    format.wBitsPerSample = m_bits == TBPS::_16 ? 16 : 8;
    format.nBlockAlign = std::uint16_t(format.nChannels * (format.wBitsPerSample / 8));
    format.nSamplesPerSec = std::uint32_t(m_sampleRate);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    m_ready = false;
    // The device must not keep buffers that are about to be freed.
    Reset();
    for (auto& buffer : m_player.buffers)
        buffer.clear();
    // Without a sound device there is nothing to play into, and no buffers are made.
    if (waveOutGetNumDevs() == 0)
        return;
    try {
        for (auto& buffer : m_player.buffers)
            buffer.assign(std::size_t(BufferSize()), 0);
    } catch (const std::bad_alloc&) {
        for (auto& buffer : m_player.buffers)
            buffer = std::vector<char>();
        m_lastError = QStringLiteral("Not enough memory to allocate Wave Buffer");
        return;
    }
    m_ready = true;
}

bool TAudioOut::Start()
{
    if (!m_ready || !OnBufferPlayed)
        return false;
    TPlayer& p = m_player;
    // Buffers of an earlier start that the device still holds are dropped, never queued again.
    Reset();
    // The format is fixed when the device opens: a device left open with another one is opened anew.
    if (p.device
        && (p.deviceFormat.nChannels != p.format.nChannels || p.deviceFormat.nSamplesPerSec != p.format.nSamplesPerSec
            || p.deviceFormat.wBitsPerSample != p.format.wBitsPerSample))
        closeDevice();
    if (!p.device && !openDevice())
        return false;
    // Reports of buffers written before this start are not acted on any more.
    ++p.start;
    m_written = 0;
    m_playedAtClose = 0;
    for (int i = 0; i < TPlayer::BufferCount; ++i) {
        WAVEHDR& header = p.headers[std::size_t(i)];
        header = WAVEHDR {};
        header.lpData = p.buffers[std::size_t(i)].data();
        header.dwBufferLength = std::uint32_t(p.buffers[std::size_t(i)].size());
        waveOutPrepareHeader(p.device, &header);
    }
    p.ring = 0;
    p.priming = true;
    p.feeding = true;
    int primed = 0;
    while (primed < TPlayer::BufferCount && p.feeding) {
        std::uint32_t size = std::uint32_t(p.buffers[std::size_t(primed)].size());
        if (!OnBufferPlayed(*this, p.buffers[std::size_t(primed)].data(), size) || size == 0) {
            p.feeding = false;
            break;
        }
        p.headers[std::size_t(primed)].dwBufferLength = size;
        ++primed;
    }
    if (primed == 0) {
        p.priming = false;
        return false;
    }
    // A short file may fill fewer than eight: only those are queued.
    p.queued = 0;
    p.ring = 0;
    for (int i = 0; i < primed; ++i)
        write(i);
    p.priming = false;
    return p.queued > 0;
}

bool TAudioOut::openDevice()
{
    TPlayer& p = m_player;
    const MMRESULT result = waveOutOpen(&p.device, m_deviceId < 0 ? WAVE_MAPPER : unsigned(m_deviceId), &p.format,
        &TAudioOut::DeviceCallback, this, CALLBACK_FUNCTION | WAVE_ALLOWSYNC);
    if (result != MMSYSERR_NOERROR) {
        p.device = nullptr;
        m_lastError = QString::fromLatin1(waveOutGetErrorText(result))
            + QStringLiteral(" Could not open the output device for playing: ");
        return false;
    }
    p.deviceFormat = p.format;
    return true;
}

void TAudioOut::Reset()
{
    TPlayer& p = m_player;
    p.feeding = false;
    if (!p.device)
        return;
    // Every buffer comes back reported as played before this returns.
    if (waveOutReset(p.device) != MMSYSERR_NOERROR)
        m_lastError = QStringLiteral("Error in waveOutReset");
}

void TAudioOut::write(int index)
{
    TPlayer& p = m_player;
    WAVEHDR& header = p.headers[std::size_t(index)];
    p.ring = (p.ring + 1) % TPlayer::BufferCount;
    if (p.inDevice[std::size_t(index)])
        return;
    header.dwFlags |= WHDR_PREPARED;
    // Counted before the device has it: the sound thread may report it played at once.
    p.inDevice[std::size_t(index)] = true;
    ++p.queued;
    if (waveOutWrite(p.device, &header) != MMSYSERR_NOERROR) {
        p.inDevice[std::size_t(index)] = false;
        --p.queued;
        return;
    }
    m_written += header.dwBufferLength;
}

std::uint64_t TAudioOut::Played() const
{
    std::uint64_t played = m_playedAtClose;
    if (m_player.device)
        waveOutGetPosition(m_player.device, &played);
    return played;
}

// On the sound thread: counts the buffer back and hands the work to the owning thread.
void TAudioOut::DeviceCallback(HWAVEOUT, unsigned message, void* instance, WAVEHDR* header)
{
    auto* out = static_cast<TAudioOut*>(instance);
    TPlayer& p = out->m_player;
    if (message == MM_WOM_OPEN) {
        p.deviceOpen = true;
    } else if (message == MM_WOM_CLOSE) {
        p.deviceOpen = false;
    } else if (message == MM_WOM_DONE) {
        const std::ptrdiff_t index = header - p.headers.data();
        if (index >= 0 && index < TPlayer::BufferCount)
            p.inDevice[std::size_t(index)] = false;
        const int left = --p.queued;
        const unsigned start = p.start;
        if (p.feeding)
            QMetaObject::invokeMethod(
                out, [out, start] { out->bufferDone(start); }, Qt::QueuedConnection);
        else if (left == 0)
            QMetaObject::invokeMethod(
                out, [out, start] { out->deviceDone(start); }, Qt::QueuedConnection);
    }
}

void TAudioOut::bufferDone(unsigned start)
{
    TPlayer& p = m_player;
    if (start != p.start || !p.device || !p.feeding || !OnBufferPlayed)
        return;
    const std::size_t index = std::size_t(p.ring);
    // The next buffer in the ring is free once the device has played it; a report that comes too early waits.
    if (p.inDevice[index])
        return;
    std::uint32_t size = std::uint32_t(p.buffers[index].size());
    if (OnBufferPlayed(*this, p.buffers[index].data(), size) && size > 0) {
        p.headers[index].dwBufferLength = size;
        write(p.ring);
        return;
    }
    p.feeding = false;
    // When the device already played everything, no buffer is left to report the end: close now.
    if (p.queued == 0)
        QMetaObject::invokeMethod(
            this, [this, start] { deviceDone(start); }, Qt::QueuedConnection);
}

void TAudioOut::deviceDone(unsigned start)
{
    if (start != m_player.start || !m_player.device || m_player.queued > 0 || m_player.feeding)
        return;
    if (closeDevice() && OnPlayed)
        OnPlayed(*this);
}

// Closes the device once nothing is queued; a device that will not close is kept, to be closed later.
bool TAudioOut::closeDevice()
{
    TPlayer& p = m_player;
    if (!p.device) {
        m_lastError = QStringLiteral("Player already closed");
        return false;
    }
    for (WAVEHDR& header : p.headers) {
        if (!(header.dwFlags & WHDR_PREPARED))
            continue;
        const MMRESULT result = waveOutUnprepareHeader(p.device, &header);
        if (result != MMSYSERR_NOERROR)
            m_lastError = QString::fromLatin1(waveOutGetErrorText(result))
                + QStringLiteral(" Error unpreparing header for playing: ");
    }
    waveOutGetPosition(p.device, &m_playedAtClose);
    MMRESULT result = waveOutClose(p.device);
    if (result == WAVERR_STILLPLAYING) {
        // Buffers the count missed: dropped, so that the device can go.
        Reset();
        result = waveOutClose(p.device);
    }
    if (result != MMSYSERR_NOERROR && result != MMSYSERR_INVALHANDLE) {
        m_lastError
            = QString::fromLatin1(waveOutGetErrorText(result)) + QStringLiteral(" Error closing output device: ");
        return false;
    }
    p.deviceOpen = false;
    p.device = nullptr;
    p.queued = 0;
    for (auto& held : p.inDevice)
        held = false;
    return true;
}

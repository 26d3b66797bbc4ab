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
    // Whatever still plays is dropped; the device is closed without reporting.
    OnPlayed = nullptr;
    if (m_player.deviceOpen) {
        m_player.feeding = false;
        if (waveOutReset(m_player.device) != MMSYSERR_NOERROR)
            m_lastError = QStringLiteral("Error in waveOutReset");
        closeDevice();
    }
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
    if (!p.deviceOpen) {
        // The device might have been left open with another format: the format is fixed when it opens.
        const MMRESULT result = waveOutOpen(&p.device, m_deviceId < 0 ? WAVE_MAPPER : unsigned(m_deviceId), &p.format,
            &TAudioOut::DeviceCallback, this, CALLBACK_FUNCTION | WAVE_ALLOWSYNC);
        if (result != MMSYSERR_NOERROR) {
            m_lastError = QString::fromLatin1(waveOutGetErrorText(result))
                + QStringLiteral(" Could not open the output device for playing: ");
            return false;
        }
    }
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

void TAudioOut::write(int index)
{
    WAVEHDR& header = m_player.headers[std::size_t(index)];
    header.dwFlags |= WHDR_PREPARED;
    ++m_player.queued;
    if (waveOutWrite(m_player.device, &header) != MMSYSERR_NOERROR)
        --m_player.queued;
    m_player.ring = (m_player.ring + 1) % TPlayer::BufferCount;
}

// On the sound thread: counts the buffer back and hands the work to the owning thread.
void TAudioOut::DeviceCallback(HWAVEOUT, unsigned message, void* instance, WAVEHDR*)
{
    auto* out = static_cast<TAudioOut*>(instance);
    TPlayer& p = out->m_player;
    if (message == MM_WOM_OPEN) {
        p.deviceOpen = true;
    } else if (message == MM_WOM_CLOSE) {
        p.deviceOpen = false;
    } else if (message == MM_WOM_DONE) {
        const int left = --p.queued;
        if (p.feeding)
            QMetaObject::invokeMethod(out, &TAudioOut::bufferDone, Qt::QueuedConnection);
        else if (left == 0)
            QMetaObject::invokeMethod(out, &TAudioOut::deviceDone, Qt::QueuedConnection);
    }
}

void TAudioOut::bufferDone()
{
    TPlayer& p = m_player;
    if (!p.deviceOpen || !p.feeding || !OnBufferPlayed)
        return;
    const std::size_t index = std::size_t(p.ring);
    std::uint32_t size = std::uint32_t(p.buffers[index].size());
    if (OnBufferPlayed(*this, p.buffers[index].data(), size) && size > 0) {
        p.headers[index].dwBufferLength = size;
        write(p.ring);
        return;
    }
    p.feeding = false;
    // When the device already played everything, no buffer is left to report the end: close now.
    if (p.queued == 0)
        QMetaObject::invokeMethod(this, &TAudioOut::deviceDone, Qt::QueuedConnection);
}

void TAudioOut::deviceDone()
{
    if (!m_player.deviceOpen || m_player.queued > 0 || m_player.feeding)
        return;
    closeDevice();
    if (OnPlayed)
        OnPlayed(*this);
}

void TAudioOut::closeDevice()
{
    TPlayer& p = m_player;
    if (!p.device) {
        m_lastError = QStringLiteral("Player already closed");
        return;
    }
    for (WAVEHDR& header : p.headers) {
        if (!(header.dwFlags & WHDR_PREPARED))
            continue;
        const MMRESULT result = waveOutUnprepareHeader(p.device, &header);
        if (result != MMSYSERR_NOERROR)
            m_lastError = QString::fromLatin1(waveOutGetErrorText(result))
                + QStringLiteral(" Error unpreparing header for playing: ");
    }
    const MMRESULT result = waveOutClose(p.device);
    if (result != MMSYSERR_NOERROR)
        m_lastError
            = QString::fromLatin1(waveOutGetErrorText(result)) + QStringLiteral(" Error closing output device: ");
    p.deviceOpen = false;
    p.device = nullptr;
}

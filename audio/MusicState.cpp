#include "audio/MusicState.h"

void TMusicState::Play()
{
    m_holder = Holder::CompressedPlayer;
    m_track = Track::Playing;
    changed();
}

void TMusicState::HandOver()
{
    m_holder = Holder::MediaPlayer;
    changed();
}

bool TMusicState::RunOut()
{
    if (m_track != Track::Playing)
        return false;
    m_track = Track::RunOut;
    changed();
    return true;
}

bool TMusicState::TakeRunOut()
{
    if (m_track != Track::RunOut)
        return false;
    m_track = Track::Noticed;
    changed();
    return true;
}

QString TMusicState::HolderText() const
{
    switch (m_holder) {
    case Holder::CompressedPlayer:
        return QStringLiteral("YES");
    case Holder::MediaPlayer:
        return QStringLiteral("NO");
    case Holder::Nobody:
        break;
    }
    return {};
}

QString TMusicState::TrackText() const
{
    switch (m_track) {
    case Track::Playing:
        return QStringLiteral("PLAY");
    case Track::RunOut:
        return QStringLiteral("STOP");
    case Track::Noticed:
        return QStringLiteral("WAIT");
    case Track::None:
        break;
    }
    return {};
}

void TMusicState::changed()
{
    if (OnChanged)
        OnChanged();
}

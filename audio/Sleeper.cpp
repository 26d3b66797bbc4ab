#include "audio/Sleeper.h"

#include <QEventLoop>

TSleeper::TSleeper(QObject* owner)
    : QObject(owner)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(1000);
}

void TSleeper::Wait(int ms)
{
    if (ms >= 0 && ms != m_timer.interval())
        m_timer.setInterval(ms);
    QEventLoop loop;
    connect(&m_timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_timer.start();
    loop.exec();
    m_timer.stop();
}

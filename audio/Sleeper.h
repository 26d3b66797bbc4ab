// A wait that keeps the game going: the message loop runs until the interval has passed.
#pragma once

#include <QObject>
#include <QTimer>

class TSleeper : public QObject {
    Q_OBJECT
public:
    explicit TSleeper(QObject* owner = nullptr);

    int Interval() const { return m_timer.interval(); }
    void SetInterval(int ms) { m_timer.setInterval(ms); }

    // Waits `ms` milliseconds (a negative value waits the interval) while windows, timers and sound go on.
    void Wait(int ms);

private:
    QTimer m_timer;
};

// Start-up measuring: with TRAMBUL_BENCH_EXIT_ON_SHOW=1 a program reports when its first window is on screen and stops.
#pragma once

#include <QEvent>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

namespace StartupProbe {

// Milliseconds since the process was started, read from /proc (the kernel counts in clock ticks, 10 ms on most
// machines); bench/startup.sh measures from the outside for finer figures.
inline double MillisecondsSinceProcessStart()
{
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The fields after the program name, which is in brackets and may hold spaces; the start time is the 22nd field.
    std::size_t at = stat.rfind(')');
    if (at == std::string::npos)
        return -1;
    const char* field = stat.c_str() + at + 2;
    for (int i = 3; i < 22 && field; ++i) {
        field = std::strchr(field, ' ');
        if (field)
            ++field;
    }
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    if (!field || !(uptimeFile >> uptime))
        return -1;
    double started = std::strtod(field, nullptr) / double(sysconf(_SC_CLK_TCK));
    return (uptime - started) * 1000.0;
}

// Watches the window's first painting; once the painted window has been handed to the screen, prints
// "first window shown after N ms" (what the player waited for). The process ends at once, without taking the windows
// down, when the windows painted after it (the main window behind the name window) have been painted too, so that its
// peak memory and CPU time are those of the whole first picture.
class ExitOnFirstShow : public QObject {
public:
    ExitOnFirstShow(QWidget& window, const QList<QWidget*>& paintedAfter)
        : QObject(&window)
        , m_first(&window)
        , m_waiting(paintedAfter)
    {
        m_waiting.append(&window);
        for (QWidget* watched : m_waiting)
            watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_waiting.removeAll(watched) > 0) {
            watched->removeEventFilter(this);
            // Both wait until the painted window has gone to the screen; the report comes first.
            if (watched == m_first)
                QTimer::singleShot(0, this, [] {
                    std::printf("first window shown after %.0f ms\n", MillisecondsSinceProcessStart());
                    std::fflush(stdout);
                });
            if (m_waiting.isEmpty())
                QTimer::singleShot(0, this, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QObject* m_first;
    QList<QWidget*> m_waiting;
};

// Does nothing unless TRAMBUL_BENCH_EXIT_ON_SHOW=1 is set.
inline void WatchFirstShow(QWidget& window, const QList<QWidget*>& paintedAfter = {})
{
    const char* flag = std::getenv("TRAMBUL_BENCH_EXIT_ON_SHOW");
    if (flag && std::string(flag) == "1")
        new ExitOnFirstShow(window, paintedAfter);
}
}

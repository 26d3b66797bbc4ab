// Start-up measuring: with TRAMBUL_BENCH_EXIT_ON_SHOW=1 a program reports when its first window is on screen and stops.
#pragma once

#include <QEvent>
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
// "first window shown after N ms" and ends the process at once, without taking the windows down.
class ExitOnFirstShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("first window shown after %.0f ms\n", MillisecondsSinceProcessStart());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

// Does nothing unless TRAMBUL_BENCH_EXIT_ON_SHOW=1 is set.
inline void WatchFirstShow(QWidget& window)
{
    const char* flag = std::getenv("TRAMBUL_BENCH_EXIT_ON_SHOW");
    if (flag && std::string(flag) == "1")
        window.installEventFilter(new ExitOnFirstShow(&window));
}
}

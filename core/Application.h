// The application object: the one place where a failed handler's error reaches the player.
#pragma once

#include <QApplication>

#include <thread>

class QSocketNotifier;

// "Трамбуль v1.0": the title of the application and of its message boxes.
extern const char* const ApplicationTitle;

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    // Delivers every event; an EConvertError or EInOutError thrown by a handler ends that handler and is shown in
    // the standard error box, and the game goes on.
    bool notify(QObject* receiver, QEvent* event) override;
    // How many exceptions got as far as notify: each is a handler that left its guard, which should never happen.
    int exceptionsCaught() const { return m_exceptionsCaught; }

    // Loads Qt's Russian translations, so standard buttons read "Да" and "Нет". False when they are missing.
    bool loadRussianTranslations();

    // From now on the desktop's requests to end the program (SIGTERM, SIGINT, SIGHUP, and the session manager's
    // request at logout) arrive as quitRequested(), in the event loop, also while a modal window is open. Later
    // signals wait for the game to leave, unless Ctrl+C comes twice or the game has not left within a few seconds.
    void watchQuitRequests();
    // The desktop asked the game to end (a signal, the logout), rather than the player.
    bool quitBySignal() const { return m_quitBySignal; }

signals:
    void quitRequested();

private:
    void takeQuitSignal();

    QSocketNotifier* m_signalNotifier = nullptr;
    bool m_quitBySignal = false;
    int m_exceptionsCaught = 0;
};

// The system's font configuration (some thirty XML files and the font caches, a quarter of the instructions of the
// whole start-up) read on a thread of its own while the application connects to the display and loads its
// translations; otherwise the first text laid out would read it on the thread the player waits for. Made first thing
// in main; wait() before the first window is made (the destructor waits too). The result is the same configuration
// the first text would have read, in the same process-wide place.
class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;
    void wait();

private:
    std::thread m_thread;
};

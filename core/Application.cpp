#include "core/Application.h"

#include "core/EnterKey.h"
#include "core/Errors.h"
#include "core/FocusMark.h"
#include "core/Ui.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTranslator>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

const char* const ApplicationTitle = "Трамбуль v1.0";

namespace {
// The signals by which the desktop asks a program to end: kill's default, Ctrl+C, the terminal closed.
constexpr int QuitSignals[] = { SIGTERM, SIGINT, SIGHUP };

// The two ends of the pipe from the signal handler to the event loop: [0] is read by the loop, [1] written by the
// handler. A handler may do almost nothing safely, so it only writes one byte.
int signalPipe[2] = { -1, -1 };

// How long the game may take to leave after the first request before the program is ended the system's way.
constexpr unsigned QuitGraceSeconds = 5;

// Ctrl+C pressed again while the game leaves: the player insists, and the program ends at once.
volatile sig_atomic_t interruptsSeen = 0;

extern "C" void OnQuitSignal(int signal)
{
    const int savedErrno = errno;
    if (signal == SIGINT && interruptsSeen != 0) {
        struct sigaction byDefault = {};
        byDefault.sa_handler = SIG_DFL;
        ::sigaction(SIGINT, &byDefault, nullptr);
        ::raise(SIGINT);
    }
    if (signal == SIGINT)
        interruptsSeen = 1;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}
}

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(ApplicationTitle));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // Played with the keyboard alone, every window shows where the focus is and Enter presses what it marks.
    PressFocusedButtonsOnEnter(*this);
    ShowFocusMarks(*this);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EGameError& error) {
        ++m_exceptionsCaught;
        ui().errorBox(error.message());
    } catch (const std::exception& error) {
        ++m_exceptionsCaught;
        ui().errorBox(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

bool TApplication::loadRussianTranslations()
{
    bool loaded = false;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : { "qtbase_ru", "qt_ru" }) {
        auto* translator = new QTranslator(this);
        if (translator->load(QString::fromLatin1(name), folder)) {
            installTranslator(translator);
            loaded = true;
        } else {
            delete translator;
        }
    }
    return loaded;
}

void TApplication::watchQuitRequests()
{
    if (m_signalNotifier)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        qWarning("The game cannot watch the signals to end it: %s", std::strerror(errno));
        return;
    }
    // A full pipe must never block the handler: one byte waiting is enough to end the game.
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    m_signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signalNotifier, &QSocketNotifier::activated, this, &TApplication::takeQuitSignal);

    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : QuitSignals) {
        // A signal the program was started with ignored stays ignored: "nohup trambul" outlives its terminal.
        struct sigaction previous = {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }

    // Logging out: the session manager asks the program to keep its data before the session ends.
    connect(
        this, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager&) {
            m_quitBySignal = true;
            emit quitRequested();
        },
        Qt::DirectConnection);
}

void TApplication::takeQuitSignal()
{
    char bytes[16];
    [[maybe_unused]] const ssize_t read = ::read(signalPipe[0], bytes, sizeof bytes);
    if (m_quitBySignal)
        return;
    // Asked once, the game leaves by itself, keeping the game first; further signals (a logout sends SIGTERM and then
    // SIGHUP) wait for that. Only Ctrl+C twice, or a game that has not left within a few seconds, ends the program
    // at once, the system's way.
    m_quitBySignal = true;
    std::signal(SIGALRM, SIG_DFL);
    ::alarm(QuitGraceSeconds);
    emit quitRequested();
}

FontConfigurationReader::FontConfigurationReader()
{
    // The configuration's numbers are read through the C locale's decimal point, and the application sets the
    // player's locale as it starts: set it here first, so that the application's setting it again changes nothing
    // under the reading thread.
    std::setlocale(LC_ALL, "");
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the first text laid out reads the configuration itself, as it would without this.
    }
}

FontConfigurationReader::~FontConfigurationReader() { wait(); }

void FontConfigurationReader::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

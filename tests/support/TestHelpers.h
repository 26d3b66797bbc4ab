// Small helpers the test programs share: pressing buttons, UTF-8 literals, whole files as bytes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Presses a button with the mouse, as the player does; fails the test on a missing button.
inline void click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline QString U(const char* text) { return QString::fromUtf8(text); }

// A window's control found by its name, the way Qt's own tests find it; fails the test when there is none.
template <class Control = QWidget> Control* Child(const QObject& window, const char* name)
{
    Control* found = window.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no " << Control::staticMetaObject.className() << " named " << name << " in "
                              << window.objectName().toStdString();
    return found;
}

// How long a test waits for an event (a queued close, a window on screen) before it gives up. Generous, for shared and
// busy machines: a wait that succeeds ends as soon as its event comes, so this is never a time the work must beat.
constexpr int PatientWait = 60000;

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs the body in a child process whose files may not grow past 100 bytes, so a longer write fails part way as it
// does on a full disk, without touching the test's own process. True when the body returned true.
inline bool InChildWithFileSizeLimit(const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child < 0) {
        ADD_FAILURE() << "fork failed";
        return false;
    }
    if (child == 0) {
        alarm(PatientWait / 1000);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 100, 100 };
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        ADD_FAILURE() << "the child ended by signal " << WTERMSIG(status);
        return false;
    }
    return WEXITSTATUS(status) == 0;
}

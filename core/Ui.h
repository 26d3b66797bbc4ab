// Everything that waits for the player: messages, questions, modal windows, file dialogs, fixed waits.
// The game talks to the one installed host; tests install a scripted one.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

// How a window was closed. A window closes itself with done(int(ModalResult::...)).
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct FileDialogOptions {
    QString title;
    QStringList filters; // "Сохраненная игра (*.sav)" style entries
    QString initialDir;
    QString defaultSuffix;
    // What the dialog shows beside its list about the file under the cursor (a saved game's player, date, money);
    // none when empty. The game hands it in, as only it knows how to read its files.
    std::function<QString(const QString& path)> preview;
};

class Ui {
public:
    virtual ~Ui() = default;

    // A plain message box with one OK button; waits for the player.
    void message(const QString& text);
    // A message box that does not stop the game: the clock's own announcements. Shown one after another;
    // `afterClosed` runs once the player has closed it (what the notice announces happens then).
    void notice(const QString& text, std::function<void()> afterClosed = {});
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // Shows a window modally and returns how it was closed.
    ModalResult showModal(QDialog& dialog);
    // File dialogs: the chosen path, or an empty text when the player cancelled.
    virtual QString openFileName(const FileDialogOptions& options) = 0;
    virtual QString saveFileName(const FileDialogOptions& options) = 0;
    // The standard error box for a failed operation.
    virtual void errorBox(const QString& text) = 0;
    // A fixed wait that blocks the window (the pauses in conversations and SMS).
    virtual void sleep(int milliseconds) = 0;

    // Whether a notice that announces a change of the game (made when it is closed) is still on screen or waiting for
    // its turn; a notice that only tells something does not count.
    virtual bool noticesOpen() const { return false; }

    // The game is ending. From now on nothing waits for the player: every notice still open counts as closed, so what
    // it announces happens now; a window about to be shown is not, and returns as if the player had left it; a
    // message is not shown, a question is answered No, a file dialog is cancelled and a wait ends at once. So the
    // command or event under way runs to its end, and the game is kept as the player was last told it.
    void BeginLeaving();
    bool Leaving() const { return m_leaving; }
    // A new run of the game begins (its windows are made anew): the player is waited for again.
    void BeginRun() { m_leaving = false; }

protected:
    // What message() and notice() show, once the journal has the text.
    virtual void showMessage(const QString& text) = 0;
    virtual void showNotice(const QString& text, std::function<void()> afterClosed) = 0;
    // Closes every notice as if the player had closed it, in order: what each announces happens.
    virtual void closeNotices() { }

    // Shows a window that exists modally and returns how it was closed.
    virtual ModalResult runModal(QDialog& dialog) = 0;

private:
    bool m_leaving = false;
};

// The journal of the year hears every message and notice the player is shown, whichever host shows it. The game
// installs it (the life log lives above core); null stops it. Returns the previous one.
using MessageJournal = std::function<void(const QString& text)>;
MessageJournal InstallMessageJournal(MessageJournal journal);
// Writes into the journal a text the player reads in a window of its own rather than in a box (an SMS).
void KeepInJournal(const QString& text);

// What a rule tells the player, one message box after another (each waits for the player).
void TellPlayer(const QStringList& messages);

// What a rule has decided: the messages the player is told, in turn, and the change it then makes to the game. The
// change comes after the messages, so the panel does not move before the player has read why.
struct RuleOutcome {
    QStringList messages;
    std::function<void()> change;
};
// Tells the messages, then makes the change.
void TellPlayer(const RuleOutcome& outcome);
// The same as notices that leave the game running (the clock's own announcements).
void Announce(const QStringList& notices);
// Notices whose change is made once the player has closed the last of them.
void Announce(const RuleOutcome& outcome);

// The installed host. The program installs the real one at start-up.
Ui& ui();
// Installs a host (not owned) and returns the previous one.
Ui* InstallUi(Ui* host);

// The host over real message boxes, exec() and file dialogs.
class RealUi : public Ui {
public:
    // The window that message boxes belong to (the main window); may be null.
    void setMainWindow(QWidget* window) { m_mainWindow = window; }

    bool confirm(const QString& text) override;
    QString openFileName(const FileDialogOptions& options) override;
    QString saveFileName(const FileDialogOptions& options) override;
    void errorBox(const QString& text) override;
    void sleep(int milliseconds) override;

    bool noticesOpen() const override;

protected:
    void showMessage(const QString& text) override;
    void showNotice(const QString& text, std::function<void()> afterClosed) override;
    ModalResult runModal(QDialog& dialog) override;
    void closeNotices() override;

private:
    void showNextNotice();
    // What the notice on screen announces, run once: when the player closes it, or when the game ends first.
    std::function<void()> m_openNoticeChange;
    QWidget* m_openNoticeBox = nullptr;

    QWidget* m_mainWindow = nullptr;
    struct PendingNotice {
        QString text;
        std::function<void()> afterClosed;
    };
    QList<PendingNotice> m_pendingNotices;
    bool m_noticeOpen = false;
    // Receives the closing of a notice box, so that a box closed after the host has gone calls nothing.
    QObject m_noticeContext;
};

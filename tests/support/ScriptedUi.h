// A Ui host for tests: records every message and answers questions and modal windows from a script.
#pragma once

#include "core/Ui.h"

#include <QDialog>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Readable test failures for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class ScriptedUi : public Ui {
public:
    ScriptedUi();
    ~ScriptedUi() override;

    // Each kind apart, so that a notice turned into a blocking message (or back) fails a test.
    QStringList messages; // message boxes that wait for the player (ui().message)
    QStringList notices; // boxes that leave the clock running (ui().notice)
    QStringList errors; // error boxes
    QStringList shown; // all three kinds, in the order they were shown
    QStringList questions; // confirmation texts asked
    QStringList shownWindows; // window titles in the order they were shown
    std::vector<FileDialogOptions> fileDialogs;
    int sleptMilliseconds = 0;
    // Called in every fixed wait, as what the game's timers do meanwhile.
    std::function<void(int milliseconds)> whileSleeping;
    // Called with every message, notice and error box as it is shown (to see the game as the player sees it then).
    std::function<void(const QString&)> whenShown;
    // Notices stay open (their changes wait) until closeHeldNotices() or the game ends, as a player who looks away
    // leaves them; by default the player closes each at once.
    bool holdNotices = false;
    void closeHeldNotices() { closeNotices(); }

    // Queues the answer to the next confirmation.
    void answerConfirm(bool yes) { m_confirms.push_back(yes); }
    // Queues the path the next file dialog returns ("" = cancelled).
    void answerFileDialog(const QString& path) { m_files.push_back(path); }
    // Queues a handler for the next modal window; it may press buttons, which close the window.
    void onModal(std::function<void(QDialog&)> handler) { m_modals.push_back(std::move(handler)); }
    // Typed form: fails the test when the next window is not of that class.
    template <class Window> void onModal(std::function<void(Window&)> handler)
    {
        m_modals.push_back([handler](QDialog& dialog) {
            auto* window = dynamic_cast<Window*>(&dialog);
            ASSERT_NE(window, nullptr) << "unexpected window: " << dialog.windowTitle().toStdString();
            handler(*window);
        });
    }
    // Queues a handler that only closes the window with the result.
    void closeNextModalWith(ModalResult result);
    // Lets the next count error boxes appear; any other error box fails the test, and so does one expected and never
    // shown. What they said is in errors.
    void expectErrorBoxes(int count = 1) { m_expectedErrors += count; }

    // The script has been used up (checked at the end of every test using it).
    bool scriptUsedUp() const
    {
        return m_confirms.empty() && m_files.empty() && m_modals.empty() && m_expectedErrors == 0;
    }

    void showMessage(const QString& text) override;
    // The player closes a notice at once: what it announces happens before the next line of the game runs.
    void showNotice(const QString& text, std::function<void()> afterClosed) override;
    bool confirm(const QString& text) override;
    ModalResult runModal(QDialog& dialog) override;
    QString openFileName(const FileDialogOptions& options) override;
    QString saveFileName(const FileDialogOptions& options) override;
    void errorBox(const QString& text) override;
    void sleep(int milliseconds) override
    {
        if (Leaving())
            return;
        sleptMilliseconds += milliseconds;
        if (whileSleeping)
            whileSleeping(milliseconds);
    }
    bool noticesOpen() const override
    {
        return std::any_of(m_heldNotices.begin(), m_heldNotices.end(), [](const auto& change) { return bool(change); });
    }

protected:
    void closeNotices() override;

private:
    std::deque<std::function<void()>> m_heldNotices;
    QString nextFile(const FileDialogOptions& options);
    std::deque<bool> m_confirms;
    std::deque<QString> m_files;
    std::deque<std::function<void(QDialog&)>> m_modals;
    int m_expectedErrors = 0;
    Ui* m_previous = nullptr;
};

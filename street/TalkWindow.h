// The base of the two street conversation windows: the other party's picture, the log, three answers and the fixed
// buttons each window adds below them.
#pragma once

#include "core/GameWindow.h"
#include "street/DialogScript.h"

class QPlainTextEdit;
class QPushButton;
class QHBoxLayout;
class PictureBox;

class TTalkWindow : public TGameWindow {
    Q_OBJECT
public:
    // Starts a talk afresh (a clean log, the answers open, the script read again and node 1 on show) and shows the
    // window; a script that cannot be read has been reported and nothing is shown. Returns false then.
    bool StartTalk();

    const DialogScript& script() const { return m_script; }

protected:
    TTalkWindow(GameWindows& windows, const QString& caption, const QString& gamePath, const QString& partyArt);

    // The row under the answers where the window puts its fixed buttons.
    QHBoxLayout* fixedButtons() const { return m_fixedButtons; }
    // A bold fixed button in that row.
    QPushButton* AddFixedButton(const char* caption);

    // What the window does for each outcome code.
    virtual void OutcomeWar() = 0;
    virtual void OutcomeCh1() = 0;
    virtual void OutcomeCh2() = 0;
    virtual void OutcomeCh3() = 0;
    virtual void OutcomeWin() = 0;
    // After node 1 is on show, before the window appears.
    virtual void AfterStart() { }

    // The answers can no longer be given; their captions say why.
    void CloseAnswers(const QString& caption);

private:
    void BeginTalk();
    void Answer(int k);
    void ShowTalk();

    PictureBox* partyPicture; // the other party, in a sunken frame on the left
    QPlainTextEdit* Memo1; // the conversation log
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

    DialogScript m_script;
    QHBoxLayout* m_fixedButtons;
};

// The base of every game window: a fixed-size dialog that reaches the game through the window owner.
#pragma once

#include "core/Ui.h"

#include <QDialog>
#include <initializer_list>
#include <utility>

class GameWindows;
class TGameState;

// Gives each control its name as the window's design calls it ("Button1", "Label3", "moneyLabel"), so that tests and
// tools find it by that name while the window keeps its controls to itself.
void NameControls(std::initializer_list<std::pair<QObject*, const char*>> controls);

enum class WindowFrame {
    NoCloseBox, // no system menu: the window is left only through its own buttons, Escape does nothing
    CloseBox, // a close box; closing it or Escape gives ModalResult::None
};

class TGameWindow : public QDialog {
    Q_OBJECT
public:
    TGameWindow(
        GameWindows& windows, const QString& caption, QSize clientSize, WindowFrame frame = WindowFrame::NoCloseBox);

    GameWindows& windows() const { return m_windows; }
    TGameState& state() const;

    // Closes the window with a result, as its buttons do.
    void closeWith(ModalResult result) { done(int(result)); }

    // Escape: only a window with a close box closes on it.
    void reject() override;

protected:
    // The player's close button closes only a window with a close box; the program's own closing (quitting the
    // game) closes every window.
    void closeEvent(QCloseEvent* event) override;
    // A window out of sight gives back its native window and the image it was painted into (a place window's is
    // over a megabyte); the next showing makes them again from the window's own widgets, which keep everything.
    void hideEvent(QHideEvent* event) override;

private:
    GameWindows& m_windows;
    WindowFrame m_frame;
};

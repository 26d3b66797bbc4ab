// The base of every game window: a fixed-size dialog that reaches the game through the window owner.
#pragma once

#include "core/Ui.h"

#include <QDialog>

class Forms;
class TGameState;

enum class WindowFrame {
    NoCloseBox, // no system menu: the window is left only through its own buttons, Escape does nothing
    CloseBox, // a close box; closing it or Escape gives ModalResult::None
};

class TGameWindow : public QDialog {
    Q_OBJECT
public:
    TGameWindow(Forms& forms, const QString& caption, QSize clientSize, WindowFrame frame = WindowFrame::NoCloseBox);

    Forms& forms() const { return m_forms; }
    TGameState& state() const;

    // Closes the window with a result, as its buttons do.
    void closeWith(ModalResult result) { done(int(result)); }

    void reject() override;

private:
    Forms& m_forms;
    WindowFrame m_frame;
};

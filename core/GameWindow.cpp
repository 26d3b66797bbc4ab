#include "core/GameWindow.h"

#include "core/Forms.h"

TGameWindow::TGameWindow(Forms& forms, const QString& caption, QSize clientSize, WindowFrame frame)
    : QDialog(nullptr)
    , m_forms(forms)
    , m_frame(frame)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    if (frame == WindowFrame::NoCloseBox)
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    else
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

TGameState& TGameWindow::state() const { return m_forms.state(); }

void TGameWindow::reject()
{
    if (m_frame == WindowFrame::NoCloseBox)
        return;
    done(int(ModalResult::None));
}

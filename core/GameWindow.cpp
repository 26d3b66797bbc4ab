#include "core/GameWindow.h"

#include "core/GameWindows.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QTimer>

void NameControls(std::initializer_list<std::pair<QObject*, const char*>> controls)
{
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

TGameWindow::TGameWindow(GameWindows& windows, const QString& caption, QSize clientSize, WindowFrame frame)
    : QDialog(nullptr)
    , m_windows(windows)
    , m_frame(frame)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    if (frame == WindowFrame::NoCloseBox)
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    else
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

TGameState& TGameWindow::state() const { return m_windows.state(); }

void TGameWindow::reject()
{
    if (m_frame == WindowFrame::NoCloseBox)
        return;
    done(int(ModalResult::None));
}

void TGameWindow::closeEvent(QCloseEvent* event)
{
    if (m_frame == WindowFrame::NoCloseBox && event->spontaneous()) {
        event->ignore();
        return;
    }
    done(int(ModalResult::None));
    event->accept();
}

void TGameWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return; // minimised by the desktop: still the player's window
    // Later, once the hiding is over: a modal loop is still unwinding now, and a window shown again at once (a
    // notice the player gets twice) keeps what it has.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() || !testAttribute(Qt::WA_WState_Created))
            return;
        destroy();
    });
}

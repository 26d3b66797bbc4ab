#include "core/PaintOrder.h"

#include <QEvent>
#include <QTimer>

namespace {
// Longer than the front window takes to reach the screen on a slow machine; a front window that never shows keeps the
// picture behind away no longer than this.
constexpr int LongestHoldMs = 200;
}

PaintedBehind::PaintedBehind(QWidget& behind, QWidget& front)
{
    // A window that already waits for something else is left to it.
    if (!behind.updatesEnabled())
        return;
    m_behind = &behind;
    m_front = &front;
    behind.setUpdatesEnabled(false);
    front.installEventFilter(this);
    QTimer::singleShot(LongestHoldMs, this, &PaintedBehind::release);
}

PaintedBehind::~PaintedBehind() { release(); }

bool PaintedBehind::eventFilter(QObject* watched, QEvent* event)
{
    // The front window's picture goes to the screen right after its paint event. What was queued meanwhile (the
    // player's first keys, whatever waits for the front window to be on screen) goes before the painting behind it.
    if (event->type() == QEvent::Paint || event->type() == QEvent::Hide)
        QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, &PaintedBehind::release); });
    return QObject::eventFilter(watched, event);
}

void PaintedBehind::release()
{
    if (m_front)
        m_front->removeEventFilter(this);
    m_front = nullptr;
    if (m_behind && !m_behind->updatesEnabled()) {
        m_behind->setUpdatesEnabled(true);
        // The update asked for while it waited is still pending: the window is painted now rather than never.
        m_behind->repaint();
    }
    m_behind = nullptr;
}

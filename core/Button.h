// The one way a window makes its push buttons: caption, smallest size and the guarded handler in one call.
#pragma once

#include "core/Guarded.h"

#include <QPushButton>
#include <QSize>
#include <QString>

// A button on `parent` with at least the given size (0 leaves that side to the layout); a click runs the handler
// (a member function of `window` or a callable) through the guard.
template <class Window, class Handler>
QPushButton* MakeButton(QWidget* parent, const QString& caption, QSize minimumSize, Window* window, Handler handler)
{
    auto* button = new QPushButton(caption, parent);
    button->setMinimumSize(minimumSize);
    ConnectGuarded(button, &QPushButton::clicked, window, handler);
    return button;
}

// The look both location windows share: the heading and the menu buttons (the picture behind everything is
// AddBackground of core/Look.h).
#pragma once

#include "core/Guarded.h"

#include <QPushButton>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

// "ЧТО БУДЕМ ДЕЛАТЬ?" in bold 24-pixel letters, light on a soft shadow so it reads over any picture.
QLabel* MakeLocationHeading(QWidget* parent);
// A menu button of the given size whose caption wraps when it is too long for one line; bold for the way out.
QPushButton* MakeLocationButton(QWidget* parent, const QString& caption, QSize size, bool bold = false);

// The same button, its click connected to a handler of the window.
template <class Window>
QPushButton* MakeMenuButton(
    QWidget* parent, Window* window, const char* caption, QSize size, void (Window::*handler)(), bool bold = false)
{
    QPushButton* button = MakeLocationButton(parent, QString::fromUtf8(caption), size, bold);
    ConnectGuarded(button, &QPushButton::clicked, window, handler);
    return button;
}

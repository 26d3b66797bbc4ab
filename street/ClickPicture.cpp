#include "street/ClickPicture.h"

#include <QMouseEvent>

ClickPicture::ClickPicture(QWidget* parent)
    : PictureBox(parent)
{
    setCursor(Qt::CrossCursor);
}

void ClickPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    event->accept();
}

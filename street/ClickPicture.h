// A picture the player shoots or hits: it reports the press of a mouse button at once, as a real-time game needs.
#pragma once

#include "core/Picture.h"

class ClickPicture : public PictureBox {
    Q_OBJECT
public:
    explicit ClickPicture(QWidget* parent = nullptr);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

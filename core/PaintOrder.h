// The order of a start-up's first picture: the window that asks the player something is painted before the window
// behind it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// While it lives, `behind` paints nothing until `front` has been painted once or hidden, or a fifth of a second has
// passed; then `behind` is painted whole at once. Nothing is lost: the window behind only waits a moment for its picture.
// A window whose painting is already held by someone else is left as it is.
class PaintedBehind : public QObject {
public:
    PaintedBehind(QWidget& behind, QWidget& front);
    ~PaintedBehind() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void release();

    QPointer<QWidget> m_behind;
    QPointer<QWidget> m_front;
};

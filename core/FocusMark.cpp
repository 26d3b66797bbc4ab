#include "core/FocusMark.h"

#include "core/Look.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {
// The ring straddles the control's edge: half of it outside, half over the control's own border, so that a control
// standing at the edge of its panel or of the window still shows the inner half.
constexpr int RingOutside = 2;
constexpr int RingWidth = 4;

// The ring stands in the control's window, above everything, so that no panel between them cuts it off; it follows
// the control as it moves, changes size, hides and shows.
class FocusRing : public QWidget {
public:
    FocusRing()
    {
        setObjectName(QStringLiteral("focusMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoChildEventsForParent);
        setFocusPolicy(Qt::NoFocus);
    }

    void follow(QWidget* control)
    {
        if (m_control)
            m_control->removeEventFilter(this);
        m_control = control;
        if (!control) {
            hide();
            return;
        }
        if (parentWidget() != control->window())
            setParent(control->window());
        control->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_control) {
            switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                place();
                break;
            default:
                break;
            }
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect ring = rect();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(Palette::Ink));
        painter.drawRect(ring);
        painter.setBrush(QColor(Palette::LampLight));
        painter.drawRect(ring.adjusted(1, 1, -1, -1));
    }

private:
    void place()
    {
        if (!m_control || !m_control->isVisible() || !parentWidget()) {
            hide();
            return;
        }
        const QRect around = QRect(m_control->mapTo(parentWidget(), QPoint(0, 0)), m_control->size())
                                 .adjusted(-RingOutside, -RingOutside, RingOutside, RingOutside);
        setGeometry(around);
        // A dark line outside, a light band, a dark line inside: the ring reads on light pages and dark pictures.
        const QRect inner = rect().adjusted(RingWidth, RingWidth, -RingWidth, -RingWidth);
        setMask(QRegion(rect()).subtracted(QRegion(inner)));
        raise();
        show();
        update();
    }

    QPointer<QWidget> m_control;
};

class FocusMarks : public QObject {
public:
    explicit FocusMarks(QApplication& application)
        : QObject(&application)
    {
        connect(&application, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    }

private:
    void follow(QWidget* now)
    {
        // A window itself wears no ring: the controls in it do.
        if (!now || now->isWindow()) {
            if (m_ring)
                m_ring->follow(nullptr);
            return;
        }
        if (!m_ring)
            m_ring = new FocusRing;
        m_ring->follow(now);
    }

    // The ring lives in the window of the control it marks and goes with that window.
    QPointer<FocusRing> m_ring;
};
}

void ShowFocusMarks(QApplication& application) { new FocusMarks(application); }

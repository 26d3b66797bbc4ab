#include "core/FocusMark.h"

#include "core/Look.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace {
// The ring's width in logical pixels, outside the control's edge.
constexpr int RingWidth = 3;

// The ring stands this far out from the control, so its mask leaves the control itself alone.
class RingStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return RingWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

class FocusRing : public QFocusFrame {
public:
    explicit FocusRing(QStyle* ringStyle)
    {
        setObjectName(QStringLiteral("focusMark"));
        setStyle(ringStyle);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(QColor(Palette::Ink), 1));
        painter.drawRect(outer);
        painter.setPen(QPen(QColor(Palette::LampLight), RingWidth - 1));
        const qreal inset = 1 + (RingWidth - 1) / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
};

class FocusMarks : public QObject {
public:
    explicit FocusMarks(QApplication& application)
        : QObject(&application)
        , m_style(new RingStyle)
    {
        m_style->setParent(this);
        connect(&application, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    }

private:
    void follow(QWidget* now)
    {
        // A window itself, or a control without a parent to stand the ring in, wears no ring.
        const bool marked = now && !now->isWindow() && now->parentWidget();
        if (!marked) {
            if (m_ring)
                m_ring->setWidget(nullptr);
            return;
        }
        if (!m_ring)
            m_ring = new FocusRing(m_style);
        m_ring->setWidget(now);
    }

    QStyle* m_style;
    // The ring lives beside the control it marks and goes with that control's window.
    QPointer<FocusRing> m_ring;
};
}

void ShowFocusMarks(QApplication& application) { new FocusMarks(application); }

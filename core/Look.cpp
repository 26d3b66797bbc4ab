#include "core/Look.h"

#include "core/Picture.h"

#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QWidget>

QString ColorName(QRgb color) { return QColor(color).name(); }

void SetBold(QWidget* widget, int largerBy)
{
    QFont font = widget->font();
    font.setBold(true);
    if (largerBy != 0)
        font.setPointSize(font.pointSize() + largerBy);
    widget->setFont(font);
}

void SetHeading(QWidget* widget, int pixelSize)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

void SetTextColor(QWidget* widget, QRgb color)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(role, QColor(color));
    widget->setPalette(palette);
}

void AddShadow(QLabel* label, QRgb shadow, int blurRadius)
{
    auto* effect = new QGraphicsDropShadowEffect(label);
    effect->setColor(QColor(shadow));
    effect->setOffset(blurRadius > 4 ? 0 : 1, blurRadius > 4 ? 0 : 1);
    effect->setBlurRadius(blurRadius);
    label->setGraphicsEffect(effect);
}

void MakePanel(QWidget* widget)
{
    if (widget->objectName().isEmpty())
        widget->setObjectName(QStringLiteral("panel"));
    const QString name = widget->objectName();
    const QString frame = ColorName(Palette::WoodDark);
    if (qobject_cast<QGroupBox*>(widget)) {
        widget->setStyleSheet(
            QStringLiteral("QGroupBox#%1 { background: rgba(251, 247, 238, 215); border: 1px solid %2; "
                           "border-radius: 4px; margin-top: 8px; font-weight: bold; }"
                           "QGroupBox#%1::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }")
                .arg(name, frame));
    } else {
        widget->setStyleSheet(
            QStringLiteral("#%1 { background: rgba(251, 247, 238, 225); border: 1px solid %2; border-radius: 4px; }")
                .arg(name, frame));
    }
}

void SetBackground(QWidget* window, QRgb color)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(color));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void AddBackground(QWidget* window, const QString& art)
{
    auto* background = new PictureBox(window);
    background->setGeometry(QRect(QPoint(0, 0), window->size()));
    background->setArt(art);
    background->lower();
}

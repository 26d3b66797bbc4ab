#include "town/LocationLook.h"

#include "core/Picture.h"
#include "town/WrapButton.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>

void AddLocationBackground(QWidget* window, const QString& art)
{
    auto* background = new PictureBox(window);
    background->setGeometry(QRect(QPoint(0, 0), window->size()));
    background->setArt(art);
    background->lower();
}

QLabel* MakeLocationHeading(QWidget* parent)
{
    auto* heading = new QLabel(QStringLiteral("ЧТО БУДЕМ ДЕЛАТЬ?"), parent);
    QFont font = heading->font();
    font.setPixelSize(24);
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("color: #3A3845;"));
    auto* glow = new QGraphicsDropShadowEffect(heading);
    glow->setColor(QColor(0xFB, 0xF7, 0xEE));
    glow->setOffset(0, 0);
    glow->setBlurRadius(10);
    heading->setGraphicsEffect(glow);
    return heading;
}

QPushButton* MakeLocationButton(QWidget* parent, const QString& caption, QSize size, bool bold)
{
    auto* button = new WrapButton(caption, parent);
    button->setFixedSize(size);
    if (bold) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    return button;
}

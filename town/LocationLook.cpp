#include "town/LocationLook.h"

#include "core/Look.h"
#include "core/WrapButton.h"

#include <QLabel>

QLabel* MakeLocationHeading(QWidget* parent)
{
    auto* heading = new QLabel(QStringLiteral("ЧТО БУДЕМ ДЕЛАТЬ?"), parent);
    SetHeading(heading, 24);
    heading->setAlignment(Qt::AlignCenter);
    SetTextColor(heading, Palette::Ink);
    AddShadow(heading, Palette::Paper);
    return heading;
}

QPushButton* MakeLocationButton(QWidget* parent, const QString& caption, QSize size, bool bold)
{
    auto* button = new WrapButton(caption, parent);
    button->setFixedSize(size);
    if (bold)
        SetBold(button);
    return button;
}

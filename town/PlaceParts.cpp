#include "town/PlaceParts.h"

#include "core/Look.h"

#include <QLabel>
#include <QLineEdit>

QLabel* MakeValueLabel(QWidget* parent, const QString& description)
{
    auto* label = new QLabel(parent);
    label->setAccessibleDescription(description);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetBold(label);
    SetTextColor(label, Palette::BlueDark);
    label->setMinimumWidth(48);
    return label;
}

QLineEdit* MakeAmountField(QWidget* parent, const QString& accessibleName)
{
    auto* field = new QLineEdit(QStringLiteral("0"), parent);
    field->setAccessibleName(accessibleName);
    field->setMaximumWidth(70);
    return field;
}

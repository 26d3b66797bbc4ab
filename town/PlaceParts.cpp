#include "town/PlaceParts.h"

#include "core/Look.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {
// The amount is selected whenever the box gets the focus but from a click (which places the cursor): when its window
// opens, after a message about the last amount, by Tab. The player's first keys replace the amount ("10", not "010").
class SelectOnEntry : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
            // Once the focus change is over: the box drops a selection made while its window is being shown.
            auto* field = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
        }
        return false;
    }
};
}

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
    field->installEventFilter(new SelectOnEntry(field));
    return field;
}

#include "core/EnterKey.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {
class EnterPresses : public QObject {
public:
    EnterPresses(QLineEdit* field, QAbstractButton* button)
        : QObject(field)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QObject::eventFilter(watched, event);
        if (m_button && m_button->isEnabled() && m_button->isVisible())
            m_button->click();
        return true;
    }

private:
    QPointer<QAbstractButton> m_button;
};
}

void PressOnEnter(QLineEdit* field, QAbstractButton* button)
{
    field->installEventFilter(new EnterPresses(field, button));
}

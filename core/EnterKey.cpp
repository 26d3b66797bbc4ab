#include "core/EnterKey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

namespace {
bool IsEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

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
        if (!IsEnter(static_cast<QKeyEvent*>(event)))
            return QObject::eventFilter(watched, event);
        if (m_button && m_button->isEnabled() && m_button->isVisible())
            m_button->click();
        return true;
    }

private:
    QPointer<QAbstractButton> m_button;
};

// Sees a key before the focused widget does; only a press that reaches a button as the focus widget is taken.
class FocusedButtonEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !IsEnter(static_cast<QKeyEvent*>(event)))
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || button != QApplication::focusWidget() || qobject_cast<QCheckBox*>(button)
            || qobject_cast<QRadioButton*>(button) || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }
};
}

void PressOnEnter(QLineEdit* field, QAbstractButton* button)
{
    field->installEventFilter(new EnterPresses(field, button));
}

void PressFocusedButtonsOnEnter(QApplication& application)
{
    application.installEventFilter(new FocusedButtonEnter(&application));
}

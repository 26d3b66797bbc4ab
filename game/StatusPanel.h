// The status panel of the main window: one read-only box per field of the game, following the game state.
#pragma once

#include "core/GameState.h"

#include <QObject>
#include <bitset>
#include <map>

class QLineEdit;
class QTimer;
class QWidget;

class StatusPanel : public QObject {
    Q_OBJECT
public:
    // The boxes stand in window; they are set while it is in sight and brought up to date when it is shown again.
    StatusPanel(const TGameState& state, QWidget& window);

    // Makes the box of a field in parent, named as the field is ("Money"); a bare value is bold.
    QLineEdit* MakeDisplay(Field field, bool bold, QWidget* parent);
    // Fills every box and from now on follows the state's changes.
    void Follow();
    // The box of a field, brought up to date if it was waiting; nullptr for a field the panel does not show.
    QLineEdit* Display(Field field) const;
    // What the panel shows for a field; empty for a field it does not show.
    QString Text(Field field) const;
    // The window has been shown: the boxes of the fields that changed while it was hidden are set.
    void WindowShown() const;

private:
    void showField(Field field);
    void setBox(Field field, QLineEdit* box) const;
    void setPendingBoxes() const;
    void endFrame();

    const TGameState& m_state;
    QWidget& m_window;
    std::map<Field, QLineEdit*> m_displays;
    // Fields changed while the window was hidden: a hidden panel lays out no text, its boxes are set when the window
    // is shown or a box is asked for.
    mutable std::bitset<FieldCount> m_pendingFields;
    // At the fastest speed the clock changes the time boxes a hundred times a second, more often than a screen shows
    // them: a box is set at once when the panel was quiet, and what changes during the next frame waits for its end.
    QTimer* m_frame;
};

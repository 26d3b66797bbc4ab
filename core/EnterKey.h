// Enter presses buttons: the focused button as Space does, and in an edit box the box's own button rather than the
// window's default button, which acts on something else.
#pragma once

class QAbstractButton;
class QApplication;
class QLineEdit;

// From now on Enter (either key) in `field` clicks `button` and goes no further; a disabled or hidden button is not
// pressed.
void PressOnEnter(QLineEdit* field, QAbstractButton* button);

// From now on Enter (either key) presses the focused push or tool button of any window, as Space does: the player
// who walks a window with Tab presses what the focus mark shows, also in the main window, which has no default
// button, and on a button that is not the window's default. A check box or a radio button leaves Enter to the window.
void PressFocusedButtonsOnEnter(QApplication& application);

// Enter in an edit box presses the box's own button, not the window's default button, which acts on something else.
#pragma once

class QAbstractButton;
class QLineEdit;

// From now on Enter (either key) in `field` clicks `button` and goes no further; a disabled or hidden button is not
// pressed.
void PressOnEnter(QLineEdit* field, QAbstractButton* button);

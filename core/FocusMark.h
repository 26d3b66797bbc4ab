// The focus mark: a bold two-coloured ring around the control that has the keyboard focus, in every window.
#pragma once

class QApplication;

// From now on the focused control of any window wears the ring: light on a dark picture, dark on a light page, and
// wide enough to be seen at a glance at any screen scale. The style's own focus marks are thin lines in one colour,
// lost on the pictures and panels of the windows.
void ShowFocusMarks(QApplication& application);

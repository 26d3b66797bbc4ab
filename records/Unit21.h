// The cheat window: a code that unlocks an editor of the game values.
#pragma once

#include "core/GameWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm21 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm21(GameWindows& windows);

    // The window as the main window opens it: only the code entry, the editing panel hidden until the code is given.
    void HideEditor();

    void Edit1Change(const QString& typed);
    void Button1Click();
    void ComboBox1Change(int entry);
    void Button2Click();

private:
    QLabel* Label1; // "Активация чит-кодов:"
    QLineEdit* Edit1; // the code, every letter lower case
    QPushButton* Button1; // "OK"
    QGroupBox* GroupBox1; // "Что будем изменять?"
    QComboBox* ComboBox1; // the 18 entries
    QLineEdit* Edit2; // the value
    QPushButton* Button2; // "Изменить"
};

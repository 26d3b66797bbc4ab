// The girls of the class: pick a girl, read about her and try to talk to her.
#pragma once

#include "core/GameState.h"
#include "core/GameWindow.h"

#include <array>

class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TForm19 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm19(GameWindows& windows);

    // The selected girl, or -1 while none was picked ("X"); kept between showings.
    int selectedGirl() const { return m_selectedGirl; }

protected:
    // Every showing strikes out the names of the charmed girls and shows the others plainly.
    void showEvent(QShowEvent* event) override;

private:
    void NameButtonClick(int girl);
    void Button11Click();
    void Button12Click();
    void ShowGirlFlags();

    QLabel* Label1; // the class and the aim
    QLabel* Label2; // what the photo and the box show
    PictureBox* Image1; // the decorative picture
    std::array<QPushButton*, GirlCount> nameButtons; // Button1..Button10: Катя .. ОЛЯ, in the order of the flags
    PictureBox* Image2; // the selected girl's photo
    QPlainTextEdit* Memo1; // about her, read-only
    QPushButton* Button11; // "Поговорить с ней"
    QPushButton* Button12; // "Назад"

    int m_selectedGirl = -1;
};

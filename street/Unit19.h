// The girls of the class: pick a girl, read about her and try to talk to her.
#pragma once

#include "core/GameState.h"
#include "core/GameWindow.h"

#include <array>

class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// What a girl asks before she talks: the authority she needs; Оля also wants the nine others charmed first.
int GirlAuthorityThreshold(int girl);
// The girl's name in "Разговор с ..." ("Катей", "Олей").
QString GirlNameWith(int girl);

class TForm19 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm19(GameWindows& windows);

    QLabel* Label1; // the class and the aim
    QLabel* Label2; // what the photo and the box show
    PictureBox* Image1; // the decorative picture
    std::array<QPushButton*, GirlCount> nameButtons; // Катя .. ОЛЯ, in the order of the girl flags
    PictureBox* Image2; // the selected girl's photo
    QPlainTextEdit* Memo1; // about her, read-only
    QPushButton* Button11; // "Поговорить с ней"
    QPushButton* Button12; // "Назад"

    // The selected girl, or -1 while none was picked ("X"); kept between showings.
    int selectedGirl() const { return m_selectedGirl; }

    void NameButtonClick(int girl);
    void Button11Click();
    void Button12Click();

private:
    bool willTalk(int girl) const;
    int m_selectedGirl = -1;
};

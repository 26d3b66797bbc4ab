// The ending: how the school year ended for the player.
#pragma once

#include "core/GameWindow.h"

#include <array>

class PictureBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TForm45 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm45(GameWindows& windows);

    // The ending shown, 1..5 (0 before the first showing).
    int Ending() const { return m_ending; }

    // Chooses the ending from the final grades and shows it; runs at every showing.
    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label1; // "Концовка:"
    QLabel* Label2; // the ending's name
    QLabel* Label3; // "Количество баллов:"
    QLabel* Label4; // the score
    QGroupBox* GroupBox1; // "Карикатурка не в тему"
    std::array<PictureBox*, 5> Images {}; // pictures 1..5, one place, one shown; named "Image1".."Image5"
    QPlainTextEdit* Memo1; // the ending's story
    QPushButton* Button1; // "OK"

    int m_ending = 0;
};

// The job centre "Центр Занятости Молодежи": the seven jobs, their descriptions and the application.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// Reads FightSkill, Vigor and Mood and writes JobIncome directly. Unlike the other town places it has a close box.
class TForm17 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm17(GameWindows& windows);

    // Every visit starts at the first job with its description. A description that cannot be read throws
    // EInOutError and the window keeps what it showed.
    void ShowFirstJob();

    void ListBox1Click(int position);
    void Button1Click();

private:
    void LoadDescription(int position);

    QLabel* Label1; // the invitation under the picture
    QListWidget* ListBox1; // "Работа:"
    QPlainTextEdit* Memo1; // "Инфо:"
    QPushButton* Button1; // "СОГЛАСЕН"
    QPushButton* Button2; // "Уйти отсюда"
};

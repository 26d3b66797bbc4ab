// The base of the two loot windows after a won fight: look into the beaten opponent's pockets, or leave him be.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TLootWindow : public TGameWindow {
    Q_OBJECT
protected:
    // The pockets hold 0..most roubles; found is the message with %1 for the sum.
    TLootWindow(GameWindows& windows, const QString& caption, const QString& art, const QString& question, int most,
        const QString& found);

private:
    void Button1Click();
    void Button2Click();

    QLabel* Label1; // the question, white over a black shadow
    QPushButton* Button1; // "ДА!!!"
    QPushButton* Button2; // "НЕТ"

    int m_most;
    QString m_found;
};

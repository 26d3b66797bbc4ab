// The death window: how the player died, and a new try, or a return to the game's last autosave.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm32 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm32(GameWindows& windows);

    // How the window closes on the return to the last autosave.
    static constexpr ModalResult ReturnResult = ModalResult::Retry;

    // Finishes the window's sentence with the cause of death ("голода.") before the window is shown.
    void ShowCause(const QString& cause);
    // The return is offered only while the game has an autosave to return to.
    void SetReturnOffered(bool offered);

    void Button1Click();
    void Button2Click();
    void returnButtonClick();

private:
    QLabel* Label1; // the fixed text
    QLabel* DeathCause; // how the player died, given by ShowCause
    QPushButton* Button1; // "Попробовать сначала"
    QPushButton* Button2; // "Выйти"
    QPushButton* returnButton; // back to the last autosave of this game
};

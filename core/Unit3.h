// The name window: asks the player's name at start-up, or offers to load a saved game or to continue the autosave.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public TGameWindow {
    Q_OBJECT
public:
    // How the window closes on «Продолжить»; "Новая игра" gives ModalResult::Ok, "Загрузить игру" ModalResult::Cancel.
    static constexpr ModalResult ContinueResult = ModalResult::Retry;

    explicit TForm3(GameWindows& windows);

    QString playerName() const;
    // «Продолжить» is offered only while there is an autosave to continue.
    void SetContinueOffered(bool offered);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button1Click();
    void Button2Click();
    void continueButtonClick();

    QLabel* Label1; // the greeting
    QLineEdit* Edit1; // the name box
    QPushButton* Button1; // "Новая игра"
    QPushButton* Button2; // "Загрузить игру"
    QPushButton* continueButton; // «Продолжить»: the autosave
};

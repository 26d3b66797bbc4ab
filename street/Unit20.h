// A conversation with a girl, played from her script: her lines, the player's answers and her liking.
#pragma once

#include "core/GameWindow.h"
#include "street/GirlScript.h"

#include <array>
#include <optional>

class PictureBox;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class TForm20 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm20(GameWindows& windows);

    // Readies the talk with girl n ("Разговор с " + nameWith): her photo, her script, its first node. A broken
    // script tells the player so and gives false: there is no talk then. A missing file throws EInOutError.
    bool Start(int girl, const QString& nameWith);

    // The liking indicator: idle, a face to show at the next tick, or a face on show counting down to clearing it.
    enum class FaceState { Idle, ShowGood, ShowBad, CountingDown };
    FaceState faceState() const { return m_faceState; }
    int faceCountdown() const { return m_faceCountdown; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void AnswerClick(int k);
    void Button6Click();
    void Timer1Timer();
    void showNode();
    void showFace(const char* picture);
    void pause();

    PictureBox* Image1; // her photo
    PictureBox* Image2; // the liking indicator
    QPlainTextEdit* Memo1; // the conversation so far
    std::array<QPushButton*, MaxGirlAnswers> answerButtons; // Button1..Button5
    QPushButton* Button6; // "Извини, я вспомнил... Мне надо... Мне надо бежать! Пока!"
    QTimer* Timer1; // the liking indicator, every 10 ms

    std::optional<GirlTalk> m_talk;
    FaceState m_faceState = FaceState::Idle;
    int m_faceCountdown = 100;
};

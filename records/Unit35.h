// The teacher's question: three questions from a subject's file, answered with three buttons and graded 2 to 5.
#pragma once

#include "core/GameWindow.h"
#include "records/Questioning.h"

#include <QStringList>

class PictureBox;
class QLabel;
class QPushButton;

class TForm35 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm35(GameWindows& windows);

    // The whole questioning for a subject as the files name it ("Физ-ра"): the grade "2".."5", or an empty text when
    // there was none because the subject's question file could not be used (the player has been told why).
    QString AskQuestions(const QString& fileSubject);
    // The subject of the next showing, for a caller that shows the window itself.
    void SetSubject(const QString& fileSubject) { m_subject = fileSubject; }
    // The questioning on screen, or the last one with its grade.
    const Questioning& questioning() const { return m_questioning; }

    // The opening step: loads the subject's questions and shows the first one.
    void FormShow();
    void Button1Click() { Answer(0); }
    void Button2Click() { Answer(1); }
    void Button3Click() { Answer(2); }
    void Button4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool LoadLines(const QString& fileSubject);
    void ShowQuestion();
    void Answer(int answer);

    PictureBox* Image1; // the teacher
    PictureBox* Image2; // the pupil
    QLabel* Label1; // "Сидели вы тут, понимаешь, спокойно..."
    QLabel* Label2; // the question on screen
    QLabel* Label3; // "Э... Ну... Это... Хм..."
    QPushButton* Button1; // answer 1
    QPushButton* Button2; // answer 2
    QPushButton* Button3; // answer 3
    QPushButton* Button4; // "ПОПЫТАТЬСЯ ИСПОЛЬЗОВАТЬ ГДЗ"

    QString m_subject;
    QStringList m_lines;
    bool m_linesReady = false; // AskQuestions has already loaded the lines for this showing
    Questioning m_questioning;
};

// The teacher's question: three questions from a subject's file, answered with three buttons and graded 2 to 5.
#pragma once

#include "core/GameWindow.h"
#include "records/Questions.h"

#include <QStringList>

class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm35 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm35(GameWindows& windows);

    PictureBox* Image1; // the teacher
    PictureBox* Image2; // the pupil
    QLabel* Label1; // "Сидели вы тут, понимаешь, спокойно..."
    QLabel* Label2; // the question on screen
    QLabel* Label3; // "Э... Ну... Это... Хм..."
    QPushButton* Button1; // answer 1
    QPushButton* Button2; // answer 2
    QPushButton* Button3; // answer 3
    QPushButton* Button4; // "ПОПЫТАТЬСЯ ИСПОЛЬЗОВАТЬ ГДЗ"
    // The hidden entry field: the caller puts the subject in, it holds "1" while the questioning runs, and the grade
    // ("2".."5") when the window has closed. Empty when there was no questioning.
    QLineEdit* Edit1;

    // The whole questioning for a subject as the files name it ("Физ-ра"): the grade "2".."5", or an empty text when
    // there was none because the subject's question file could not be used (the player has been told why).
    QString AskQuestions(const QString& fileSubject);

    // The opening step: takes the subject from the entry field, loads its questions and shows the first one.
    void FormShow();
    void Button1Click() { Answer(0); }
    void Button2Click() { Answer(1); }
    void Button3Click() { Answer(2); }
    void Button4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool LoadLines(const QString& fileSubject);
    void ShowLine(int index);
    void Answer(int answer);

    QStringList m_lines;
    bool m_linesReady = false; // AskQuestions has already loaded the lines for this showing
    int m_grade = 2;
    int m_asked = 1;
    int m_firstLine = 0;
    int m_lastLine = 0;
    Question m_question; // the line on screen
};

// One questioning by a teacher: three different lines of a subject's question file, the answers and the grade.
#pragma once

#include "core/Ui.h"
#include "records/Questions.h"

#include <QString>
#include <QStringList>

class TGameState;

class Questioning {
public:
    // Starts a questioning on the lines of a subject's file (at least MinQuestionLines of them): the grade starts at 2
    // and the first line is drawn.
    void Start(const QStringList& lines);
    // Ends the questioning without a grade.
    void Stop();

    // Between the start and the third answer.
    bool IsRunning() const { return m_running; }
    // The question on screen.
    const Question& Current() const { return m_question; }
    // The number of the question on screen, 1 to 3.
    int Asked() const { return m_asked; }

    // Answers the question on screen with answer 0..2 and returns the teacher's praise or reproach. A right answer
    // raises the grade by one. After the third answer the questioning is over; otherwise a line that is neither the
    // first nor the one just asked comes next.
    QString Answer(int answer);

    // The grade "2".."5" once the third question has been answered, otherwise an empty text.
    QString Grade() const { return m_result; }

private:
    void ShowLine(int index);

    QStringList m_lines;
    bool m_running = false;
    int m_grade = 2;
    int m_asked = 1;
    int m_firstLine = 0;
    int m_lastLine = 0;
    Question m_question;
    QString m_result;
};

// The homework-answers book used on the question on screen: without the book only a reminder; otherwise one try in
// four the book is taken away for good, and else it tells every right answer, in order. Returns what the player is
// told and, when the book is caught, the change that takes it (HasGdz "Нет"), made once the player has read why.
RuleOutcome UseGdz(TGameState& state, const Question& question);

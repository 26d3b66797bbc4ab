// Teachers' questions: a line of a subject's question file is a question with three offered answers.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

struct Question {
    QString text;
    std::array<QString, 3> answers;
    std::array<bool, 3> right { false, false, false };
};

// Splits a line at "#" and "@" into the question and three answers. The mark in front of an answer says whether it
// is right ("@") or wrong ("#"); a mark after the third answer ends the line, the rest is ignored. Nothing is trimmed,
// a missing field stays empty and an answer without its mark is wrong.
Question ParseQuestionLine(const QString& line);

// The subject as the question files and the question window name it: "Физ/ра" is written "Физ-ра".
QString QuestionFileSubject(const QString& subjectKey);
// The game path of a subject's question file, "Data\Questions\<subject>.qst".
QString QuestionFileName(const QString& fileSubject);

// A questioning asks three different lines, so a question file needs at least this many.
constexpr int MinQuestionLines = 3;
// A question line longer than this (the question and its three answers together) is refused.
constexpr int MaxQuestionLineLength = 2000;

// All lines of a subject's question file. Throws EInOutError naming the file when it is missing, cannot be read, or
// has fewer than three lines or a line longer than MaxQuestionLineLength.
QStringList LoadQuestionFile(const QString& fileSubject);

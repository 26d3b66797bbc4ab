#include "records/Questions.h"

#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "records/RecordsContent.h"

Question ParseQuestionLine(const QString& line)
{
    Question question;
    int field = 0; // 0 = the question, 1..3 = the answers
    for (QChar c : line) {
        if (c == QLatin1Char('#') || c == QLatin1Char('@')) {
            if (field == 3)
                break;
            question.right[field] = c == QLatin1Char('@');
            ++field;
            continue;
        }
        if (field == 0)
            question.text += c;
        else
            question.answers[field - 1] += c;
    }
    return question;
}

QString QuestionFileSubject(const QString& subjectKey)
{
    if (subjectKey == QStringLiteral("Физ/ра"))
        return QStringLiteral("Физ-ра");
    return subjectKey;
}

QString QuestionFileName(const QString& fileSubject) { return RecordsContent::Questions.path(fileSubject); }

QStringList LoadQuestionFile(const QString& fileSubject)
{
    const QString name = QuestionFileName(fileSubject);
    const QString path = DataPath(name);
    QStringList lines;
    try {
        // A question and its answers fill a window and three buttons; a line far longer is a damaged file, and laying
        // it out would freeze the window.
        lines = ReadLines1251(path, MaxQuestionLineLength);
    } catch (const EInOutError& error) {
        // The reader names the full path; the player knows the file by its game name.
        throw EInOutError::forFile(name, error.reason());
    }
    if (lines.size() < MinQuestionLines)
        throw EInOutError::forFile(name, QStringLiteral("в файле меньше трех вопросов"));
    return lines;
}

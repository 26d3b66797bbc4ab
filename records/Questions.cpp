#include "records/Questions.h"

#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/TextFile.h"

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

QString QuestionFileName(const QString& fileSubject)
{
    return QStringLiteral("Data\\Questions\\") + fileSubject + QStringLiteral(".qst");
}

QStringList LoadQuestionFile(const QString& fileSubject)
{
    const QString name = QuestionFileName(fileSubject);
    const QString path = DataPath(name);
    QStringList lines;
    try {
        lines = ReadLines1251(path);
    } catch (const EInOutError& error) {
        // The reader names the full path; the player knows the file by its game name.
        QString reason = error.message();
        const QString prefix = path + QStringLiteral(": ");
        if (reason.startsWith(prefix))
            reason = reason.mid(prefix.size());
        throw EInOutError::forFile(name, reason);
    }
    if (lines.size() < MinQuestionLines)
        throw EInOutError::forFile(name, QStringLiteral("в файле меньше трех вопросов"));
    // A question and its answers fill a window and three buttons; a line far longer is a damaged file, and laying it
    // out would freeze the window.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > MaxQuestionLineLength)
            throw EInOutError::forFile(name,
                QStringLiteral("строка %1 длиннее %2 знаков (%3)")
                    .arg(i + 1)
                    .arg(MaxQuestionLineLength)
                    .arg(lines[i].size()));
    }
    return lines;
}

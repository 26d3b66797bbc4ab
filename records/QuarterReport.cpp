#include "records/QuarterReport.h"

#include "core/DiaryGrades.h"

QuarterReportOutcome QuarterReport(const DiaryGrades& diary, const ClockReading& time)
{
    if (time.hour != 7 || time.minute != 10 || time.day != 1)
        return {};
    int column;
    QString title;
    switch (time.month) {
    case 11:
        column = Quarter1;
        title = QStringLiteral("--- Конец первой четверти ---");
        break;
    case 1:
        column = Quarter2;
        title = QStringLiteral("--- Конец второй четверти ---");
        break;
    case 4:
        column = Quarter3;
        title = QStringLiteral("--- Конец третьей четверти ---");
        break;
    default:
        return {};
    }
    bool fours = false;
    bool low = false;
    for (int subject = 0; subject < SubjectCount; ++subject) {
        const QString grade = diary.cell(subject, column);
        fours = fours || grade == QLatin1String("4");
        low = low || grade == QLatin1String("3") || grade == QLatin1String("2");
    }
    if (low)
        return { { title,
                     QStringLiteral("Ваша мать посмотрела в ваш дневник и ужаснулась. Вы - троечник! Кажись, она не "
                                    "даст вам деньги за хорошую учебу...") },
            0 };
    if (fours)
        return {
            { title, QStringLiteral("За хорошую учебу ваша мама дала вам сумму в размере 20 рублей. Так держать!") }, 20
        };
    return { { title, QStringLiteral("За отличную учебу ваша мама дала вам сумму в размере 30 рублей. Так держать!") },
        30 };
}

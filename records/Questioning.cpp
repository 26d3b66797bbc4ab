#include "records/Questioning.h"

#include "core/GameState.h"
#include "core/Random.h"

namespace {
const QString Praise[] = {
    QStringLiteral("Молодец!"),
    QStringLiteral("Умница!"),
    QStringLiteral("Вот, можешь же, когда хочешь!"),
    QStringLiteral("Ты меня поражаешь! Молодец!"),
    QStringLiteral("Верно!"),
};

const QString Reproach[] = {
    QStringLiteral("Неа, не угадал"),
    QStringLiteral("Нет, не верно"),
    QStringLiteral("Откуда ты это взял?"),
    QStringLiteral("В твоем ГДЗ, видать, ошибка!"),
    QStringLiteral("Нет!"),
};
}

void Questioning::Start(const QStringList& lines)
{
    m_lines = lines;
    m_running = true;
    m_result.clear();
    m_grade = 2;
    m_asked = 1;
    m_firstLine = Random(int(m_lines.size()));
    m_lastLine = m_firstLine;
    ShowLine(m_lastLine);
}

void Questioning::Stop()
{
    m_running = false;
    m_result.clear();
}

void Questioning::ShowLine(int index) { m_question = ParseQuestionLine(m_lines.value(index)); }

QString Questioning::Answer(int answer)
{
    if (!m_running || answer < 0 || answer > 2)
        return {};
    QString reply;
    if (m_question.right[answer]) {
        ++m_grade;
        reply = Praise[Random(5)];
    } else {
        reply = Reproach[Random(5)];
    }
    ++m_asked;
    if (m_asked > 3) {
        m_running = false;
        m_result = QString::number(m_grade);
        return reply;
    }
    // At least three lines are loaded, so another line different from the first and the last one always exists.
    int next;
    do {
        next = Random(int(m_lines.size()));
    } while (next == m_firstLine || next == m_lastLine);
    m_lastLine = next;
    ShowLine(m_lastLine);
    return reply;
}

RuleOutcome UseGdz(TGameState& state, const Question& question)
{
    if (state.text(Field::HasGdz) == TextNo)
        return { { QStringLiteral("У вас нет такой ценной книжки!") }, {} };
    if (Random(4) == 0) {
        return { { QStringLiteral("Упс, попалили... ГДЗ у вас отобрали... И больше никогда не вернут. =(") },
            [&state] { state.setText(Field::HasGdz, TextNo); } };
    }
    QStringList hints;
    for (int i = 0; i < 3; ++i) {
        if (question.right[i])
            hints.append(
                QStringLiteral("ГДЗ мне подсказывает, что правильный ответ %1: ").arg(i + 1) + question.answers[i]);
    }
    return { hints, {} };
}

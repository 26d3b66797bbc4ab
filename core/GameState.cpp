#include "core/GameState.h"

#include "core/Errors.h"

#include <algorithm>

GameValues::GameValues()
{
    for (const FieldInfo& info : FieldTable)
        m_text[int(info.field)] = QString::fromUtf8(info.start);
}

int GameValues::number(Field field) const { return StrToInt(m_text[int(field)]); }

bool GameValues::put(Field field, const QString& text)
{
    QString& value = m_text[int(field)];
    if (value == text)
        return false;
    value = text;
    return true;
}

bool GameValues::setNumber(NumberField field, qint64 value) { return put(field, QString::number(Bounded(value))); }

int GameValues::move(NumberField from, NumberField to, qint64 amount)
{
    const qint64 source = number(from);
    const qint64 destination = number(to);
    const qint64 moved
        = std::clamp<qint64>(std::min<qint64>({ amount, source, ValueLimit - destination }), 0, ValueLimit);
    setNumber(from, source - moved);
    setNumber(to, destination + moved);
    return int(moved);
}

TGameState::TGameState(QObject* parent)
    : QObject(parent)
{
}

int TGameState::move(NumberField from, NumberField to, qint64 amount)
{
    const QString before[2] = { text(from), text(to) };
    const int moved = m_values.move(from, to, amount);
    after(from, text(from) != before[0]);
    after(to, text(to) != before[1]);
    return moved;
}

void TGameState::restore(const GameValues& copy, const std::vector<Field>& fields)
{
    for (Field field : fields)
        restore(field, copy.text(field));
}

void TGameState::setCharmed(int index, bool charmed)
{
    if (m_charmed[index] == charmed)
        return;
    m_charmed[index] = charmed;
    emit girlFlagsChanged();
}

void TGameState::setDiary(const DiaryGrades& diary)
{
    if (m_diary == diary)
        return;
    m_diary = diary;
    emit diaryChanged();
}

void TGameState::setGrade(int subject, int column, const QString& grade)
{
    if (m_diary.cell(subject, column) == grade)
        return;
    m_diary.setCell(subject, column, grade);
    emit diaryChanged();
}

void ResetForNewGame(TGameState& state)
{
    for (int i = 0; i < GirlCount; ++i)
        state.setCharmed(i, false);
    for (const FieldInfo& info : FieldTable) {
        if (info.newGame)
            state.restore(info.field, QString::fromUtf8(info.newGame));
    }
    state.setDiary(DiaryGrades());
}

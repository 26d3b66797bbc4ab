#include "core/GameState.h"

#include "core/Errors.h"

#include <algorithm>

const std::array<FieldInfo, FieldCount> FieldTable = { {
    { Field::PlayerName, "PlayerName", "Вас зовут:", "Аноним", nullptr },
    { Field::Money, "Money", "Деньги (Руб.):", "80", "80" },
    { Field::PiggyBank, "PiggyBank", "В копилке (Руб.):", "0", "0" },
    { Field::JobIncome, "JobIncome", "Доход от работы:", "0", "0" },
    { Field::LunchMoney, "LunchMoney", "Дают на питание (Руб.):", "0", "0" },
    { Field::Satiety, "Satiety", "Сытость:", "100", "100" },
    { Field::Mood, "Mood", "Настроение:", "100", "100" },
    { Field::Vigor, "Vigor", "Бодрость:", "100", "100" },
    { Field::FightSkill, "FightSkill", "Умение драться:", "0", "0" },
    { Field::AttendsTraining, "AttendsTraining", "Я хожу на тренировки?:", "Нет", "Нет" },
    { Field::Authority, "Authority", "Авторитет (в очках):", "0", "0" },
    { Field::MobilePhone, "MobilePhone", "Мобильник:", "Нет", "Нет" },
    { Field::PhoneCredit, "PhoneCredit", "USC на мобильнике:", "0", "0" },
    { Field::HasGdz, "HasGdz", "ГДЗ:", "Нет", "Нет" },
    { Field::Hour, "Hour", "Время:", "6", "8" },
    { Field::Minute, "Minute", nullptr, "30", "0" },
    { Field::Day, "Day", "Дата:", "1", "1" },
    { Field::Month, "Month", nullptr, "9", "9" },
    { Field::Year, "Year", nullptr, "2005", "2005" },
    { Field::Quarter, "Quarter", "Четверть:", "1", nullptr },
    { Field::Location, "Location", "Где я?:", "В школе", nullptr },
    { Field::MotherPhoneDeal, "MotherPhoneDeal", nullptr, "0", "0" },
    { Field::QuestionHour, "QuestionHour", nullptr, "25", "12" },
    { Field::RobberyAllowedToday, "RobberyAllowedToday", nullptr, "1", nullptr },
} };

const FieldInfo& InfoOf(Field field) { return FieldTable[int(field)]; }

int SaturatedSum(int value, int delta)
{
    const qint64 sum = qint64(value) + delta;
    if (delta > 0 && sum > ValueLimit)
        return std::max(value, ValueLimit);
    if (delta < 0 && sum < -ValueLimit)
        return std::min(value, -ValueLimit);
    return int(sum);
}

TGameState::TGameState(QObject* parent)
    : QObject(parent)
{
    for (const FieldInfo& info : FieldTable)
        m_values[int(info.field)] = QString::fromUtf8(info.start);
    m_girlFlags.fill(QStringLiteral("0"));
}

int TGameState::number(Field field) const { return StrToInt(m_values[int(field)]); }

void TGameState::set(Field field, const QString& text)
{
    QString& value = m_values[int(field)];
    if (value == text)
        return;
    value = text;
    emit changed(field);
}

void TGameState::set(Field field, int value) { set(field, QString::number(value)); }

void TGameState::setGirlFlag(int index, const QString& flag)
{
    if (m_girlFlags[index] == flag)
        return;
    m_girlFlags[index] = flag;
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
        state.setGirlFlag(i, QStringLiteral("0"));
    for (const FieldInfo& info : FieldTable) {
        if (info.newGame)
            state.set(info.field, QString::fromUtf8(info.newGame));
    }
    state.setDiary(DiaryGrades());
}

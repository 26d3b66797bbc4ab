// Everything the game knows about the player and the calendar, each value in the text form the panel shows.
#pragma once

#include "core/DiaryGrades.h"

#include <QObject>
#include <QString>
#include <array>
#include <vector>

// The single-valued fields, in the order of the status panel, then the calendar, then the hidden fields.
enum class Field {
    PlayerName,
    Money,
    PiggyBank,
    JobIncome,
    LunchMoney,
    Satiety,
    Mood,
    Vigor,
    FightSkill,
    AttendsTraining,
    Authority,
    MobilePhone,
    PhoneCredit,
    HasGdz,
    Hour,
    Minute,
    Day,
    Month,
    Year,
    Quarter,
    Location,
    MotherPhoneDeal,
    QuestionHour,
    RobberyAllowedToday,
};
constexpr int FieldCount = int(Field::RobberyAllowedToday) + 1;

// A number field holds a whole number; a text field a name, "Да"/"Нет", a phone model, a place.
enum class FieldKind { Text, Number };

struct FieldInfo {
    Field field;
    FieldKind kind;
    const char* name; // the field's name, as tools and the cheat editor call it
    const char* caption; // caption on the status panel, or nullptr for fields shown elsewhere or hidden
    const char* start; // value when the program starts
    const char* newGame; // value a new game sets, or nullptr when a new game keeps the field
};

// The table of all fields, indexed by Field.
inline constexpr std::array<FieldInfo, FieldCount> FieldTable = { {
    { Field::PlayerName, FieldKind::Text, "PlayerName", "Вас зовут:", "Аноним", nullptr },
    { Field::Money, FieldKind::Number, "Money", "Деньги (Руб.):", "80", "80" },
    { Field::PiggyBank, FieldKind::Number, "PiggyBank", "В копилке (Руб.):", "0", "0" },
    { Field::JobIncome, FieldKind::Number, "JobIncome", "Доход от работы:", "0", "0" },
    { Field::LunchMoney, FieldKind::Number, "LunchMoney", "Дают на питание (Руб.):", "0", "0" },
    { Field::Satiety, FieldKind::Number, "Satiety", "Сытость:", "100", "100" },
    { Field::Mood, FieldKind::Number, "Mood", "Настроение:", "100", "100" },
    { Field::Vigor, FieldKind::Number, "Vigor", "Бодрость:", "100", "100" },
    { Field::FightSkill, FieldKind::Number, "FightSkill", "Умение драться:", "0", "0" },
    { Field::AttendsTraining, FieldKind::Text, "AttendsTraining", "Я хожу на тренировки?:", "Нет", "Нет" },
    { Field::Authority, FieldKind::Number, "Authority", "Авторитет (в очках):", "0", "0" },
    { Field::MobilePhone, FieldKind::Text, "MobilePhone", "Мобильник:", "Нет", "Нет" },
    { Field::PhoneCredit, FieldKind::Number, "PhoneCredit", "USC на мобильнике:", "0", "0" },
    { Field::HasGdz, FieldKind::Text, "HasGdz", "ГДЗ:", "Нет", "Нет" },
    { Field::Hour, FieldKind::Number, "Hour", "Время:", "6", "8" },
    { Field::Minute, FieldKind::Number, "Minute", nullptr, "30", "0" },
    { Field::Day, FieldKind::Number, "Day", "Дата:", "1", "1" },
    { Field::Month, FieldKind::Number, "Month", nullptr, "9", "9" },
    { Field::Year, FieldKind::Number, "Year", nullptr, "2005", "2005" },
    { Field::Quarter, FieldKind::Number, "Quarter", "Четверть:", "1", nullptr },
    { Field::Location, FieldKind::Text, "Location", "Где я?:", "В школе", nullptr },
    { Field::MotherPhoneDeal, FieldKind::Number, "MotherPhoneDeal", nullptr, "0", "0" },
    { Field::QuestionHour, FieldKind::Number, "QuestionHour", nullptr, "25", "12" },
    { Field::RobberyAllowedToday, FieldKind::Number, "RobberyAllowedToday", nullptr, "1", nullptr },
} };

constexpr bool EveryRowStandsAtItsField()
{
    for (int i = 0; i < FieldCount; ++i) {
        if (int(FieldTable[i].field) != i)
            return false;
    }
    return true;
}
static_assert(EveryRowStandsAtItsField(), "FieldTable lists the fields in the order of the enum");

constexpr const FieldInfo& InfoOf(Field field) { return FieldTable[int(field)]; }

// The ten girls of the class, one flag each.
constexpr int GirlCount = 10;
// Оля, the last of the girls: her flag is the last one.
constexpr int OlyaGirl = 9;

// The state texts that rules compare, whole and case-sensitive.
inline const QString TextYes = QStringLiteral("Да");
inline const QString TextNo = QStringLiteral("Нет");
inline const QString LocationAtSchool = QStringLiteral("В школе");
inline const QString LocationOutside = QStringLiteral("Вне школы");
inline const QString LocationAsleep = QStringLiteral("Сон");

// The largest amount a game value holds, either way: every change of a number stops there instead of running over,
// and a saved game or an edited value beyond it is refused, so every value the game reaches can be loaded again.
constexpr int ValueLimit = 999999999;

constexpr bool IsNumberField(Field field) { return InfoOf(field).kind == FieldKind::Number; }

// A number field named in the code. It is made only from a constant and checked while the program is compiled, so
// `state.add(Field::Location, 5)` or `state.setText(Field::Money, ...)` do not build: numbers change only through
// the bounded operations below, and no rule writes a sum back as text.
class NumberField {
public:
    consteval NumberField(Field field)
        : m_field(field)
    {
        if (!IsNumberField(field))
            throw "this field holds a text, not a number";
    }
    constexpr Field field() const { return m_field; }
    constexpr operator Field() const { return m_field; }

private:
    Field m_field;
};

// A text field named in the code, made and checked the same way.
class TextField {
public:
    consteval TextField(Field field)
        : m_field(field)
    {
        if (IsNumberField(field))
            throw "this field holds a number, not a text";
    }
    constexpr Field field() const { return m_field; }
    constexpr operator Field() const { return m_field; }

private:
    Field m_field;
};

// `value` held within ±ValueLimit.
constexpr int Bounded(qint64 value)
{
    return int(value > ValueLimit ? ValueLimit : value < -ValueLimit ? -ValueLimit : value);
}

// The game's values as plain data: what the state holds, and the copies a place window works on. Every number
// changes only through setNumber, add and move, which keep it within ±ValueLimit.
class GameValues {
public:
    GameValues(); // the values when the program starts

    const QString& text(Field field) const { return m_text[int(field)]; }
    // The value as a whole number; throws EConvertError when the text is not one.
    int number(Field field) const;

    bool setText(TextField field, const QString& text) { return put(field, text); }
    // Sets a number, held within ±ValueLimit; returns whether the value changed.
    bool setNumber(NumberField field, qint64 value);
    // Adds to a number (reads it first, so a text that is not a number throws before anything changes); the sum
    // stops at ±ValueLimit.
    bool add(NumberField field, qint64 delta) { return setNumber(field, qint64(number(field)) + delta); }
    // Moves up to `amount` from one number to another: never more than the source holds (nothing when it is below
    // zero) nor than the destination can take below the limit, so nothing is lost or made. Returns what moved.
    int move(NumberField from, NumberField to, qint64 amount);

    // Puts a value back as text exactly as it was kept: a line of a saved game that passed its check, a value the
    // cheat editor accepted, a place window's copy. Rules never write through here.
    bool restore(Field field, const QString& text) { return put(field, text); }

    friend bool operator==(const GameValues&, const GameValues&) = default;

private:
    bool put(Field field, const QString& text);
    std::array<QString, FieldCount> m_text;
};

class TGameState : public QObject {
    Q_OBJECT
public:
    explicit TGameState(QObject* parent = nullptr);

    const GameValues& values() const { return m_values; }
    const QString& text(Field field) const { return m_values.text(field); }
    int number(Field field) const { return m_values.number(field); }

    void setText(TextField field, const QString& text) { after(field, m_values.setText(field, text)); }
    void setNumber(NumberField field, qint64 value) { after(field, m_values.setNumber(field, value)); }
    void add(NumberField field, qint64 delta) { after(field, m_values.add(field, delta)); }
    int move(NumberField from, NumberField to, qint64 amount);
    void restore(Field field, const QString& text) { after(field, m_values.restore(field, text)); }
    // Takes back the listed fields of a copy a place window worked on, in the listed order, changed or not.
    void restore(const GameValues& copy, const std::vector<Field>& fields);

    // Girl flags, index 0..GirlCount-1: "1" = charmed, "0" = not.
    QString girlFlag(int index) const { return m_charmed[index] ? QStringLiteral("1") : QStringLiteral("0"); }
    bool charmed(int index) const { return m_charmed[index]; }
    void setCharmed(int index, bool charmed);

    const DiaryGrades& diary() const { return m_diary; }
    void setDiary(const DiaryGrades& diary);
    QString grade(int subject, int column) const { return m_diary.cell(subject, column); }
    void setGrade(int subject, int column, const QString& grade);

signals:
    void changed(Field field);
    void girlFlagsChanged();
    void diaryChanged();

private:
    void after(Field field, bool changed)
    {
        if (changed)
            emit this->changed(field);
    }
    GameValues m_values;
    std::array<bool, GirlCount> m_charmed {};
    DiaryGrades m_diary;
};

// The reset of "Начать новую игру" and of the restart after the school year: girls, the listed fields and the diary.
// Name, quarter, location and today's robbery flag stay as they were.
void ResetForNewGame(TGameState& state);

// Everything the game knows about the player and the calendar, each value in the text form the panel shows.
#pragma once

#include "core/DiaryGrades.h"

#include <QObject>
#include <QString>
#include <array>

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

struct FieldInfo {
    Field field;
    const char* name; // the field's name, as tools and the cheat editor call it
    const char* caption; // caption on the status panel, or nullptr for fields shown elsewhere or hidden
    const char* start; // value when the program starts
    const char* newGame; // value a new game sets, or nullptr when a new game keeps the field
};

// The table of all fields, indexed by Field.
extern const std::array<FieldInfo, FieldCount> FieldTable;
const FieldInfo& InfoOf(Field field);

constexpr int GirlCount = 10;
// Оля, the last of the girls: her flag is the last one.
constexpr int OlyaGirl = 9;

// The state texts that rules compare, whole and case-sensitive.
inline const QString TextYes = QStringLiteral("Да");
inline const QString TextNo = QStringLiteral("Нет");
inline const QString LocationAtSchool = QStringLiteral("В школе");
inline const QString LocationOutside = QStringLiteral("Вне школы");
inline const QString LocationAsleep = QStringLiteral("Сон");

// The largest amount a game value holds, either way: a saved game refuses numbers beyond it, and sums stop at it
// instead of running over, so every value the game writes can be loaded again.
constexpr int ValueLimit = 999999999;
// value + delta held within ±ValueLimit. A value already beyond the limit (typed into the cheat window) is not pushed
// further out, and is never pulled back by a sum that goes the other way.
int SaturatedSum(int value, int delta);

class TGameState : public QObject {
    Q_OBJECT
public:
    explicit TGameState(QObject* parent = nullptr);

    QString text(Field field) const { return m_values[int(field)]; }
    // The value as a whole number; throws EConvertError when the text is not one.
    int number(Field field) const;
    void set(Field field, const QString& text);
    void set(Field field, int value);
    // Adds to a numeric field (reads it first, so a non-numeric text throws before anything changes); the sum stops
    // at ±ValueLimit.
    void add(Field field, int delta) { set(field, SaturatedSum(number(field), delta)); }

    // Girl flags, index 0..9: "1" = charmed.
    QString girlFlag(int index) const { return m_girlFlags[index]; }
    void setGirlFlag(int index, const QString& flag);

    const DiaryGrades& diary() const { return m_diary; }
    void setDiary(const DiaryGrades& diary);
    QString grade(int subject, int column) const { return m_diary.cell(subject, column); }
    void setGrade(int subject, int column, const QString& grade);

signals:
    void changed(Field field);
    void girlFlagsChanged();
    void diaryChanged();

private:
    std::array<QString, FieldCount> m_values;
    std::array<QString, GirlCount> m_girlFlags;
    DiaryGrades m_diary;
};

// The reset of "Начать новую игру" and of the restart after the school year: girls, the listed fields and the diary.
// Name, quarter, location and today's robbery flag stay as they were.
void ResetForNewGame(TGameState& state);

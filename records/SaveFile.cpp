#include "records/SaveFile.h"

#include "core/Errors.h"
#include "core/GameState.h"
#include "core/TextFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// What a line may hold.
enum class LineKind {
    Flag, // "0" or "1"
    Number, // a whole decimal number within ±ValueLimit
    YesNo, // "Да" or "Нет"
    Text, // anything on one line
    Grade, // "0" (no grade) to "5"
    Hour, // 0..23
    Minute, // 0, 10, .., 50: the clock moves in steps of ten minutes
    Day, // 1..30: every month of the game's calendar has thirty days
    Month, // 1..12
    Year, // the school year runs from 2005 into 2006
};

struct FieldLine {
    Field field;
    LineKind kind;
    const char* what; // how the message about a bad line calls it
};

// Lines 11 to 31, after the ten girls and before the four quarters of grades.
constexpr std::array<FieldLine, 21> FieldLines = { {
    { Field::Hour, LineKind::Hour, "час" },
    { Field::Minute, LineKind::Minute, "минуты" },
    { Field::Day, LineKind::Day, "день" },
    { Field::Month, LineKind::Month, "месяц" },
    { Field::Year, LineKind::Year, "год" },
    { Field::MotherPhoneDeal, LineKind::Flag, "уговор с мамой о мобильнике" },
    { Field::QuestionHour, LineKind::Number, "час вопроса учителя" },
    { Field::PlayerName, LineKind::Text, "имя" },
    { Field::Money, LineKind::Number, "деньги" },
    { Field::PiggyBank, LineKind::Number, "копилка" },
    { Field::JobIncome, LineKind::Number, "доход от работы" },
    { Field::LunchMoney, LineKind::Number, "деньги на питание" },
    { Field::Satiety, LineKind::Number, "сытость" },
    { Field::Mood, LineKind::Number, "настроение" },
    { Field::Vigor, LineKind::Number, "бодрость" },
    { Field::FightSkill, LineKind::Number, "умение драться" },
    { Field::AttendsTraining, LineKind::YesNo, "хожу ли на тренировки" },
    { Field::Authority, LineKind::Number, "авторитет" },
    { Field::MobilePhone, LineKind::Text, "мобильник" },
    { Field::PhoneCredit, LineKind::Number, "деньги на мобильнике" },
    { Field::HasGdz, LineKind::YesNo, "ГДЗ" },
} };

// One line of the file: which value it carries.
struct SaveLine {
    enum Place { Girl, Single, QuarterGrade } place;
    int index; // girl 0..9, index into FieldLines, or subject 0..15
    int column; // quarter column for grades
    LineKind kind;
};

constexpr int QuarterCount = 4;
static_assert(GirlCount + int(FieldLines.size()) + QuarterCount * SubjectCount == SavedGameLineCount);

// The file's lines in order: the girls, the single values, then the grades quarter by quarter in diary order.
std::array<SaveLine, SavedGameLineCount> MakeLineTable()
{
    std::array<SaveLine, SavedGameLineCount> table {};
    int line = 0;
    for (int girl = 0; girl < GirlCount; ++girl)
        table[line++] = { SaveLine::Girl, girl, 0, LineKind::Flag };
    for (int i = 0; i < int(FieldLines.size()); ++i)
        table[line++] = { SaveLine::Single, i, 0, FieldLines[i].kind };
    for (int column = Quarter1; column <= Quarter4; ++column) {
        for (int subject = 0; subject < SubjectCount; ++subject)
            table[line++] = { SaveLine::QuarterGrade, subject, column, LineKind::Grade };
    }
    return table;
}

const std::array<SaveLine, SavedGameLineCount>& LineTable()
{
    static const auto table = MakeLineTable();
    return table;
}

QString ValueOf(const TGameState& state, const SaveLine& line)
{
    switch (line.place) {
    case SaveLine::Girl:
        return state.girlFlag(line.index);
    case SaveLine::Single:
        return state.text(FieldLines[line.index].field);
    case SaveLine::QuarterGrade:
        return state.grade(line.index, line.column);
    }
    return {};
}

QString Describe(const SaveLine& line)
{
    switch (line.place) {
    case SaveLine::Girl:
        return QStringLiteral("отметка девушки №%1").arg(line.index + 1);
    case SaveLine::Single:
        return QString::fromUtf8(FieldLines[line.index].what);
    case SaveLine::QuarterGrade:
        return QStringLiteral("оценка за %1 четверть, %2").arg(line.column - Quarter1 + 1).arg(SubjectKey(line.index));
    }
    return {};
}

bool InRange(const QString& text, int lowest, int highest)
{
    if (!IsInteger(text))
        return false;
    const int value = StrToInt(text);
    return value >= lowest && value <= highest;
}

bool Fits(LineKind kind, const QString& text)
{
    switch (kind) {
    case LineKind::Hour:
        return InRange(text, 0, 23);
    case LineKind::Minute:
        return InRange(text, 0, 50) && StrToInt(text) % 10 == 0;
    case LineKind::Day:
        return InRange(text, 1, 30);
    case LineKind::Month:
        return InRange(text, 1, 12);
    case LineKind::Year:
        return InRange(text, 2005, 2006);
    case LineKind::Flag:
        return text == QLatin1String("0") || text == QLatin1String("1");
    case LineKind::Number:
        // Beyond the limit the game's sums could run over; no game the program wrote holds such a value.
        return IsInteger(text) && std::abs(qint64(StrToInt(text))) <= ValueLimit;
    case LineKind::YesNo:
        return text == TextYes || text == TextNo;
    case LineKind::Text:
        return true;
    case LineKind::Grade:
        return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('5');
    }
    return false;
}

QString Expected(LineKind kind)
{
    switch (kind) {
    case LineKind::Flag:
        return QStringLiteral("«0» или «1»");
    case LineKind::Number:
        return QStringLiteral("целое число от -%1 до %1").arg(ValueLimit);
    case LineKind::YesNo:
        return QStringLiteral("«Да» или «Нет»");
    case LineKind::Text:
        return QStringLiteral("одна строка текста");
    case LineKind::Grade:
        return QStringLiteral("оценка от «0» до «5»");
    case LineKind::Hour:
        return QStringLiteral("час от 0 до 23");
    case LineKind::Minute:
        return QStringLiteral("минуты: 0, 10, 20, 30, 40 или 50");
    case LineKind::Day:
        return QStringLiteral("день месяца от 1 до 30");
    case LineKind::Month:
        return QStringLiteral("месяц от 1 до 12");
    case LineKind::Year:
        return QStringLiteral("год 2005 или 2006");
    }
    return {};
}

}

QString SavedValueProblem(Field field, const QString& text)
{
    for (const FieldLine& line : FieldLines) {
        if (line.field == field)
            return Fits(line.kind, text) ? QString() : Expected(line.kind);
    }
    return {};
}

QString CalendarProblem(const GameValues& values)
{
    const Field order[] = { Field::Year, Field::Month, Field::Day, Field::Hour, Field::Minute };
    const int lastBell[] = { 2006, 5, 24, 8, 0 };
    bool past = false;
    for (int i = 0; i < 5 && !past; ++i) {
        if (!IsInteger(values.text(order[i])))
            return {};
        const int value = values.number(order[i]);
        if (value < lastBell[i])
            return {};
        past = value > lastBell[i];
    }
    // The moment of the bell itself is still before the end: the game saved then rings it on the next tick.
    if (!past)
        return {};
    return QStringLiteral("дата %1.%2.%3 %4:%5 позже последнего звонка: учебный год кончается в 8:00 24.05.2006")
        .arg(values.text(Field::Day), values.text(Field::Month), values.text(Field::Year), values.text(Field::Hour))
        .arg(values.number(Field::Minute), 2, 10, QLatin1Char('0'));
}

namespace {
// "1 строка", "3 строки", "94 строки", "11 строк".
QString LinesWord(int count)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return QStringLiteral("%1 строк").arg(count);
    if (last == 1)
        return QStringLiteral("%1 строка").arg(count);
    if (last >= 2 && last <= 4)
        return QStringLiteral("%1 строки").arg(count);
    return QStringLiteral("%1 строк").arg(count);
}

// A value quoted for a message, cut when it is long.
QString Quoted(const QString& text)
{
    constexpr int Longest = 40;
    return QStringLiteral("«%1»").arg(text.size() > Longest ? text.left(Longest) + QStringLiteral("…") : text);
}

// The three characters a UTF-8 byte order mark turns into when read as Windows-1251.
bool StartsWithUtf8Mark(const QStringList& lines)
{
    return !lines.isEmpty() && lines.first().startsWith(QStringLiteral("п»ї"));
}

} // namespace

QString SaveableText(const QString& text)
{
    // Almost every value is a number or a plain name: checked once as a whole, it goes into the file as it is.
    if (CanEncode1251(text) && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString result;
    result.reserve(text.size());
    for (char32_t codePoint : text.toUcs4()) {
        if (codePoint == U'\r' || codePoint == U'\n') {
            result += QLatin1Char(' ');
            continue;
        }
        const QString character = QString::fromUcs4(&codePoint, 1);
        result += CanEncode1251(character) ? character : QStringLiteral("?");
    }
    return result;
}

QStringList SavedGameLines(const TGameState& state, bool* changed)
{
    QStringList lines;
    lines.reserve(SavedGameLineCount);
    bool anyChanged = false;
    for (const SaveLine& line : LineTable()) {
        const QString value = ValueOf(state, line);
        QString saveable = SaveableText(value);
        anyChanged = anyChanged || saveable != value;
        lines.append(std::move(saveable));
    }
    if (changed)
        *changed = anyChanged;
    return lines;
}

QString CheckSavedGameLines(const QStringList& lines)
{
    const auto& table = LineTable();
    if (lines.isEmpty())
        return QStringLiteral("файл пуст, а в сохранённой игре %1").arg(LinesWord(SavedGameLineCount));
    const int present = int(std::min<qsizetype>(lines.size(), SavedGameLineCount));
    for (int i = 0; i < present; ++i) {
        const SaveLine& line = table[i];
        const QString& text = lines[i];
        if (Fits(line.kind, text))
            continue;
        QString problem = text.isEmpty()
            ? QStringLiteral("строка %1 (%2) пуста, а ожидается %3").arg(i + 1).arg(Describe(line), Expected(line.kind))
            : QStringLiteral("в строке %1 (%2) стоит %3, а ожидается %4")
                  .arg(i + 1)
                  .arg(Describe(line), Quoted(text), Expected(line.kind));
        if (i == 0 && StartsWithUtf8Mark(lines))
            problem += QStringLiteral(" (файл записан в кодировке UTF-8, а игра сохраняется в Windows-1251)");
        return problem;
    }
    if (lines.size() < SavedGameLineCount) {
        return QStringLiteral("в файле только %1, а в сохранённой игре их %2: строки %3 (%4) нет")
            .arg(LinesWord(int(lines.size())))
            .arg(SavedGameLineCount)
            .arg(lines.size() + 1)
            .arg(Describe(table[lines.size()]));
    }
    GameValues calendar;
    for (int i = 0; i < int(FieldLines.size()); ++i)
        calendar.restore(FieldLines[i].field, lines[GirlCount + i]);
    const QString calendarProblem = CalendarProblem(calendar);
    if (calendarProblem.isEmpty())
        return {};
    // The year is what puts a date past the last bell; the message names its line.
    const int yearLine = GirlCount + 1 + int(std::find_if(FieldLines.begin(), FieldLines.end(), [](const FieldLine& l) {
        return l.field == Field::Year;
    }) - FieldLines.begin());
    return QStringLiteral("в строке %1 (год) стоит %2, а %3")
        .arg(yearLine)
        .arg(Quoted(lines[yearLine - 1]), calendarProblem);
}

void ApplySavedGameLines(TGameState& state, const QStringList& lines)
{
    DiaryGrades diary = state.diary();
    const auto& table = LineTable();
    for (int i = 0; i < SavedGameLineCount; ++i) {
        const SaveLine& line = table[i];
        switch (line.place) {
        case SaveLine::Girl:
            state.setCharmed(line.index, lines[i] == QLatin1String("1"));
            break;
        case SaveLine::Single:
            state.restore(FieldLines[line.index].field, lines[i]);
            break;
        case SaveLine::QuarterGrade:
            diary.setCell(line.index, line.column, lines[i]);
            break;
        }
    }
    state.setDiary(diary);
}

// The life log: one line per game day with what the player had when the day ended, kept beside a saved game as a
// spreadsheet file (name.csv, UTF-8, ";" between the values).
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

class TGameState;

// The numbers the log keeps of every day, in the order of the file's columns.
enum class LogValue { Money, PiggyBank, Satiety, Mood, Vigor, FightSkill, Authority, PhoneCredit };
constexpr int LogValueCount = int(LogValue::PhoneCredit) + 1;
// What the player had or did that day, "Да" or "Нет" in the file.
enum class LogFlag { HadJob, Trained, OwnedPhone };
constexpr int LogFlagCount = int(LogFlag::OwnedPhone) + 1;

// The heading of a value's column, as the file, the table and the charts' legends name it.
QString LogValueName(LogValue value);
QString LogFlagName(LogFlag flag);

struct LifeLogDay {
    // The game's calendar: every month has 30 days, so 30 February is a day like any other.
    int year = 0;
    int month = 0;
    int day = 0;
    std::array<int, LogValueCount> values {};
    std::array<bool, LogFlagCount> flags {};

    int value(LogValue which) const { return values[int(which)]; }
    bool flag(LogFlag which) const { return flags[int(which)]; }
    // The day's place in the game's calendar (360 days a year), for ordering and spacing the days.
    qint64 ordinal() const { return qint64(year) * 360 + qint64(month - 1) * 30 + (day - 1); }
    // "2005-09-01".
    QString isoDate() const;

    bool operator==(const LifeLogDay&) const = default;
};

// A message the game told the player (a notice, an outcome, a teacher's verdict, an SMS), with the game's date and
// time when it was shown: the journal of the year.
struct LifeLogEvent {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    QString text; // on one line: the journal shows a message as one row

    // "2005-09-01 06:30".
    QString stamp() const;

    bool operator==(const LifeLogEvent&) const = default;
};

// "1 сентября 2005", as the tables and the previews read a date aloud (a game date).
QString DateInWords(int year, int month, int day);

// Whether the date is one of the game's calendar (years 1000..9999, months 1..12, days 1..30), as the file holds it.
bool IsGameDate(int year, int month, int day);

// The day that ended at this midnight, read from the state just after the clock's midnight rules: the date is the
// day before the calendar's date, the values are what the player has going into the night. A value that is not a
// number is kept as 0; a calendar that is no game date gives no day.
std::optional<LifeLogDay> DayEndedAtMidnight(const TGameState& state);

// A year of play tells the player a few thousand messages; a log keeps the newest this many, each cut to the length
// below, so that a log always stays well under the largest file the game reads.
constexpr int MaxLogEvents = 3000;
constexpr int MaxLogEventLength = 500;

class LifeLog {
public:
    const QVector<LifeLogDay>& days() const { return m_days; }
    // The messages in the order they were told, the oldest first.
    const QVector<LifeLogEvent>& events() const { return m_events; }
    bool isEmpty() const { return m_days.isEmpty(); }

    // Adds a day at the end. The log stays in calendar order with one line per date: a day at or before the last one
    // (the calendar turned back in the cheat editor) first drops the days from that date on.
    void Record(const LifeLogDay& day);
    // Adds a message told to the player at the end, as one line cut to MaxLogEventLength; the oldest goes when there
    // are more than MaxLogEvents.
    void Tell(LifeLogEvent event);
    // A new game, or the new school year after the credits, starts an empty log.
    void Clear()
    {
        m_days.clear();
        m_events.clear();
    }

    bool operator==(const LifeLog&) const = default;

private:
    QVector<LifeLogDay> m_days;
    QVector<LifeLogEvent> m_events;
};

// Writes into the log what the player is told now, with the state's date and time; a message told while the calendar
// is no game date (the cheat editor's doing) is not written.
void TellLifeLog(LifeLog& log, const TGameState& state, const QString& text);

// The file's bytes: a byte-order mark (so a spreadsheet takes the letters as UTF-8), the header line, one line per day,
// then one line per message ("2005-09-01 06:30" and the quoted text), each ended by CR LF.
QByteArray LifeLogBytes(const LifeLog& log);

struct LifeLogReading {
    LifeLog log;
    QString problem; // empty when the bytes are a life log; otherwise why not, in words for the player
};
// Reads a life log from the file's bytes; anything but a whole, well-formed log gives a problem and an empty log.
LifeLogReading ReadLifeLog(const QByteArray& bytes);

// "Save/имя.sav" -> "Save/имя.csv"; never the saved game's own name (a game saved as "x.csv" keeps "x.csv.csv").
QString LifeLogPathBeside(const QString& savePath);

// Writes the log beside a saved game through the crash-safe writer. A file in the log's place that is not a life
// log (a spreadsheet of the player's) is first set aside rather than overwritten. Throws EInOutError when the log
// cannot be written; returns a notice for the player when something was set aside, otherwise an empty text.
QString SaveLifeLogBeside(const QString& savePath, const LifeLog& log);

struct LifeLogLoad {
    LifeLog log;
    QString notice; // for the player when the log beside the game was damaged or foreign and was set aside
};
// Reads the log beside a saved game. A missing log gives an empty one. A damaged or foreign one is renamed to
// "name.csv.bad" (or "name.csv.2.bad" ..., never over an earlier one) and the game goes on with an empty log. Never
// throws: nothing about the log stops a load.
LifeLogLoad LoadLifeLogBeside(const QString& savePath);

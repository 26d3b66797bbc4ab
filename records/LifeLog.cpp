#include "records/LifeLog.h"

#include "core/Errors.h"
#include "core/GameState.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

const char* const ValueNames[LogValueCount]
    = { "Деньги", "Копилка", "Сытость", "Настроение", "Бодрость", "Умение драться", "Авторитет", "Баланс телефона" };
const char* const FlagNames[LogFlagCount] = { "Работа", "Тренировки", "Мобильник" };
const Field ValueFields[LogValueCount] = { Field::Money, Field::PiggyBank, Field::Satiety, Field::Mood, Field::Vigor,
    Field::FightSkill, Field::Authority, Field::PhoneCredit };

constexpr int ColumnCount = 1 + LogValueCount + LogFlagCount;
const QLatin1Char Separator(';');
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

QStringList HeaderNames()
{
    QStringList names { QStringLiteral("Дата") };
    for (int i = 0; i < LogValueCount; ++i)
        names << LogValueName(LogValue(i));
    for (int i = 0; i < LogFlagCount; ++i)
        names << LogFlagName(LogFlag(i));
    return names;
}

int NumberOrZero(const TGameState& state, Field field)
{
    const QString& text = state.text(field);
    return IsInteger(text) ? Bounded(StrToInt(text)) : 0;
}

// "2005-09-01" into its three numbers; false for anything else.
bool ParseDate(const QString& text, LifeLogDay& day)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return false;
    for (int i : { 0, 1, 2, 3, 5, 6, 8, 9 }) {
        if (!text[i].isDigit() || text[i].unicode() > '9')
            return false;
    }
    day.year = text.left(4).toInt();
    day.month = text.mid(5, 2).toInt();
    day.day = text.mid(8, 2).toInt();
    return IsGameDate(day.year, day.month, day.day);
}

// "2005-09-01 06:30" into the event's date and time; false for anything else.
bool ParseStamp(const QString& text, LifeLogEvent& event)
{
    LifeLogDay day;
    if (text.size() != 16 || text[10] != QLatin1Char(' ') || text[13] != QLatin1Char(':')
        || !ParseDate(text.left(10), day))
        return false;
    for (int i : { 11, 12, 14, 15 }) {
        if (!text[i].isDigit() || text[i].unicode() > '9')
            return false;
    }
    event.year = day.year;
    event.month = day.month;
    event.day = day.day;
    event.hour = text.mid(11, 2).toInt();
    event.minute = text.mid(14, 2).toInt();
    return event.hour < 24 && event.minute < 60;
}

// A message's text as one quoted cell, quotes doubled as spreadsheets do.
QString QuotedText(const QString& text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// The text of a message's line after its stamp: quoted (quotes doubled) as the game writes it, or bare.
QString UnquotedText(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return text;
}

// A cell as a spreadsheet may give it back: blanks around it, or quoted.
QString Cell(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

QStringList Cells(const QString& line)
{
    QStringList cells = line.split(Separator);
    for (QString& cell : cells)
        cell = Cell(cell);
    return cells;
}

// A line's problem, or an empty text when it is a day.
QString ReadDay(const QStringList& cells, LifeLogDay& day)
{
    if (cells.size() != ColumnCount)
        return QStringLiteral("значений через «;» %1, а нужно %2").arg(cells.size()).arg(ColumnCount);
    if (!ParseDate(cells[0], day))
        return QStringLiteral("«%1» — не дата игры вида 2005-09-01").arg(cells[0]);
    for (int i = 0; i < LogValueCount; ++i) {
        const QString& text = cells[1 + i];
        if (!IsInteger(text) || std::abs(qint64(StrToInt(text))) > ValueLimit)
            return QStringLiteral("%1 «%2» — не число игры").arg(LogValueName(LogValue(i)), text);
        day.values[i] = StrToInt(text);
    }
    for (int i = 0; i < LogFlagCount; ++i) {
        const QString& text = cells[1 + LogValueCount + i];
        if (text != TextYes && text != TextNo)
            return QStringLiteral("%1: «%2» вместо «Да» или «Нет»").arg(LogFlagName(LogFlag(i)), text);
        day.flags[i] = text == TextYes;
    }
    return {};
}

// Moves a file that is no usable log out of the way under a name no earlier one has: "x.csv.bad", "x.csv.2.bad", ...
// Returns the new name, or an empty text when the file could not be moved.
QString SetAside(const QString& path)
{
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString aside
            = attempt == 1 ? path + QStringLiteral(".bad") : QStringLiteral("%1.%2.bad").arg(path).arg(attempt);
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
            continue;
        return QFile::rename(path, aside) ? aside : QString();
    }
    return {};
}

// The bytes of the file in the log's place, read up to the largest size a log may have. Throws EInOutError.
QByteArray ReadLogFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError::forFile(path, file.errorString());
    // In pieces: a read of the whole limit at once would first take the limit's worth of memory (megabytes) for a
    // log of a few kilobytes.
    QByteArray bytes;
    while (bytes.size() <= MaxTextFileSize) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        throw EInOutError::forFile(path, file.errorString());
    return bytes;
}

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace

QString LogValueName(LogValue value) { return QString::fromUtf8(ValueNames[int(value)]); }

QString LogFlagName(LogFlag flag) { return QString::fromUtf8(FlagNames[int(flag)]); }

QString DateInWords(int year, int month, int day)
{
    static const char* const months[12] = { "января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
        "сентября", "октября", "ноября", "декабря" };
    return QStringLiteral("%1 %2 %3").arg(day).arg(QString::fromUtf8(months[std::clamp(month, 1, 12) - 1])).arg(year);
}

bool IsGameDate(int year, int month, int day)
{
    return year >= 1000 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 30;
}

QString LifeLogEvent::stamp() const
{
    LifeLogDay date;
    date.year = year;
    date.month = month;
    date.day = day;
    return QStringLiteral("%1 %2:%3")
        .arg(date.isoDate())
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

QString LifeLogDay::isoDate() const
{
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

std::optional<LifeLogDay> DayEndedAtMidnight(const TGameState& state)
{
    LifeLogDay day;
    day.year = NumberOrZero(state, Field::Year);
    day.month = NumberOrZero(state, Field::Month);
    day.day = NumberOrZero(state, Field::Day) - 1;
    if (day.day < 1) {
        day.day = 30;
        if (--day.month < 1) {
            day.month = 12;
            --day.year;
        }
    }
    if (!IsGameDate(day.year, day.month, day.day))
        return std::nullopt;
    for (int i = 0; i < LogValueCount; ++i)
        day.values[i] = NumberOrZero(state, ValueFields[i]);
    day.flags[int(LogFlag::HadJob)] = NumberOrZero(state, Field::JobIncome) != 0;
    day.flags[int(LogFlag::Trained)] = state.text(Field::AttendsTraining) == TextYes;
    day.flags[int(LogFlag::OwnedPhone)] = state.text(Field::MobilePhone) != TextNo;
    return day;
}

void LifeLog::Record(const LifeLogDay& day)
{
    const qint64 ordinal = day.ordinal();
    while (!m_days.isEmpty() && m_days.last().ordinal() >= ordinal)
        m_days.removeLast();
    m_days.append(day);
}

void LifeLog::Tell(LifeLogEvent event)
{
    event.text = event.text.simplified().left(MaxLogEventLength);
    if (event.text.isEmpty())
        return;
    if (m_events.size() >= MaxLogEvents)
        m_events.remove(0, m_events.size() - MaxLogEvents + 1);
    m_events.append(std::move(event));
}

void TellLifeLog(LifeLog& log, const TGameState& state, const QString& text)
{
    LifeLogEvent event;
    event.year = NumberOrZero(state, Field::Year);
    event.month = NumberOrZero(state, Field::Month);
    event.day = NumberOrZero(state, Field::Day);
    event.hour = NumberOrZero(state, Field::Hour);
    event.minute = NumberOrZero(state, Field::Minute);
    if (!IsGameDate(event.year, event.month, event.day) || event.hour < 0 || event.hour > 23 || event.minute < 0
        || event.minute > 59)
        return;
    event.text = text;
    log.Tell(std::move(event));
}

QByteArray LifeLogBytes(const LifeLog& log)
{
    QString text = HeaderNames().join(Separator) + QStringLiteral("\r\n");
    for (const LifeLogDay& day : log.days()) {
        text += day.isoDate();
        for (int value : day.values)
            text += Separator + QString::number(value);
        for (bool flag : day.flags)
            text += Separator + (flag ? TextYes : TextNo);
        text += QStringLiteral("\r\n");
    }
    for (const LifeLogEvent& event : log.events())
        text += event.stamp() + Separator + QuotedText(event.text) + QStringLiteral("\r\n");
    return ByteOrderMark + text.toUtf8();
}

LifeLogReading ReadLifeLog(const QByteArray& bytes)
{
    LifeLogReading reading;
    auto refuse = [&reading](const QString& problem) {
        reading.log.Clear();
        reading.problem = problem;
        return reading;
    };
    if (bytes.size() > MaxTextFileSize)
        return refuse(QStringLiteral("файл слишком большой для журнала"));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes.startsWith(ByteOrderMark) ? bytes.mid(ByteOrderMark.size()) : bytes);
    if (decoder.hasError())
        return refuse(QStringLiteral("это не текст в UTF-8"));

    const QStringList lines = SplitLines(text);
    bool headerSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = Cells(lines[i]);
        if (std::all_of(cells.begin(), cells.end(), [](const QString& cell) { return cell.isEmpty(); }))
            continue; // a spreadsheet may add empty rows at the end
        if (!headerSeen) {
            if (cells != HeaderNames())
                return refuse(QStringLiteral("это не журнал дней игры"));
            headerSeen = true;
            continue;
        }
        LifeLogEvent event;
        const int stampEnd = lines[i].indexOf(Separator);
        if (stampEnd > 0 && ParseStamp(Cell(lines[i].left(stampEnd)), event)) {
            event.text = UnquotedText(lines[i].mid(stampEnd + 1));
            reading.log.Tell(std::move(event));
            continue;
        }
        LifeLogDay day;
        const QString problem = ReadDay(cells, day);
        if (!problem.isEmpty())
            return refuse(QStringLiteral("строка %1: %2").arg(i + 1).arg(problem));
        if (!reading.log.isEmpty() && reading.log.days().last().ordinal() >= day.ordinal())
            return refuse(QStringLiteral("строка %1: дни идут не по порядку").arg(i + 1));
        reading.log.Record(day);
    }
    return reading;
}

QString LifeLogPathBeside(const QString& savePath)
{
    // Only the game's own ".sav" gives its ending to the log; any other name keeps it, so that "x.sav" and "x.SAV"
    // (two games on a file system that tells them apart) never share one log.
    const QFileInfo save(savePath);
    if (save.suffix() != QLatin1String("sav"))
        return savePath + QStringLiteral(".csv");
    return save.dir().filePath(save.completeBaseName() + QStringLiteral(".csv"));
}

namespace {
// Where earlier versions kept the log of a game whose name ended otherwise than in ".sav" ("x.SAV" -> "x.csv"): still
// read when the log is not where it goes now and no "x.sav" beside it claims that file.
QString EarlierLogPathBeside(const QString& savePath)
{
    const QFileInfo save(savePath);
    const QString suffix = save.suffix();
    if (suffix.isEmpty() || suffix == QLatin1String("sav")
        || suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return {};
    if (QFileInfo::exists(save.dir().filePath(save.completeBaseName() + QStringLiteral(".sav"))))
        return {};
    return save.dir().filePath(save.completeBaseName() + QStringLiteral(".csv"));
}
}

QString SaveLifeLogBeside(const QString& savePath, const LifeLog& log)
{
    const QString path = LifeLogPathBeside(savePath);
    const QFileInfo target(path);
    QString notice;
    if (target.exists() && !target.isFile())
        throw EInOutError::forFile(path, QStringLiteral("на месте журнала дней не файл"));
    if (target.exists() && target.size() > 0 && !ReadLifeLog(ReadLogFile(path)).problem.isEmpty()) {
        // Not a log this game wrote: the player's own file keeps its contents under another name.
        const QString aside = SetAside(path);
        if (aside.isEmpty())
            throw EInOutError::forFile(path, QStringLiteral("там лежит чужой файл, и его не удалось переименовать"));
        notice
            = QStringLiteral("На месте журнала дней лежал другой файл; он переименован в «%1».").arg(FileName(aside));
    }
    WriteFileSafely(path, LifeLogBytes(log));
    return notice;
}

LifeLogLoad LoadLifeLogBeside(const QString& savePath)
{
    LifeLogLoad load;
    QString path = LifeLogPathBeside(savePath);
    if (const QString earlier = EarlierLogPathBeside(savePath); !QFileInfo::exists(path) && !earlier.isEmpty())
        path = earlier;
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return load; // a game saved before the log was kept, or the log deleted: the log starts here
    QString problem;
    if (!file.isFile()) {
        problem = QStringLiteral("это не файл");
    } else {
        try {
            LifeLogReading reading = ReadLifeLog(ReadLogFile(path));
            problem = reading.problem;
            load.log = std::move(reading.log);
        } catch (const EInOutError& error) {
            problem = error.reason();
        }
    }
    if (problem.isEmpty())
        return load;

    const QString aside = file.isFile() ? SetAside(path) : QString();
    QString notice = QStringLiteral("Журнал дней «%1» не прочитан: %2. Игра загружена, журнал начат заново")
                         .arg(FileName(path), problem);
    if (!aside.isEmpty())
        notice += QStringLiteral(", а старый файл сохранён под именем «%1».").arg(FileName(aside));
    else
        notice += QStringLiteral("; старый файл переименовать не удалось, он оставлен как есть.");
    load.notice = notice;
    return load;
}

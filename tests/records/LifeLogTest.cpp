// The life log: a day written at each midnight and only then, emptied by a new game, kept beside a saved game as a
// spreadsheet file, and never in the way of a load however the file beside the game looks.
#include "records/LifeLog.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/TextFile.h"
#include "game/Unit1.h"
#include "records/SaveFile.h"
#include "records/SaveLoad.h"

#include <QDir>
#include <QFileInfo>

namespace {

LifeLogDay Day(int year, int month, int day, int money = 80)
{
    LifeLogDay result;
    result.year = year;
    result.month = month;
    result.day = day;
    result.values = { money, 5, 70, 60, 90, 3, -2, 15 };
    result.flags = { true, false, true };
    return result;
}

QStringList Dates(const LifeLog& log)
{
    QStringList dates;
    for (const LifeLogDay& day : log.days())
        dates << day.isoDate();
    return dates;
}

const QByteArray Header = QByteArray("Дата;Деньги;Копилка;Сытость;Настроение;Бодрость;Умение драться;Авторитет;"
                                     "Баланс телефона;Работа;Тренировки;Мобильник\r\n");

class LifeLogGame : public GameFixture {
protected:
    LifeLogGame() { useWorkingDirectory(); }

    LifeLog& log() { return forms->lifeLog(); }
    void tick()
    {
        random.add(1); // the street event's draw of every tick: not today
        forms->form1().GameClockTick();
    }
};

} // namespace

TEST_F(LifeLogGame, ADayIsRecordedAtEachMidnightAndOnlyThen)
{
    given({ { Field::Hour, "23" }, { Field::Minute, "40" }, { Field::Day, "5" }, { Field::Month, "9" },
        { Field::Year, "2005" }, { Field::Money, "100" }, { Field::JobIncome, "15" }, { Field::LunchMoney, "0" },
        { Field::QuestionHour, "12" }, { Field::Authority, "0" }, { Field::Satiety, "50" },
        { Field::MobilePhone, "Nokia 3310" }, { Field::AttendsTraining, "Да" }, { Field::FightSkill, "4" } });
    tick(); // 23:50
    EXPECT_TRUE(log().isEmpty());
    tick(); // 0:00 on the 6th: the 5th is written with what the night's rules left
    ASSERT_EQ(log().days().size(), 1);
    const LifeLogDay& day = log().days().first();
    EXPECT_EQ(day.isoDate(), "2005-09-05");
    EXPECT_EQ(day.value(LogValue::Money), 100 + 15 - 10); // pay in, training paid
    EXPECT_EQ(day.value(LogValue::Satiety), 40);
    EXPECT_EQ(day.value(LogValue::FightSkill), 5);
    EXPECT_TRUE(day.flag(LogFlag::HadJob));
    EXPECT_TRUE(day.flag(LogFlag::Trained));
    EXPECT_TRUE(day.flag(LogFlag::OwnedPhone));
    for (int i = 0; i < 143; ++i)
        tick(); // the whole next day up to 23:50
    EXPECT_EQ(log().days().size(), 1);
    tick();
    EXPECT_EQ(Dates(log()), (QStringList { "2005-09-05", "2005-09-06" }));

    // The ends of a month and of the year give the day before the calendar's date.
    const struct {
        const char* day;
        const char* month;
        const char* year;
        const char* written;
    } ends[] = { { "30", "9", "2005", "2005-09-30" }, { "30", "12", "2005", "2005-12-30" },
        { "30", "2", "2006", "2006-02-30" } };
    for (const auto& end : ends) {
        log().Clear();
        given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Day, end.day }, { Field::Month, end.month },
            { Field::Year, end.year }, { Field::Satiety, "50" }, { Field::Mood, "50" }, { Field::Authority, "0" } });
        tick();
        EXPECT_EQ(Dates(log()), QStringList { end.written });
    }
}

TEST_F(LifeLogGame, ANewGameStartsAnEmptyLog)
{
    log().Record(Day(2005, 9, 1));
    ui.answerConfirm(false);
    forms->form1().NewGame();
    EXPECT_EQ(log().days().size(), 1); // "Нет" keeps the game and its days
    ui.answerConfirm(true);
    forms->form1().NewGame();
    EXPECT_TRUE(log().isEmpty());
}

TEST(LifeLogRules, TheLogKeepsOneLineADateInCalendarOrder)
{
    LifeLog log;
    for (int day : { 1, 2, 3, 4 })
        log.Record(Day(2005, 9, day));
    log.Record(Day(2005, 9, 3, 7)); // the calendar set back: the 3rd and 4th are lived again
    EXPECT_EQ(Dates(log), (QStringList { "2005-09-01", "2005-09-02", "2005-09-03" }));
    EXPECT_EQ(log.days().last().value(LogValue::Money), 7);
    log.Record(Day(2005, 10, 1));
    EXPECT_EQ(Dates(log).last(), "2005-10-01");
}

TEST(LifeLogRules, TheFileIsASpreadsheetThatReadsBackAndAYearStaysSmall)
{
    LifeLog log;
    LifeLogDay first = Day(2005, 9, 1, -15);
    first.values[int(LogValue::PiggyBank)] = ValueLimit;
    log.Record(first);
    log.Record(Day(2006, 2, 30));
    const QByteArray bytes = LifeLogBytes(log);
    EXPECT_EQ(bytes,
        "\xEF\xBB\xBF" + Header + "2005-09-01;-15;999999999;70;60;90;3;-2;15;Да;Нет;Да\r\n"
            + "2006-02-30;80;5;70;60;90;3;-2;15;Да;Нет;Да\r\n");
    const LifeLogReading back = ReadLifeLog(bytes);
    EXPECT_TRUE(back.problem.isEmpty()) << back.problem.toStdString();
    EXPECT_EQ(back.log, log);

    // A school year and a little more, every value as long as the game allows.
    LifeLog year;
    for (int ordinal = 0; ordinal < 270; ++ordinal) {
        LifeLogDay day = Day(2005 + (8 + ordinal / 30) / 12, (8 + ordinal / 30) % 12 + 1, ordinal % 30 + 1);
        day.values.fill(-ValueLimit);
        year.Record(day);
    }
    ASSERT_EQ(year.days().size(), 270);
    EXPECT_LT(LifeLogBytes(year).size(), 100 * 1024);
    EXPECT_EQ(ReadLifeLog(LifeLogBytes(year)).log, year);
}

TEST_F(LifeLogGame, EveryMessageShownIsWrittenWithTheGameDateAndTime)
{
    given({ { Field::Hour, "14" }, { Field::Minute, "5" }, { Field::Day, "30" }, { Field::Month, "2" },
        { Field::Year, "2006" } });
    ui.message(U("Учитель поставил вам 5"));
    ui.notice(U("Новая четверть"));
    KeepInJournal(U("SMS от Маши: привет"));
    ui.answerConfirm(true); // a new game, from the main window's menu
    state.restore(Field::Month, U("13")); // the cheat editor's calendar: nothing can be dated
    ui.message(U("Без даты"));
    ASSERT_EQ(log().events().size(), 3) << log().events().last().text.toStdString();
    EXPECT_EQ(log().events()[0].stamp(), "2006-02-30 14:05");
    EXPECT_EQ(log().events()[1].text, U("Новая четверть"));
    EXPECT_EQ(log().events()[2].text, U("SMS от Маши: привет"));
    forms->form1().NewGame();
    EXPECT_TRUE(log().events().isEmpty());
}

TEST(LifeLogRules, MessagesAreKeptOnOneLineAndTheNewestOfThemReadBack)
{
    LifeLog log;
    log.Record(Day(2005, 9, 1));
    const QString texts[] = { U("Вы съели \"пирожок\"; сытость +5"), U("Две строки\nи \"\" кавычки"), U("  "),
        QString(MaxLogEventLength + 20, QLatin1Char('x')) };
    for (const QString& text : texts)
        log.Tell({ 2005, 9, 2, 7, 45, text });
    ASSERT_EQ(log.events().size(), 3); // a message of blanks is nothing to keep
    EXPECT_EQ(log.events()[1].text, U("Две строки и \"\" кавычки"));
    EXPECT_EQ(log.events()[2].text.size(), MaxLogEventLength);
    const QByteArray bytes = LifeLogBytes(log);
    EXPECT_TRUE(bytes.contains("2005-09-02 07:45;\"Вы съели \"\"пирожок\"\"; сытость +5\"\r\n"));
    EXPECT_EQ(ReadLifeLog(bytes).log, log);

    for (int i = 0; i < MaxLogEvents + 5; ++i)
        log.Tell({ 2005, 9, 3, 8, 0, QString::number(i) });
    EXPECT_EQ(log.events().size(), MaxLogEvents);
    EXPECT_EQ(log.events().last().text, QString::number(MaxLogEvents + 4));
}

TEST(LifeLogRules, WhatASpreadsheetMayDoToTheFileStillReads)
{
    const QByteArray day = "2005-09-01;80;5;70;60;90;3;-2;15;Да;Нет;Да";
    const QByteArray header = Header.chopped(2);
    const QByteArray readable[] = {
        "", // an empty file: no days yet
        header + "\n" + day + "\n", // no byte-order mark, LF only
        header + "\r\n" + day + "\r\n\r\n;;;\r\n\r\n", // empty rows after the last day
        header + "\r\n\"2005-09-01\"; 80 ;5;70;60;90;3;-2;15;\"Да\";Нет;Да", // quoted cells, blanks, no last line end
    };
    for (const QByteArray& bytes : readable) {
        const LifeLogReading reading = ReadLifeLog(bytes);
        EXPECT_TRUE(reading.problem.isEmpty()) << bytes.toStdString() << ": " << reading.problem.toStdString();
        EXPECT_EQ(reading.log.days().size(), bytes.isEmpty() ? 0 : 1) << bytes.toStdString();
    }
}

TEST(LifeLogRules, AnythingButAWholeLogIsRefusedAndGivesNoDays)
{
    const QByteArray good = "2005-09-01;80;5;70;60;90;3;-2;15;Да;Нет;Да\r\n";
    const QByteArray refused[] = {
        "Имя;Фамилия\r\nВася;Пупкин\r\n", // a spreadsheet of something else
        QByteArray(95, '0'), // a saved game's digits
        Header + good + "2005-13-01;80;5;70;60;90;3;-2;15;Да;Нет;Да\r\n", // no 13th month
        Header + "2005-09-31;80;5;70;60;90;3;-2;15;Да;Нет;Да\r\n", // months have 30 days
        Header + "01.09.2005;80;5;70;60;90;3;-2;15;Да;Нет;Да\r\n",
        Header + "2005-09-01;8O;5;70;60;90;3;-2;15;Да;Нет;Да\r\n", // a letter O in a number
        Header + "2005-09-01;1000000000;5;70;60;90;3;-2;15;Да;Нет;Да\r\n", // beyond any game value
        Header + "2005-09-01;80;5;70;60;90;3;-2;15;да;Нет;Да\r\n",
        Header + "2005-09-01;80;5;70;60;90;3;-2;15;Да;Нет\r\n", // a column short
        Header + "2005-09-01;80;5;70;60;90;3;-2;15;Да;Нет;Да;1\r\n",
        Header + good + good, // the same day twice
        Header + "\xFF\xFE" + good, // not UTF-8
        Header + good + QByteArray(MaxTextFileSize, ' '), // far larger than any log
    };
    for (const QByteArray& bytes : refused) {
        const LifeLogReading reading = ReadLifeLog(bytes);
        EXPECT_FALSE(reading.problem.isEmpty()) << bytes.left(120).toStdString();
        EXPECT_TRUE(reading.log.isEmpty()) << bytes.left(120).toStdString();
    }
}

TEST(LifeLogRules, TheLogLiesBesideTheSavedGameAndNeverOnIt)
{
    const std::pair<const char*, const char*> paths[]
        = { { "Save/имя.sav", "Save/имя.csv" }, { "/tmp/a.b.sav", "/tmp/a.b.csv" }, { "Save/game", "Save/game.csv" },
              { "Save/x.csv", "Save/x.csv.csv" }, { "Save/X.CSV", "Save/X.CSV.csv" },
              { "Save/x.SAV", "Save/x.SAV.csv" } }; // "x.sav" beside it keeps "x.csv" for its own
    for (const auto& [save, log] : paths)
        EXPECT_EQ(LifeLogPathBeside(U(save)), U(log));
}

TEST_F(LifeLogGame, SavingWritesTheLogBesideTheGameAndLoadingTakesItBack)
{
    log().Record(Day(2005, 9, 1));
    log().Record(Day(2005, 9, 2, -40));
    const LifeLog saved = log();
    save("Save/игра.sav");
    EXPECT_EQ(ReadLines1251("Save/игра.sav").size(), SavedGameLineCount);
    EXPECT_EQ(ReadBytes("Save/игра.csv"), LifeLogBytes(saved));
    EXPECT_EQ(ui.messages, QStringList { U("Успешно сохранено!") });

    log().Clear();
    log().Record(Day(2005, 11, 5));
    load("Save/игра.sav");
    EXPECT_EQ(log().days(), saved.days()); // and the journal has «Успешно загружено!» after what was saved

    // A game saved before logs were kept, or whose log was deleted, starts an empty one without a word.
    QFile::remove("Save/игра.csv");
    ui.messages.clear();
    load("Save/игра.sav");
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(ui.messages, QStringList { U("Успешно загружено!") });
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(LifeLogGame, TheFileDialogsDescribeTheSavedGameUnderTheCursorAndTouchNothing)
{
    given({ { Field::PlayerName, U("Вася") }, { Field::Money, "321" }, { Field::Day, "5" }, { Field::Month, "11" },
        { Field::Year, "2005" }, { Field::Hour, "7" }, { Field::Minute, "50" } });
    log().Record(Day(2005, 11, 3, 40));
    log().Record(Day(2005, 11, 4, 55));
    save("Save/g.sav");
    ASSERT_TRUE(ui.fileDialogs.back().preview);
    const QString preview = ui.fileDialogs.back().preview(QStringLiteral("Save/g.sav"));
    for (const char* part :
        { "Игрок: Вася", "Дата: 5 ноября 2005, 7:50", "Деньги: 321", "Четверть: 2", "4 ноября 2005: деньги 55" })
        EXPECT_TRUE(preview.contains(U(part))) << part << " in " << preview.toStdString();

    WriteBytes("Save/g.csv", "Имя;Фамилия\r\n");
    EXPECT_TRUE(SavedGamePreview("Save/g.sav").contains(U("Журнал дней рядом с игрой не читается")));
    EXPECT_EQ(ReadBytes("Save/g.csv"), "Имя;Фамилия\r\n"); // the load sets it aside, a look does not
    WriteBytes("Save/bad.sav", "1\r\n2\r\n");
    EXPECT_TRUE(SavedGamePreview("Save/bad.sav").startsWith(U("Это не сохранённая игра или файл повреждён")));
    EXPECT_EQ(SavedGamePreview("Save"), QString());
    load("Save/g.sav");
    EXPECT_TRUE(ui.fileDialogs.back().preview);
}

TEST_F(LifeLogGame, ADamagedOrForeignLogIsSetAsideAndNeverStopsTheLoad)
{
    given({ { Field::Money, "321" } });
    save("Save/g.sav");
    const QByteArray logs[] = {
        Header + "2005-09-01;80;5;70;60;90;3;-2;15;Да;Нет\r\n", // damaged
        "Имя;Фамилия\r\nВася;Пупкин\r\n", // foreign
        QByteArray("\xEF\xBB\xBF") + Header.left(20), // cut off
    };
    const char* const setAside[] = { "g.csv.bad", "g.csv.2.bad", "g.csv.3.bad" };
    for (int i = 0; i < 3; ++i) {
        WriteBytes("Save/g.csv", logs[i]);
        given({ { Field::Money, "0" } });
        log().Record(Day(2005, 9, 1));
        ui.messages.clear();
        load("Save/g.sav");
        EXPECT_EQ(state.text(Field::Money), "321");
        EXPECT_TRUE(log().isEmpty());
        ASSERT_EQ(ui.messages.size(), 2);
        EXPECT_EQ(ui.messages[0], U("Успешно загружено!"));
        EXPECT_TRUE(ui.messages[1].contains(U("g.csv"))) << ui.messages[1].toStdString();
        EXPECT_FALSE(QFileInfo::exists("Save/g.csv"));
        // Each file set aside keeps its bytes under a name of its own; none replaced an earlier one.
        EXPECT_TRUE(ui.messages[1].contains(U(setAside[i]))) << ui.messages[1].toStdString();
        EXPECT_EQ(ReadBytes(QStringLiteral("Save/") + setAside[i]), logs[i]);
    }
    EXPECT_TRUE(ui.errors.isEmpty());

    // A folder in the log's place is told about and left alone.
    QDir().mkpath("Save/g.csv");
    ui.messages.clear();
    load("Save/g.sav");
    EXPECT_EQ(ui.messages.size(), 2);
    EXPECT_TRUE(QFileInfo("Save/g.csv").isDir());
}

TEST_F(LifeLogGame, SavingSetsAsideAFileOfThePlayersInTheLogsPlace)
{
    QDir().mkpath("Save");
    const QByteArray sheet = "Расходы;Сумма\r\nБулочка;3\r\n";
    WriteBytes("Save/g.csv", sheet);
    WriteBytes("Save/g.csv.bad", "older");
    log().Record(Day(2005, 9, 1));
    save("Save/g.sav");
    EXPECT_EQ(ReadLifeLog(ReadBytes("Save/g.csv")).log.days(), log().days());
    EXPECT_EQ(ReadBytes("Save/g.csv.2.bad"), sheet);
    EXPECT_EQ(ReadBytes("Save/g.csv.bad"), "older");
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_TRUE(ui.messages[1].contains(U("g.csv.2.bad")));

    // Without a place for the log the game is still saved, and the player is told the log is not.
    QFile::remove("Save/g.csv");
    QDir().mkpath("Save/g.csv");
    ui.messages.clear();
    ui.expectErrorBoxes();
    save("Save/g.sav");
    EXPECT_EQ(ui.messages, QStringList { U("Успешно сохранено!") });
    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.errors[0].contains(U("журнал дней")));
    ui.errors.clear();
}

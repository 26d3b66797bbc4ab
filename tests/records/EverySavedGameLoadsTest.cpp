// Every game the program can reach saves into a file the load accepts, and loading it saves the same bytes again.
// Random sequences of the player's commands run through the rules from random and extreme starting states; after each
// sequence the game is saved, checked, loaded into a fresh state and saved again.
//
// The seed of a failing sequence is printed with its commands. TRAMBUL_SAVE_SEED=<seed> replays that one sequence,
// TRAMBUL_SAVE_SEQUENCES=<count> runs more of them.
#include "ScriptedUi.h"
#include "core/DailyEvents.h"
#include "core/Errors.h"
#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/TextFile.h"
#include "records/CheatEntries.h"
#include "records/Grades.h"
#include "records/QuarterReport.h"
#include "records/SaveFile.h"
#include "records/YearEnd.h"
#include "street/GirlRules.h"
#include "street/MiniGames.h"
#include "street/StreetRules.h"
#include "town/BookShop.h"
#include "town/HomeMoney.h"
#include "town/Jobs.h"
#include "town/Leisure.h"
#include "town/MotherScript.h"
#include "town/PhoneShop.h"
#include "town/Purchase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

constexpr int DefaultSequences = 40;
constexpr int CommandsPerSequence = 30;
constexpr quint32 FirstSeed = 20060524;

// The game's random draws come from the sequence's own generator, so a seed replays the whole game.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::mt19937& engine)
        : m_engine(engine)
        , m_previous(InstallRandomSource(this))
    {
    }
    ~SeededRandom() override { InstallRandomSource(m_previous); }
    int next(int n) override { return n < 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    void seed() override { }

private:
    std::mt19937& m_engine;
    RandomSource* m_previous;
};

// What a player may type into a box that takes a number, a word or a name: valid, extreme and hostile.
const QStringList TypedTexts = {
    "0",
    "1",
    "5",
    "10",
    "24",
    "30",
    "31",
    "12",
    "13",
    "2005",
    "2006",
    "2007",
    "100",
    "-1",
    "-0",
    "007",
    "999999999",
    "-999999999",
    "1000000000",
    "-1000000000",
    "2147483647",
    "-2147483648",
    "99999999999999999999",
    "000000000000000001",
    "",
    " ",
    "5 ",
    " 5",
    "+5",
    "5\n",
    "1\n2",
    "abc",
    "1e3",
    "0x10",
    "٣",
    "５",
    "Да",
    "Нет",
    "да",
    "true",
    "false",
    "Siemens C65",
    QString::fromUtf8("😀"),
    QStringLiteral("п»ї"),
    QString(QChar(0)),
    QStringLiteral("a\rb"),
    QString(QChar(0xD800)),
    QString(300, QLatin1Char('x')),
    QStringLiteral("Ёжик\u2028"),
};

// A player's name as the start-up may take it.
const QStringList Names = { "Аноним", "Вася", "", " ", "Петя\r\nИванов", QString::fromUtf8("Оля 😀"),
    QStringLiteral("Zoë Ǆ"), QString(QChar(0)), QString(2000, QChar(0x0416)), QStringLiteral("\t€‰№") };

// The phone models of the catalogue and a few texts a damaged one might carry.
QStringList PhoneModels()
{
    QStringList models;
    for (const PhoneBrand& brand : PhoneBrands) {
        for (const char* model : brand.models)
            models << QString::fromUtf8(model);
    }
    return models << QStringLiteral("Нет") << QString() << QString::fromUtf8("Nokia 😀\n3310");
}

const std::vector<NumberField> NumberFields
    = { Field::Money, Field::PiggyBank, Field::JobIncome, Field::LunchMoney, Field::Satiety, Field::Mood, Field::Vigor,
          Field::FightSkill, Field::Authority, Field::PhoneCredit, Field::QuestionHour };

class Player {
public:
    Player(quint32 seed, TGameState& state)
        : m_engine(seed)
        , m_random(m_engine)
        , m_state(state)
    {
    }

    const QStringList& log() const { return m_log; }
    bool quit() const { return m_quit; }

    int draw(int n) { return Random(n); }
    template <class T> const T& pick(const QList<T>& list) { return list[draw(int(list.size()))]; }
    bool coin() { return draw(2) == 1; }

    // A random starting state, often at the edges: numbers at the limits, the last minutes of the year, every girl
    // charmed. Values go in as a loaded game or the cheat editor would put them.
    void startState()
    {
        for (NumberField field : NumberFields)
            m_state.setNumber(field, extremeNumber());
        m_state.setText(Field::PlayerName, pick(Names));
        m_state.setText(Field::AttendsTraining, coin() ? TextYes : TextNo);
        m_state.setText(Field::HasGdz, coin() ? TextYes : TextNo);
        m_state.setText(Field::MobilePhone, coin() ? TextNo : pick(PhoneModels()));
        m_state.setNumber(Field::MotherPhoneDeal, draw(2));
        m_state.setNumber(Field::RobberyAllowedToday, draw(2));
        setDate();
        const bool allCharmed = draw(3) == 0;
        for (int girl = 0; girl < GirlCount; ++girl)
            m_state.setCharmed(girl, allCharmed || draw(4) == 0);
        DiaryGrades diary;
        for (int column = Quarter1; column <= Quarter4; ++column) {
            for (int subject = 0; subject < SubjectCount; ++subject)
                diary.setCell(subject, column, QString::number(draw(6)));
        }
        m_state.setDiary(diary);
        m_log << QStringLiteral("start: %1").arg(SavedGameLines(m_state).join(QLatin1Char('|')));
    }

    // One command of the player, chosen at random.
    void command()
    {
        switch (draw(15)) {
        case 0:
            return food();
        case 1:
            return piggyBank();
        case 2:
            return allowance();
        case 3:
            return job();
        case 4:
            return training();
        case 5:
            return bookShop();
        case 6:
            return phoneShop();
        case 7:
            return phone();
        case 8:
            return thug();
        case 9:
            return robbery();
        case 10:
            return girl();
        case 11:
            return motherTalk();
        case 12:
        case 13:
            return cheat();
        default:
            return ticks(draw(4) == 0 ? 1 + draw(3000) : 1 + draw(150));
        }
    }

private:
    qint64 extremeNumber()
    {
        switch (draw(6)) {
        case 0:
            return ValueLimit;
        case 1:
            return -ValueLimit;
        case 2:
            return 0;
        case 3:
            return -draw(1000);
        default:
            return draw(200);
        }
    }

    void setDate()
    {
        struct Moment {
            int year, month, day, hour, minute;
        };
        // The last bell, the quarter ends, New Year, the shooter offer, the street event, a thug's evening.
        static const Moment Edges[] = { { 2006, 5, 24, 7, 0 }, { 2006, 5, 24, 7, 50 }, { 2006, 5, 23, 23, 50 },
            { 2005, 10, 30, 23, 0 }, { 2005, 12, 30, 23, 50 }, { 2005, 12, 30, 11, 0 }, { 2006, 3, 30, 23, 50 },
            { 2006, 2, 3, 16, 0 }, { 2005, 11, 5, 16, 30 }, { 2005, 9, 1, 21, 40 }, { 2006, 5, 20, 6, 0 } };
        Moment moment;
        if (coin()) {
            moment = Edges[draw(int(std::size(Edges)))];
        } else {
            moment = { 2005 + draw(2), 1 + draw(12), 1 + draw(30), draw(24), 10 * draw(6) };
            if (moment.year == 2005 && moment.month < 9)
                moment.year = 2006;
            if (moment.year == 2006 && moment.month > 5)
                moment.month = 5;
            if (moment.year == 2006 && moment.month == 5 && moment.day >= 24)
                moment.day = 23;
        }
        m_state.setNumber(Field::Year, moment.year);
        m_state.setNumber(Field::Month, moment.month);
        m_state.setNumber(Field::Day, moment.day);
        m_state.setNumber(Field::Hour, moment.hour);
        m_state.setNumber(Field::Minute, moment.minute);
        m_state.setNumber(Field::Quarter, QuarterOfMonth(moment.month).toInt());
        m_state.setText(Field::Location, LocationOfHour(moment.hour));
    }

    // A place window works on copies and hands the listed fields back when it closes.
    template <class Rule> void onCopies(std::initializer_list<Field> fields, Rule rule)
    {
        GameValues copies = m_state.values();
        rule(copies);
        m_state.restore(copies, fields);
    }

    // A typed text that is not a whole number is refused with an error box and changes nothing.
    template <class Rule> void typed(Rule rule)
    {
        try {
            rule();
        } catch (const EConvertError& error) {
            m_log << QStringLiteral("  refused: %1").arg(error.message());
        }
    }

    void apply(const RuleOutcome& outcome)
    {
        if (outcome.change)
            outcome.change();
    }

    void food()
    {
        static const NumberField Targets[] = { Field::Satiety, Field::Mood, Field::Vigor };
        const NumberField target = Targets[draw(3)];
        const int price = pick(QList<int> { 0, 3, 10, 25, 50, 160 });
        const int gain = pick(QList<int> { 1, 5, 20, 60 });
        m_log << QStringLiteral("food field=%1 price=%2 gain=%3").arg(int(Field(target))).arg(price).arg(gain);
        onCopies({ Field::Money, target }, [&](GameValues& copies) { Purchase(copies, target, price, gain); });
    }

    void piggyBank()
    {
        const bool put = coin();
        const QString amount = pick(TypedTexts);
        m_log << QStringLiteral("piggy %1 «%2»").arg(put ? "put" : "take", amount);
        onCopies({ Field::Money, Field::PiggyBank }, [&](GameValues& copies) {
            typed([&] {
                if (put)
                    MoveMoney(copies, amount, Field::Money, Field::PiggyBank);
                else
                    MoveMoney(copies, amount, Field::PiggyBank, Field::Money);
            });
        });
    }

    void allowance()
    {
        const QString amount = pick(TypedTexts);
        m_log << QStringLiteral("allowance «%1»").arg(amount);
        typed([&] {
            const AllowanceOutcome outcome = AgreeAllowance(amount);
            if (outcome.agreed)
                m_state.setNumber(Field::LunchMoney, outcome.lunchMoney);
        });
    }

    void job()
    {
        const int position = draw(JobCount);
        m_log << QStringLiteral("job %1").arg(position);
        ApplyForJob(position, m_state);
    }

    void training()
    {
        const bool signUp = coin();
        m_log << QStringLiteral("training %1").arg(signUp ? "sign up" : "quit");
        onCopies({ Field::Money, Field::AttendsTraining }, [&](GameValues& copies) {
            if (signUp)
                SignUpForTraining(copies);
            else
                QuitTraining(copies);
        });
    }

    void bookShop()
    {
        switch (draw(3)) {
        case 0:
            m_log << QStringLiteral("gdz buy");
            BuyGdz(m_state);
            return;
        case 1:
            m_log << QStringLiteral("gdz steal");
            apply(StealGdz(m_state));
            return;
        default: {
            const QString price = pick(TypedTexts);
            m_log << QStringLiteral("gdz sell «%1»").arg(price);
            typed([&] { SellGdz(m_state, price); });
        }
        }
    }

    void phoneShop()
    {
        if (draw(3) == 0) {
            m_log << QStringLiteral("top-up card");
            BuyTopUpCard(m_state);
            return;
        }
        const QString model = pick(PhoneModels());
        const QString price = pick(QStringList { "0", "99", "1500", "12000", "999999999", "2147483647" });
        const PhoneDeal deal = coin() ? PhoneDeal::FullPrice : PhoneDeal::MothersDeal;
        m_log << QStringLiteral("buy phone «%1» %2 %3")
                     .arg(model, price)
                     .arg(deal == PhoneDeal::FullPrice ? "full" : "deal");
        const int roubles = price.toInt();
        BuyPhone(m_state, PhoneModel { model, price, roubles, DealPrice(roubles), {}, {} }, deal);
    }

    // The phone's own debits (an SMS, a call) and the ball game.
    void phone()
    {
        switch (draw(3)) {
        case 0: {
            const int price = pick(QList<int> { 1, 5, 20 });
            m_log << QStringLiteral("phone debit %1").arg(price);
            if (m_state.number(Field::PhoneCredit) >= price)
                m_state.add(Field::PhoneCredit, -price);
            return;
        }
        case 1: {
            const int score = pick(QList<int> { 0, 1, 7, 99, 100000 });
            m_log << QStringLiteral("ball game %1").arg(score);
            apply(BallGameEnds(m_state, score));
            return;
        }
        default: {
            const auto outcome = ShooterOutcome(draw(3));
            m_log << QStringLiteral("shooter %1").arg(int(outcome));
            if (outcome != ShooterOutcome::Refused && m_state.number(Field::Money) >= 160)
                m_state.add(Field::Money, -160);
            apply(ShooterVerdict(m_state, outcome));
        }
        }
    }

    void thug()
    {
        switch (draw(4)) {
        case 0:
            m_log << QStringLiteral("thug: hand over");
            return apply(HandOverToThug(m_state));
        case 1:
            m_log << QStringLiteral("thug: run");
            return apply(RunFromThug(m_state));
        default: {
            const bool won = coin();
            m_log << QStringLiteral("thug: fight won=%1").arg(won);
            apply(AfterThugFight(m_state, won));
            if (won && coin())
                loot(50);
        }
        }
    }

    void loot(int most) { m_state.add(Field::Money, draw(most + 1)); }

    void robbery()
    {
        const int people = draw(12);
        const Approach approach = TryApproach(m_state.number(Field::RobberyAllowedToday) == 1, people);
        m_log << QStringLiteral("robbery people=%1 talk=%2").arg(people).arg(approach.startsTalk);
        if (!approach.startsTalk)
            return;
        m_state.setNumber(Field::RobberyAllowedToday, 0);
        static const DialogOutcome Endings[]
            = { DialogOutcome::War, DialogOutcome::Ch1, DialogOutcome::Ch3, DialogOutcome::Win };
        if (coin()) {
            const DialogOutcome ending = Endings[draw(4)];
            m_log << QStringLiteral("  talk ends %1").arg(int(ending));
            apply(VictimTalkEnds(m_state, ending));
        } else {
            const bool won = coin();
            m_log << QStringLiteral("  fight won=%1").arg(won);
            apply(AfterVictimFight(m_state, won));
            if (won)
                loot(100);
        }
    }

    void girl()
    {
        const int girl = draw(GirlCount + 1) - 1;
        const GirlTalkRequest request = RequestGirlTalk(m_state, girl);
        m_log << QStringLiteral("girl %1 talks=%2").arg(girl).arg(request.talks);
        if (request.talks && coin())
            m_state.setCharmed(girl, true);
    }

    void motherTalk()
    {
        static const QStringList script = ReadLines1251(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Dialogs/Mother.dlg"));
        MotherTalk talk;
        talk.start(script);
        const int answers = 1 + draw(4);
        for (int i = 0; i < answers; ++i) {
            const int slot = draw(MotherAnswerCount);
            m_log << QStringLiteral("mother answer %1").arg(slot);
            if (talk.answer(slot, m_state).openLunchMoney)
                allowance();
        }
    }

    // The hidden editor: the typed value goes in only when the editor takes it.
    void cheat()
    {
        const CheatEntry& entry = CheatEntries[draw(CheatEntryCount)];
        if (entry.action != CheatAction::Value)
            return;
        const QString typed = draw(3) == 0 ? QString::number(draw(40)) : pick(TypedTexts);
        const bool taken = CheatValueProblem(entry, typed, m_state.values()).isEmpty();
        m_log << QStringLiteral("cheat «%1» «%2» %3")
                     .arg(QString::fromUtf8(entry.name), typed, taken ? "taken" : "refused");
        if (taken)
            m_state.restore(entry.field, typed);
    }

public:
    void ticks(int count)
    {
        m_log << QStringLiteral("ticks %1").arg(count);
        for (int i = 0; i < count && !m_quit; ++i)
            tick();
    }

private:
    // One tick of the clock: its rules, then the day's events as the main window runs them, the player's part in
    // each decided at random.
    void tick()
    {
        const ClockRulesOutcome outcome = ApplyClockRules(m_state);
        if (!outcome.advanced)
            return;
        const auto isTime = [this](int hour, int minute) {
            return m_state.number(Field::Hour) == hour && m_state.number(Field::Minute) == minute;
        };
        const int authority = m_state.number(Field::Authority);
        if (authority >= 5 && Random(authority / 5 + 1) == 0 && isTime(22, 0)) {
            m_log << QStringLiteral("  %1 22:00 thug").arg(m_state.text(Field::Day));
            thug();
        }
        if (!DeathCause(m_state).isEmpty()) {
            if (draw(5) == 0) {
                m_log << QStringLiteral("  death: the player quits");
                m_quit = true;
                return;
            }
            m_log << QStringLiteral("  death: a new game");
            ResetForNewGame(m_state);
        }
        if (isTime(7, 0)) {
            if (m_state.text(Field::QuestionHour) != QLatin1String("25"))
                m_state.setNumber(Field::QuestionHour, 25);
            else
                m_state.setNumber(Field::QuestionHour, Random(5) + 8);
        }
        if (m_state.text(Field::Hour) == m_state.text(Field::QuestionHour)
            && m_state.text(Field::Minute) == QLatin1String("0")) {
            const QString quarter = m_state.text(Field::Quarter);
            const QString subject = PickQuestionSubject(m_state.diary(), quarter);
            if (!subject.isEmpty()) {
                DiaryGrades diary = m_state.diary();
                RecordQuarterGrade(diary, quarter, subject, QString::number(2 + draw(4)));
                m_state.setDiary(diary);
            }
        }
        if (IsGameOfferTime(m_state)) {
            const auto verdict = ShooterOutcome(draw(3));
            m_log << QStringLiteral("  shooter offer %1").arg(int(verdict));
            apply(ShooterVerdict(m_state, verdict));
        }
        if (IsSchoolYearEnd(m_state))
            schoolYearEnd();
        StreetEvent(m_state);
        const QuarterReportOutcome report = QuarterReport(m_state.diary(), ReadClock(m_state));
        if (report.reward != 0)
            m_state.add(Field::Money, report.reward);
        if (isTime(11, 50) && m_state.number(Field::Month) == 12 && m_state.number(Field::Day) == 30)
            m_state.setNumber(Field::Mood, 100);
    }

    void schoolYearEnd()
    {
        m_log << QStringLiteral("  the last bell");
        DiaryGrades diary = m_state.diary();
        ComputeYearGrades(diary);
        for (const char* subject : { "Алгебра", "Русский язык" })
            RecordExamGrade(diary, QString::fromUtf8(subject), QString::number(2 + draw(4)));
        CompleteFinalGrades(diary);
        m_state.setDiary(diary);
        ResetForNewGame(m_state);
    }

    std::mt19937 m_engine;
    SeededRandom m_random;
    TGameState& m_state;
    QStringList m_log;
    bool m_quit = false;
};

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Plays one sequence and saves, loads and saves again; an empty text when all went well, otherwise what failed.
QString PlayAndReload(quint32 seed, const QString& folder, QStringList& log)
{
    TGameState state;
    Player player(seed, state);
    QString failure;
    try {
        player.startState();
        for (int i = 0; i < CommandsPerSequence && !player.quit(); ++i)
            player.command();
    } catch (const EGameError& error) {
        failure = QStringLiteral("a rule failed: %1").arg(error.message());
    }
    log = player.log();
    if (!failure.isEmpty())
        return failure;

    const QString first = folder + QStringLiteral("/first.sav");
    const QString second = folder + QStringLiteral("/second.sav");
    const QStringList saved = SavedGameLines(state);
    WriteLines1251(first, saved);
    const QStringList read = ReadLines1251(first, AnyLineLength);
    const QString problem = CheckSavedGameLines(read);
    if (!problem.isEmpty())
        return QStringLiteral("the saved game is refused: %1").arg(problem);
    TGameState loaded;
    ApplySavedGameLines(loaded, read);
    const QStringList again = SavedGameLines(loaded);
    WriteLines1251(second, again);
    if (FileBytes(first) != FileBytes(second) || again != saved) {
        for (int i = 0; i < int(saved.size()); ++i) {
            if (saved[i] != again.value(i))
                return QStringLiteral("line %1 saved as «%2», after loading as «%3»")
                    .arg(i + 1)
                    .arg(saved[i], again.value(i));
        }
        return QStringLiteral("the second save differs from the first");
    }

    // The loaded game goes on: its clock still rings what is due (the last bell of a game saved at that moment), and
    // what it reaches saves again.
    {
        Player goOn(seed ^ 0x5a5a5a5au, loaded);
        goOn.ticks(1 + int(seed % 7));
        log << QStringLiteral("after loading:") << goOn.log();
    }
    const QString later = CheckSavedGameLines(SavedGameLines(loaded));
    if (!later.isEmpty())
        return QStringLiteral("the loaded game, played on, saves a game that is refused: %1").arg(later);
    return {};
}

int EnvNumber(const char* name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : otherwise;
}

TEST(EverySavedGameLoadsTest, RandomGamesSaveLoadAndSaveTheSameBytes)
{
    ScriptedUi ui; // rules that talk to the player find a host that only listens
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    std::vector<quint32> seeds;
    if (qEnvironmentVariableIsSet("TRAMBUL_SAVE_SEED")) {
        seeds.push_back(quint32(qEnvironmentVariable("TRAMBUL_SAVE_SEED").toUInt()));
    } else {
        const int count = EnvNumber("TRAMBUL_SAVE_SEQUENCES", DefaultSequences);
        for (int i = 0; i < count; ++i)
            seeds.push_back(FirstSeed + quint32(i));
    }
    for (quint32 seed : seeds) {
        QStringList log;
        const QString failure = PlayAndReload(seed, folder.path(), log);
        ASSERT_TRUE(failure.isEmpty()) << "seed " << seed << " (replay with TRAMBUL_SAVE_SEED=" << seed
                                       << "): " << failure.toStdString() << "\ncommands:\n"
                                       << log.join(QLatin1Char('\n')).toStdString();
    }
}

}

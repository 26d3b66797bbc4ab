// Keeping the player's progress: the autosave at midnight and on every way out, «Продолжить» in the name window, and
// the game ending cleanly on the desktop's signals, also with music playing and a window open.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "core/Unit3.h"
#include "core/Unit32.h"
#include "game/Unit1.h"
#include "records/Autosave.h"
#include "records/LifeLog.h"
#include "records/SaveFile.h"
#include "town/Unit12.h"
#include "town/Unit15.h"
#include "town/Unit5.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <functional>

namespace {

const char* const NameWindow = "Как Вас называть?";

// A button found by its caption, as the player finds it.
QPushButton* ButtonCaptioned(const QWidget& window, const char* caption)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == U(caption))
            return button;
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
}

class Leaving : public GameFixture {
protected:
    Leaving() { useWorkingDirectory({ "Data/Soundtracks/PlayList.grpl" }); }

    // The start-up with "Новая игра" and the introduction read; there is no autosave to continue yet.
    void startNewGame()
    {
        ui.onModal<TForm3>([](TForm3& w) {
            EXPECT_FALSE(Child<QPushButton>(w, "continueButton")->isVisible());
            Child<QLineEdit>(w, "Edit1")->setText(U("Петя"));
            click(Child<QPushButton>(w, "Button1"));
        });
        ui.closeNextModalWith(ModalResult::Ok);
        forms->form1().FormShow();
    }

    // One tick from 23:50 into the next day, on a quiet street.
    void tickToMidnight()
    {
        given({ { Field::Hour, "23" }, { Field::Minute, "50" } });
        random.add(1, 2);
        forms->form1().GameClockTick();
        ASSERT_EQ(state.text(Field::Hour) + ":" + state.text(Field::Minute), "0:0");
    }

    // What the program does once its main loop has returned on the way out.
    void leaveAsTheProgramDoes() { EXPECT_EQ(forms->form1().keeper().KeepOnWayOut(), ""); }

    QStringList autosaved() const { return ReadLines1251(NewestAutosave()); }
    QString autosaved(Field field) const
    {
        TGameState kept;
        ApplySavedGameLines(kept, autosaved());
        return kept.text(field);
    }
};

} // namespace

TEST_F(Leaving, TheGameIsKeptAtMidnightWithTheDayJustEndedButNotBeforeTheStartUpHasRunNorAfterADeath)
{
    tickToMidnight();
    EXPECT_FALSE(AutosaveExists()) << "kept before the player chose a game";

    startNewGame();
    given({ { Field::Day, "5" } });
    tickToMidnight();
    ASSERT_TRUE(AutosaveExists());
    EXPECT_EQ(autosaved(), SavedGameLines(state));
    EXPECT_EQ(state.text(Field::Day), "6");
    EXPECT_EQ(state.text(Field::PlayerName), "Петя");
    const LifeLog log = LoadLifeLogBeside(NewestAutosave()).log;
    ASSERT_FALSE(log.isEmpty()) << "the autosave's log lacks the day that just ended";
    EXPECT_EQ(log.days().last().day, 5);

    // A notice still open at midnight holds the autosave until what it announces has happened.
    ui.holdNotices = true;
    given({ { Field::Money, "100" }, { Field::Day, "1" }, { Field::Month, "11" }, { Field::Hour, "7" },
        { Field::Minute, "0" } });
    random.add(1, 2);
    forms->form1().GameClockTick(); // 7:10 on 1 November: the quarter's report, the reward once it is read
    ASSERT_TRUE(ui.noticesOpen());
    const QString before = NewestAutosave();
    tickToMidnight();
    EXPECT_EQ(NewestAutosave(), before);
    ui.closeHeldNotices();
    random.add(1, 2);
    forms->form1().GameClockTick();
    EXPECT_NE(NewestAutosave(), before);
    EXPECT_EQ(autosaved(Field::Money), "130");

    // Hunger at midnight: no autosave, and leaving through the death window keeps the last one.
    const QByteArray alive = ReadBytes(NewestAutosave());
    given({ { Field::Satiety, "10" } });
    ui.onModal([](QDialog& death) { click(ButtonCaptioned(death, "Выйти")); });
    tickToMidnight();
    leaveAsTheProgramDoes();
    EXPECT_EQ(ReadBytes(NewestAutosave()), alive);
}

TEST_F(Leaving, TheDeathWindowOffersTheGamesLastAutosaveOnceThereIsOne)
{
    startNewGame();
    auto dieAtMidnight = [&](bool offered, const char* button) {
        given({ { Field::Satiety, "10" }, { Field::Hour, "23" }, { Field::Minute, "50" } });
        ui.onModal<TForm32>([=](TForm32& w) {
            EXPECT_EQ(Child<QPushButton>(w, "returnButton")->isVisible(), offered);
            click(Child<QPushButton>(w, button));
        });
        random.add(1, 2);
        forms->form1().GameClockTick();
    };
    ui.answerConfirm(true);
    dieAtMidnight(false, "Button1"); // a new game: this one has no autosave yet
    given({ { Field::Money, "300" }, { Field::Day, "7" } });
    tickToMidnight();
    const QStringList lastMidnight = autosaved();
    given({ { Field::Money, "5" } });
    dieAtMidnight(true, "returnButton");
    EXPECT_EQ(SavedGameLines(state), lastMidnight);
    EXPECT_EQ(state.text(Field::Money), "300");
    EXPECT_TRUE(forms->clock().isRunning());
}

// Every way out, whatever the player was being told at that moment: a message on screen, a notice waiting to be
// closed, a place window open with its copies. The game kept is the one the player was told of.
struct WayOut {
    const char* name;
    std::function<void(Forms&)> take;
};
class LeavingWhileTold : public Leaving, public testing::WithParamInterface<std::tuple<int, int>> { };

TEST_P(LeavingWhileTold, TheAutosaveHoldsWhatThePlayerWasTold)
{
    const WayOut ways[] = {
        { "a signal or the logout", [](Forms& forms) { forms.Quit(); } },
        { "the close box", [](Forms& forms) { forms.form1().close(); } },
        { "the exit button", [](Forms& forms) { click(ButtonCaptioned(forms.form1(), "Выйти из игры")); } },
    };
    const WayOut& way = ways[std::get<0>(GetParam())];
    SCOPED_TRACE(way.name);
    startNewGame();
    auto leave = [&] { way.take(*forms); };
    switch (std::get<1>(GetParam())) {
    case 0: // caught stealing the book: the money and the authority go when the player has read why
        given({ { Field::HasGdz, "Нет" }, { Field::Money, "50" }, { Field::Authority, "5" } });
        random.add(1, 3);
        ui.whenShown = [&](const QString& text) {
            if (text == U("Вас поймали за кражей книги!"))
                leave();
        };
        click(Child<QPushButton>(forms->form15(), "Button2"));
        leaveAsTheProgramDoes();
        EXPECT_EQ(autosaved(Field::Money), "0");
        EXPECT_EQ(autosaved(Field::Authority), "-5");
        EXPECT_EQ(autosaved(Field::HasGdz), "Да");
        break;
    case 1: // the quarter's report still open: the reward comes with its closing
        ui.holdNotices = true;
        given({ { Field::Money, "100" }, { Field::Day, "1" }, { Field::Month, "11" }, { Field::Hour, "7" },
            { Field::Minute, "0" } });
        random.add(1, 2);
        forms->form1().GameClockTick();
        ASSERT_TRUE(ui.noticesOpen());
        leave();
        leaveAsTheProgramDoes();
        EXPECT_EQ(autosaved(Field::Money), "130");
        break;
    case 2: // money put into the piggy bank, the window still open
        given({ { Field::Money, "104" }, { Field::PiggyBank, "0" } });
        ui.onModal<TForm12>([&](TForm12& piggy) {
            Child<QLineEdit>(piggy, "Edit1")->setText("50");
            click(Child<QPushButton>(piggy, "Button1"));
            leave();
        });
        click(Child<QPushButton>(forms->form5(), "Button3"));
        leaveAsTheProgramDoes();
        EXPECT_EQ(autosaved(Field::Money), "54");
        EXPECT_EQ(autosaved(Field::PiggyBank), "50");
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WaysOutAndPendingChanges, LeavingWhileTold, testing::Combine(testing::Range(0, 3), testing::Range(0, 3)));

TEST_F(Leaving, ContinueTakesTheNewestAutosaveWithItsNameSkipsTheIntroductionAndGoesOnInItsSeries)
{
    given({ { Field::PlayerName, "Маша Ёлкина" }, { Field::Money, "500" }, { Field::Day, "14" }, { Field::Month, "11" },
        { Field::Hour, "15" }, { Field::Minute, "20" } });
    state.setCharmed(3, true);
    ASSERT_EQ(WriteAutosave(state, LifeLog(), 4, AutosaveMoment::WayOut).failure, "");
    const QStringList saved = SavedGameLines(state);
    ResetForNewGame(state);

    ui.onModal<TForm3>([](TForm3& w) {
        auto* name = Child<QLineEdit>(w, "Edit1");
        name->setText(U("Другое имя"));
        // With a game to continue, Enter continues it.
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return);
    });
    forms->form1().FormShow();
    EXPECT_EQ(ui.shownWindows, QStringList { NameWindow });
    EXPECT_EQ(SavedGameLines(state), saved);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(" | ").toStdString();
    EXPECT_TRUE(forms->clock().isRunning());
    EXPECT_EQ(forms->form1().keeper().Series(), 4);
}

TEST_F(Leaving, ANewGameBesideAnAutosaveKeepsItAndADamagedOneIsNamedAndLeftAsItIs)
{
    QDir().mkpath("Save");
    const QString damaged = U("Save/Автосохранение 1 — Петя — 2005-11-14 00.00.sav");
    WriteBytes(damaged, "не игра\r\n");
    ui.onModal<TForm3>([](TForm3& w) { click(Child<QPushButton>(w, "continueButton")); });
    ui.onModal<TForm3>([](TForm3& w) {
        EXPECT_FALSE(Child<QPushButton>(w, "continueButton")->isVisible());
        EXPECT_TRUE(Child<QPushButton>(w, "Button2")->isVisible());
        // Without one, Enter in the name box starts a new game, as it always did.
        Child<QLineEdit>(w, "Edit1")->setFocus();
        QTest::keyClick(Child<QLineEdit>(w, "Edit1"), Qt::Key_Return);
    });
    ui.closeNextModalWith(ModalResult::Ok); // the introduction
    ui.expectErrorBoxes();
    forms->form1().FormShow();

    ASSERT_FALSE(ui.errors.isEmpty());
    EXPECT_TRUE(ui.errors[0].contains(U("не похож на сохранённую игру"))) << ui.errors[0].toStdString();
    EXPECT_EQ(ui.shownWindows.size(), 3);
    EXPECT_EQ(state.text(Field::PlayerName), "Аноним");
    // The new game keeps its own autosaves; the one refused stays for the player to mend.
    tickToMidnight();
    click(ButtonCaptioned(forms->form1(), "Выйти из игры"));
    leaveAsTheProgramDoes();
    EXPECT_EQ(ReadBytes(damaged), "не игра\r\n");
    EXPECT_EQ(Autosaves().size(), 3);
    EXPECT_EQ(forms->form1().keeper().Series(), 2);
}

TEST_F(Leaving, AFailedAutosaveIsToldAtOnceAndAtTheNextStartBeforeTheNameWindow)
{
    startNewGame();
    WriteBytes("Save", "a file where the folder belongs");
    tickToMidnight();
    ASSERT_EQ(ui.notices.size(), 1);
    EXPECT_TRUE(ui.notices[0].startsWith(U("Автосохранение не удалось"))) << ui.notices[0].toStdString();
    QFile::remove("Save");

    Forms next;
    ui.onModal<TForm3>([](TForm3& w) { click(Child<QPushButton>(w, "Button1")); });
    ui.closeNextModalWith(ModalResult::Ok);
    ui.messages.clear();
    ui.shown.clear();
    next.form1().FormShow();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(U("автосохранение не удалось"))) << ui.messages[0].toStdString();
    EXPECT_EQ(ui.shown.first(), ui.messages[0]);
}

namespace {

// The game as the desktop runs it: a process of its own in a folder with the game's Data, offscreen, its music
// going through SDL's disk driver into a file.
class GameProcess {
public:
    GameProcess(const QString& folder, bool pressContinue)
        : m_music(folder + "/music.raw")
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("SDL_AUDIODRIVER", "disk");
        environment.insert("SDL_DISKAUDIOFILE", m_music.fileName());
        environment.remove("TRAMBUL_BENCH_EXIT_ON_SHOW");
        if (pressContinue)
            environment.insert("TRAMBUL_TEST_CONTINUE", "1");
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(folder);
        // As a desktop starts it: a test run in the background must not pass on its ignored signals.
        m_process.setChildProcessModifier([] {
            for (int signal : { SIGTERM, SIGINT, SIGHUP })
                std::signal(signal, SIG_DFL);
        });
        m_process.start(TRAMBUL_GAME_PROGRAM, {});
    }
    ~GameProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(20000);
        }
    }

    // Waits until the condition holds while the game runs; the time limit only catches a game that hangs.
    bool waitFor(const std::function<bool()>& condition)
    {
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            if (condition())
                return true;
            m_process.waitForFinished(20);
        }
        return condition();
    }

    // Some sound other than silence has reached the sound device.
    bool musicPlays()
    {
        if (!m_music.isOpen() && !m_music.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = m_music.readAll();
        return std::any_of(bytes.begin(), bytes.end(), [](char byte) { return byte != 0; });
    }

    // Sends the signals one right after the other and waits for the game to end by itself; false when it hangs or
    // fails.
    bool endsOn(const std::vector<int>& sequence)
    {
        for (int signal : sequence)
            ::kill(pid_t(m_process.processId()), signal);
        return m_process.waitForFinished(20000) && m_process.exitStatus() == QProcess::NormalExit
            && m_process.exitCode() == 0;
    }

    std::string output() { return QString::fromLocal8Bit(m_process.readAllStandardError()).toStdString(); }

private:
    QFile m_music;
    QProcess m_process;
};

// A folder to run the game in: the game's Data and a Save folder with an autosave of a player at 23:50, whose
// teacher calls her to the board at midnight (a window that stays open until answered).
QString PrepareFolder(const QTemporaryDir& dir, const QString& name)
{
    QFile::link(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data"), dir.filePath("Data"));
    QDir(dir.path()).mkpath("Save");
    TGameState game;
    for (auto [field, text] :
        { std::pair { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::QuestionHour, "0" } })
        game.restore(field, U(text));
    game.restore(Field::PlayerName, name);
    const QString path = dir.filePath("Save/Автосохранение.sav");
    WriteLines1251(path, SavedGameLines(game));
    return path;
}

// The newest autosave of the folder the game runs in.
QString NewestIn(const QTemporaryDir& dir)
{
    const QFileInfoList files = QDir(dir.filePath("Save")).entryInfoList({ "*.sav" }, QDir::Files, QDir::Time);
    return files.isEmpty() ? QString() : files.first().absoluteFilePath();
}

// The autosave holds the player at midnight of the second day.
bool KeptAtMidnight(const QString& path)
{
    try {
        const QStringList lines = ReadLines1251(path);
        TGameState game;
        if (!CheckSavedGameLines(lines).isEmpty())
            return false;
        ApplySavedGameLines(game, lines);
        return game.text(Field::Day) == "2" && game.text(Field::Hour) == "0" && game.text(Field::Minute) == "0";
    } catch (const EGameError&) {
        return false;
    }
}

} // namespace

TEST(LeavingOnSignals, TheDesktopsSignalsEndThePlayingGameAndKeepIt)
{
    // A logout sends SIGTERM and SIGHUP one right after the other: the second waits for the game to be kept.
    const std::vector<std::vector<int>> ways = { { SIGTERM }, { SIGINT }, { SIGHUP }, { SIGTERM, SIGHUP } };
    for (const auto& sequence : ways) {
        SCOPED_TRACE(strsignal(*sequence.begin()) + std::string(sequence.size() > 1 ? " and another" : ""));
        QTemporaryDir dir;
        PrepareFolder(dir, U("Сигнал"));
        GameProcess game(dir.path(), true);
        // «Продолжить», the first tick: midnight is kept, then the teacher's window opens; the music plays.
        ASSERT_TRUE(game.waitFor([&] { return KeptAtMidnight(NewestIn(dir)); })) << game.output();
        ASSERT_TRUE(game.waitFor([&] { return game.musicPlays(); })) << game.output();
        const QString atMidnight = NewestIn(dir);
        ASSERT_TRUE(QFile::remove(atMidnight));

        EXPECT_TRUE(game.endsOn(sequence)) << game.output();
        const QString kept = NewestIn(dir);
        EXPECT_NE(kept, atMidnight);
        EXPECT_TRUE(KeptAtMidnight(kept)) << "not kept on the way out";
        EXPECT_EQ(ReadLines1251(kept).value(17), U("Сигнал"));
    }
}

TEST(LeavingOnSignals, ASignalDuringTheStartUpEndsTheGameAndKeepsTheLastAutosave)
{
    QTemporaryDir dir;
    const QString autosave = PrepareFolder(dir, U("Сигнал"));
    const QByteArray before = ReadBytes(autosave);
    const QString note = dir.filePath("Save/.trambul-autosave-failure.txt");
    WriteLines1251(note, { U("Трамбуль: автосохранение не удалось"), U("диск полон") });
    GameProcess game(dir.path(), false);
    // The start-up has taken the note: its message box is open, the name window comes next.
    ASSERT_TRUE(game.waitFor([&] { return !QFile::exists(note); })) << game.output();

    EXPECT_TRUE(game.endsOn({ SIGTERM })) << game.output();
    EXPECT_EQ(ReadBytes(autosave), before);
    EXPECT_EQ(NewestIn(dir), autosave);
}

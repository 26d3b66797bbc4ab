// Keeping the player's progress: the autosave at midnight and on every way out, «Продолжить» in the name window, and
// the game ending cleanly on the desktop's signals, also with music playing and a window open.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "core/Unit3.h"
#include "game/Unit1.h"
#include "records/Autosave.h"
#include "records/SaveFile.h"

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

    QStringList autosaved() const { return ReadLines1251(AutosavePath()); }
};

} // namespace

TEST_F(Leaving, TheGameIsKeptAtMidnightButNotBeforeTheStartUpHasRunNorAfterADeath)
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

    // Hunger at midnight: no autosave, and leaving through the death window keeps the last one.
    const QByteArray alive = ReadBytes(AutosavePath());
    given({ { Field::Satiety, "10" } });
    ui.onModal([](QDialog& death) { click(ButtonCaptioned(death, "Выйти")); });
    tickToMidnight();
    EXPECT_EQ(ReadBytes(AutosavePath()), alive);
}

TEST_F(Leaving, LeavingTheGameKeepsIt)
{
    startNewGame();
    given({ { Field::Money, "777" }, { Field::Day, "12" } });
    click(ButtonCaptioned(forms->form1(), "Выйти из игры"));
    ASSERT_TRUE(AutosaveExists());
    EXPECT_EQ(autosaved(), SavedGameLines(state));
}

TEST_F(Leaving, ContinueTakesTheAutosavedGameWithItsNameAndSkipsTheIntroduction)
{
    given({ { Field::PlayerName, "Маша Ёлкина" }, { Field::Money, "500" }, { Field::Day, "14" }, { Field::Month, "11" },
        { Field::Hour, "15" }, { Field::Minute, "20" } });
    state.setCharmed(3, true);
    ASSERT_EQ(WriteAutosave(state), "");
    const QStringList saved = SavedGameLines(state);
    ResetForNewGame(state);

    ui.onModal<TForm3>([](TForm3& w) {
        Child<QLineEdit>(w, "Edit1")->setText(U("Другое имя"));
        click(Child<QPushButton>(w, "continueButton"));
    });
    forms->form1().FormShow();
    EXPECT_EQ(ui.shownWindows, QStringList { NameWindow });
    EXPECT_EQ(SavedGameLines(state), saved);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(" | ").toStdString();
    EXPECT_TRUE(forms->clock().isRunning());
}

TEST_F(Leaving, ADamagedAutosaveIsNamedAndThePlayerChoosesAgainFromTheOtherTwo)
{
    QDir().mkpath("Save");
    WriteBytes(AutosavePath(), "не игра\r\n");
    ui.onModal<TForm3>([](TForm3& w) { click(Child<QPushButton>(w, "continueButton")); });
    ui.onModal<TForm3>([](TForm3& w) {
        EXPECT_FALSE(Child<QPushButton>(w, "continueButton")->isVisible());
        EXPECT_TRUE(Child<QPushButton>(w, "Button2")->isVisible());
        click(Child<QPushButton>(w, "Button1"));
    });
    ui.closeNextModalWith(ModalResult::Ok); // the introduction
    ui.expectErrorBoxes();
    forms->form1().FormShow();

    ASSERT_FALSE(ui.errors.isEmpty());
    EXPECT_TRUE(ui.errors[0].contains(U("не похож на сохранённую игру"))) << ui.errors[0].toStdString();
    EXPECT_EQ(ui.shownWindows.size(), 3);
    EXPECT_EQ(state.text(Field::PlayerName), "Аноним");
    EXPECT_EQ(ReadBytes(AutosavePath()), "не игра\r\n");
}

TEST_F(Leaving, AFailedAutosaveIsToldAtTheNextStartBeforeTheNameWindow)
{
    given({ { Field::Money, "12abc" } });
    EXPECT_NE(WriteAutosave(state), "");
    given({ { Field::Money, "80" } });
    startNewGame();
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

    // Sends the signal and waits for the game to end by itself; false when it hangs or fails.
    bool endsOn(int signal)
    {
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
    for (int signal : { SIGTERM, SIGINT, SIGHUP }) {
        SCOPED_TRACE(strsignal(signal));
        QTemporaryDir dir;
        const QString autosave = PrepareFolder(dir, U("Сигнал"));
        GameProcess game(dir.path(), true);
        // «Продолжить», the first tick: midnight is kept, then the teacher's window opens; the music plays.
        ASSERT_TRUE(game.waitFor([&] { return KeptAtMidnight(autosave); })) << game.output();
        ASSERT_TRUE(game.waitFor([&] { return game.musicPlays(); })) << game.output();
        ASSERT_TRUE(QFile::remove(autosave));

        EXPECT_TRUE(game.endsOn(signal)) << game.output();
        EXPECT_TRUE(KeptAtMidnight(autosave)) << "not kept on the way out";
        EXPECT_EQ(ReadLines1251(autosave).value(17), U("Сигнал"));
    }
}

TEST(LeavingOnSignals, ASignalDuringTheStartUpEndsTheGameAndKeepsTheLastAutosave)
{
    QTemporaryDir dir;
    const QString autosave = PrepareFolder(dir, U("Сигнал"));
    const QByteArray before = ReadBytes(autosave);
    const QString note = dir.filePath("Save/Автосохранение не удалось.txt");
    WriteLines1251(note, { U("диск полон") });
    GameProcess game(dir.path(), false);
    // The start-up has taken the note: its message box is open, the name window comes next.
    ASSERT_TRUE(game.waitFor([&] { return !QFile::exists(note); })) << game.output();

    EXPECT_TRUE(game.endsOn(SIGTERM)) << game.output();
    EXPECT_EQ(ReadBytes(autosave), before);
}

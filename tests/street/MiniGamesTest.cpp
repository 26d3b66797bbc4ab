// The ball game on the phone, the zombie shooter and the offer of 3 February 2006: their rules, and whole games
// played through the windows.
#include "street/MiniGames.h"
#include "GameFixture.h"
#include "StreetScripts.h"
#include "TestHelpers.h"
#include "game/ClockEvents.h"
#include "street/ClickPicture.h"
#include "street/Unit31.h"
#include "street/Unit36.h"
#include "street/Unit37.h"

#include <QLabel>
#include <QTimer>

namespace {
const QString SchoolTalks = U("На следующий день все в школе только и говорили о Half-Life2. Она была основной темой "
                              "всех учеников и учениц.");

// Shoots or hits a picture with the mouse.
void press(QWidget* picture)
{
    ASSERT_NE(picture, nullptr);
    QTest::mouseClick(picture, Qt::LeftButton);
}

class MiniGamesTest : public GameFixture {
protected:
    MiniGamesTest()
    {
        useWorkingDirectory({ "Data/HL2/Title1.jpg", "Data/HL2/Title2.jpg", "Data/HL2/Intro.jpg",
            "Data/HL2/Picture1.jpg", "Data/HL2/Zombie1.bmp", "Data/HL2/Zombie2.bmp", "Data/HL2/Zombie3.bmp",
            "Data/HL2/Zombie_Die.bmp", "Data/HL2/Pistol_fire.wav", "Data/HL2/Zombie_die.wav" });
    }

    // The show step of the shooter gives each zombie its first frame.
    void scriptZombieFrames() { random.add({ 0, 1, 2, 0, 1 }); }

    // The titles run their course; the intro offers "Новая игра" and "Выход".
    static void runTitles(TForm36& w)
    {
        for (int i = 0; i < 3; ++i)
            Fire(w, "Timer1");
    }

    // A step of the zombies in which each grows as much as it can.
    void fastestStep(TForm36& w)
    {
        for (int i = 0; i < ZombieCount; ++i) {
            const int range = w.shooter().zombie(i).size.width() / 5;
            random.add(range - 1, range);
        }
        Fire(w, "Timer3");
    }

    void charmAllGirls()
    {
        for (int girl = 0; girl < GirlCount; ++girl)
            state.setCharmed(girl, true);
    }

    int charmedGirls() const
    {
        int count = 0;
        for (int girl = 0; girl < GirlCount; ++girl)
            count += state.girlFlag(girl) == QLatin1String("1");
        return count;
    }
};
}

TEST(MiniGameRules, TheBallHopsOverAThreeByThreeGrid)
{
    const struct {
        int cell;
        QPoint topLeft;
    } cases[]
        = { { 0, { 16, 16 } }, { 4, { 144, 144 } }, { 5, { 272, 144 } }, { 6, { 16, 272 } }, { 8, { 272, 272 } } };
    for (const auto& c : cases)
        EXPECT_EQ(BallPosition(c.cell), c.topLeft) << "cell " << c.cell;
}

TEST(MiniGameRules, AZombieGrowsByLessThanAFifthOfItsWidthAndTheStepsSpeedUpTo70Ms)
{
    ScriptedRandom random;
    const struct {
        int width, frame, draw, range;
        QSize size;
        int nextFrame;
    } cases[] = {
        { 33, 0, 5, 6, { 38, 70 }, 1 },
        { 34, 3, 0, 6, { 34, 66 }, 1 },
        { 35, 1, 6, 7, { 41, 73 }, 2 },
    };
    for (const auto& c : cases) {
        Zombie zombie { QSize(c.width, c.width + 32), c.frame };
        random.add(c.draw, c.range);
        AdvanceZombie(zombie);
        EXPECT_EQ(zombie.size, c.size) << "width " << c.width;
        EXPECT_EQ(zombie.frame, c.nextFrame) << "width " << c.width;
    }

    // Even growing as much as it can, a zombie from far away needs many steps to reach the player.
    Zombie zombie;
    int steps = 0;
    while (!ZombieReachedPlayer(zombie)) {
        random.add(zombie.size.width() / 5 - 1);
        AdvanceZombie(zombie);
        ++steps;
    }
    EXPECT_GE(steps, 15);
    EXPECT_GE(zombie.size.height(), ZombieReachHeight);

    const std::pair<int, int> intervals[] = { { 300, 300 }, { 71, 71 }, { 70, 70 }, { 69, 70 }, { 0, 70 }, { -3, 70 } };
    for (auto [secondsLeft, interval] : intervals)
        EXPECT_EQ(AdvanceInterval(secondsLeft), interval) << secondsLeft << " s left";
}

TEST(MiniGameRules, TheShooterStartsAfreshOnlyWhenAskedOrLostAndNeverResetsItsCountdown)
{
    ScriptedRandom random;
    ZombieShooter shooter;
    random.add({ 0, 1, 2, 0, 1 });
    ASSERT_TRUE(shooter.BeginShow());
    EXPECT_FALSE(shooter.BeginShow()); // showing again goes on where it was
    const ShooterTitle titles[] = { ShooterTitle::Title1, ShooterTitle::Title2, ShooterTitle::Intro };
    for (ShooterTitle title : titles) {
        EXPECT_TRUE(shooter.TitleBeat());
        EXPECT_EQ(shooter.title(), title);
    }
    EXPECT_FALSE(shooter.TitleBeat()); // the intro waits for "Новая игра"
    shooter.BeginPlay();
    EXPECT_TRUE(shooter.shooting());
    EXPECT_FALSE(shooter.CountdownBeat());
    EXPECT_EQ(shooter.secondsLeft(), ZombieCountdownStart - 1);

    // Lost: the zombies come as close as they can until one reaches the player.
    bool reached = false;
    for (int step = 0; step < 60 && !reached; ++step) {
        for (int i = 0; i < ZombieCount; ++i)
            random.add(shooter.zombie(i).size.width() / 5 - 1);
        reached = shooter.AdvanceBeat();
    }
    ASSERT_TRUE(reached);
    EXPECT_FALSE(shooter.shooting());
    EXPECT_TRUE(shooter.startsAfresh());
    random.add({ 2, 2, 2, 2, 2 });
    ASSERT_TRUE(shooter.BeginShow());
    EXPECT_EQ(shooter.zombie(4).size, ZombieAtRest);
    EXPECT_EQ(shooter.zombie(4).frame, 2);
    EXPECT_EQ(shooter.secondsLeft(), ZombieCountdownStart - 1);

    // Won: the last second runs out.
    shooter.BeginPlay();
    while (shooter.secondsLeft() > 1)
        EXPECT_FALSE(shooter.CountdownBeat());
    EXPECT_TRUE(shooter.CountdownBeat());
    EXPECT_FALSE(shooter.shooting());
    EXPECT_TRUE(random.usedUp());
}

TEST_F(MiniGamesTest, TheOfferComesOnlyOn3February2006At1620)
{
    const struct {
        const char *hour, *minute, *day, *month, *year;
        bool offer;
    } cases[] = {
        { "16", "20", "3", "2", "2006", true },
        { "16", "10", "3", "2", "2006", false },
        { "17", "20", "3", "2", "2006", false },
        { "16", "20", "4", "2", "2006", false },
        { "16", "20", "3", "3", "2006", false },
        { "16", "20", "3", "2", "2005", false },
        { "16", "20", "03", "02", "2006", false },
    };
    for (const auto& c : cases) {
        given({ { Field::Hour, U(c.hour) }, { Field::Minute, U(c.minute) }, { Field::Day, U(c.day) },
            { Field::Month, U(c.month) }, { Field::Year, U(c.year) } });
        EXPECT_EQ(IsGameOfferTime(state), c.offer) << c.hour << ":" << c.minute << " " << c.day << "." << c.month;
    }

    // At its time the clock's check brings the offer, and the clock stands still meanwhile.
    given({ { Field::Hour, U("16") }, { Field::Minute, U("20") }, { Field::Day, U("3") }, { Field::Month, U("2") },
        { Field::Year, U("2006") }, { Field::Authority, U("0") } });
    forms->clock().start();
    bool clockRanDuringOffer = true;
    ui.onModal<TForm37>([&](TForm37& w) {
        clockRanDuringOffer = forms->clock().isRunning();
        click(ButtonOf(w, "Button2"));
    });
    ClockEvents(*forms).GameOfferCheck();
    EXPECT_FALSE(clockRanDuringOffer);
    EXPECT_TRUE(forms->clock().isRunning());
    EXPECT_EQ(ui.shownWindows, QStringList { U("О игре Half-Life 2") });
}

TEST_F(MiniGamesTest, RefusingLosingAndWinningTheShooterDecideAuthorityMoodAndTheGirls)
{
    enum class Play { Refuse, GiveUpAtIntro, GiveUpInPlay, Survive };
    const struct {
        Play play;
        const char* money;
        const char* authority;
        const char* mood;
        int charmed;
        const char* verdict;
    } cases[] = {
        { Play::Refuse, "100", "-40", "50", 0,
            "Один вы, один вы не играли в эту игру. Даже отказались купить коробочку "
            "с игрой! Ваш авторитет быстро, как 1 секунда, упала на 50 единиц. "
            "Вместе с тем, девушки разлюбили вас... Лучше бы вы эту игрушку купили "
            "бы." },
        { Play::GiveUpAtIntro, "-60", "-40", "50", 0,
            "Один вы, один вы не смогли пройти эту игру. Ваш авторитет быстро, как 1 секунда, упала на 50 единиц. "
            "Вместе с тем, девушки разлюбили вас... Лучше бы вы эту игрушку прошли бы." },
        { Play::GiveUpInPlay, "-60", "-40", "50", 0,
            "Один вы, один вы не смогли пройти эту игру. Ваш авторитет быстро, как 1 секунда, упала на 50 единиц. "
            "Вместе с тем, девушки разлюбили вас... Лучше бы вы эту игрушку прошли бы." },
        { Play::Survive, "-60", "60", "100", GirlCount,
            "Вы, как всегда на высоте, с легкостью прошли игрушку! Ваш авторитет быстро, как 1 секунда, подлетела на "
            "50 "
            "единиц. У вас заметно улучшилось настроение. Поздравляю!" },
    };
    for (const auto& c : cases) {
        given({ { Field::Money, U("100") }, { Field::Authority, U("10") }, { Field::Mood, U("50") } });
        charmAllGirls();
        ui.messages.clear();
        ui.onModal<TForm37>([&](TForm37& w) { click(ButtonOf(w, c.play == Play::Refuse ? "Button2" : "Button1")); });
        if (c.play != Play::Refuse) {
            scriptZombieFrames();
            ui.onModal<TForm36>([&](TForm36& w) {
                runTitles(w);
                if (c.play == Play::GiveUpAtIntro)
                    return click(ButtonOf(w, "Button2"));
                click(ButtonOf(w, "Button1"));
                if (c.play == Play::GiveUpInPlay)
                    return click(ButtonOf(w, "Button3"));
                // Hold out to the last second of the countdown: then the zombies are gone and the girl is saved.
                while (w.shooter().secondsLeft() > 1)
                    Fire(w, "Timer2");
                EXPECT_FALSE(ButtonOf(w, "Button6")->isVisible());
                Fire(w, "Timer2");
                EXPECT_TRUE(ButtonOf(w, "Button6")->isVisible());
                EXPECT_FALSE(Child(w, "Zombie1")->isVisible());
                click(ButtonOf(w, "Button6"));
            });
        }
        ChangeWatch watch(state, ui);
        forms->form37().OfferTheGame();
        // What the school thinks changes the panel only once the player has read it.
        EXPECT_EQ(watch.shownBefore[Field::Authority], 2);
        if (c.play == Play::Survive) {
            EXPECT_EQ(watch.shownBefore[Field::Mood], 2);
        } else {
            EXPECT_EQ(watch.girlsShownBefore, 2);
        }
        EXPECT_EQ(state.text(Field::Money), U(c.money));
        EXPECT_EQ(state.text(Field::Authority), U(c.authority));
        EXPECT_EQ(state.text(Field::Mood), U(c.mood));
        EXPECT_EQ(charmedGirls(), c.charmed);
        EXPECT_EQ(ui.messages, (QStringList { SchoolTalks, U(c.verdict) }));
    }
    EXPECT_FALSE(Child<QTimer>(forms->form36(), "Timer2")->isActive());
    EXPECT_FALSE(Child<QTimer>(forms->form36(), "Timer3")->isActive());
}

TEST_F(MiniGamesTest, ZombiesReachingThePlayerEndTheGameAndYesStartsAgainWithTheCountdownKept)
{
    scriptZombieFrames();
    ui.onModal<TForm36>([&](TForm36& w) {
        runTitles(w);
        ASSERT_TRUE(ButtonOf(w, "Button1")->isVisible());
        click(ButtonOf(w, "Button1"));
        EXPECT_TRUE(w.shooter().shooting());
        Fire(w, "Timer2");
        Fire(w, "Timer2");
        ASSERT_EQ(w.shooter().secondsLeft(), ZombieCountdownStart - 2);
        EXPECT_EQ(Child<QLabel>(w, "ZombieCountdown")->text(), QString::number(ZombieCountdownStart - 2));

        // A shot at the background sounds; a hit zombie falls back far away after a short pause.
        press(Child(w, "Image1"));
        fastestStep(w);
        QWidget* third = Child(w, "Zombie3");
        press(third);
        EXPECT_EQ(third->size(), ZombieAtRest);
        EXPECT_EQ(w.shooter().zombie(2).size, ZombieAtRest);
        EXPECT_EQ(ui.sleptMilliseconds, 150);
        EXPECT_EQ(Child<QTimer>(w, "Timer3")->interval(), ZombieCountdownStart - 2);

        QLabel* gameOver = Child<QLabel>(w, "Label1");
        int steps = 0;
        while (!gameOver->isVisible() && steps++ < 60)
            fastestStep(w);
        EXPECT_TRUE(ButtonOf(w, "Button4")->isVisible());
        EXPECT_TRUE(ButtonOf(w, "Button5")->isVisible());
        EXPECT_FALSE(w.shooter().shooting());
        EXPECT_TRUE(w.shooter().startsAfresh());
        EXPECT_FALSE(Child<QTimer>(w, "Timer2")->isActive() || Child<QTimer>(w, "Timer3")->isActive());
        EXPECT_EQ(ui.sleptMilliseconds, 150 + 1000);

        // "ДА": from the titles again, with the countdown where it stopped.
        scriptZombieFrames();
        click(ButtonOf(w, "Button4"));
        EXPECT_TRUE(Child<QTimer>(w, "Timer1")->isActive());
        EXPECT_FALSE(gameOver->isVisible() || ButtonOf(w, "Button4")->isVisible() || Child(w, "Zombie1")->isVisible());
        EXPECT_EQ(w.shooter().zombie(0).size, ZombieAtRest);
        EXPECT_EQ(w.shooter().secondsLeft(), ZombieCountdownStart - 2);
        runTitles(w);
        click(ButtonOf(w, "Button1"));
        click(ButtonOf(w, "Button3"));
    });
    // The cheat editor's way in: the game alone, without the offer or its consequences.
    given({ { Field::Authority, U("7") } });
    forms->StartShooter();
    EXPECT_EQ(state.text(Field::Authority), U("7"));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(
        Child<QTimer>(forms->form36(), "Timer1")->isActive() || Child<QTimer>(forms->form36(), "Timer2")->isActive());
}

TEST_F(MiniGamesTest, BallGameHitsRaiseTheMoodUpTo100)
{
    const struct {
        int hits;
        const char* mood;
        const char* moodAfter;
        QStringList messages;
    } cases[] = {
        { 0, "50", "50", {} },
        { 3, "50", "53", { U("После этой игры настроение у вас поднялось на: 3") } },
        { 30, "90", "100", { U("После этой игры настроение у вас поднялось на: 30") } },
    };
    for (const auto& c : cases) {
        given({ { Field::Mood, U(c.mood) } });
        ui.messages.clear();
        random.add(4, BallCellCount);
        ui.onModal<TForm31>([&](TForm31& w) {
            EXPECT_EQ(Child<QLabel>(w, "BallScore")->text(), U("0"));
            EXPECT_TRUE(Child<QTimer>(w, "Timer1")->isActive());
            Fire(w, "Timer1");
            QWidget* ball = Child(w, "Image2");
            EXPECT_EQ(ball->pos(), QPoint(144, 144));
            for (int i = 0; i < c.hits; ++i)
                press(ball);
            EXPECT_EQ(Child<QLabel>(w, "BallScore")->text(), QString::number(c.hits));
            click(ButtonOf(w, "Button1"));
        });
        ChangeWatch watch(state, ui);
        forms->form31().Play();
        EXPECT_EQ(state.text(Field::Mood), U(c.moodAfter)) << c.hits << " hits";
        EXPECT_EQ(ui.messages, c.messages);
        if (c.hits > 0 && QString(c.mood) != "100") {
            EXPECT_EQ(watch.shownBefore[Field::Mood], 1); // the mood rises once the player has read by how much
        }
        EXPECT_FALSE(Child<QTimer>(forms->form31(), "Timer1")->isActive());
    }
}

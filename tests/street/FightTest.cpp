// The fist fight: damage, punch power built by changing hands, the wind-up one beat before the strike, the fists.
#include "GameFixture.h"
#include "StreetScripts.h"
#include "street/FistFight.h"
#include "street/Unit27.h"

#include "TestHelpers.h"
#include "core/Picture.h"

#include <QProgressBar>
#include <QTimer>

TEST(FistFightRules, DamageAndPowerFollowFightingSkillAndTheOpponentsLives)
{
    const struct {
        int fightSkill;
        int opponentLives;
        int playerDamage; // of the first punch
        int powerMaximum;
        int opponentDamage;
    } cases[] = {
        { 0, 50, 0, 0, 5 },
        { 30, 50, 3, 10, 5 },
        { 30, 9, 3, 10, 0 }, // under 10 lives the opponent does no damage
        { 100, 109, 10, 33, 10 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fightSkill);
        FightState fight;
        fight.SetUp(c.opponentLives, c.fightSkill);
        EXPECT_EQ(fight.playerLives.value, c.fightSkill);
        EXPECT_EQ(fight.PlayerDamage(), c.playerDamage);
        EXPECT_EQ(fight.punchPower.maximum, c.powerMaximum);
        EXPECT_EQ(fight.OpponentDamage(), c.opponentDamage);
    }
}

TEST(FistFightRules, OnlyChangingHandsBuildsPowerUpToAThirdOfTheSkill)
{
    FightState fight;
    fight.SetUp(100, 30);
    for (int i = 0; i < 5; ++i)
        fight.Punch(FightHand::Right);
    EXPECT_EQ(fight.punchPower.value, 1); // the first change of hand only
    for (int i = 0; i < 30; ++i)
        fight.Punch(i % 2 ? FightHand::Right : FightHand::Left);
    EXPECT_EQ(fight.punchPower.value, 10);
    EXPECT_EQ(fight.PunchLands(), FightEnd::Going);
    EXPECT_EQ(fight.opponentLives.value, 100 - 13);
    for (int i = 0; i < 12; ++i)
        fight.PowerFades();
    EXPECT_EQ(fight.punchPower.value, 0);
}

TEST(FistFightRules, EveryFightEnds)
{
    // No lives at all: the first strike ends it even though it does no damage.
    FightState noLives;
    noLives.SetUp(5, 0);
    EXPECT_EQ(noLives.OpponentBeat(true), FightEnd::Going);
    EXPECT_EQ(noLives.OpponentBeat(false), FightEnd::PlayerLost);

    // Nobody can hurt anybody (skill 2 against 9 lives): the first strike decides it against the player.
    FightState deadlock;
    deadlock.SetUp(9, 2);
    EXPECT_TRUE(deadlock.Deadlocked());
    deadlock.Punch(FightHand::Right);
    EXPECT_EQ(deadlock.PunchLands(), FightEnd::Going);
    EXPECT_EQ(deadlock.OpponentBeat(true), FightEnd::Going);
    EXPECT_EQ(deadlock.OpponentBeat(false), FightEnd::PlayerLost);

    // Skill 3 can build power, so a weak opponent is not a deadlock.
    FightState weak;
    weak.SetUp(9, 3);
    EXPECT_FALSE(weak.Deadlocked());
}

namespace {
class Fight : public GameFixture {
protected:
    Fight()
    {
        useWorkingDirectory({ "Data/Dialogs/Gopniks/gopnik_fight_1.jpg", "Data/Dialogs/Gopniks/gopnik_fight_2.jpg",
            "Data/MyGOPSTOP/loh_fight_1.jpg", "Data/MyGOPSTOP/loh_fight_2.jpg" });
        given({ { Field::FightSkill, "30" } });
    }
};
}

TEST_F(Fight, TheWindUpShowsOneBeatBeforeTheStrikeAndTheFistsFlyAndComeBack)
{
    random.add(99, 100);
    ui.onModal<TForm27>([this](TForm27& w) {
        QTimer* opponentTimer = Child<QTimer>(w, "OpponentTimer");
        QTimer* decayTimer = Child<QTimer>(w, "DecayTimer");
        PictureBox* opponent = Child<PictureBox>(w, "opponentPicture");
        QProgressBar* playerBar = Child<QProgressBar>(w, "playerBar");
        QProgressBar* opponentBar = Child<QProgressBar>(w, "opponentBar");
        QProgressBar* powerBar = Child<QProgressBar>(w, "powerBar");
        QWidget* rightFist = Child(w, "rightFist");
        QWidget* leftFist = Child(w, "leftFist");
        EXPECT_TRUE(opponentTimer->isActive());
        EXPECT_TRUE(decayTimer->isActive());
        EXPECT_EQ(opponentTimer->interval(), 500);
        EXPECT_EQ(decayTimer->interval(), 1500);
        const QImage calm = opponent->pixmap().toImage();

        random.add(1, 2);
        Fire(w, "OpponentTimer"); // stays calm
        EXPECT_FALSE(w.fight().opponentWindup);
        random.add(0, 2);
        Fire(w, "OpponentTimer"); // winds up: the picture changes, no damage yet
        EXPECT_NE(opponent->pixmap().toImage(), calm);
        EXPECT_EQ(playerBar->value(), 30);
        Fire(w, "OpponentTimer"); // strikes, no draw
        EXPECT_EQ(opponent->pixmap().toImage(), calm);
        EXPECT_EQ(playerBar->value(), 20);

        click(ButtonOf(w, "Button2"));
        EXPECT_EQ(rightFist->pos(), TForm27::RightFistPunch);
        EXPECT_EQ(leftFist->pos(), TForm27::LeftFistRest);
        click(ButtonOf(w, "Button1")); // one punch at a time
        EXPECT_EQ(leftFist->pos(), TForm27::LeftFistRest);
        EXPECT_EQ(powerBar->value(), 1);
        Fire(w, "PunchInFlight");
        EXPECT_EQ(rightFist->pos(), TForm27::RightFistRest);
        EXPECT_EQ(opponentBar->value(), 100 - 4);
        click(ButtonOf(w, "Button1"));
        EXPECT_EQ(leftFist->pos(), TForm27::LeftFistPunch);
        Fire(w, "PunchInFlight");
        EXPECT_EQ(opponentBar->value(), 100 - 4 - 5);
        Fire(w, "DecayTimer");
        EXPECT_EQ(powerBar->value(), 1);

        w.closeWith(ModalResult::No);
    });
    EXPECT_FALSE(forms->form27().FightThug());
    EXPECT_FALSE(Child<QTimer>(forms->form27(), "OpponentTimer")->isActive());
    EXPECT_FALSE(Child<QTimer>(forms->form27(), "DecayTimer")->isActive());
}

TEST_F(Fight, ThePasserByFightHasItsOwnCaptionOnlyWhileItLasts)
{
    given({ { Field::FightSkill, "0" } });
    random.add(0, 50);
    ui.onModal<TForm27>([this](TForm27& w) {
        EXPECT_EQ(w.windowTitle(), "Вы vs Лоха");
        EXPECT_EQ(w.fight().opponentLives.value, 60);
        EXPECT_EQ(Child<QProgressBar>(w, "playerBar")->text(), "0"); // a bar of no lives reads 0, not a busy bar
        random.add(0, 2);
        Fire(w, "OpponentTimer");
        Fire(w, "OpponentTimer");
        EXPECT_FALSE(w.isVisible());
        Fire(w, "PunchInFlight"); // nothing after the end changes the result
    });
    EXPECT_FALSE(forms->form27().FightPasserBy());
    EXPECT_EQ(forms->form27().windowTitle(), "Вы vs Гопник");
}

// Street robbery: the districts, the lurking street, the approach rules, the once-a-day talk and the victim's endings.
#include "GameFixture.h"
#include "StreetScripts.h"
#include "street/StreetRules.h"
#include "street/Unit27.h"
#include "street/Unit39.h"
#include "street/Unit40.h"
#include "street/Unit41.h"
#include "street/Unit42.h"
#include "town/Unit5.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {
const char* const VictimScript = "Data\\MyGOPSTOP\\GOPNIK.DLG";
const char* const Tired = "Не, на сегодня хватит. Я устал.";
const char* const Crowd = "Блин, народ - чмо, не дает подойти к лоху. Нужно подождать, пока прохожие пройдут...";

class Robbery : public GameFixture {
protected:
    Robbery()
    {
        useWorkingDirectory(
            { "Data/MyGOPSTOP/GOPNIK.DLG", "Data/MyGOPSTOP/1.jpg", "Data/MyGOPSTOP/2.jpg", "Data/MyGOPSTOP/3.jpg",
                "Data/MyGOPSTOP/4.jpg", "Data/MyGOPSTOP/1_.jpg", "Data/MyGOPSTOP/2_.jpg", "Data/MyGOPSTOP/3_.jpg",
                "Data/MyGOPSTOP/4_.jpg", "Data/MyGOPSTOP/loh_fight_1.jpg", "Data/MyGOPSTOP/loh_fight_2.jpg" });
        given({ { Field::Money, "10" }, { Field::Authority, "20" }, { Field::FightSkill, "60" },
            { Field::RobberyAllowedToday, "1" } });
    }

    // Lies in wait in district k and does what the test says there.
    void lurkIn(int k, std::function<void(TForm40&)> there)
    {
        ui.onModal<TForm40>([there](TForm40& w) {
            there(w);
            click(ButtonOf(w, "Button2"));
        });
        click(Child<QToolButton>(forms->form39(), QStringLiteral("District%1").arg(k).toLatin1().constData()));
    }

    // An approach that reaches the victim, who is talked with as the test says.
    void reachVictim(TForm40& w, std::function<void(TForm41&)> talk)
    {
        random.add(0, 2);
        ui.onModal<TForm41>(talk);
        click(ButtonOf(w, "Button4"));
    }
};
}

TEST_F(Robbery, OnlyAGoodFighterMayStartAndTheMapHighlightsTheDistrictUnderTheMouse)
{
    given({ { Field::FightSkill, "59" } });
    click(Child<QPushButton>(forms->form5(), "Button10"));
    EXPECT_TRUE(ui.messages.first().startsWith(U("Думаете, работать гопником")));
    EXPECT_TRUE(ui.shownWindows.isEmpty());

    given({ { Field::FightSkill, "60" } });
    ui.onModal<TForm39>([](TForm39& map) {
        // The mouse comes to rest on a district.
        auto hover = [&](const char* district) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(Child<QToolButton>(map, district), &enter);
        };
        QToolButton* third = Child<QToolButton>(map, "District3");
        EXPECT_EQ(map.hoveredDistrict(), 0);
        EXPECT_EQ(third->toolTip(), U("Район лохов, шестерок и петушков"));
        const QImage plain = third->icon().pixmap(300, 250).toImage();
        hover("District3");
        EXPECT_EQ(map.hoveredDistrict(), 3);
        EXPECT_NE(third->icon().pixmap(300, 250).toImage(), plain);
        hover("District1");
        EXPECT_EQ(third->icon().pixmap(300, 250).toImage(), plain);
        click(ButtonOf(map, "Button1"));
    });
    click(Child<QPushButton>(forms->form5(), "Button10"));
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(Robbery, EachDistrictStartsWithItsCrowdAndTheStreetNeverEmpties)
{
    const int people[] = { 8, 5, 3, 10 };
    for (int k = 1; k <= 4; ++k)
        lurkIn(k,
            [&](TForm40& w) { EXPECT_EQ(Child<QLabel>(w, "PeopleAround")->text(), QString::number(people[k - 1])); });

    lurkIn(3, [this](TForm40& w) {
        QLabel* peopleAround = Child<QLabel>(w, "PeopleAround");
        EXPECT_EQ(w.width(), TForm40::NarrowWidth);
        EXPECT_TRUE(Child<QTimer>(w, "Timer1")->isActive());
        random.add({ 0, 2 }); // fewer by 2
        Fire(w, "Timer1");
        random.add({ 0, 2 });
        Fire(w, "Timer1");
        EXPECT_EQ(peopleAround->text(), "1");
        random.add({ 1, 2 });
        Fire(w, "Timer1");
        EXPECT_EQ(peopleAround->text(), "3");
        EXPECT_EQ(w.people(), 3);
        click(ButtonOf(w, "Button1"));
        EXPECT_EQ(w.width(), TForm40::WideWidth);
        EXPECT_FALSE(ButtonOf(w, "Button1")->isEnabled());
        click(ButtonOf(w, "Button3"));
        EXPECT_EQ(w.width(), TForm40::NarrowWidth);
        EXPECT_TRUE(ButtonOf(w, "Button1")->isEnabled());
    });
    EXPECT_FALSE(Child<QTimer>(forms->form40(), "Timer1")->isActive());
}

TEST_F(Robbery, ACrowdOfSixOrMoreMayStandInTheWay)
{
    const struct {
        int people;
        int crowdRange; // 0: no crowd draw
        int crowdDraw;
        bool reaches;
    } cases[] = {
        { 2, 0, 0, true },
        { 3, 0, 0, true },
        { 5, 0, 0, true },
        { 6, 2, 0, true },
        { 6, 2, 1, false },
        { 10, 3, 0, true },
        { 10, 3, 2, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.people);
        if (c.crowdRange)
            random.add(c.crowdDraw, c.crowdRange);
        if (c.reaches)
            random.add(0, 2);
        const Approach approach = TryApproach(true, c.people);
        EXPECT_EQ(approach.startsTalk, c.reaches);
        if (!c.reaches) {
            EXPECT_EQ(approach.message, U(Crowd));
        }
    }
    random.add({ 1, 3 }); // slips away with the fourth excuse
    EXPECT_EQ(TryApproach(true, 3).message, U("Ага. Иди ты нафиг. Лучше к другому..."));
}

TEST_F(Robbery, OneTalkADayEvenAfterLeavingAndComingBackAndFailedApproachesDoNotCount)
{
    lurkIn(3, [this](TForm40& w) {
        click(ButtonOf(w, "Button1"));
        random.add({ 1, 0 }); // slips away
        click(ButtonOf(w, "Button4"));
        EXPECT_EQ(state.text(Field::RobberyAllowedToday), "1");
        reachVictim(w, [](TForm41& victim) { click(ButtonOf(victim, "Button5")); });
        EXPECT_EQ(state.text(Field::RobberyAllowedToday), "0");
        click(ButtonOf(w, "Button4"));
    });
    lurkIn(2, [](TForm40& w) {
        click(ButtonOf(w, "Button1"));
        click(ButtonOf(w, "Button4"));
    });
    EXPECT_EQ(ui.messages,
        (QStringList { U("Стой, куда побежал-то? Какой-то пугливый ботаник попался..."), U(Tired), U(Tired) }));
}

TEST_F(Robbery, EveryEndingOfTheVictimsTalk)
{
    const struct {
        const char* code;
        std::vector<int> draws;
        const char* message;
        const char* money;
    } cases[] = {
        { "war", {},
            "Вы передумали отбирать у него деньги и отпустили его. Жаль, у него стопудово трицон лежал в кармане.",
            "10" },
        { "ch1", { 49 }, "Он отдал вам 49 рублей, вы пожали друг-другу руки и разошлись.", "59" },
        { "ch3", {}, "Э, ты, мля, куда? - крикнули мы ему. Бежать за ним неохота, пусть бежит, чмо.", "10" },
        { "win", {}, "Он отдал вам 5 рублей, вы пожали друг-другу руки и разошлись.", "15" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        given({ { Field::Money, "10" }, { Field::RobberyAllowedToday, "1" } });
        ui.messages.clear();
        WriteScript(VictimScript, OneStepTo(c.code));
        ChangeWatch watch(state, ui);
        lurkIn(3, [&](TForm40& w) {
            reachVictim(w, [&](TForm41& victim) {
                for (int draw : c.draws)
                    random.add(draw);
                click(ButtonOf(victim, "Button2"));
                EXPECT_FALSE(victim.isVisible());
            });
        });
        EXPECT_EQ(ui.messages, QStringList { U(c.message) });
        // The money he hands over comes once the player has read about it.
        if (QString(c.money) != "10") {
            EXPECT_EQ(watch.shownBefore[Field::Money], 1);
        }
        EXPECT_EQ(state.text(Field::Money), U(c.money));
        EXPECT_EQ(state.text(Field::RobberyAllowedToday), "0");
    }
}

TEST_F(Robbery, AFightWithTheVictimEndsInHisPocketsOrInLostAuthority)
{
    WriteScript(VictimScript, OneStepTo("ch2"));
    // Won: the passer-by's pockets hold up to 24 roubles.
    lurkIn(3, [this](TForm40& w) {
        reachVictim(w, [this](TForm41& victim) {
            random.add(0, 50); // 60 lives
            ui.onModal<TForm27>([](TForm27& fight) { fight.closeWith(ModalResult::Yes); });
            ui.onModal<TForm42>([this](TForm42& loot) {
                random.add(24, 25);
                click(ButtonOf(loot, "Button1"));
            });
            click(ButtonOf(victim, "Button1"));
        });
    });
    EXPECT_EQ(state.text(Field::Money), "34");
    EXPECT_EQ(ui.messages, QStringList { U("В карманах у лоха вы нашли 24 рублей. Вполне неплохо.") });

    // Lost: five points of authority go.
    given({ { Field::RobberyAllowedToday, "1" } });
    ui.messages.clear();
    ChangeWatch watch(state, ui);
    lurkIn(3, [this](TForm40& w) {
        reachVictim(w, [this](TForm41& victim) {
            random.add(0, 50);
            ui.onModal<TForm27>([](TForm27& fight) { fight.closeWith(ModalResult::No); });
            click(ButtonOf(victim, "Button4"));
        });
    });
    EXPECT_EQ(state.text(Field::Authority), "15");
    EXPECT_EQ(watch.shownBefore[Field::Authority], 1);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages.first().startsWith(U("Ха-ха-ха! Какой-то лох победил вас")));
}

TEST_F(Robbery, ABrokenVictimScriptDoesNotUseUpTheDay)
{
    WriteScript(VictimScript, { "обрывок" });
    ui.expectErrorBoxes();
    lurkIn(3, [this](TForm40& w) {
        random.add(0, 2);
        click(ButtonOf(w, "Button4"));
    });
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_EQ(state.text(Field::RobberyAllowedToday), "1");
}

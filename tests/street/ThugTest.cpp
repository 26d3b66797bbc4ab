// The evening thug: when he comes, the story before the talk, the three ways out and the five endings of the talk.
#include "GameFixture.h"
#include "StreetScripts.h"
#include "game/ClockEvents.h"
#include "street/StreetRules.h"
#include "street/Unit25.h"
#include "street/Unit26.h"
#include "street/Unit27.h"
#include "street/Unit28.h"
#include "street/Unit29.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {
const char* const ThugScript = "Data\\Dialogs\\Gopniks\\GOPNIK.DLG";
const char* const HandOver = "Вы отдали гопнику 95% всех ваших денег.. Жаль бабки-то... =(";
const char* const Stop = "Стой, мля, куда побежал-то?";
const char* const Caught
    = "Увы, он оказался быстрее вас... Он вас завалил пинком в спину и отнял все ваши деньги... =(";
const char* const Escaped
    = "Поздравляю! Вам повезло - он, куряга, не смог вас догнать! Круто же вы от него избавились, да? =)";
const char* const Robbed = "К сожалению, гопник победил в этой драке. Пока вы находились без сознания, он успел "
                           "украсть у вас все деньги... =(";
const char* const Respect = "У вас поднялся авторитет на 5 единиц.";

class Thug : public GameFixture {
protected:
    Thug()
    {
        useWorkingDirectory({ "Data/Dialogs/Gopniks/GOPNIK.DLG", "Data/Dialogs/Gopniks/gopnik_fight_1.jpg",
            "Data/Dialogs/Gopniks/gopnik_fight_2.jpg" });
        given({ { Field::Money, "19" }, { Field::Authority, "7" }, { Field::FightSkill, "30" } });
    }

    // The story comes first and is read through; then the thug's window does what the test says.
    void meetThug(std::function<void(TForm25&)> inTalk)
    {
        ui.onModal<TForm26>([](TForm26& story) {
            EXPECT_TRUE(Child<QLabel>(story, "Label1")->text().startsWith(U("Идете вы как-то вечером")));
            click(ButtonOf(story, "Button1"));
        });
        ui.onModal<TForm25>([inTalk](TForm25& w) {
            inTalk(w);
            EXPECT_FALSE(w.isVisible()) << "the encounter must be over";
        });
        forms->StartThug();
    }

    // The fight that follows: a thug of 1 life falls to one punch, one of 100 lives wins in three strikes.
    void fightAs(bool win)
    {
        random.add(win ? 0 : 99, 100); // the thug's lives - 1
        ui.onModal<TForm27>([this, win](TForm27& fight) {
            if (win) {
                click(ButtonOf(fight, "Button1"));
                Fire(fight, "PunchInFlight"); // 1 + 3 = 4 of 1 life
            } else {
                for (int beat = 0; beat < 3; ++beat) {
                    random.add(0, 2);
                    Fire(fight, "OpponentTimer"); // wind-up
                    Fire(fight, "OpponentTimer"); // strike of 10
                }
            }
        });
    }
};
}

TEST_F(Thug, ComesAtTenInTheEveningWithAChanceThatFallsWithAuthority)
{
    const struct {
        const char* authority;
        const char* hour;
        const char* minute;
        int range; // the draw made on this tick (0 = none)
        int draw;
        bool comes;
    } cases[] = {
        { "4", "22", "0", 0, 0, false },
        { "5", "21", "50", 2, 0, false }, // drawn on every tick, not only at ten
        { "5", "22", "0", 2, 0, true },
        { "9", "22", "0", 2, 1, false },
        { "10", "22", "0", 3, 0, true },
        { "15", "22", "0", 4, 3, false },
        { "-20", "22", "0", 0, 0, false },
    };
    ClockEvents events(*forms);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.authority) + " at " + c.hour + ":" + c.minute);
        given({ { Field::Authority, U(c.authority) }, { Field::Hour, U(c.hour) }, { Field::Minute, U(c.minute) } });
        if (c.range)
            random.add(c.draw, c.range);
        if (c.comes) {
            ui.closeNextModalWith(ModalResult::Ok); // the story
            ui.onModal<TForm25>([](TForm25& w) { w.closeWith(ModalResult::Ok); });
        }
        ui.shownWindows.clear();
        events.ThugCheck();
        EXPECT_EQ(ui.shownWindows.size(), c.comes ? 2 : 0);
        EXPECT_TRUE(random.usedUp());
    }
}

TEST_F(Thug, HandingOverLeavesATwentiethRoundedHalfToEven)
{
    const int cases[][2] = { { 19, 1 }, { 9, 0 }, { 50, 2 }, { 70, 4 }, { 150, 8 }, { 30, 2 }, { 0, 0 }, { -50, -2 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(MoneyAfterHandingOver(c[0]), c[1]);
    }
    ChangeWatch watch(state, ui);
    meetThug([](TForm25& w) { click(ButtonOf(w, "Button4")); });
    EXPECT_EQ(state.text(Field::Money), "1");
    EXPECT_EQ(ui.messages, QStringList { U(HandOver) });
    EXPECT_EQ(watch.shownBefore[Field::Money], 1); // the money goes once the player has read why
}

TEST_F(Thug, RunningAwayWorksOnceInFour)
{
    for (int draw : { 0, 1, 3 }) {
        SCOPED_TRACE(draw);
        given({ { Field::Money, "19" } });
        ui.messages.clear();
        random.add(draw, 4);
        meetThug([](TForm25& w) { click(ButtonOf(w, "Button6")); });
        EXPECT_EQ(state.text(Field::Money), draw == 0 ? "19" : "0");
        EXPECT_EQ(ui.messages, (QStringList { U(Stop), U(draw == 0 ? Escaped : Caught) }));
    }
}

TEST_F(Thug, AWonFightGivesAuthorityWhateverThePocketsHeldALostOneTheMoney)
{
    // "НЕТ" in the loot window still earns the respect.
    meetThug([this](TForm25& w) {
        fightAs(true);
        ui.onModal<TForm28>([](TForm28& loot) { click(ButtonOf(loot, "Button2")); });
        click(ButtonOf(w, "Button5"));
    });
    EXPECT_EQ(state.text(Field::Authority), "12");
    EXPECT_EQ(state.text(Field::Money), "19");
    EXPECT_EQ(ui.messages, QStringList { U(Respect) });

    ui.messages.clear();
    meetThug([this](TForm25& w) {
        fightAs(true);
        ui.onModal<TForm28>([this](TForm28& loot) {
            random.add(20, 21);
            click(ButtonOf(loot, "Button1"));
        });
        click(ButtonOf(w, "Button5"));
    });
    EXPECT_EQ(state.text(Field::Money), "39");
    EXPECT_EQ(ui.messages, (QStringList { U("В карманах у гопника вы нашли 20 рублей."), U(Respect) }));

    ui.messages.clear();
    ChangeWatch watch(state, ui);
    meetThug([this](TForm25& w) {
        fightAs(false);
        click(ButtonOf(w, "Button5"));
    });
    EXPECT_EQ(watch.shownBefore[Field::Money], 1);
    EXPECT_EQ(state.text(Field::Money), "0");
    EXPECT_EQ(state.text(Field::Authority), "17");
    EXPECT_EQ(ui.messages, QStringList { U(Robbed) });
}

TEST_F(Thug, EveryEndingOfTheTalkDoesWhatItsCodeSays)
{
    // war: the answers close, the fixed buttons still work.
    WriteScript(ThugScript, OneStepTo("war"));
    meetThug([this](TForm25& w) {
        click(ButtonOf(w, "Button1"));
        for (const char* answer : { "Button1", "Button2", "Button3" }) {
            EXPECT_FALSE(ButtonOf(w, answer)->isEnabled());
            EXPECT_EQ(ButtonOf(w, answer)->text(), U("По нормальному с ним вы уже не договорите"));
        }
        EXPECT_TRUE(w.isVisible());
        click(ButtonOf(w, "Button2")); // a disabled answer does nothing
        EXPECT_EQ(w.script().CurrentNode(), 2);
        random.add(0, 4);
        click(ButtonOf(w, "Button6"));
    });
    EXPECT_EQ(ui.messages, (QStringList { U(Stop), U(Escaped) }));

    // ch1, ch2, ch3: as the fixed buttons.
    ui.messages.clear();
    WriteScript(ThugScript, OneStepTo("ch1"));
    meetThug([](TForm25& w) { click(ButtonOf(w, "Button3")); });
    EXPECT_EQ(ui.messages, QStringList { U(HandOver) });
    EXPECT_EQ(state.text(Field::Money), "1");

    ui.messages.clear();
    WriteScript(ThugScript, OneStepTo("ch2"));
    meetThug([this](TForm25& w) {
        fightAs(false);
        click(ButtonOf(w, "Button1"));
    });
    EXPECT_EQ(ui.messages, QStringList { U(Robbed) });

    ui.messages.clear();
    given({ { Field::Money, "40" } });
    WriteScript(ThugScript, OneStepTo("ch3"));
    random.add(2, 4);
    meetThug([](TForm25& w) { click(ButtonOf(w, "Button2")); });
    EXPECT_EQ(ui.messages, (QStringList { U(Stop), U(Caught) }));
    EXPECT_EQ(state.text(Field::Money), "0");

    // win: the handshake, and nothing is lost.
    ui.messages.clear();
    given({ { Field::Money, "40" } });
    WriteScript(ThugScript, OneStepTo("win"));
    meetThug([this](TForm25& w) {
        ui.onModal<TForm29>([](TForm29& end) { click(ButtonOf(end, "Button1")); });
        click(ButtonOf(w, "Button1"));
        EXPECT_EQ(Child<QPlainTextEdit>(w, "Memo1")->toPlainText(), U("Слышь, стоять!\n\nНу все, понял."));
    });
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(state.text(Field::Money), "40");
    EXPECT_EQ(state.text(Field::Authority), "7");
}

TEST_F(Thug, ASecondTalkStartsWithACleanLogAndOpenAnswers)
{
    WriteScript(ThugScript, OneStepTo("war"));
    for (int talk = 0; talk < 2; ++talk) {
        meetThug([this](TForm25& w) {
            EXPECT_EQ(Child<QPlainTextEdit>(w, "Memo1")->toPlainText(), U("Слышь, стоять!"));
            EXPECT_TRUE(ButtonOf(w, "Button1")->isEnabled());
            EXPECT_EQ(ButtonOf(w, "Button1")->text(), U("Слышь, стоять! / 1"));
            click(ButtonOf(w, "Button1"));
            random.add(0, 4);
            click(ButtonOf(w, "Button6"));
        });
    }
}

TEST_F(Thug, ABrokenScriptIsReportedAndTheEveningGoesOn)
{
    // A missing file: nothing is shown but the error box.
    QFile::remove(QString(ThugScript).replace('\\', '/'));
    ui.expectErrorBoxes();
    forms->StartThug();
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.shownWindows.isEmpty());

    // An answer leading to a node that is not there ends the talk with a message; nothing changes.
    WriteScript(ThugScript, ScriptLines({ { "Ну?", 7, 7, 7 } }));
    ui.expectErrorBoxes();
    meetThug([](TForm25& w) { click(ButtonOf(w, "Button1")); });
    EXPECT_EQ(ui.errors.size(), 2);
    EXPECT_TRUE(ui.errors.last().contains("7"));
    EXPECT_EQ(state.text(Field::Money), "19");

    // A mended script talks again.
    WriteScript(ThugScript, OneStepTo("win"));
    meetThug([this](TForm25& w) {
        ui.onModal<TForm29>([](TForm29& end) { click(ButtonOf(end, "Button1")); });
        click(ButtonOf(w, "Button1"));
    });
    EXPECT_EQ(ui.shownWindows.last(), U("Happy End - рукопожатие"));
}

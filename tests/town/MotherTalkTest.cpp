#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/TextFile.h"
#include "town/MotherScript.h"
#include "town/Unit13.h"
#include "town/Unit14.h"
#include "town/Unit5.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
const char* const Hungry = "Я хожу в школу постоянно голодный";
const char* const Diet = "Я решил сесть на диету";
const char* const Phone = "Допустим, я хочу мобильник...";

QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList result;
    for (const char* line : lines)
        result << QString::fromUtf8(line);
    return result;
}

// Caption, first label, then one block "a" whose answers are the three given captions leading to b, c and d.
QStringList ScriptWithAnswers(const char* first, const char* second, const char* third)
{
    return Lines({ "Мама", "a", "+a", "Привет!", "-a", first, second, third, "b", "c", "gone", "+b", "Про b", "-b", "1",
        "2", "3", "a", "a", "a", "+c", "Про c", "-c", "1", "2", "3", "a", "a", "a" });
}

using MotherTalkTest = GameFixture;
}

TEST(MotherScript, NodeScanFollowsTheMarkersAsWholeLines)
{
    struct Case {
        const char* what;
        QStringList lines;
        QStringList speech;
        bool hasAnswers;
        const char* firstCaption;
    };
    const Case cases[] = {
        { "ordinary block", Lines({ "T", "a", "+a", "s1", "s2", "-a", "x", "y", "z", "1", "2", "3" }),
            Lines({ "s1", "s2" }), true, "x" },
        { "duplicate labels add speech, last answers win",
            Lines({ "T", "a", "+a", "s1", "-a", "x", "y", "z", "1", "2", "3", "+a", "s2", "-a", "p", "q", "r", "4", "5",
                "6" }),
            Lines({ "s1", "s2" }), true, "p" },
        { "no block for the label", Lines({ "T", "a", "+b", "s", "-b", "x", "y", "z", "1", "2", "3" }), {}, false, "" },
        { "end marker missing: speech to the end of the file", Lines({ "T", "a", "+a", "s1", "s2", "x" }),
            Lines({ "s1", "s2", "x" }), false, "" },
        { "block cut short after its end marker", Lines({ "T", "a", "+a", "s1", "-a", "x", "y" }), Lines({ "s1" }),
            false, "" },
        { "markers are not trimmed", Lines({ "T", "a", "+a ", "s", "-a", "x", "y", "z", "1", "2", "3" }), {}, false,
            "" },
        { "lines 0 and 1 are never markers", Lines({ "+a", "+a" }), {}, false, "" },
        { "empty script", {}, {}, false, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MotherNode node = FindMotherNode(c.lines, QStringLiteral("a"));
        EXPECT_EQ(node.speech, c.speech);
        EXPECT_EQ(node.hasAnswers, c.hasAnswers);
        EXPECT_EQ(node.answers.captions[0], QString::fromUtf8(c.firstCaption));
    }
}

TEST(MotherScript, FixedCaptionsActOnlyInTheirOwnSlot)
{
    struct Case {
        const char* what;
        QStringList script;
        int slot;
        const char* lunchMoney;
        QStringList messages;
        bool opensLunchMoney;
        const char* lunchMoneyAfter;
        const char* phoneDeal;
        QStringList speechAfter; // "Привет!" when the node stays
    };
    const QStringList hello = Lines({ "Привет!" });
    const QStringList aboutB = Lines({ "Про b" });
    const QStringList aboutC = Lines({ "Про c" });
    const QStringList special = ScriptWithAnswers(Hungry, Diet, Phone);
    const QStringList swapped = ScriptWithAnswers(Phone, Hungry, Diet);
    const Case cases[] = {
        { "hungry, no allowance yet", special, 0, "0", {}, true, "0", "0", hello },
        { "hungry with an allowance", special, 0, "5", Lines({ "А на что же я тогда деньги тебе каждое утро выдаю?!" }),
            false, "5", "0", hello },
        { "diet with an allowance", special, 1, "5",
            Lines({ "Ок, диета так диета. Значит, выдавать тебе деньги на жратву в школе не буду... А то "
                    "потолстеешь... =)" }),
            false, "0", "0", hello },
        { "diet without one", special, 1, "0", Lines({ "Какая диета? Ты итак худой, как трость, какая тебе диета?" }),
            false, "0", "0", hello },
        { "phone in slot 3 leading nowhere", special, 2, "0", {}, false, "0", "1", {} },
        { "phone in slot 1 is an ordinary answer", swapped, 0, "0", {}, false, "0", "0", aboutB },
        { "hungry in slot 2 is an ordinary answer", swapped, 1, "0", {}, false, "0", "0", aboutC },
        { "diet in slot 3 is an ordinary answer", swapped, 2, "5", {}, false, "5", "0", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TGameState state;
        state.restore(Field::LunchMoney, QString::fromUtf8(c.lunchMoney));
        state.restore(Field::MotherPhoneDeal, QStringLiteral("0"));
        MotherTalk talk;
        talk.start(c.script);
        const MotherAnswers before = talk.answers();
        const MotherTalk::Outcome outcome = talk.answer(c.slot, state);
        EXPECT_EQ(outcome.messages, c.messages);
        EXPECT_EQ(outcome.openLunchMoney, c.opensLunchMoney);
        EXPECT_EQ(state.text(Field::LunchMoney), QString::fromUtf8(c.lunchMoneyAfter));
        EXPECT_EQ(state.text(Field::MotherPhoneDeal), QString::fromUtf8(c.phoneDeal));
        EXPECT_EQ(talk.speech(), c.speechAfter);
        if (c.speechAfter.isEmpty() || c.speechAfter == hello) {
            EXPECT_EQ(talk.answers().captions, before.captions); // a missing node keeps the answers
        }
    }
}

TEST(MotherScript, ShippedScriptResolvesEveryLabelAndKeepsTheFixedCaptionsInTheirSlots)
{
    const QStringList lines = ReadLines1251(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Dialogs/Mother.dlg"));
    ASSERT_GT(lines.size(), 2);
    QStringList labels { lines[1] };
    for (int i = 2; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1Char('+')))
            labels << lines[i].mid(1);
    }
    const QString fixed[MotherAnswerCount] = { U(Hungry), U(Diet), U(Phone) };
    bool seen[MotherAnswerCount] = {};
    for (const QString& label : labels) {
        const MotherNode node = FindMotherNode(lines, label);
        SCOPED_TRACE(label.toStdString());
        ASSERT_TRUE(node.hasAnswers);
        EXPECT_FALSE(node.speech.isEmpty());
        for (int slot = 0; slot < MotherAnswerCount; ++slot) {
            const QString& caption = node.answers.captions[slot];
            for (int meaning = 0; meaning < MotherAnswerCount; ++meaning) {
                if (caption == fixed[meaning]) {
                    EXPECT_EQ(slot, meaning) << caption.toStdString();
                    seen[meaning] = true;
                }
            }
            // Answers that lead to a node find it (the fixed captions of slots 1 and 2 lead nowhere).
            if (!(slot < 2 && caption == fixed[slot])) {
                EXPECT_TRUE(labels.contains(node.answers.labels[slot])) << node.answers.labels[slot].toStdString();
            }
        }
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST_F(MotherTalkTest, TalkReadsTheScriptAfreshAndAgreesAnAllowance)
{
    const QString root = useWorkingDirectory();
    QDir(root).mkpath(QStringLiteral("Data/Dialogs"));
    WriteLines1251(root + QStringLiteral("/Data/Dialogs/Mother.dlg"), ScriptWithAnswers(Hungry, Diet, Phone));
    given({ { Field::LunchMoney, "0" } });

    ui.onModal<TForm13>([&](TForm13& talk) {
        EXPECT_EQ(talk.windowTitle(), "Мама");
        EXPECT_EQ(Child<QPlainTextEdit>(talk, "Memo1")->toPlainText(), "Привет!");
        EXPECT_EQ(Child<QPushButton>(talk, "Button1")->text(), Hungry);
        ui.onModal<TForm14>([&](TForm14& lunch) {
            EXPECT_EQ(Child<QLineEdit>(lunch, "Edit1")->text(), "0");
            for (const char* refused : { "11", "-1" }) {
                Child<QLineEdit>(lunch, "Edit1")->setText(refused);
                click(Child<QPushButton>(lunch, "Button1"));
                EXPECT_TRUE(lunch.isVisible());
            }
            Child<QLineEdit>(lunch, "Edit1")->setText("сто");
            ui.expectErrorBoxes();
            click(Child<QPushButton>(lunch, "Button1"));
            Child<QLineEdit>(lunch, "Edit1")->setText("010");
            click(Child<QPushButton>(lunch, "Button1"));
            EXPECT_FALSE(lunch.isVisible());
        });
        click(Child<QPushButton>(talk, "Button1"));
        EXPECT_EQ(Child<QPlainTextEdit>(talk, "Memo1")->toPlainText(), "Привет!"); // back at the same node
        click(Child<QPushButton>(talk, "Button2")); // diet: the allowance goes again
        click(Child<QPushButton>(talk, "Button4"));
    });
    click(Child<QPushButton>(forms->form5(), "Button7"));
    EXPECT_EQ(ui.shown,
        (QStringList { "А жирно ли не будет?", "Сумма не может быть меньше нуля!", "'сто' is not a valid integer value",
            "ОК. Договорились.",
            "Ок, диета так диета. Значит, выдавать тебе деньги на жратву в школе не буду... А то потолстеешь... =)" }));
    EXPECT_EQ(state.text(Field::LunchMoney), "0");

    // The next talk reads the changed file; the amount field kept what was typed.
    WriteLines1251(
        root + QStringLiteral("/Data/Dialogs/Mother.dlg"), Lines({ "Мамочка", "b", "+b", "Снова ты?", "-b" }));
    ui.onModal<TForm13>([&](TForm13& talk) {
        EXPECT_EQ(talk.windowTitle(), "Мамочка");
        EXPECT_EQ(Child<QPlainTextEdit>(talk, "Memo1")->toPlainText(), "Снова ты?");
        EXPECT_EQ(Child<QLineEdit>(forms->form14(), "Edit1")->text(), "010");
        click(Child<QPushButton>(talk, "Button4"));
    });
    forms->TalkWithMother();
}

TEST_F(MotherTalkTest, AllowanceOfTenIsAgreedAndElevenIsTooMuch)
{
    TForm14& lunch = forms->form14();
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "10", "10", "ОК. Договорились." },
        { "11", "3", "А жирно ли не будет?" },
        { "0", "0", "ОК. Договорились." },
    };
    for (auto [typed, after, message] : cases) {
        given({ { Field::LunchMoney, "3" } });
        ui.messages.clear();
        Child<QLineEdit>(lunch, "Edit1")->setText(typed);
        click(Child<QPushButton>(lunch, "Button1"));
        EXPECT_EQ(state.text(Field::LunchMoney), after) << typed;
        EXPECT_EQ(ui.messages, QStringList { message });
    }
}

TEST_F(MotherTalkTest, MissingScriptStopsTheTalkWithTheFileMessage)
{
    useWorkingDirectory();
    ui.expectErrorBoxes();
    click(Child<QPushButton>(forms->form5(), "Button7"));
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.errors.value(0).contains("Mother.dlg"));
    EXPECT_TRUE(ui.shownWindows.isEmpty());
}

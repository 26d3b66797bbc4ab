#include "GameFixture.h"
#include "StreetScripts.h"
#include "TestHelpers.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "street/GirlRules.h"
#include "street/GirlScript.h"
#include "street/PlaceActions.h"
#include "street/Unit19.h"
#include "street/Unit20.h"
#include "street/Unit22.h"
#include "street/Unit23.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

TEST(GirlTalkRules, LikingCountsOneFreeGoodAnswerAndSheGivesUpBelow85)
{
    struct Case {
        std::vector<int> scores;
        std::vector<int> likings;
        TalkStep last;
    };
    const Case cases[] = {
        { { 0, 1, 1 }, { 100, 100, 100 }, TalkStep::NextNode },
        { { 0, 0 }, { 100, 50 }, TalkStep::Rejected },
        { { 1, 0, 0, 0 }, { 200, 100, 67 }, TalkStep::Rejected },
    };
    for (const Case& c : cases) {
        GirlTalk talk(GirlScript::Parse(ScriptOf(5)));
        AnswerOutcome outcome;
        for (size_t i = 0; i < c.likings.size(); ++i) {
            outcome = talk.answer(c.scores[i] == 1 ? 2 : 1);
            EXPECT_EQ(outcome.liking, c.likings[i]) << "answer " << i;
            EXPECT_EQ(outcome.face, c.scores[i] == 1 ? Face::Good : Face::Bad);
            if (i + 1 < c.likings.size()) {
                EXPECT_EQ(outcome.step, TalkStep::NextNode);
            }
        }
        EXPECT_EQ(outcome.step, c.last);
    }
    // Exact halves go to the even neighbour; 84.5 % is not enough.
    EXPECT_EQ(Liking(0, 8), 12);
    EXPECT_EQ(Liking(2, 8), 38);
    EXPECT_EQ(Liking(168, 200), 84);
    EXPECT_EQ(Liking(-3, 4), -50);
    EXPECT_EQ(Liking(2 * 2147483647LL, 2), 214748364750LL); // two huge scores do not overflow
}

TEST(GirlTalkRules, OnlyTheLastNodeEndsTheTalkAndItsScoreIsNotCounted)
{
    GirlTalk one(GirlScript::Parse({ "Привет", "1", "Привет!", "Ой, ты классный", "0" }));
    const AnswerOutcome outcome = one.answer(1);
    EXPECT_EQ(outcome.step, TalkStep::Charmed);
    EXPECT_EQ(outcome.reaction, "Ой, ты классный");
    EXPECT_EQ(one.answersGiven(), 0);

    GirlTalk longer(GirlScript::Parse(ScriptOf(2)));
    EXPECT_EQ(longer.answer(2).step, TalkStep::NextNode);
    EXPECT_EQ(longer.nodeLine(), 8);
    EXPECT_EQ(longer.answer(2).step, TalkStep::NextNode);
    EXPECT_EQ(longer.answer(1).step, TalkStep::Charmed);
    EXPECT_EQ(longer.score(), 2);
}

TEST(GirlTalkRules, BrokenScriptsAreRefusedNamingTheLine)
{
    const std::pair<QStringList, const char*> cases[] = {
        { { "Привет", "два", "a", "b", "1" }, "строка 2" },
        { { "Привет", "0" }, "строка 2" },
        { { "Привет", "6", "a", "b", "1" }, "строка 2" },
        { { "Привет", "1", "a", "b" }, "строка 1" },
        { { "Привет", "1", "a", "b", "хорошо" }, "строка 5" },
        { { "Привет" }, "строка 1" },
        { { "Привет", "2", "a", "b", "1", "c", "d", "0" }, "строка 1" }, // the last node must have one answer
        { ScriptOf(1) << "", "строка 14" }, // a stray line after the end
        { {}, "пуст" },
    };
    for (const auto& [lines, where] : cases) {
        const GirlScript script = GirlScript::Parse(lines);
        EXPECT_FALSE(script.isSound()) << lines.join('|').toStdString();
        EXPECT_TRUE(script.problem().contains(QString::fromUtf8(where))) << script.problem().toStdString();
        EXPECT_TRUE(script.nodes().empty());
    }
}

TEST(GirlTalkRules, EveryShippedScriptCanBeWonWithGoodAnswers)
{
    for (int girl = 0; girl < 10; ++girl) {
        SCOPED_TRACE(girl);
        const GirlScript script
            = GirlScript::Parse(ReadLines1251(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Girls/%1.gdlg").arg(girl)));
        ASSERT_TRUE(script.isSound()) << script.problem().toStdString();
        EXPECT_GE(script.nodes().size(), 3u);
        GirlTalk talk(script);
        AnswerOutcome outcome;
        for (size_t step = 0; step < script.nodes().size(); ++step) {
            const auto& answers = talk.node().answers;
            const auto best = std::max_element(answers.begin(), answers.end(),
                [](const GirlAnswer& a, const GirlAnswer& b) { return a.score < b.score; });
            outcome = talk.answer(int(best - answers.begin()) + 1);
            if (outcome.step != TalkStep::NextNode)
                break;
        }
        EXPECT_EQ(outcome.step, TalkStep::Charmed);
    }
}

namespace {
class Girls : public GameFixture {
protected:
    Girls()
    {
        useWorkingDirectory({ "Data/Girls/0.jpg", "Data/Girls/0.inf", "Data/Girls/0.gdlg", "Data/Girls/9.jpg",
            "Data/Girls/9.inf", "Data/Girls/9.gdlg", "Data/Girls/Good.bmp", "Data/Girls/Empty.bmp" });
    }
    TForm19& girls() { return forms->form19(); }
    // Катя .. ОЛЯ are Button1 .. Button10.
    QPushButton* nameButton(int girl)
    {
        return ButtonOf(girls(), QStringLiteral("Button%1").arg(girl + 1).toLatin1().constData());
    }
    void writeScript(int girl, const QStringList& lines)
    {
        WriteLines1251(QStringLiteral("Data/Girls/%1.gdlg").arg(girl), lines);
    }
};
}

TEST_F(Girls, TalkNeedsHerPresenceTheAuthorityAndForОляTheNineOthers)
{
    const QString absent = "К сожалению, данной девушки на месте сейчас нет (заболела или где-то бродит), "
                           "попробуйте повторить попытку позднее.";
    const QString refused = "Увы, но вы не подходите для этой девушки...";
    struct Case {
        int girl;
        const char* authority;
        int othersCharmed; // how many of girls 0..8 are charmed
        int draw;
        QString message; // empty: the talk opens
    };
    const Case cases[] = {
        { 0, "4", 0, 0, refused },
        { 0, "5", 0, 1, {} },
        { 0, "500", 0, 2, absent },
        { 9, "500", 8, 0, refused }, // Ира is not charmed yet
        { 9, "219", 9, 1, refused },
        { 9, "220", 9, 0, {} },
        { 9, "220", 9, 2, absent },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.girl);
        SCOPED_TRACE(c.authority);
        ui.messages.clear();
        ui.shownWindows.clear();
        given({ { Field::Authority, c.authority } });
        for (int i = 0; i < 9; ++i)
            state.setCharmed(i, i < c.othersCharmed);
        EXPECT_EQ(GirlWillTalk(state, c.girl), c.message != refused);
        click(nameButton(c.girl));
        EXPECT_FALSE(Child<QPlainTextEdit>(girls(), "Memo1")->toPlainText().isEmpty());
        random.add(c.draw, 3);
        if (c.message.isEmpty()) {
            ui.onModal<TForm20>([](TForm20& talk) {
                EXPECT_FALSE(Child<QPlainTextEdit>(talk, "Memo1")->toPlainText().isEmpty());
                EXPECT_TRUE(ButtonOf(talk, "Button1")->isVisible());
                click(ButtonOf(talk, "Button6"));
            });
        }
        click(ButtonOf(girls(), "Button11"));
        if (c.message.isEmpty()) {
            EXPECT_EQ(ui.shownWindows, QStringList { c.girl == 0 ? "Разговор с Катей" : "Разговор с Олей" });
            EXPECT_EQ(ui.messages, QStringList { "Ну ладно, иди. Приходи еще, поговорим..." });
        } else {
            EXPECT_EQ(ui.messages, QStringList { c.message });
            EXPECT_TRUE(ui.shownWindows.isEmpty());
        }
        EXPECT_NE(state.girlFlag(c.girl), "1");
    }
}

TEST_F(Girls, NobodySelectedNeverStartsATalk)
{
    given({ { Field::Authority, "1000" } });
    for (int draw : { 0, 1, 2 }) {
        random.add(draw, 3);
        EXPECT_FALSE(RequestGirlTalk(state, -1).talks);
        random.add(draw, 3);
        click(ButtonOf(girls(), "Button11"));
    }
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(ui.shownWindows.isEmpty());
    EXPECT_EQ(girls().selectedGirl(), -1);
}

TEST_F(Girls, EveryShowingStrikesOutExactlyTheCharmedGirls)
{
    // The second showing finds names struck out by the first: they must become plain again.
    const std::vector<int> showings[] = { { 0, 5, 9 }, { 1 } };
    for (const std::vector<int>& charmed : showings) {
        for (int girl = 0; girl < GirlCount; ++girl)
            state.setCharmed(girl, std::count(charmed.begin(), charmed.end(), girl) > 0);
        ui.onModal<TForm19>([&](TForm19& w) {
            for (int girl = 0; girl < GirlCount; ++girl) {
                EXPECT_EQ(nameButton(girl)->text(), QString::fromUtf8(GirlButtonCaptions[girl]));
                EXPECT_EQ(nameButton(girl)->font().strikeOut(), state.charmed(girl)) << "girl " << girl;
            }
            click(ButtonOf(w, "Button12"));
        });
        GirlsAction(*forms);
    }
}

TEST_F(Girls, ConversationEndsInLoveOrRejectionOrNotAtAll)
{
    struct Case {
        QStringList script;
        std::vector<int> answers;
        QStringList windows;
        const char* flag;
        QString lastLogLine;
    };
    const QStringList oneNode = { "Привет", "1", "Привет!", "Ой, ты классный", "0" };
    const Case cases[] = {
        { oneNode, { 1 }, { "Разговор с Катей", "Это любовь..." }, "1", "Ой, ты классный" },
        { ScriptOf(3), { 2, 1, 2, 1 }, { "Разговор с Катей", "Это любовь..." }, "1", "Ты милый" },
        { ScriptOf(3), { 1, 1 }, { "Разговор с Катей", "--- СМЕРТЬ! ---" }, "0",
            "Мне жаль, но ты мне совсем не нравишься..." },
        { { "Привет", "7", "a", "b", "1" }, {}, {}, "0", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script.join('|').toStdString());
        ui.shownWindows.clear();
        ui.messages.clear();
        state.setCharmed(0, false);
        writeScript(0, c.script);
        given({ { Field::Authority, "5" } });
        QString log;
        bool struckOut = false;
        ui.onModal<TForm19>([&](TForm19& w) {
            click(nameButton(0));
            random.add(0, 3);
            click(ButtonOf(w, "Button11"));
            struckOut = nameButton(0)->font().strikeOut();
            click(ButtonOf(w, "Button12"));
        });
        if (!c.windows.isEmpty()) {
            ui.onModal<TForm20>([&](TForm20& talk) {
                for (int k : c.answers) {
                    QPushButton* answer = ButtonOf(talk, QStringLiteral("Button%1").arg(k).toLatin1().constData());
                    ASSERT_TRUE(answer->isVisible());
                    click(answer);
                }
                log = Child<QPlainTextEdit>(talk, "Memo1")->toPlainText();
            });
            if (c.windows.last() == "Это любовь...") {
                ui.onModal<TForm22>([](TForm22& love) {
                    EXPECT_TRUE(Child<QLabel>(love, "Label1")
                                    ->text()
                                    .startsWith("Поздравляю! Ваш Разговор с Катей закончился просто "
                                                "потрясающе и, по-моему, она в тебя влюбилась"));
                    click(ButtonOf(love, "Button1"));
                });
            } else {
                ui.onModal<TForm23>([](TForm23& rejection) { click(ButtonOf(rejection, "Button1")); });
            }
        }
        GirlsAction(*forms);
        EXPECT_EQ(ui.shownWindows, QStringList { "Девушки из класса" } + c.windows);
        EXPECT_EQ(state.girlFlag(0), c.flag);
        EXPECT_EQ(struckOut, QString(c.flag) == "1");
        if (c.windows.isEmpty()) {
            ASSERT_EQ(ui.messages.size(), 1);
            EXPECT_TRUE(ui.messages[0].startsWith("Разговор не получился")) << ui.messages[0].toStdString();
            EXPECT_TRUE(ui.messages[0].contains("строка 2"));
        } else {
            EXPECT_TRUE(log.endsWith("\n\n" + c.lastLogLine)) << log.toStdString();
        }
    }
}

TEST_F(Girls, LikingIndicatorShowsAFaceForAHundredTicksAndSurvivesAMissingPicture)
{
    using Face = TForm20::FaceState;
    TForm20& talk = forms->form20();
    writeScript(0, ScriptOf(2));
    ASSERT_TRUE(talk.Start(0, "Катей"));
    ui.sleptMilliseconds = 0;
    click(ButtonOf(talk, "Button2")); // a good answer
    EXPECT_EQ(ui.sleptMilliseconds, 1000);
    EXPECT_EQ(talk.faceState(), Face::ShowGood);
    Fire(talk, "Timer1");
    EXPECT_EQ(talk.faceState(), Face::CountingDown);
    EXPECT_FALSE(Child<PictureBox>(talk, "Image2")->image().isNull());
    for (int tick = 0; tick < 99; ++tick)
        Fire(talk, "Timer1");
    EXPECT_EQ(talk.faceState(), Face::CountingDown);
    Fire(talk, "Timer1");
    EXPECT_EQ(talk.faceState(), Face::Idle);
    EXPECT_EQ(talk.faceCountdown(), 100);

    // Bad.bmp is missing here: the player hears of it once, not on every tick.
    ui.expectErrorBoxes();
    click(ButtonOf(talk, "Button1"));
    for (int tick = 0; tick < 5; ++tick)
        Fire(talk, "Timer1");
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_EQ(talk.faceState(), Face::CountingDown);
}

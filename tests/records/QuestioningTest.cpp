// The questioning without its window: grades from the marks of the lines, and the book on a line without a right
// answer.
#include "records/Questioning.h"
#include "ScriptedRandom.h"
#include "TestHelpers.h"
#include "core/GameState.h"

#include <gtest/gtest.h>

TEST(Questioning, EveryAnswerMarkedRightRaisesTheGradeAndTheGradeComesOnlyAtTheEnd)
{
    ScriptedRandom random;
    struct Case {
        QStringList lines;
        int pressed;
        const char* grade;
    };
    const Case cases[] = {
        { { U("В1?@a@b@c"), U("В2?@a@b@c"), U("В3?@a@b@c") }, 2, "5" },
        { { U("В1?#a#b#c"), U("В2?#a#b#c"), U("В3?#a#b#c") }, 0, "2" },
        { { U("В1?#a@b#c"), U("В2?#a@b#c"), U("В3?#a@b#c") }, 1, "5" }, // "#", "@", "#": only answer 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        Questioning questioning;
        random.add({ 1, 0, 2, 0, 0, 0 }); // first line 1, then lines 2 and 0, each reply draw 0
        questioning.Start(c.lines);
        QStringList asked;
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(questioning.IsRunning());
            EXPECT_EQ(questioning.Grade(), QString());
            asked << questioning.Current().text;
            EXPECT_FALSE(questioning.Answer(c.pressed).isEmpty());
        }
        EXPECT_EQ(asked, QStringList({ U("В2?"), U("В3?"), U("В1?") }));
        EXPECT_FALSE(questioning.IsRunning());
        EXPECT_EQ(questioning.Grade(), U(c.grade));
        EXPECT_EQ(questioning.Answer(0), QString()) << "a fourth answer counts for nothing";
        EXPECT_TRUE(random.usedUp());
    }
}

TEST(Questioning, TheBookOnALineWithoutARightAnswerSaysNothingAndKeepsTheBook)
{
    ScriptedRandom random;
    TGameState state;
    state.restore(Field::HasGdz, QStringLiteral("есть")); // any text but "Нет" is a book
    random.add(2, 4);
    EXPECT_EQ(UseGdz(state, ParseQuestionLine(U("В?#a#b#c"))).messages, QStringList());
    EXPECT_EQ(state.text(Field::HasGdz), QStringLiteral("есть"));
}

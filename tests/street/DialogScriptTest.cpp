// The street conversations' script reader and talk: the node format read exactly, and a talk that never reads
// outside its table.
#include "street/DialogScript.h"
#include "StreetScripts.h"
#include "core/Errors.h"

#include <QTemporaryDir>

namespace {
struct ScriptFile {
    QTemporaryDir dir;
    QString path = dir.filePath("TALK.DLG");
    void write(const QStringList& lines) { WriteLines1251(path, lines); }
    void writeBytes(const QByteArray& bytes) { WriteBytes(path, bytes); }
};
}

TEST(DialogScriptReading, OutcomeIsTheFirstThreeCharactersComparedExactly)
{
    const struct {
        const char* line;
        DialogOutcome outcome;
    } cases[] = {
        { "war", DialogOutcome::War },
        { "war // comment", DialogOutcome::War },
        { "ch1", DialogOutcome::Ch1 },
        { "ch2x", DialogOutcome::Ch2 },
        { "ch3", DialogOutcome::Ch3 },
        { "win", DialogOutcome::Win },
        { " war", DialogOutcome::None },
        { "WAR", DialogOutcome::None },
        { "wa", DialogOutcome::None },
        { "ch4", DialogOutcome::None },
        { "", DialogOutcome::None },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(DialogOutcomeOf(U(c.line)), c.outcome);
    }
}

TEST(DialogScriptReading, TextLinesAreWholeAndNumbersMayCarryCommentsAndStandAfterBlankLines)
{
    const QStringList lines { "  Эй, ты!  ", " Я? ", "Нет", "", "-7 первое", "", "\t12", "2 // дальше", "1", "1", "",
        "Ответ 2", "a", "b", "c", "0", "0", "1", "1", "1", "win трепаться" };
    const QVector<DialogNode> nodes = ParseDialogScript(lines, "TALK.DLG");
    ASSERT_EQ(nodes.size(), 2);
    EXPECT_EQ(nodes[0].line, "  Эй, ты!  ");
    EXPECT_EQ(nodes[0].answers[0], " Я? ");
    EXPECT_EQ(nodes[0].answers[2], "");
    EXPECT_EQ(nodes[0].reserved1, -7);
    EXPECT_EQ(nodes[0].reserved2, 12); // the empty line before it is skipped
    EXPECT_EQ(nodes[0].next, (std::array<quint16, 3> { 2, 1, 1 }));
    EXPECT_EQ(nodes[0].outcome, DialogOutcome::None);
    EXPECT_EQ(nodes[1].line, "Ответ 2");
    EXPECT_EQ(nodes[1].outcome, DialogOutcome::Win);
    // The lines every field stands on, for the content checker.
    EXPECT_EQ(nodes[0].nextLines, (std::array<int, 3> { 8, 9, 10 }));
    EXPECT_EQ(nodes[0].outcomeLine, 11);
    EXPECT_EQ(nodes[1].firstLine, 12);
    EXPECT_EQ(nodes[1].outcomeLine, 21);
    EXPECT_EQ(nodes[1].outcomeCode, "win трепаться");
}

TEST(DialogScriptReading, BrokenScriptsAreRefusedWithTheFileNamed)
{
    QStringList sixtyOne;
    for (int i = 0; i < MaxDialogNodes + 1; ++i)
        sixtyOne += ScriptLines({ { "Ну?", 1, 1, 1 } });
    QStringList sixty = sixtyOne.mid(0, MaxDialogNodes * 10);
    EXPECT_EQ(ParseDialogScript(sixty << ""
                                      << "",
                  "TALK.DLG")
                  .size(),
        MaxDialogNodes); // last line breaks are fine

    QStringList notANumber = OneStepTo("win");
    notANumber[6] = "два";
    const struct {
        const char* name;
        QStringList lines;
        int line;
    } cases[] = {
        { "a number line without a number", notANumber, 7 },
        { "more than sixty nodes", sixtyOne, 601 },
        { "a node cut short", OneStepTo("win").mid(0, 15), 15 },
        { "an empty file", {}, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ParseDialogScript(c.lines, "TALK.DLG");
            ADD_FAILURE() << "accepted";
        } catch (const DialogScriptError& error) {
            EXPECT_EQ(error.path(), "TALK.DLG");
            EXPECT_EQ(error.line(), c.line);
        }
    }
}

TEST(DialogScriptTalk, AnswersWalkTheNodesAndTheLogKeepsWhatTheOtherPartySaid)
{
    ScriptFile file;
    file.write(ScriptLines({ { "Один", 2, 3, 1 }, { "Два", 1, 3, 3 }, { "Конец", 1, 1, 1, "ch1" } }));
    DialogScript talk(file.path);
    talk.Start();
    EXPECT_EQ(talk.Captions()[0], "Один / 1");
    EXPECT_EQ(talk.Answer(1), DialogOutcome::None);
    EXPECT_EQ(talk.Answer(1), DialogOutcome::None); // back to node 1: a loop shows it again
    EXPECT_EQ(talk.CurrentNode(), 1);
    EXPECT_EQ(talk.Captions()[2], "Один / 3");
    EXPECT_EQ(talk.Answer(2), DialogOutcome::Ch1);
    EXPECT_EQ(talk.Captions()[0], "Один / 1"); // an ending node leaves the captions as they were
    EXPECT_EQ(talk.Log(), (QStringList { "Один", "", "Два", "", "Один", "", "Конец" }));

    talk.Start(); // a new talk starts clean
    EXPECT_EQ(talk.Log(), QStringList { "Один" });
    EXPECT_EQ(talk.CurrentNode(), 1);
}

TEST(DialogScriptTalk, AnAnswerLeadingOutsideTheTableBreaksTheTalkOffWhereItWas)
{
    for (int target : { 0, 3, 65535 }) {
        SCOPED_TRACE(target);
        ScriptFile file;
        file.write(ScriptLines({ { "Один", target, 2, 2 }, { "Два", 1, 1, 1 } }));
        DialogScript talk(file.path);
        talk.Start();
        EXPECT_EQ(talk.Answer(1), DialogOutcome::Broken);
        EXPECT_EQ(talk.CurrentNode(), 1);
        EXPECT_EQ(talk.Log(), QStringList { "Один" });
        EXPECT_TRUE(talk.BrokenMessage().contains(QString::number(target)));
    }
}

TEST(DialogScriptTalk, AMissingFileIsAnInputOutputError)
{
    ScriptFile file;
    DialogScript talk(file.path);
    EXPECT_THROW(talk.Start(), EInOutError);
}

// Both shipped conversations read, every node can be reached and every reachable answer leads to a node.
TEST(DialogScriptTalk, TheShippedScriptsArePlayable)
{
    for (const char* name : { "Data/Dialogs/Gopniks/GOPNIK.DLG", "Data/MyGOPSTOP/GOPNIK.DLG" }) {
        SCOPED_TRACE(name);
        const QString path = QString(TRAMBUL_SOURCE_DIR "/") + name;
        const QVector<DialogNode> nodes = ParseDialogScript(ReadLines1251(path), path);
        EXPECT_LE(nodes.size(), MaxDialogNodes);
        QSet<DialogOutcome> outcomes;
        std::vector<bool> seen(nodes.size() + 1, false);
        std::vector<int> todo { 1 };
        seen[1] = true;
        while (!todo.empty()) {
            const DialogNode& node = nodes[todo.back() - 1];
            todo.pop_back();
            outcomes.insert(node.outcome);
            if (node.outcome != DialogOutcome::None)
                continue;
            for (int next : node.next) {
                ASSERT_TRUE(next >= 1 && next <= nodes.size()) << next;
                if (!seen[next]) {
                    seen[next] = true;
                    todo.push_back(next);
                }
            }
        }
        EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), true), nodes.size());
        EXPECT_EQ(outcomes.size(), 6); // none and the five codes
    }
}

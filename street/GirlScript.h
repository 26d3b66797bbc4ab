// A girl's conversation script and the conversation played from it: nodes of her line and up to five answers,
// the score of every answer and her liking, which decides whether she is charmed or gives up.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct GirlAnswer {
    QString caption; // what the player says
    QString reaction; // what she answers to it
    int score = 0; // 1 a good answer, 0 a bad one; other values count as they are
};

struct GirlNode {
    int line = 0; // the first line of the node in the script
    QString girlLine;
    std::vector<GirlAnswer> answers; // 1..5
};

constexpr int MaxGirlAnswers = 5;

class GirlScript {
public:
    // Splits a script's lines into nodes laid end to end from line 0. A node of n answers takes 3n + 2 lines; the
    // last one has a single answer and ends exactly at the last line. The first thing that breaks this (a count that
    // is not a number or not 1..5, a score that is not a number, a node running past the end, a last node with more
    // than one answer) stops the parsing and is kept as problem().
    static GirlScript Parse(const QStringList& lines);
    // Reads "Data\Girls\<n>.gdlg" style files; throws EInOutError when the file cannot be read.
    static GirlScript Load(const QString& gamePath);

    bool isSound() const { return m_problem.isEmpty(); }
    // What is wrong with the script, in the player's words, with the line it is on.
    const QString& problem() const { return m_problem; }
    const std::vector<GirlNode>& nodes() const { return m_nodes; }
    int lineCount() const { return m_lineCount; }

private:
    std::vector<GirlNode> m_nodes;
    int m_lineCount = 0;
    QString m_problem;
};

// How much she likes the player, in per cent: (score + 1) / answers × 100, the extra 1 being one free good answer,
// rounded to the nearest whole number with an exact half going to the even one.
long long Liking(long long score, int answersGiven);
// Below this liking she gives up.
constexpr int LikingLimit = 85;

// What an answer led to.
enum class TalkStep {
    NextNode, // the talk goes on with the next node
    Charmed, // the last node's answer: she has fallen for the player
    Rejected, // the liking dropped below the limit
};

// The liking indicator's picture after an answer.
enum class Face { Unchanged, Good, Bad };

struct AnswerOutcome {
    TalkStep step = TalkStep::NextNode;
    QString reaction;
    Face face = Face::Unchanged;
    long long liking = 0; // after a counted answer
};

// One conversation: where it stands and how she feels about the player so far.
class GirlTalk {
public:
    // The script must be sound (GirlScript::isSound).
    explicit GirlTalk(GirlScript script);

    const GirlNode& node() const { return m_script.nodes()[m_node]; }
    int nodeLine() const { return node().line; }
    long long score() const { return m_score; }
    int answersGiven() const { return m_answersGiven; }

    // The player picks answer k (1-based, at most the node's count). The answer to the last node is the happy end
    // and is not counted; any other answer is counted and the talk moves on to the next node unless she gives up.
    AnswerOutcome answer(int k);

private:
    GirlScript m_script;
    size_t m_node = 0;
    long long m_score = 0; // wide enough for any sum of whole-number scores
    int m_answersGiven = 0;
};

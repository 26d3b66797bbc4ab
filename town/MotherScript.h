// The mother's conversation script: its caption, its first node, and the node blocks found by their labels.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class TGameState;

// The script (TownContent::MotherTalk): line 0 the window caption, line 1 the first node's label, then blocks
// "+L", speech lines, "-L", three answer captions, three answer labels.

constexpr int MotherAnswerCount = 3;

// The three answers of the node on screen: what the buttons say and where each leads.
struct MotherAnswers {
    std::array<QString, MotherAnswerCount> captions;
    std::array<QString, MotherAnswerCount> labels;
};

// What a node brings to the screen. Every block carrying the label adds its speech in file order; the answers are
// those of the last complete block. A block that the end of the file cuts short brings its speech up to the end
// and no answers.
struct MotherNode {
    QStringList speech;
    bool hasAnswers = false;
    MotherAnswers answers;
};

// Scans the script for every start marker "+label" (from line 2 on; markers and labels compared as whole lines).
MotherNode FindMotherNode(const QStringList& lines, const QString& label);

// One talk with the mother: the script, the speech box and the three answers.
class MotherTalk {
public:
    // Starts a talk from the script's lines: the speech box empties and the first node is shown.
    void start(const QStringList& lines);

    QString caption() const; // line 0 (empty for an empty file)
    const QStringList& speech() const { return m_speech; }
    const MotherAnswers& answers() const { return m_answers; }

    // What an answer asks of the window besides the messages.
    struct Outcome {
        QStringList messages; // shown to the player, in order
        bool openLunchMoney = false; // the mother offers an allowance: the lunch-money window opens
    };
    // Answer 1, 2 or 3 (slot 0..2). The three fixed captions act only in their own slot; every other answer
    // clears the speech box and shows the node it leads to. Reads and writes LunchMoney and MotherPhoneDeal.
    Outcome answer(int slot, TGameState& state);

private:
    void show(const QString& label);

    QStringList m_lines;
    QStringList m_speech;
    MotherAnswers m_answers;
};

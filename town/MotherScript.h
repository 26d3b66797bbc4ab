// The mother's conversation script: its caption, its first node, and the node blocks found by their labels.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

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

// The captions that act in their own answer slot: asking for lunch money (answer 1), going on a diet (answer 2) and
// asking for a phone (answer 3). Anywhere else they are ordinary answers.
inline const std::array<QString, MotherAnswerCount> MotherSlotCaptions
    = { QStringLiteral("Я хожу в школу постоянно голодный"), QStringLiteral("Я решил сесть на диету"),
          QStringLiteral("Допустим, я хочу мобильник...") };
// Whether the answer in `slot` with this caption leads to its label: the lunch-money and diet answers act instead.
bool MotherAnswerLeadsOn(int slot, const QString& caption);

// One block of the script: a start marker "+label" (from line 2 on, wherever it stands, even inside another block),
// the speech up to the end marker "-label", then three captions and three labels. Line numbers count from 1.
struct MotherBlock {
    QString label;
    int line = 0; // the start marker; the speech is the lines after it, up to the end marker
    int endLine = 0; // the end marker; 0 when the file ends first
    bool hasAnswers = false; // the end marker is followed by three captions and three labels
    MotherAnswers answers;
};

// The script as the talk reads it: the caption (line 1), the first node's label (line 2) and every block.
class MotherScript {
public:
    static MotherScript Parse(const QStringList& lines);

    QString caption;
    QString firstLabel;
    std::vector<MotherBlock> blocks; // in file order

    // What the node of a label brings to the screen (markers and labels compared as whole lines).
    MotherNode node(const QString& label) const;
    // Whether that node brings answers, without gathering its speech.
    bool hasAnswers(const QString& label) const;

private:
    QStringList m_lines; // the speech is read from here, so that blocks overlapping each other cost no copies
    QHash<QString, std::vector<int>> m_blocksOf; // a label's blocks, in file order
};

// The node of a label in the script's lines.
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

    MotherScript m_script;
    QStringList m_speech;
    MotherAnswers m_answers;
};

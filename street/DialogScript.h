// The street conversations: a table of numbered nodes read from a script file, and the talk that walks through it.
#pragma once

#include "core/Errors.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// How a node ends the talk; the window that hosts the talk decides what each one does.
enum class DialogOutcome {
    None, // the talk goes on
    War, // "war"
    Ch1, // "ch1"
    Ch2, // "ch2"
    Ch3, // "ch3"
    Win, // "win"
    Broken, // the answer leads to a node the script does not have: the talk cannot go on
};

// One node: what the other party says, the player's three answers, where each answer leads, and its outcome code.
struct DialogNode {
    QString line;
    std::array<QString, 3> answers;
    qint32 reserved1 = 0; // kept as read, the game gives them no meaning
    qint32 reserved2 = 0;
    std::array<quint16, 3> next { 0, 0, 0 };
    DialogOutcome outcome = DialogOutcome::None;
    // Where the node stands in its file, lines counted from 1: the talk has no use for them, the content checker
    // names them in its findings. The outcome line is kept as written, since an unknown code reads as None.
    int firstLine = 0;
    std::array<int, 3> nextLines { 0, 0, 0 };
    int outcomeLine = 0;
    QString outcomeCode;
};

// A script the game refuses: the file, the line the reading stopped at (counted from 1) and what is wrong there.
class DialogScriptError : public EInOutError {
public:
    DialogScriptError(const QString& path, const QString& reason, int line, const QString& problem)
        : EInOutError(path, reason)
        , m_line(line)
        , m_problem(problem)
    {
    }
    int line() const { return m_line; }
    // What is wrong, without the file and the line.
    const QString& problem() const { return m_problem; }

private:
    int m_line;
    QString m_problem;
};

// A script holds at most this many nodes.
constexpr int MaxDialogNodes = 60;

// Reads the node table from the lines of a script: ten lines a node, text lines whole, number lines as a number
// followed by anything after a blank, the outcome as the first three characters of its line. Throws
// DialogScriptError naming the file and the line when a number line holds no number, a node is cut short, or there are
// more nodes than a script may have.
QVector<DialogNode> ParseDialogScript(const QStringList& lines, const QString& fileName);

// The next word of a number line of a script, from line `line` on: blank lines before it are skipped and whatever
// follows it after a blank is a comment. `line` moves past the word's line, so the word stood on line number `line`
// counted from 1. An empty text when the lines end first.
QString NextScriptWord(const QStringList& lines, qsizetype& line);

// The outcome a code line stands for: only its first three characters count, compared exactly.
DialogOutcome DialogOutcomeOf(const QString& codeLine);

// The talk of one hosting window: the node table reloaded at every start, the node on show and the log of what the
// other party has said.
class DialogScript {
public:
    // The script file as the game names it ("Data\\Dialogs\\Gopniks\\GOPNIK.DLG").
    explicit DialogScript(QString gamePath);

    // The start of a talk: reads the file again and puts node 1 on show (its outcome code is not acted on).
    // Throws EInOutError when the file is missing or malformed; the talk then has not started.
    void Start();
    // The player picks answer k (1..3). The node it leads to goes on show and its outcome comes back; a node the
    // script does not have gives Broken and leaves the talk where it was.
    DialogOutcome Answer(int k);

    // The captions of the three answer buttons: those of the last ordinary node shown.
    const std::array<QString, 3>& Captions() const { return m_captions; }
    // The conversation so far, one paragraph a line.
    const QStringList& Log() const { return m_log; }
    // What the player is told when the talk broke off.
    QString BrokenMessage() const;

    int CurrentNode() const { return m_currentNode; }
    int NodeCount() const { return int(m_nodes.size()); }
    const DialogNode& Node(int number) const { return m_nodes.at(number - 1); }

private:
    QString m_gamePath;
    QVector<DialogNode> m_nodes;
    int m_currentNode = 0;
    int m_brokenTarget = 0;
    std::array<QString, 3> m_captions;
    QStringList m_log;
};

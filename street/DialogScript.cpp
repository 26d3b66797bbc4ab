#include "street/DialogScript.h"

#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/TextFile.h"

#include <algorithm>

namespace {
bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Walks the lines of a script the way the game reads it: whole text lines, and numbers that may stand after blank
// lines and are followed by anything after a blank.
class ScriptReader {
public:
    ScriptReader(const QStringList& lines, const QString& fileName)
        : m_lines(lines)
        , m_fileName(fileName)
    {
    }

    // Only empty lines are left: a last line break or two after the last node.
    bool AtEnd() const
    {
        for (qsizetype i = m_line; i < m_lines.size(); ++i) {
            if (!m_lines[i].isEmpty())
                return false;
        }
        return true;
    }

    // The line the next field stands on, counted from 1 (number lines may follow empty lines).
    int Line() const { return int(m_line) + 1; }

    QString Text(int node)
    {
        if (m_line >= m_lines.size())
            Fail(int(m_lines.size()), QStringLiteral("реплика %1 обрывается на конце файла").arg(node));
        return m_lines[m_line++];
    }

    int Number(int node, int* at = nullptr)
    {
        const QString word = NextScriptWord(m_lines, m_line);
        if (word.isEmpty())
            Fail(int(m_lines.size()),
                QStringLiteral("реплика %1 обрывается на конце файла: не хватает числа").arg(node));
        if (!IsInteger(word))
            Fail(int(m_line), QStringLiteral("вместо числа стоит \"%1\"").arg(word), true);
        if (at)
            *at = int(m_line);
        return word.toInt();
    }

    // The game's message names the line only where a number is wrong; the error keeps it for every failure.
    [[noreturn]] void Fail(int line, const QString& problem, bool lineInMessage = false) const
    {
        const QString where = lineInMessage ? QStringLiteral("строка %1: ").arg(line) : QString();
        throw DialogScriptError(
            m_fileName, QStringLiteral("разговор испорчен: %1%2").arg(where, problem), std::max(line, 1), problem);
    }

private:
    const QStringList& m_lines;
    QString m_fileName;
    qsizetype m_line = 0;
};
}

DialogOutcome DialogOutcomeOf(const QString& codeLine)
{
    static const struct {
        const char* code;
        DialogOutcome outcome;
    } codes[] = {
        { "war", DialogOutcome::War },
        { "ch1", DialogOutcome::Ch1 },
        { "ch2", DialogOutcome::Ch2 },
        { "ch3", DialogOutcome::Ch3 },
        { "win", DialogOutcome::Win },
    };
    const QString code = codeLine.left(3);
    for (const auto& known : codes) {
        if (code == QLatin1String(known.code))
            return known.outcome;
    }
    return DialogOutcome::None;
}

QString NextScriptWord(const QStringList& lines, qsizetype& line)
{
    for (; line < lines.size(); ++line) {
        const QString& text = lines[line];
        qsizetype start = 0;
        while (start < text.size() && IsBlank(text[start]))
            ++start;
        if (start == text.size())
            continue; // line breaks before the number are skipped
        qsizetype end = start;
        while (end < text.size() && !IsBlank(text[end]))
            ++end;
        ++line;
        return text.mid(start, end - start);
    }
    return {};
}

QVector<DialogNode> ParseDialogScript(const QStringList& lines, const QString& fileName)
{
    ScriptReader reader(lines, fileName);
    QVector<DialogNode> nodes;
    while (!reader.AtEnd()) {
        const int number = int(nodes.size()) + 1;
        if (number > MaxDialogNodes)
            reader.Fail(reader.Line(), QStringLiteral("в нем больше %1 реплик").arg(MaxDialogNodes));
        DialogNode node;
        node.firstLine = reader.Line();
        node.line = reader.Text(number);
        for (QString& answer : node.answers)
            answer = reader.Text(number);
        node.reserved1 = reader.Number(number);
        node.reserved2 = reader.Number(number);
        for (int k = 0; k < 3; ++k)
            node.next[k] = quint16(reader.Number(number, &node.nextLines[k]));
        node.outcomeLine = reader.Line();
        node.outcomeCode = reader.Text(number);
        node.outcome = DialogOutcomeOf(node.outcomeCode);
        nodes.append(node);
    }
    if (nodes.isEmpty())
        reader.Fail(1, QStringLiteral("в нем нет ни одной реплики"));
    return nodes;
}

DialogScript::DialogScript(QString gamePath)
    : m_gamePath(std::move(gamePath))
{
}

void DialogScript::Start()
{
    m_log.clear();
    m_currentNode = 0;
    const QString path = DataPath(m_gamePath);
    m_nodes = ParseDialogScript(ReadLines1251(path), path);
    m_currentNode = 1;
    const DialogNode& first = Node(1);
    m_captions = first.answers;
    m_log.append(first.line);
}

DialogOutcome DialogScript::Answer(int k)
{
    if (m_currentNode < 1 || k < 1 || k > 3)
        return DialogOutcome::Broken;
    const int target = Node(m_currentNode).next[k - 1];
    if (target < 1 || target > NodeCount()) {
        m_brokenTarget = target;
        return DialogOutcome::Broken;
    }
    m_currentNode = target;
    const DialogNode& node = Node(target);
    if (node.outcome == DialogOutcome::None)
        m_captions = node.answers;
    m_log.append(QString());
    m_log.append(node.line);
    return node.outcome;
}

QString DialogScript::BrokenMessage() const
{
    return QStringLiteral("Разговор оборвался: в файле %1 ответ ведет к реплике %2, а такой реплики там нет.")
        .arg(DataPath(m_gamePath))
        .arg(m_brokenTarget);
}

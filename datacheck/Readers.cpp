#include "datacheck/Readers.h"

#include "core/Errors.h"
#include "street/DialogScript.h"

namespace {
class NodeReader {
public:
    explicit NodeReader(const QStringList& lines)
        : m_lines(lines)
    {
    }

    bool atEnd() const
    {
        for (qsizetype i = m_line; i < m_lines.size(); ++i) {
            if (!m_lines[i].isEmpty())
                return false;
        }
        return true;
    }

    int line() const { return int(m_line) + 1; }

    QString text(int node)
    {
        if (m_line >= m_lines.size())
            throw DialogReadError { int(m_lines.size()),
                QStringLiteral("node %1 is cut short by the end of the file").arg(node) };
        return m_lines[m_line++];
    }

    int number(int node, int* at)
    {
        const QString word = NextScriptWord(m_lines, m_line);
        if (word.isEmpty())
            throw DialogReadError { int(m_lines.size()),
                QStringLiteral("node %1 is cut short by the end of the file: a number is missing").arg(node) };
        if (!IsInteger(word))
            throw DialogReadError { int(m_line), QStringLiteral("a number is expected, not \"%1\"").arg(word) };
        *at = int(m_line);
        return word.toInt();
    }

private:
    const QStringList& m_lines;
    qsizetype m_line = 0;
};
}

std::vector<DialogNodeRead> ReadDialogNodes(const QStringList& lines)
{
    std::vector<DialogNodeRead> nodes;
    NodeReader reader(lines);
    while (!reader.atEnd()) {
        const int number = int(nodes.size()) + 1;
        DialogNodeRead node;
        node.firstLine = reader.line();
        node.line = reader.text(number);
        for (QString& answer : node.answers)
            answer = reader.text(number);
        int unused = 0;
        reader.number(number, &unused);
        reader.number(number, &unused);
        for (int k = 0; k < 3; ++k)
            node.next[k] = reader.number(number, &node.nextLine[k]) & 0xFFFF;
        node.outcomeLineNumber = reader.line();
        node.outcomeLine = reader.text(number);
        nodes.push_back(node);
    }
    return nodes;
}

bool IsDialogOutcome(const QString& outcomeLine)
{
    const QString code = outcomeLine.left(3);
    for (const char* known : { "war", "ch1", "ch2", "ch3", "win" }) {
        if (code == QLatin1String(known))
            return true;
    }
    return false;
}

std::vector<PlaylistEntry> ReadPlaylist(const QStringList& lines)
{
    std::vector<PlaylistEntry> entries;
    for (qsizetype i = 1; i < lines.size(); i += 2) {
        PlaylistEntry entry;
        entry.titleLine = int(i) + 1;
        entry.titleLineText = lines[i];
        const qsizetype blank = lines[i].indexOf(QLatin1Char(' '));
        entry.title = blank < 0 ? QString() : lines[i].mid(blank + 1);
        entry.hasPath = i + 1 < lines.size();
        if (entry.hasPath)
            entry.path = lines[i + 1];
        entries.push_back(entry);
    }
    return entries;
}

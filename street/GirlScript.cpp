#include "street/GirlScript.h"

#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/TextFile.h"

namespace {
QString LineProblem(int line, const QString& what) { return QStringLiteral("строка %1: %2").arg(line + 1).arg(what); }
}

GirlScript GirlScript::Parse(const QStringList& lines)
{
    GirlScript script;
    script.m_lineCount = int(lines.size());
    const int count = script.m_lineCount;
    int start = 0;
    while (start < count && script.m_problem.isEmpty()) {
        if (start + 1 >= count) {
            script.m_problem = LineProblem(start, QStringLiteral("после реплики девушки нет числа ответов"));
            break;
        }
        const QString countText = lines[start + 1];
        if (!IsInteger(countText) || StrToInt(countText) < 1 || StrToInt(countText) > MaxGirlAnswers) {
            script.m_problem = LineProblem(
                start + 1, QStringLiteral("число ответов должно быть от 1 до 5, а стоит \"%1\"").arg(countText));
            break;
        }
        const int answers = StrToInt(countText);
        const int end = start + 3 * answers + 2;
        if (end > count) {
            script.m_problem = LineProblem(start, QStringLiteral("ответы не помещаются до конца файла"));
            break;
        }
        GirlNode node;
        node.line = start;
        node.girlLine = lines[start];
        for (int k = 0; k < answers; ++k) {
            const int base = start + 2 + 3 * k;
            if (!IsInteger(lines[base + 2])) {
                script.m_problem
                    = LineProblem(base + 2, QStringLiteral("очки ответа - не число: \"%1\"").arg(lines[base + 2]));
                break;
            }
            node.answers.push_back({ lines[base], lines[base + 1], StrToInt(lines[base + 2]) });
        }
        if (!script.m_problem.isEmpty())
            break;
        if (end == count && answers != 1) {
            script.m_problem = LineProblem(start, QStringLiteral("у последней реплики должен быть один ответ"));
            break;
        }
        script.m_nodes.push_back(node);
        start = end;
    }
    if (script.m_problem.isEmpty() && script.m_nodes.empty())
        script.m_problem = QStringLiteral("файл пуст");
    if (!script.m_problem.isEmpty())
        script.m_nodes.clear();
    return script;
}

GirlScript GirlScript::Load(const QString& gamePath) { return Parse(ReadLines1251(DataPath(gamePath))); }

long long Liking(long long score, int answersGiven)
{
    // Whole-number arithmetic, so that a half is exactly a half.
    const long long numerator = (score + 1) * 100;
    const long long denominator = answersGiven;
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

GirlTalk::GirlTalk(GirlScript script)
    : m_script(std::move(script))
{
}

AnswerOutcome GirlTalk::answer(int k)
{
    const GirlAnswer& chosen = node().answers.at(k - 1);
    AnswerOutcome outcome;
    outcome.reaction = chosen.reaction;
    // Only the first answer of the last node ends the talk; it always has just that one.
    if (k == 1 && nodeLine() + 5 == m_script.lineCount()) {
        outcome.step = TalkStep::Charmed;
        return outcome;
    }
    ++m_answersGiven;
    m_score += chosen.score;
    if (chosen.score == 1)
        outcome.face = Face::Good;
    else if (chosen.score == 0)
        outcome.face = Face::Bad;
    ++m_node;
    outcome.liking = Liking(m_score, m_answersGiven);
    outcome.step = outcome.liking < LikingLimit ? TalkStep::Rejected : TalkStep::NextNode;
    return outcome;
}

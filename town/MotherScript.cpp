#include "town/MotherScript.h"

#include "core/GameState.h"

#include <algorithm>

namespace {
enum MotherSlot { AskForLunchMoney, GoOnADiet, AskForAPhone };
const QString NoLunchMoney = QStringLiteral("0");
}

bool MotherAnswerLeadsOn(int slot, const QString& caption)
{
    return !((slot == AskForLunchMoney || slot == GoOnADiet) && caption == MotherSlotCaptions[slot]);
}

MotherScript MotherScript::Parse(const QStringList& lines)
{
    MotherScript script;
    script.m_lines = lines;
    script.caption = lines.value(0);
    script.firstLabel = lines.value(1);
    const qsizetype count = lines.size();
    // Where each end marker stands, so that finding a block's end does not scan the rest of the file again.
    QHash<QString, std::vector<qsizetype>> endMarkers;
    for (qsizetype i = 2; i < count; ++i) {
        if (lines[i].startsWith(QLatin1Char('-')))
            endMarkers[lines[i].mid(1)].push_back(i);
    }
    for (qsizetype i = 2; i < count; ++i) {
        if (!lines[i].startsWith(QLatin1Char('+')))
            continue;
        MotherBlock block;
        block.label = lines[i].mid(1);
        block.line = int(i) + 1;
        qsizetype line = count;
        const auto ends = endMarkers.constFind(block.label);
        if (ends != endMarkers.constEnd()) {
            const auto after = std::upper_bound(ends->begin(), ends->end(), i);
            if (after != ends->end())
                line = *after;
        }
        if (line < count)
            block.endLine = int(line) + 1;
        // The end marker, then three captions and three labels; a block the file cuts short gives no answers.
        if (line + 2 * MotherAnswerCount < count) {
            for (int answer = 0; answer < MotherAnswerCount; ++answer) {
                block.answers.captions[answer] = lines[line + 1 + answer];
                block.answers.labels[answer] = lines[line + 1 + MotherAnswerCount + answer];
            }
            block.hasAnswers = true;
        }
        script.m_blocksOf[block.label].push_back(int(script.blocks.size()));
        script.blocks.push_back(std::move(block));
    }
    return script;
}

MotherNode MotherScript::node(const QString& label) const
{
    MotherNode node;
    for (const int index : m_blocksOf.value(label)) {
        const MotherBlock& block = blocks[std::size_t(index)];
        const qsizetype end = block.endLine > 0 ? block.endLine - 1 : m_lines.size();
        node.speech << m_lines.mid(block.line, end - block.line);
        if (block.hasAnswers) {
            node.hasAnswers = true;
            node.answers = block.answers;
        }
    }
    return node;
}

bool MotherScript::hasAnswers(const QString& label) const
{
    const std::vector<int> found = m_blocksOf.value(label);
    return std::any_of(found.begin(), found.end(), [this](int index) { return blocks[std::size_t(index)].hasAnswers; });
}

MotherNode FindMotherNode(const QStringList& lines, const QString& label)
{
    return MotherScript::Parse(lines).node(label);
}

void MotherTalk::start(const QStringList& lines)
{
    m_script = MotherScript::Parse(lines);
    m_speech.clear();
    show(m_script.firstLabel);
}

QString MotherTalk::caption() const { return m_script.caption; }

void MotherTalk::show(const QString& label)
{
    MotherNode node = m_script.node(label);
    m_speech << node.speech;
    if (node.hasAnswers)
        m_answers = node.answers;
}

MotherTalk::Outcome MotherTalk::answer(int slot, TGameState& state)
{
    Outcome outcome;
    const QString& caption = m_answers.captions[slot];
    if (slot == AskForLunchMoney && caption == MotherSlotCaptions[AskForLunchMoney]) {
        if (state.text(Field::LunchMoney) != NoLunchMoney)
            outcome.messages << QStringLiteral("А на что же я тогда деньги тебе каждое утро выдаю?!");
        else
            outcome.openLunchMoney = true;
        return outcome;
    }
    if (slot == GoOnADiet && caption == MotherSlotCaptions[GoOnADiet]) {
        if (state.text(Field::LunchMoney) != NoLunchMoney) {
            outcome.messages << QStringLiteral("Ок, диета так диета. Значит, выдавать тебе деньги на жратву в школе "
                                               "не буду... А то потолстеешь... =)");
            state.setNumber(Field::LunchMoney, 0);
        } else {
            outcome.messages << QStringLiteral("Какая диета? Ты итак худой, как трость, какая тебе диета?");
        }
        return outcome;
    }
    if (slot == AskForAPhone && caption == MotherSlotCaptions[AskForAPhone])
        state.setNumber(Field::MotherPhoneDeal, 1);
    const QString label = m_answers.labels[slot];
    m_speech.clear();
    show(label);
    return outcome;
}

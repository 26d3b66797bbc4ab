#include "town/MotherScript.h"

#include "core/GameState.h"

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
    script.caption = lines.value(0);
    script.firstLabel = lines.value(1);
    const qsizetype count = lines.size();
    for (qsizetype i = 2; i < count; ++i) {
        if (!lines[i].startsWith(QLatin1Char('+')))
            continue;
        MotherBlock block;
        block.label = lines[i].mid(1);
        block.line = int(i) + 1;
        const QString end = QLatin1Char('-') + block.label;
        qsizetype line = i + 1;
        while (line < count && lines[line] != end)
            block.speech << lines[line++];
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
        node.speech << block.speech;
        if (block.hasAnswers) {
            node.hasAnswers = true;
            node.answers = block.answers;
        }
    }
    return node;
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

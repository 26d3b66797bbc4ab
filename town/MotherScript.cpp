#include "town/MotherScript.h"

#include "core/GameState.h"

namespace {
// The captions that mean something to the mother, each in its own answer slot.
const QString AskForLunchMoney = QStringLiteral("Я хожу в школу постоянно голодный");
const QString GoOnADiet = QStringLiteral("Я решил сесть на диету");
const QString AskForAPhone = QStringLiteral("Допустим, я хочу мобильник...");
const QString NoLunchMoney = QStringLiteral("0");
}

MotherNode FindMotherNode(const QStringList& lines, const QString& label)
{
    MotherNode node;
    const QString start = QLatin1Char('+') + label;
    const QString end = QLatin1Char('-') + label;
    const qsizetype count = lines.size();
    for (qsizetype i = 2; i < count; ++i) {
        if (lines[i] != start)
            continue;
        qsizetype line = i + 1;
        while (line < count && lines[line] != end)
            node.speech << lines[line++];
        // The end marker, then three captions and three labels; a block the file cuts short gives no answers.
        if (line + 2 * MotherAnswerCount >= count)
            continue;
        for (int answer = 0; answer < MotherAnswerCount; ++answer) {
            node.answers.captions[answer] = lines[line + 1 + answer];
            node.answers.labels[answer] = lines[line + 1 + MotherAnswerCount + answer];
        }
        node.hasAnswers = true;
    }
    return node;
}

void MotherTalk::start(const QStringList& lines)
{
    m_lines = lines;
    m_speech.clear();
    show(m_lines.value(1));
}

QString MotherTalk::caption() const { return m_lines.value(0); }

void MotherTalk::show(const QString& label)
{
    MotherNode node = FindMotherNode(m_lines, label);
    m_speech << node.speech;
    if (node.hasAnswers)
        m_answers = node.answers;
}

MotherTalk::Outcome MotherTalk::answer(int slot, TGameState& state)
{
    Outcome outcome;
    const QString& caption = m_answers.captions[slot];
    if (slot == 0 && caption == AskForLunchMoney) {
        if (state.text(Field::LunchMoney) != NoLunchMoney)
            outcome.messages << QStringLiteral("А на что же я тогда деньги тебе каждое утро выдаю?!");
        else
            outcome.openLunchMoney = true;
        return outcome;
    }
    if (slot == 1 && caption == GoOnADiet) {
        if (state.text(Field::LunchMoney) != NoLunchMoney) {
            outcome.messages << QStringLiteral("Ок, диета так диета. Значит, выдавать тебе деньги на жратву в школе "
                                               "не буду... А то потолстеешь... =)");
            state.setNumber(Field::LunchMoney, 0);
        } else {
            outcome.messages << QStringLiteral("Какая диета? Ты итак худой, как трость, какая тебе диета?");
        }
        return outcome;
    }
    if (slot == 2 && caption == AskForAPhone)
        state.setNumber(Field::MotherPhoneDeal, 1);
    const QString label = m_answers.labels[slot];
    m_speech.clear();
    show(label);
    return outcome;
}

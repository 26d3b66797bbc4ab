#include "street/GirlRules.h"

#include "core/Random.h"

const std::array<const char*, GirlCount> GirlButtonCaptions
    = { "Катя", "Вероника", "Лена", "Настя", "Таня", "Даша", "Яна", "Маша", "Ира", "ОЛЯ" };

namespace {
constexpr int Thresholds[GirlCount] = { 5, 20, 60, 90, 120, 140, 160, 180, 200, 220 };
const char* const NamesWith[GirlCount]
    = { "Катей", "Вероникой", "Леной", "Настей", "Таней", "Дашей", "Яной", "Машей", "Ирой", "Олей" };
}

int GirlAuthorityThreshold(int girl) { return Thresholds[girl]; }

QString GirlNameWith(int girl) { return QString::fromUtf8(NamesWith[girl]); }

bool GirlWillTalk(const TGameState& state, int girl)
{
    if (state.number(Field::Authority) < GirlAuthorityThreshold(girl))
        return false;
    if (girl == OlyaGirl) {
        for (int other = 0; other < OlyaGirl; ++other) {
            if (!state.charmed(other))
                return false;
        }
    }
    return true;
}

GirlTalkRequest RequestGirlTalk(const TGameState& state, int selectedGirl)
{
    if (Random(3) == 2) {
        if (selectedGirl < 0)
            return {};
        return { false,
            QStringLiteral("К сожалению, данной девушки на месте сейчас нет (заболела или где-то бродит), попробуйте "
                           "повторить попытку позднее.") };
    }
    if (selectedGirl < 0)
        return {};
    if (!GirlWillTalk(state, selectedGirl))
        return { false, QStringLiteral("Увы, но вы не подходите для этой девушки...") };
    return { true, QString() };
}

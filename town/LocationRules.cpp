#include "town/LocationRules.h"

#include "core/Random.h"

const char* const RobberyTooWeakMessage
    = "Думаете, работать гопником это так просто? Для начала, вы должны неплохо драться. Освойте 60 очков умения "
      "техники \"Карате\" и можете смело заниматься этим делом.";

const std::array<const char*, 5> RunAwayRefusals = {
    "К сожалению, ничего не вышло!",
    "Ай, блин, заметили!",
    "А мне это нужно?",
    "У меня по физике двойка выходит... Может, не надо?",
    "Дай подумать, а куда я пойду?",
};

QString TryRunningAway()
{
    if (Random(RunAwayOdds) == 0)
        return {};
    return QString::fromUtf8(RunAwayRefusals[Random(int(RunAwayRefusals.size()))]);
}

QStringList TeacherRemarks()
{
    if (Random(TeacherNoticesOdds) != 0)
        return {};
    return { QStringLiteral("\"И куда это, молодой человек, Вы уходили?\"- спросила Вас классный руковрдитель."),
        QStringLiteral("Ваш авторитет упал на 1 единицу.") };
}

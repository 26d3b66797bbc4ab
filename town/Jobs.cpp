#include "town/Jobs.h"

const std::array<Job, JobCount> Jobs = { {
    { "Дворник", { { Field::FightSkill, 5 } }, "15" },
    { "Баннер", { { Field::FightSkill, 15 }, { Field::Mood, 50 } }, "20" },
    { "Сторож", { { Field::FightSkill, 50 }, { Field::Vigor, 60 } }, "30" },
    { "Курьер", { { Field::FightSkill, 80 }, { Field::Mood, 60 } }, "40" },
    { "Почтальон", { { Field::FightSkill, 110 }, { Field::Vigor, 60 }, { Field::Mood, 70 } }, "60" },
    { "Продавец булочками", { { Field::FightSkill, 150 }, { Field::Vigor, 70 }, { Field::Mood, 80 } }, "80" },
    { "Продавец CD", { { Field::FightSkill, 180 }, { Field::Vigor, 70 }, { Field::Mood, 100 } }, "110" },
} };

JobApplication ApplyForJob(int position, TGameState& state)
{
    const Job& job = Jobs.at(position);
    for (const auto& [field, least] : job.requirements) {
        if (state.number(field) < least)
            return { false, QStringLiteral("Вы не подходите для этой работы!") };
    }
    state.setNumber(Field::JobIncome, QByteArray(job.pay).toInt());
    return { true, QStringLiteral("Вас взяли на работу! Поздравляем!") };
}

#include "records/CheatEntries.h"

#include "records/SaveFile.h"

#include <QRegularExpression>

const std::array<CheatEntry, CheatEntryCount> CheatEntries = { {
    { "Деньги", CheatAction::Value, Field::Money, CheatValueKind::Number },
    { "В копилке", CheatAction::Value, Field::PiggyBank, CheatValueKind::Number },
    { "Доход от работы", CheatAction::Value, Field::JobIncome, CheatValueKind::Number },
    { "Дают на питание", CheatAction::Value, Field::LunchMoney, CheatValueKind::Number },
    { "Сытость", CheatAction::Value, Field::Satiety, CheatValueKind::Number },
    { "Настроение", CheatAction::Value, Field::Mood, CheatValueKind::Number },
    { "Бодрость", CheatAction::Value, Field::Vigor, CheatValueKind::Number },
    { "Умение драться", CheatAction::Value, Field::FightSkill, CheatValueKind::Number },
    { "Я хожу на тренировки?", CheatAction::Value, Field::AttendsTraining, CheatValueKind::YesNo },
    { "Авторитет", CheatAction::Value, Field::Authority, CheatValueKind::Number },
    { "Мобильник", CheatAction::Value, Field::MobilePhone, CheatValueKind::Text },
    { "ГДЗ", CheatAction::Value, Field::HasGdz, CheatValueKind::YesNo },
    { "Дата: Число", CheatAction::Value, Field::Day, CheatValueKind::Number },
    { "Дата: Месяц", CheatAction::Value, Field::Month, CheatValueKind::Number },
    { "Дата: Год", CheatAction::Value, Field::Year, CheatValueKind::Number },
    { "Отношения с девушками (показать)", CheatAction::GirlFlagsBox, Field::PlayerName, CheatValueKind::Text },
    { "Вызвать гопника", CheatAction::Thug, Field::PlayerName, CheatValueKind::Text },
    { "Играть Half-Life2", CheatAction::Shooter, Field::PlayerName, CheatValueKind::Text },
} };

QString CheatValueProblem(const CheatEntry& entry, const QString& typed, const GameValues& now)
{
    if (entry.action != CheatAction::Value)
        return {};
    const QString name = QString::fromUtf8(entry.name);
    switch (entry.kind) {
    case CheatValueKind::Number: {
        // Decimal digits with an optional minus, as the game writes its numbers: no spaces, no plus sign.
        static const QRegularExpression digits(QStringLiteral("^-?[0-9]{1,18}$"));
        if (digits.match(typed).hasMatch()) {
            const qlonglong value = typed.toLongLong();
            // The calendar keeps to its own ranges, so that a game saved afterwards can be loaded again.
            if (value >= -ValueLimit && value <= ValueLimit) {
                const QString expected = SavedValueProblem(entry.field, typed);
                if (expected.isEmpty()) {
                    GameValues after = now;
                    after.restore(entry.field, typed);
                    const QString calendar = CalendarProblem(after);
                    if (calendar.isEmpty())
                        return {};
                    return QStringLiteral("«%1» сюда не подходит для «%2»: %3. Ничего не изменено.")
                        .arg(typed, name, calendar);
                }
                return QStringLiteral("«%1» сюда не подходит: для «%2» нужен %3. Ничего не изменено.")
                    .arg(typed, name, expected);
            }
        }
        return QStringLiteral("«%1» сюда не подходит: для «%2» нужно целое число от -999999999 до 999999999. "
                              "Ничего не изменено.")
            .arg(typed, name);
    }
    case CheatValueKind::YesNo:
        if (typed == TextYes || typed == TextNo)
            return {};
        return QStringLiteral("«%1» сюда не подходит: для «%2» пишут «Да» или «Нет». Ничего не изменено.")
            .arg(typed, name);
    case CheatValueKind::Text:
        break;
    }
    return {};
}

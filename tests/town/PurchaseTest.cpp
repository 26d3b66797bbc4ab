#include "town/Purchase.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

namespace {
struct PurchaseCase {
    const char* what;
    const char* money;
    const char* target;
    int price;
    int gain;
    bool bought;
    const char* moneyAfter;
    const char* targetAfter;
};

GameValues Copies(const char* money, const char* satiety)
{
    GameValues copies;
    copies.restore(Field::Money, QString::fromUtf8(money));
    copies.restore(Field::Satiety, QString::fromUtf8(satiety));
    return copies;
}
}

TEST(Purchase, MoneyTestGainAndCapAtTheirBoundaries)
{
    const PurchaseCase cases[] = {
        { "money equal to the price", "3", "50", 3, 5, true, "0", "55" },
        { "one rouble short", "2", "50", 3, 5, false, "2", "50" },
        { "tea at 1 rouble", "1", "0", 1, 2, true, "0", "2" },
        { "tea at 0 roubles", "0", "0", 1, 2, false, "0", "0" },
        { "95 plus 5 reaches the cap", "10", "95", 3, 5, true, "7", "100" },
        { "98 plus 5 is cut to 100", "10", "98", 3, 5, true, "7", "100" },
        { "just below the cap", "10", "94", 3, 5, true, "7", "99" },
        { "already 100: money spent, target stays", "10", "100", 3, 5, true, "7", "100" },
        { "above 100 is cut by the next purchase", "10", "140", 3, 5, true, "7", "100" },
        { "at the limit is cut by the next purchase", "10", "999999999", 3, 5, true, "7", "100" },
        { "negative target rises", "10", "-20", 3, 5, true, "7", "-15" },
        { "negative money buys nothing", "-5", "10", 1, 2, false, "-5", "10" },
        { "leading zeros are written back plainly", "007", "05", 3, 5, true, "4", "10" },
    };
    for (const PurchaseCase& c : cases) {
        SCOPED_TRACE(c.what);
        GameValues copies = Copies(c.money, c.target);
        EXPECT_EQ(Purchase(copies, Field::Satiety, c.price, c.gain), c.bought);
        EXPECT_EQ(copies.text(Field::Money), QString::fromUtf8(c.moneyAfter));
        EXPECT_EQ(copies.text(Field::Satiety), QString::fromUtf8(c.targetAfter));
    }
}

TEST(Purchase, NonNumericValueThrowsBeforeAnythingChanges)
{
    const std::pair<const char*, const char*> cases[] = { { "много", "50" }, { "10", "сыт" }, { "10", "" } };
    for (auto [money, satiety] : cases) {
        GameValues copies = Copies(money, satiety);
        EXPECT_THROW(Purchase(copies, Field::Satiety, 3, 5), EConvertError) << money << " " << satiety;
        EXPECT_EQ(copies, Copies(money, satiety));
    }
    // Without the money for it the target is never read, so the player hears about the money.
    GameValues poor = Copies("0", "сыт");
    EXPECT_FALSE(Purchase(poor, Field::Satiety, 3, 5));
    try {
        GameValues copies = Copies("10", "сыт");
        Purchase(copies, Field::Satiety, 3, 5);
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.message(), "'сыт' is not a valid integer value");
    }
}

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
        { "negative target rises", "10", "-20", 3, 5, true, "7", "-15" },
        { "negative money buys nothing", "-5", "10", 1, 2, false, "-5", "10" },
        { "leading zeros are written back plainly", "007", "05", 3, 5, true, "4", "10" },
    };
    for (const PurchaseCase& c : cases) {
        SCOPED_TRACE(c.what);
        PurchaseOutcome outcome = Purchase(QString::fromUtf8(c.money), QString::fromUtf8(c.target), c.price, c.gain);
        EXPECT_EQ(outcome.bought, c.bought);
        EXPECT_EQ(outcome.money, QString::fromUtf8(c.moneyAfter));
        EXPECT_EQ(outcome.target, QString::fromUtf8(c.targetAfter));
    }
}

TEST(Purchase, NonNumericValueThrowsBeforeAnythingIsDecided)
{
    EXPECT_THROW(Purchase("много", "50", 3, 5), EConvertError);
    EXPECT_THROW(Purchase("10", "сыт", 3, 5), EConvertError);
    EXPECT_THROW(Purchase("10", "", 3, 5), EConvertError);
    // Without the money for it the target is never read, so the player hears about the money.
    EXPECT_FALSE(Purchase("0", "сыт", 3, 5).bought);
    try {
        Purchase("10", "сыт", 3, 5);
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.message(), "'сыт' is not a valid integer value");
    }
}

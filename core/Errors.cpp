#include "core/Errors.h"

#include <limits>

namespace {
// Reads a whole number once: optional sign, digits only, within the range of int.
bool ReadInteger(const QString& text, int& value)
{
    if (text.isEmpty() || text.size() > 12)
        return false;
    const bool negative = text[0] == QLatin1Char('-');
    const int start = (negative || text[0] == QLatin1Char('+')) ? 1 : 0;
    if (start == text.size())
        return false;
    // At most twelve characters, so the digits fit a 64-bit sum before the range is checked. Read by hand: the clock
    // reads its five numbers several times a tick, and the library's locale-aware parse was most of a tick's work.
    qint64 sum = 0;
    for (int i = start; i < text.size(); ++i) {
        const char16_t digit = text[i].unicode();
        if (digit < u'0' || digit > u'9')
            return false;
        sum = sum * 10 + (digit - u'0');
    }
    if (negative)
        sum = -sum;
    if (sum < std::numeric_limits<int>::min() || sum > std::numeric_limits<int>::max())
        return false;
    value = int(sum);
    return true;
}
}

bool IsInteger(const QString& text)
{
    int value = 0;
    return ReadInteger(text, value);
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!ReadInteger(text, value))
        throw EConvertError::notAnInteger(text);
    return value;
}

#include "core/Errors.h"

namespace {
// Reads a whole number once: optional sign, digits only, within the range of int.
bool ReadInteger(const QString& text, int& value)
{
    if (text.isEmpty() || text.size() > 12)
        return false;
    int start = (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) ? 1 : 0;
    if (start == text.size())
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok;
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

#include "core/Errors.h"

bool IsInteger(const QString& text)
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
    text.toInt(&ok, 10);
    return ok;
}

int StrToInt(const QString& text)
{
    if (!IsInteger(text))
        throw EConvertError::notAnInteger(text);
    return text.toInt(nullptr, 10);
}

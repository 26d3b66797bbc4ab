#include "street/SmsReplies.h"

#include "core/Random.h"

namespace {
const QString Separators = QStringLiteral(" !\"&',./:;?");
const QString BlockEnd = QStringLiteral("-");

bool IsWordOf(const QString& key, const QStringList& words)
{
    // The message always ends with an empty word, so an empty key is always there.
    if (key.isEmpty())
        return true;
    const QString wanted = UpperCase1251(key);
    for (const QString& word : words) {
        if (word.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
}

int SmsCharactersLeft(const QStringList& shownLines)
{
    int used = 0;
    for (int i = 0; i < 3 && i < shownLines.size(); ++i)
        used += int(shownLines[i].size());
    return SmsLength - used;
}

QString SmsMessage(const QStringList& shownLines)
{
    QString message;
    for (int i = 0; i < 3 && i < shownLines.size(); ++i)
        message += shownLines[i];
    return message + QLatin1Char('.');
}

QString UpperCase1251(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper) {
        const char16_t code = c.unicode();
        if (code >= u'а' && code <= u'я')
            c = QChar(char16_t(code - (u'а' - u'А')));
        else if (code == u'ё')
            c = QChar(u'Ё');
    }
    return upper;
}

QStringList SmsWords(const QString& message)
{
    QStringList words { QString() };
    for (const QChar c : message) {
        if (Separators.contains(c)) {
            if (words.size() == SmsMaxWords)
                break;
            words.append(QString());
        } else {
            words.last().append(c);
        }
    }
    for (QString& word : words)
        word = UpperCase1251(word);
    return words;
}

std::optional<QStringList> FindSmsReplies(const QStringList& fileLines, const QStringList& words)
{
    for (int i = 0; i < fileLines.size(); ++i) {
        const QString& line = fileLines[i];
        if (!line.startsWith(QLatin1Char('\''))) // replies, "-" lines and free text
            continue;
        const QStringList keys = line.mid(1).split(QLatin1Char('\'')).mid(0, SmsMaxWords);
        bool matches = true;
        for (const QString& key : keys)
            matches = matches && IsWordOf(key, words);
        if (!matches)
            continue;
        // The block: a header line, then one reply a line, up to "-" (or the end of the file).
        QStringList replies;
        int at = i + 1;
        if (at < fileLines.size() && fileLines[at] != BlockEnd) {
            for (++at; at < fileLines.size() && fileLines[at] != BlockEnd; ++at)
                replies.append(fileLines[at]);
        }
        return replies;
    }
    return std::nullopt;
}

std::optional<QString> PickSmsReply(const QStringList& replies)
{
    if (replies.isEmpty())
        return std::nullopt;
    if (replies.size() == 1)
        return replies.first();
    return replies[Random(int(replies.size()) - 1)];
}

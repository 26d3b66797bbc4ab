#include "street/SmsReplies.h"

#include "core/Random.h"

#include <algorithm>

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
        if (IsSmsSeparator(c)) {
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

bool IsSmsSeparator(QChar c) { return Separators.contains(c); }

SmsReplyFile SmsReplyFile::Parse(const QStringList& fileLines)
{
    SmsReplyFile file;
    file.lines = fileLines;
    const int count = int(fileLines.size());
    // The next "-" at or after each line, so that finding a block's end does not scan the rest of the file again.
    std::vector<int> nextEnd(std::size_t(count) + 1, count);
    for (int i = count - 1; i >= 0; --i)
        nextEnd[std::size_t(i)] = fileLines[i] == BlockEnd ? i : nextEnd[std::size_t(i) + 1];
    for (int i = 0; i < count; ++i) {
        const QString& line = fileLines[i];
        if (!line.startsWith(QLatin1Char('\''))) // replies, "-" lines and free text
            continue;
        SmsReplyBlock block;
        block.line = i + 1;
        block.keys = line.mid(1).split(QLatin1Char('\''));
        // A header line, then one reply a line, up to "-" (or the end of the file).
        int at = i + 1;
        block.hasHeader = at < count && fileLines[at] != BlockEnd;
        if (block.hasHeader) {
            at = nextEnd[std::size_t(at)];
            block.replyCount = at - (i + 2);
        }
        if (at < count)
            block.endLine = at + 1;
        file.blocks.push_back(std::move(block));
    }
    return file;
}

std::optional<QStringList> SmsReplyFile::find(const QStringList& words) const
{
    for (const SmsReplyBlock& block : blocks) {
        const QStringList keys = block.keys.mid(0, SmsMaxWords);
        if (std::all_of(keys.begin(), keys.end(), [&words](const QString& key) { return IsWordOf(key, words); }))
            return replies(block);
    }
    return std::nullopt;
}

std::optional<QStringList> FindSmsReplies(const QStringList& fileLines, const QStringList& words)
{
    return SmsReplyFile::Parse(fileLines).find(words);
}

std::optional<QString> PickSmsReply(const QStringList& replies)
{
    if (replies.isEmpty())
        return std::nullopt;
    if (replies.size() == 1)
        return replies.first();
    return replies[Random(int(replies.size()) - 1)];
}

// SMS rules: the characters a message may still take, its words, and the classmates' automatic replies chosen by
// keywords from the reply file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A message takes at most 70 characters over the first three lines the box shows.
constexpr int SmsLength = 70;
// At most this many words of a message and keys of a key line are looked at; the rest are ignored.
constexpr int SmsMaxWords = 30;

// 70 minus the characters of the first three shown lines (line breaks not counted, later lines ignored).
int SmsCharactersLeft(const QStringList& shownLines);
// The message as it is sent: the first three shown lines run together, with a full stop after them.
QString SmsMessage(const QStringList& shownLines);

// Upper case as the Windows-1251 code page knows it: а..я become А..Я and ё becomes Ё; nothing else changes.
QString UpperCase1251(const QString& text);
// Whether a character ends one word of a message and begins the next.
bool IsSmsSeparator(QChar c);
// The words of a message, upper-cased: a new word begins at each of the eleven separators
// (blank ! " & ' , . / : ; ?), so two separators in a row make an empty word between them. At most 30 words.
QStringList SmsWords(const QString& message);

// One block of the reply file: a key line "'KEY1'KEY2" (any line beginning with an apostrophe, wherever it stands),
// a header line, then one reply a line up to a line "-" or the end of the file. Line numbers count from 1.
struct SmsReplyBlock {
    int line = 0; // the key line
    QStringList keys; // as written; only the first SmsMaxWords are looked at
    bool hasHeader = false; // a line other than "-" follows the key line
    int replyCount = 0; // the lines after the header, from line + 2 on
    int endLine = 0; // the "-" that ends the replies; 0 when the file ends first
};

// The reply file as the phone reads it.
class SmsReplyFile {
public:
    static SmsReplyFile Parse(const QStringList& fileLines);

    std::vector<SmsReplyBlock> blocks; // in file order
    QStringList lines; // the replies are read from here, so that blocks overlapping each other cost no copies

    QStringList replies(const SmsReplyBlock& block) const { return lines.mid(block.line + 1, block.replyCount); }
    // The replies of the first block whose keys are all words of the message. No block matching gives nothing; a
    // matching block without replies gives an empty list.
    std::optional<QStringList> find(const QStringList& words) const;
};

// The same, straight from the file's lines.
std::optional<QStringList> FindSmsReplies(const QStringList& fileLines, const QStringList& words);

// The reply sent back: one of the replies, never the last of two or more (it is the spare); none from an empty
// block. Draws from Random only when there is a choice.
std::optional<QString> PickSmsReply(const QStringList& replies);

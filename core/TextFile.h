// The game's text files: Windows-1251, one item per line, CR LF when the game writes them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files larger than this are refused by ReadLines1251 rather than read into memory.
constexpr qint64 MaxTextFileSize = 4 * 1024 * 1024;

// The longest line a text window lays out (an ending, a girl's info, a job description, a talk): ten times the
// longest paragraph the game ships, and short enough that word wrapping it stays instant.
constexpr int MaxShownLineLength = 4000;

// No limit on the length of a line: for the player's own saved games, which no window lays out whole.
constexpr int AnyLineLength = -1;

// Reads a Windows-1251 text file into lines (CR LF, LF or CR end a line; a last line without an end counts).
// Throws EInOutError naming the file when it is missing, not a regular file, too large or unreadable, and naming the
// file and the line when a line is longer than maxLineLength: the game's texts go into windows, so by default a line
// too long for a window refuses the file before any window tries to lay it out.
QStringList ReadLines1251(const QString& path, int maxLineLength = MaxShownLineLength);
// What the player is told about such a line: "строка 3 длиннее 4000 знаков (4001)".
QString LineTooLong(qsizetype line, int maxLineLength, qsizetype length);

// Decodes/encodes Windows-1251. CanEncode1251 is false for text the code page cannot hold (an emoji, say).
QString Decode1251(const QByteArray& bytes);
QByteArray Encode1251(const QString& text);
bool CanEncode1251(const QString& text);

// Writes the lines as Windows-1251, each followed by CR LF, replacing the file only when all of it was written:
// a failure leaves any previous file of that name as it was. Throws EInOutError naming the file and the reason.
void WriteLines1251(const QString& path, const QStringList& lines);

// Writes the bytes the same crash-safe way: the file is replaced only when all of it was written. A link, a folder or
// a device in the file's place is refused (EInOutError), never written through.
void WriteFileSafely(const QString& path, const QByteArray& bytes);

// The hidden temporary files of that writer are named ".name" + this mark + a number; one left by a writer that was
// killed can be removed whenever no writer runs.
constexpr const char* SafeWriteMark = ".trambul-tmp-";
bool IsSafeWriteTemporary(const QString& fileName);

// Splits text into lines the way ReadLines1251 does.
QStringList SplitLines(const QString& text);

// Makes sure the text codec exists (Qt built with ICU); false means the game cannot read its content.
bool Windows1251Available();

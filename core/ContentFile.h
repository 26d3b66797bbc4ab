// Reading the game's content files whole: only a regular file is read, and never more bytes than its limit.
#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole regular file of at most maxBytes. A folder, a FIFO, a device or a link to one is refused at once with
// "это не файл": its kind is checked before it is opened and again on the opened file (opened without waiting, so a
// FIFO swapped in between cannot block the game). The read stops at the bytes actually read, one past maxBytes at
// most, whatever size the file reports. Throws EInOutError naming the file when it is missing, not a regular file,
// larger than maxBytes (with tooLargeReason) or unreadable.
QByteArray ReadContentFile(const QString& path, qint64 maxBytes, const QString& tooLargeReason);

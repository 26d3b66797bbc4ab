#include "core/TextFile.h"

#include "core/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
const char* const CodePage = "windows-1251";
}

bool Windows1251Available() { return QStringDecoder(CodePage).isValid() && QStringEncoder(CodePage).isValid(); }

QString Decode1251(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

QByteArray Encode1251(const QString& text)
{
    QStringEncoder encoder(CodePage);
    return encoder.encode(text);
}

namespace {
// The characters the code page holds, found once by decoding each of its 256 bytes: checking a text is then one look
// per character, however long the text (a new encoder for every character made saving a long name freeze).
const QSet<char16_t>& Characters1251()
{
    static const QSet<char16_t> characters = [] {
        QSet<char16_t> set;
        QStringEncoder encoder(CodePage);
        for (int byte = 0; byte < 256; ++byte) {
            const QString decoded = Decode1251(QByteArray(1, char(byte)));
            // A byte the code page leaves unused decodes to a replacement; only characters that encode back count.
            if (decoded.size() == 1 && encoder.encode(decoded) == QByteArray(1, char(byte)) && !encoder.hasError())
                set.insert(decoded[0].unicode());
        }
        return set;
    }();
    return characters;
}
}

bool CanEncode1251(const QString& text)
{
    const QSet<char16_t>& characters = Characters1251();
    for (QChar c : text) {
        if (!characters.contains(c.unicode()))
            return false;
    }
    return true;
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList ReadLines1251(const QString& path)
{
    QFileInfo info(path);
    if (!info.exists())
        throw EInOutError::forFile(path, QStringLiteral("файл не найден"));
    if (!info.isFile())
        throw EInOutError::forFile(path, QStringLiteral("это не файл"));
    if (info.size() > MaxTextFileSize)
        throw EInOutError::forFile(path, QStringLiteral("файл слишком большой"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError::forFile(path, file.errorString());
    // Read as it comes rather than into a buffer of the largest size allowed: most files are a few lines long.
    QByteArray bytes;
    bytes.reserve(qsizetype(info.size()) + 1);
    while (bytes.size() <= MaxTextFileSize) {
        const QByteArray chunk = file.read(64 * 1024);
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        throw EInOutError::forFile(path, file.errorString());
    if (bytes.size() > MaxTextFileSize)
        throw EInOutError::forFile(path, QStringLiteral("файл слишком большой"));
    return SplitLines(Decode1251(bytes));
}

void WriteLines1251(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += Encode1251(line);
        bytes += "\r\n";
    }
    WriteFileSafely(path, bytes);
}

void WriteFileSafely(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError::forFile(path, file.errorString());
    // QSaveFile::commit() alone may report success for a file cut short (a full disk), so every write and the
    // flush are checked, and anything short cancels the save before the old file could be replaced.
    qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        throw EInOutError::forFile(path, reason.isEmpty() ? QStringLiteral("не удалось записать файл") : reason);
    }
    if (!file.commit())
        throw EInOutError::forFile(path, file.errorString());
}

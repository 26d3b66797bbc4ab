#include "core/TextFile.h"

#include "core/ContentFile.h"
#include "core/Errors.h"

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

namespace {
QStringList ReadLines(const QString& path, int maxLineLength, QString (*decode)(const QByteArray&))
{
    const QStringList lines
        = SplitLines(decode(ReadContentFile(path, MaxTextFileSize, QStringLiteral("файл слишком большой"))));
    if (maxLineLength >= 0) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].size() > maxLineLength)
                throw EInOutError::forFile(path, LineTooLong(i + 1, maxLineLength, lines[i].size()));
        }
    }
    return lines;
}
}

QStringList ReadLines1251(const QString& path, int maxLineLength)
{
    return ReadLines(path, maxLineLength, &Decode1251);
}

QStringList ReadLinesUtf8Or1251(const QString& path, int maxLineLength)
{
    return ReadLines(path, maxLineLength, &DecodeUtf8Or1251);
}

QString DecodeUtf8Or1251(const QByteArray& bytes)
{
    // The decoder drops a byte-order mark at the start.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Decode1251(bytes) : text;
}

QString LineTooLong(qsizetype line, int maxLineLength, qsizetype length)
{
    return QStringLiteral("строка %1 длиннее %2 знаков (%3)").arg(line).arg(maxLineLength).arg(length);
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

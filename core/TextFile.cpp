#include "core/TextFile.h"

#include "core/ContentFile.h"
#include "core/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

QStringList ReadLines1251(const QString& path, int maxLineLength)
{
    const QStringList lines
        = SplitLines(Decode1251(ReadContentFile(path, MaxTextFileSize, QStringLiteral("файл слишком большой"))));
    if (maxLineLength >= 0) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].size() > maxLineLength)
                throw EInOutError::forFile(path, LineTooLong(i + 1, maxLineLength, lines[i].size()));
        }
    }
    return lines;
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

namespace {
// The system's reason for a failed call, in the player's words where there is a common one.
QString SystemReason(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске нет места");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на запись в эту папку");
    case EROFS:
        return QStringLiteral("папка только для чтения");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("нет такой папки");
    default:
        return QString::fromLocal8Bit(std::strerror(code));
    }
}

// What stands in the file's place, when it is something the game must not replace or write through.
QString RefusedTarget(const QByteArray& name)
{
    struct stat status { };
    if (::lstat(name.constData(), &status) != 0)
        return {};
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("на этом месте ссылка на другой файл, а игра не пишет через ссылки");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("это папка, а не файл");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("это не обычный файл");
    return {};
}

// Closes the descriptor and removes the temporary file unless the write got as far as the rename.
struct Temporary {
    QByteArray name;
    int fd = -1;
    bool renamed = false;
    ~Temporary()
    {
        if (fd >= 0)
            ::close(fd);
        if (!renamed && !name.isEmpty())
            ::unlink(name.constData());
    }
};
}

bool IsSafeWriteTemporary(const QString& fileName)
{
    return fileName.startsWith(QLatin1Char('.')) && fileName.contains(QLatin1String(SafeWriteMark));
}

void WriteFileSafely(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    const QByteArray name = QFile::encodeName(target.absoluteFilePath());
    // A link, a folder or a device in the file's place is refused, not followed: a saved game never lands outside
    // its folder, whatever was unpacked into it.
    if (const QString refused = RefusedTarget(name); !refused.isEmpty())
        throw EInOutError::forFile(path, refused);

    // The new contents go into a hidden file of the same folder, which replaces the old file in one rename once it
    // is whole and on the disk: a failure or a kill at any moment leaves the old file or the new one, never a part.
    Temporary temporary;
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray hiddenName
        = QFile::encodeName(QStringLiteral(".%1%2").arg(target.fileName(), QLatin1String(SafeWriteMark)));
    for (int attempt = 0; attempt < 100 && temporary.fd < 0; ++attempt) {
        temporary.name = folder + '/' + hiddenName + QByteArray::number(QRandomGenerator::global()->bounded(1000000));
        temporary.fd = ::open(temporary.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (temporary.fd < 0 && errno != EEXIST) {
            const int code = errno;
            temporary.name.clear();
            throw EInOutError::forFile(path, SystemReason(code));
        }
    }
    if (temporary.fd < 0) {
        temporary.name.clear();
        throw EInOutError::forFile(path, SystemReason(EEXIST));
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(temporary.fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            throw EInOutError::forFile(path, SystemReason(wrote < 0 ? errno : ENOSPC));
        done += wrote;
    }
    if (::fsync(temporary.fd) != 0)
        throw EInOutError::forFile(path, SystemReason(errno));
    const int fd = std::exchange(temporary.fd, -1);
    if (::close(fd) != 0)
        throw EInOutError::forFile(path, SystemReason(errno));
    // Checked again just before the rename: whatever was put in the file's place meanwhile, the rename replaces the
    // name itself and never writes into what it pointed to.
    if (const QString refused = RefusedTarget(name); !refused.isEmpty())
        throw EInOutError::forFile(path, refused);
    if (::rename(temporary.name.constData(), name.constData()) != 0)
        throw EInOutError::forFile(path, SystemReason(errno));
    temporary.renamed = true;
    // The folder's entry is made lasting too, so a power cut right after the save keeps the new file.
    if (const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

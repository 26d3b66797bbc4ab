#include "core/ContentFile.h"

#include "core/Errors.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
EInOutError SystemError(const QString& path, int code)
{
    if (code == ENOENT || code == ENOTDIR)
        return EInOutError::forFile(path, QStringLiteral("файл не найден"));
    return EInOutError::forFile(path, QString::fromLocal8Bit(std::strerror(code)));
}

EInOutError NotAFile(const QString& path) { return EInOutError::forFile(path, QStringLiteral("это не файл")); }

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};
}

QByteArray ReadContentFile(const QString& path, qint64 maxBytes, const QString& tooLargeReason)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status { };
    // Looked at before opening, so a device is never even opened.
    if (::stat(name.constData(), &status) != 0)
        throw SystemError(path, errno);
    if (!S_ISREG(status.st_mode))
        throw NotAFile(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw SystemError(path, errno);
    const Descriptor opened { fd };
    if (::fstat(fd, &status) != 0)
        throw SystemError(path, errno);
    if (!S_ISREG(status.st_mode))
        throw NotAFile(path);
    // The reported size only refuses a file early; the read below counts what actually arrives.
    if (status.st_size > maxBytes)
        throw EInOutError::forFile(path, tooLargeReason);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size) + 1);
    char chunk[64 * 1024];
    while (bytes.size() <= maxBytes) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw SystemError(path, errno);
        if (got == 0)
            break;
        bytes.append(chunk, qsizetype(got));
    }
    if (bytes.size() > maxBytes)
        throw EInOutError::forFile(path, tooLargeReason);
    return bytes;
}

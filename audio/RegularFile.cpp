#include "audio/RegularFile.h"

#include "audio/SdlLibrary.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Reads up to `length` bytes, going on after interruptions; the count read, or -1 on an error.
qint64 ReadSome(int fd, char* target, qint64 length)
{
    while (true) {
        const ssize_t got = ::read(fd, target, std::size_t(length));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

struct StreamFile {
    int fd = -1;
    qint64 limit = 0;
    qint64 position = 0;
};

StreamFile& Stream(SDL_RWops* stream) { return *static_cast<StreamFile*>(stream->hidden.unknown.data1); }

Sint64 SDLCALL StreamSize(SDL_RWops* stream)
{
    struct stat info;
    if (::fstat(Stream(stream).fd, &info) != 0)
        return -1;
    return std::min<Sint64>(info.st_size, Stream(stream).limit);
}

Sint64 SDLCALL StreamSeek(SDL_RWops* stream, Sint64 offset, int whence)
{
    StreamFile& file = Stream(stream);
    Sint64 base = 0;
    if (whence == RW_SEEK_CUR)
        base = file.position;
    else if (whence == RW_SEEK_END)
        base = StreamSize(stream);
    else if (whence != RW_SEEK_SET)
        return Sdl().SDL_SetError("Unknown seek origin");
    if (base < 0)
        return -1;
    const Sint64 target = std::clamp<Sint64>(base + offset, 0, file.limit);
    if (::lseek(file.fd, off_t(target), SEEK_SET) < 0)
        return Sdl().SDL_SetError("Cannot seek in the file");
    file.position = target;
    return target;
}

size_t SDLCALL StreamRead(SDL_RWops* stream, void* target, size_t size, size_t count)
{
    StreamFile& file = Stream(stream);
    if (size == 0 || count == 0)
        return 0;
    const qint64 room = std::max<qint64>(file.limit - file.position, 0);
    const qint64 wanted = count > size_t(room) / size ? room : qint64(count * size);
    qint64 done = 0;
    while (done < wanted) {
        const qint64 got = ReadSome(file.fd, static_cast<char*>(target) + done, wanted - done);
        if (got <= 0)
            break;
        done += got;
    }
    file.position += done;
    return size_t(done) / size;
}

size_t SDLCALL StreamWrite(SDL_RWops*, const void*, size_t, size_t)
{
    Sdl().SDL_SetError("The file is open for reading");
    return 0;
}

int SDLCALL StreamClose(SDL_RWops* stream)
{
    if (stream) {
        auto* file = &Stream(stream);
        ::close(file->fd);
        delete file;
        Sdl().SDL_FreeRW(stream);
    }
    return 0;
}
}

bool IsRegularFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    return !name.isEmpty() && ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

int OpenRegularFile(const QString& path)
{
    if (!IsRegularFile(path))
        return -1;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat info;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0
        || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool OpenRegularFile(QFile& file, const QString& path)
{
    file.close();
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

SDL_RWops* OpenRegularStream(const QString& path, qint64 limit)
{
    if (!LoadSdl())
        return nullptr;
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return nullptr;
    SDL_RWops* stream = Sdl().SDL_AllocRW();
    if (!stream) {
        ::close(fd);
        return nullptr;
    }
    stream->type = SDL_RWOPS_UNKNOWN;
    stream->size = &StreamSize;
    stream->seek = &StreamSeek;
    stream->read = &StreamRead;
    stream->write = &StreamWrite;
    stream->close = &StreamClose;
    stream->hidden.unknown.data1 = new StreamFile { fd, std::max<qint64>(limit, 0), 0 };
    return stream;
}

#include "core/binaryfile.h"

#include "core/errors.h"
#include "core/paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zk {

BinaryFile::~BinaryFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void BinaryFile::OpenRead(const QString& gameName)
{
    Close();
    path_ = ResolveDataPath(gameName);
    const QByteArray local = path_.toLocal8Bit();
    fd_ = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        const int err = errno;
        if (err == ENOENT && !ParentFolderExists(path_))
            throw InOutError(InOutError::InvalidFilename);
        throw InOutError(InOutError::CodeFromErrno(err));
    }
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw InOutError(InOutError::AccessDenied);
    }
}

std::int64_t BinaryFile::Size() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw InOutError(InOutError::CodeFromErrno(errno));
    return st.st_size;
}

void BinaryFile::Seek(std::int64_t offset)
{
    if (::lseek(fd_, offset, SEEK_SET) < 0)
        throw InOutError(InOutError::CodeFromErrno(errno));
}

void BinaryFile::Read(void* buffer, std::size_t count)
{
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, out + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw InOutError(InOutError::CodeFromErrno(errno));
        }
        if (n == 0)
            throw InOutError(InOutError::ReadBeyondEnd);
        done += static_cast<std::size_t>(n);
    }
}

void BinaryFile::Close()
{
    if (fd_ < 0)
        return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throw InOutError(InOutError::CodeFromErrno(errno));
}

}  // namespace zk

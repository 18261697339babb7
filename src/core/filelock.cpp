#include "core/filelock.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zk {

FileLock::FileLock(const QString& path, int timeoutMs)
{
    const QByteArray lockPath = (path + QStringLiteral(".lock")).toLocal8Bit();
    fd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        return;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            // A file system without locks: the lock file is no use there.
            ::close(fd_);
            fd_ = -1;
            return;
        }
        if (deadline.hasExpired()) {
            timedOut_ = true;
            return;
        }
        // Another program's change takes a millisecond or so.
        QThread::usleep(500);
    }
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_);  // closing the last descriptor drops the lock
}

}  // namespace zk

#pragma once
#include <QString>

namespace zk {

// An exclusive lock, held for the object's lifetime, on the lock file path + ".lock" beside
// a data file, so that one program's read, change and rewrite of the file is never mixed
// with another's (two games started in the same folder). The system drops the lock of a
// program that ends or crashes, so a lock file left behind never blocks anybody; the file
// itself stays. Where no lock file can be made (a folder nobody may write to) nobody can
// take the lock there, and the caller goes on without it.
class FileLock {
public:
    explicit FileLock(const QString& path, int timeoutMs = kDefaultTimeoutMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when another program held the lock for the whole timeout.
    bool acquired() const { return !timedOut_; }
    bool held() const { return fd_ >= 0 && !timedOut_; }

    static constexpr int kDefaultTimeoutMs = 10000;

private:
    int fd_ = -1;
    bool timedOut_ = false;
};

}  // namespace zk

#pragma once
#include <QString>
#include <cstddef>
#include <cstdint>

namespace zk {

// A data file read and written in whole records, where every step is checked at once
// and a failure raises InOutError with the runtime's code (2 missing file, 3 missing
// folder, 100 reading past the end, ...).
class BinaryFile {
public:
    BinaryFile() = default;
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // Opens an existing file for reading; gameName is resolved like every data path.
    void OpenRead(const QString& gameName);
    std::int64_t Size() const;
    void Seek(std::int64_t offset);
    // Reads exactly count bytes; a short read is "Read beyond end of file".
    void Read(void* buffer, std::size_t count);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    const QString& Path() const { return path_; }

private:
    int fd_ = -1;
    QString path_;
};

}  // namespace zk

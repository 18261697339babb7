#include "core/errors.h"

#include <cerrno>

namespace zk {

QString InOutError::Text(int code)
{
    switch (code) {
    case FileNotFound: return QStringLiteral("File not found");
    case InvalidFilename: return QStringLiteral("Invalid filename");
    case TooManyOpenFiles: return QStringLiteral("Too many open files");
    case AccessDenied: return QStringLiteral("File access denied");
    case ReadBeyondEnd: return QStringLiteral("Read beyond end of file");
    case DiskFull: return QStringLiteral("Disk full");
    case InvalidNumericInput: return QStringLiteral("Invalid numeric input");
    default: return QStringLiteral("I/O error %1").arg(code);
    }
}

int InOutError::CodeFromErrno(int err)
{
    switch (err) {
    case ENOENT: return FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return InvalidFilename;
    case EMFILE:
    case ENFILE: return TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return AccessDenied;
    case ENOSPC:
    case EDQUOT: return DiskFull;
    default: return SystemErrorBase + err;
    }
}

}  // namespace zk

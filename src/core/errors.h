#pragma once
#include <QString>
#include <stdexcept>

namespace zk {

// Every failure the player may see is an exception carrying the game's own text.
class GameError : public std::runtime_error {
public:
    explicit GameError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// A failed step on a binary data file, with the runtime's code table.
class InOutError : public GameError {
public:
    explicit InOutError(int code) : GameError(Text(code)), code_(code) {}
    int code() const { return code_; }
    static QString Text(int code);
    // Maps errno of a failed open/read/write/seek onto the runtime's codes. A system error
    // outside the table becomes SystemErrorBase + errno ("I/O error 1005" for EIO), so it
    // is never read as one of the table's causes.
    static int CodeFromErrno(int err);
    static constexpr int SystemErrorBase = 1000;

    static constexpr int FileNotFound = 2;
    static constexpr int InvalidFilename = 3;
    static constexpr int TooManyOpenFiles = 4;
    static constexpr int AccessDenied = 5;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;
    static constexpr int InvalidNumericInput = 106;
    // Not in the table: the file is held by another program for longer than we wait.
    static constexpr int SharingViolation = 32;

private:
    int code_;
};

// A picture file that cannot be opened or decoded.
class PictureError : public GameError {
public:
    using GameError::GameError;
};

// The sound device or a cue failed.
class MediaError : public GameError {
public:
    using GameError::GameError;
};

// A settings file that could not be written.
class IniWriteError : public GameError {
public:
    using GameError::GameError;
};

}  // namespace zk

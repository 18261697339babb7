#pragma once
#include "core/question.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace zktest {

// A throw-away game folder that becomes the working directory for the test's lifetime,
// so the game finds "Text\", "Graph\", "music\" and "best.dat" in it.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    // Writes bytes to a file below the folder, creating folders as needed.
    void write(const QString& relative, const QByteArray& bytes) const;
    // Copies the shipped pictures (and, if asked, sounds) of the source tree into the folder.
    void copyShippedMedia(bool sounds = false) const;

private:
    QTemporaryDir dir_;
    QString oldCwd_;
};

// A PCM WAV file around little-endian samples (8-bit ones unsigned, as the format has them).
QByteArray PcmWav(int rate, int bits, int channels, const QByteArray& pcm);
// A mono 16-bit 22 050 Hz WAV of silence, for cues that must exist but need not be heard.
QByteArray SilentWav(int milliseconds);

// A question record from UTF-8 texts.
zk::QuestionRecord MakeQuestion(const QString& text, const QStringList& answers, char correct);
QByteArray RecordBytes(const zk::QuestionRecord& record);

// Records every text the error box would show, for the test's lifetime.
class ErrorLog {
public:
    ErrorLog();
    ~ErrorLog();
    QStringList texts;
};

// A clock the random generator re-seeds from, fixed at ms.
void FixClock(std::uint32_t ms);
void RestoreClock();

// Root of the source tree (for the shipped data).
QString SourceDir();

}  // namespace zktest

#pragma once
#include "core/question.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

class QWidget;
class TForm1;
namespace zk {
enum class FormId;
}

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

// The text of the game error `body` throws; empty when it throws none.
QString ErrorText(const std::function<void()>& body);

// Acts on every modal window that comes up, once each, from inside its modal loop, and
// closes it afterwards if the act left it open (a failed check must not hang the test).
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> act, int intervalMs = 10);
    int seen = 0;

private:
    std::function<void(QWidget*)> act_;
    QTimer timer_;
};

// A main window in its own throw-away game folder with the shipped pictures and a settings
// file beside the program; every error box is recorded and every window the main window
// would open is noted, and opened for real only where `opensForReal` says so.
class MainWindowFixture {
public:
    explicit MainWindowFixture(const QByteArray& ini = "[music]\nmaysound=0\n[reklama]\nmayreklama=0\n",
                               std::function<bool(zk::FormId)> opensForReal = {});
    ~MainWindowFixture();
    // Makes the window (after the test has written the files it needs) and shows it.
    TForm1* create(bool show = true);

    GameFolder folder;
    ErrorLog errors;
    QList<zk::FormId> opened;
    std::unique_ptr<TForm1> main;
};

// A clock the random generator re-seeds from, fixed at ms.
void FixClock(std::uint32_t ms);
void RestoreClock();

// Root of the source tree (for the shipped data).
QString SourceDir();

}  // namespace zktest

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
#include <vector>

class QImage;
class QProcess;
class QWidget;

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

// A picture saved in a format Qt writes ("PNG", "JPG"), for picture files of a test.
QByteArray Encoded(const QImage& image, const char* format, int quality = -1);

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

// Answers the application's real error box as a player who reads it: every box stays open
// holdMs before its OK is clicked (its modal loop runs meanwhile, timers and all). Set an
// ErrorLog aside first: while one is alive, no box is shown.
class ErrorBoxReader {
public:
    explicit ErrorBoxReader(int holdMs);
    ~ErrorBoxReader();
    QStringList texts;

private:
    std::unique_ptr<QObject> driver_;
};

// A fast double click at pos inside the widget, sent through its window as the window
// system sends one (press, release, press, release), so Qt makes of it what it makes of a
// real double click. The widget's window must be shown. False (and nothing sent) when
// another control lies over the widget at that point.
bool DoubleClick(QWidget* widget, QPoint pos);

// Copies of the running test program as workers of a stress test, all in one folder:
// started with "--worker" and the worker's arguments, each waits for go() and then works
// at the same moment as the others.
class Workers {
public:
    explicit Workers(QString folder);
    ~Workers();  // kills whatever still runs
    void start(const QStringList& arguments);
    void go() const;
    // Waits up to timeoutMs for all; empty when each ended with exit code 0, otherwise
    // what went wrong (a worker that did not end is killed).
    QString finish(int timeoutMs);

private:
    QString folder_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};
// In a worker: waits (at most 30 s) for the go-ahead in the working folder.
void AwaitGo();

// A test program that is its own worker: main() runs runWorker(arguments after "--worker")
// instead of the tests when started by Workers.
#define ZKTEST_MAIN_WITH_WORKER(TestObject, runWorker)     \
    int main(int argc, char* argv[])                       \
    {                                                      \
        QCoreApplication app(argc, argv);                  \
        if (argc > 1 && qstrcmp(argv[1], "--worker") == 0) \
            return runWorker(app.arguments().mid(2));      \
        TestObject tc;                                     \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return QTest::qExec(&tc, argc, argv);              \
    }

// Drops root's rights for its lifetime (root passes every permission check), so that the
// permissions a test gives its files count. Does nothing for another user.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();

private:
    bool dropped_ = false;
};

// A clock the random generator re-seeds from, fixed at ms.
void FixClock(std::uint32_t ms);
void RestoreClock();

// Root of the source tree (for the shipped data).
QString SourceDir();

}  // namespace zktest

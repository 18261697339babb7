#include "support/testsupport.h"

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/gamestate.h"
#include "core/inifile.h"
#include "core/random.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "platform/errorbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QDataStream>
#include <QTest>
#include <QWidget>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QThread>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

namespace zktest {

QByteArray PcmWav(int rate, int bits, int channels, const QByteArray& pcm)
{
    const auto blockAlign = static_cast<quint16>(channels * bits / 8);
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + pcm.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(rate) << quint32(rate * blockAlign) << blockAlign
        << quint16(bits);
    out.writeRawData("data", 4);
    out << quint32(pcm.size());
    out.writeRawData(pcm.constData(), static_cast<int>(pcm.size()));
    return wav;
}

QByteArray SilentWav(int milliseconds)
{
    return PcmWav(22050, 16, 1, QByteArray(22050 * 2 * milliseconds / 1000, '\0'));
}

GameFolder::GameFolder()
{
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
}

GameFolder::~GameFolder() { QDir::setCurrent(oldCwd_); }

void GameFolder::write(const QString& relative, const QByteArray& bytes) const
{
    const QString full = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(full));
}

static void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

void GameFolder::copyShippedMedia(bool sounds) const
{
    copyTree(SourceDir() + QStringLiteral("/data/Graph"), dir_.filePath(QStringLiteral("Graph")));
    if (sounds)
        copyTree(SourceDir() + QStringLiteral("/data/music"), dir_.filePath(QStringLiteral("music")));
}

QByteArray Encoded(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

zk::QuestionRecord MakeQuestion(const QString& text, const QStringList& answers, char correct)
{
    zk::QuestionRecord r;
    r.Text.Assign(zk::ToCp1251(text));
    for (int i = 0; i < 4 && i < answers.size(); ++i)
        r.Answer(i).Assign(zk::ToCp1251(answers.at(i)));
    r.Correct = correct;
    return r;
}

QByteArray RecordBytes(const zk::QuestionRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

ErrorLog::ErrorLog()
{
    zk::SetErrorRecorder([this](const QString& text) { texts << text; });
}

ErrorLog::~ErrorLog() { zk::SetErrorRecorder({}); }

ErrorBoxReader::ErrorBoxReader(int holdMs)
{
    auto* timer = new QTimer;
    driver_.reset(timer);
    auto box = std::make_shared<QPointer<QMessageBox>>();
    auto shown = std::make_shared<QElapsedTimer>();
    QObject::connect(timer, &QTimer::timeout, [this, box, shown, holdMs] {
        auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!modal)
            return;
        if (*box != modal) {
            *box = modal;
            texts << modal->text();
            shown->start();
        }
        if (shown->elapsed() >= holdMs)
            modal->button(QMessageBox::Ok)->click();
    });
    timer->start(20);
}

ErrorBoxReader::~ErrorBoxReader() = default;

bool DoubleClick(QWidget* widget, QPoint pos)
{
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, pos);
    if (top->childAt(at) != widget)
        return false;
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, at);
    return true;
}

Workers::Workers(QString folder) : folder_(std::move(folder)) {}

Workers::~Workers()
{
    for (auto& p : processes_) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
}

void Workers::start(const QStringList& arguments)
{
    auto p = std::make_unique<QProcess>();
    p->setWorkingDirectory(folder_);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--worker")} + arguments);
    processes_.push_back(std::move(p));
}

void Workers::go() const
{
    QFile f(QDir(folder_).filePath(QStringLiteral("go")));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot give the go-ahead in %s", qPrintable(folder_));
}

QString Workers::finish(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QStringList problems;
    for (auto& p : processes_) {
        const auto left = std::max<qint64>(1, timeoutMs - clock.elapsed());
        if (!p->waitForFinished(static_cast<int>(left))) {
            problems << QStringLiteral("%1 still running").arg(p->arguments().join(QLatin1Char(' ')));
            p->kill();
            p->waitForFinished(5000);
        } else if (p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0) {
            problems
                << QStringLiteral("%1 ended with %2").arg(p->arguments().join(QLatin1Char(' '))).arg(p->exitCode());
        }
    }
    return problems.join(QLatin1String("; "));
}

void AwaitGo()
{
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(QStringLiteral("go")) && clock.elapsed() < 30000)
        QThread::usleep(200);
}

AsOrdinaryUser::AsOrdinaryUser()
{
    // 65534: the system's "nobody" and "nogroup"; the group first, while root may still change it.
    if (geteuid() == 0)
        dropped_ = setegid(65534) == 0 && seteuid(65534) == 0;
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (dropped_ && (seteuid(0) != 0 || setegid(0) != 0))
        qFatal("cannot take root's rights back");
}

void FixClock(std::uint32_t ms)
{
    zk::SetTimeOfDaySource([ms] { return ms; });
}

void RestoreClock() { zk::SetTimeOfDaySource({}); }

QString SourceDir()
{
    const QByteArray env = qgetenv("ZK_SOURCE_DIR");
    return env.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(env);
}

QString ErrorText(const std::function<void()>& body)
{
    try {
        body();
    } catch (const zk::GameError& e) {
        return e.text();
    }
    return {};
}

ModalDriver::ModalDriver(std::function<void(QWidget*)> act, int intervalMs) : act_(std::move(act))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->property("zkDriven").toBool())
            return;
        w->setProperty("zkDriven", true);
        ++seen;
        act_(w);
        if (w->isVisible())
            w->close();
    });
    timer_.start(intervalMs);
}

MainWindowFixture::MainWindowFixture(const QByteArray& ini, std::function<bool(zk::FormId)> opensForReal)
{
    zk::ResetGameState();
    folder.copyShippedMedia();
    zk::SetProgramPath(folder.file(QStringLiteral("zoriklad")));
    folder.write(QStringLiteral("zoriklad.ini"), ini);
    zk::SetOpenModalHook([this, opensForReal](zk::FormId id) {
        opened << id;
        return !(opensForReal && opensForReal(id));
    });
}

MainWindowFixture::~MainWindowFixture()
{
    main.reset();
    zk::SetOpenModalHook({});
    zk::SetProgramPath({});
    RestoreClock();
}

TForm1* MainWindowFixture::create(bool show)
{
    main = std::make_unique<TForm1>();
    if (show) {
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            qWarning("the main window was not exposed");
    }
    return main.get();
}

}  // namespace zktest

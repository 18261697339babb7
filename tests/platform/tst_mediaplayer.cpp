#include "core/errors.h"
#include "platform/mediaplayer.h"
#include "support/testsupport.h"

#include <QtEndian>
#include <QtTest>
#include <csignal>

namespace {

constexpr int kRate = 22050;

// A mono 16-bit WAV of a square wave: every sample is +amplitude or -amplitude, so the
// device's output tells which cue sounded and whether two were ever mixed.
QByteArray SquareWav(int amplitude, int milliseconds)
{
    const int samples = kRate * milliseconds / 1000;
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(static_cast<qint16>((i / 25) % 2 ? -amplitude : amplitude), pcm.data() + 2 * i);
    QByteArray wav;
    const auto u32 = [&wav](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&wav](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    wav += "RIFF";
    u32(36 + pcm.size());
    wav += "WAVEfmt ";
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);  // bytes per second
    u16(2);  // block align
    u16(16);  // bits
    wav += "data";
    u32(pcm.size());
    return wav + pcm;
}

QString PlayError(zk::MediaPlayer& player, const QString& name)
{
    try {
        player.Play(name);
    } catch (const zk::MediaError& e) {
        return e.text();
    }
    return QString();
}

}  // namespace

class TestMediaPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void aNewCueCutsTheOldOneOff();
    void openFailures_data();
    void openFailures();
    void stop_data();
    void stop();
    void signalsStillEndTheProgram();

private:
    std::unique_ptr<zktest::GameFolder> folder_;
    QString output_;
};

void TestMediaPlayer::initTestCase()
{
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->write(QStringLiteral("music/long.wav"), SquareWav(1000, 1500));
    folder_->write(QStringLiteral("music/short.wav"), SquareWav(3000, 400));
    folder_->write(QStringLiteral("music/garbage.wav"), QByteArray("this is no sound file at all, not even close"));
    folder_->write(QStringLiteral("music/empty.wav"), QByteArray());
    // The disk driver writes exactly what the device would play; SDL reads these when the device opens.
    output_ = folder_->file(QStringLiteral("device.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output_));
}

void TestMediaPlayer::cleanup() { qputenv("SDL_AUDIODRIVER", "disk"); }

void TestMediaPlayer::aNewCueCutsTheOldOneOff()
{
    {
        zk::MediaPlayer player;
        player.Play(QStringLiteral("music\\long.wav"));
        QVERIFY(player.isPlaying());
        QTest::qWait(300);
        // Names are matched without regard to case.
        player.Play(QStringLiteral("music\\SHORT.wav"));
        QCOMPARE(player.fileName(), QStringLiteral("music\\SHORT.wav"));
        QCOMPARE(player.deviceOpens(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 3000);
        QTest::qWait(100);
    }  // closing the device finishes the file

    QFile f(output_);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    const qsizetype count = raw.size() / 2;
    qsizetype longSamples = 0, shortSamples = 0, firstShort = -1, longAfterShort = 0, mixed = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const int v = std::abs(int(samples[i]));
        if (v == 1000) {
            ++longSamples;
            if (firstShort >= 0)
                ++longAfterShort;
        } else if (v == 3000) {
            ++shortSamples;
            if (firstShort < 0)
                firstShort = i;
        } else if (v != 0) {
            ++mixed;
        }
    }
    QVERIFY2(longSamples > kRate / 10, qPrintable(QString::number(longSamples)));
    QVERIFY(longSamples < kRate * 3 / 2);  // cut off before its end
    QCOMPARE(shortSamples, qsizetype(kRate * 400 / 1000));  // the second cue whole
    QCOMPARE(longAfterShort, qsizetype(0));  // the first never came back
    QCOMPARE(mixed, qsizetype(0));  // nor sounded together with it
}

void TestMediaPlayer::openFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing file") << "music\\nothere.wav" << QByteArray("disk") << "Couldn't open music/nothere.wav";
    QTest::newRow("missing folder") << "sounds\\bell.wav" << QByteArray("disk") << "Couldn't open sounds/bell.wav";
    QTest::newRow("not a sound") << "music\\garbage.wav" << QByteArray("disk") << "Unrecognized audio format";
    QTest::newRow("empty file") << "music\\empty.wav" << QByteArray("disk")
                                << "Couldn't read first 4 bytes of audio data";
    QTest::newRow("no sound device") << "music\\short.wav" << QByteArray("nosuchdevice")
                                     << "Audio target 'nosuchdevice' not available";
}

void TestMediaPlayer::openFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, driver);
    QFETCH(QString, error);
    qputenv("SDL_AUDIODRIVER", driver);
    zk::MediaPlayer player;
    QCOMPARE(PlayError(player, name), error);
    QVERIFY(!player.isOpen());
    // The player is usable afterwards.
    qputenv("SDL_AUDIODRIVER", "disk");
    QCOMPARE(PlayError(player, QStringLiteral("music\\short.wav")), QString());
    QVERIFY(player.isPlaying());
}

void TestMediaPlayer::stop_data()
{
    QTest::addColumn<QStringList>("played");  // cues played before the stop
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing played") << QStringList() << "No MCI device open";
    QTest::newRow("the last open failed")
        << QStringList{"music\\short.wav", "music\\nothere.wav"} << "No MCI device open";
    QTest::newRow("a cue is open") << QStringList{"music\\long.wav"} << "";
}

void TestMediaPlayer::stop()
{
    QFETCH(QStringList, played);
    QFETCH(QString, error);
    zk::MediaPlayer player;
    for (const QString& name : played)
        PlayError(player, name);
    QString text;
    try {
        player.Stop();
    } catch (const zk::MediaError& e) {
        text = e.text();
    }
    QCOMPARE(text, error);
    QVERIFY(!player.isPlaying());
    if (error.isEmpty()) {
        // Stopping leaves the cue open: a second stop is no error.
        QVERIFY(player.isOpen());
        player.Stop();
    }
}

void TestMediaPlayer::signalsStillEndTheProgram()
{
    // A program's signals start with their default action, which ends it; the test harness
    // has its own handlers, so those are put aside meanwhile.
    const std::array<int, 2> ending{SIGTERM, SIGINT};
    std::array<struct sigaction, 2> harness{};
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    for (std::size_t i = 0; i < ending.size(); ++i)
        QVERIFY(sigaction(ending[i], &plain, &harness[i]) == 0);
    std::array<void (*)(int), 2> after{};
    {
        zk::MediaPlayer player;
        player.Play(QStringLiteral("music\\short.wav"));
        for (std::size_t i = 0; i < ending.size(); ++i) {
            struct sigaction now {};
            sigaction(ending[i], nullptr, &now);
            after[i] = now.sa_handler;
        }
    }
    for (std::size_t i = 0; i < ending.size(); ++i)
        sigaction(ending[i], &harness[i], nullptr);
    // Opening the sound device must not take them over.
    for (std::size_t i = 0; i < ending.size(); ++i)
        QVERIFY2(after[i] == SIG_DFL, qPrintable(QString::number(ending[i])));
}

QTEST_GUILESS_MAIN(TestMediaPlayer)
#include "tst_mediaplayer.moc"

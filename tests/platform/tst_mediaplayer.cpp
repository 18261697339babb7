#include "core/errors.h"
#include "platform/mediaplayer.h"
#include "support/testsupport.h"

#include <QtEndian>
#include <QtTest>
#include <csignal>
#include <dlfcn.h>

using zk::MediaPlayer;

namespace {

constexpr int kRate = MediaPlayer::kRate;

// Samples of a square wave, one value per frame repeated over the channels: +amplitude for
// half a period, then -amplitude. 8-bit samples are unsigned around 128, as WAV has them.
QByteArray Square(int rate, int bits, int channels, int amplitude, int milliseconds, int halfPeriodMs = 20)
{
    QByteArray pcm;
    const int frames = rate * milliseconds / 1000;
    const int half = rate * halfPeriodMs / 1000;
    for (int i = 0; i < frames; ++i) {
        const int v = (i / half) % 2 ? -amplitude : amplitude;
        for (int c = 0; c < channels; ++c) {
            if (bits == 8) {
                pcm.append(static_cast<char>(128 + v));
            } else {
                char le[2];
                qToLittleEndian<qint16>(static_cast<qint16>(v), le);
                pcm.append(le, 2);
            }
        }
    }
    return pcm;
}

QByteArray CueWav(int amplitude, int milliseconds)
{
    return zktest::PcmWav(kRate, 16, 1, Square(kRate, 16, 1, amplitude, milliseconds));
}

QString PlayError(MediaPlayer& player, const QString& name)
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
    void theDeviceWritesTheWavsSamples();
    void aNewCueCutsTheOldOneOff();
    void everyPcmFormatPlays_data();
    void everyPcmFormatPlays();
    void openFailures_data();
    void openFailures();
    void stop_data();
    void stop();
    void theDeviceClosesWhenIdle_data();
    void theDeviceClosesWhenIdle();
    void signalsStillEndTheProgram();

private:
    // Plays the file to its end on the disk driver and returns what the device wrote.
    QVector<qint16> playToDisk(const QString& name, const std::function<void(MediaPlayer&)>& meanwhile = {});

    std::unique_ptr<zktest::GameFolder> folder_;
    QString output_;
};

void TestMediaPlayer::initTestCase()
{
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->write(QStringLiteral("music/long.wav"), CueWav(1000, 1500));
    folder_->write(QStringLiteral("music/short.wav"), CueWav(3000, 400));
    // The disk driver writes exactly what the device would play; SDL reads this when the device opens.
    output_ = folder_->file(QStringLiteral("device.raw"));
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output_));
}

void TestMediaPlayer::cleanup() { qputenv("SDL_AUDIODRIVER", "dummy"); }

QVector<qint16> TestMediaPlayer::playToDisk(const QString& name, const std::function<void(MediaPlayer&)>& meanwhile)
{
    qputenv("SDL_AUDIODRIVER", "disk");
    {
        MediaPlayer player;
        player.Play(name);
        if (meanwhile)
            meanwhile(player);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 5000); }();
    }  // closing the device writes its last buffer and closes the file
    QFile f(output_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray raw = f.readAll();
    QVector<qint16> samples(raw.size() / 2);
    qFromLittleEndian<qint16>(raw.constData(), samples.size(), samples.data());
    return samples;
}

void TestMediaPlayer::theDeviceWritesTheWavsSamples()
{
    // A ramp through every 16-bit value's neighbourhood tells a lost, doubled or reordered sample.
    QByteArray pcm;
    QVector<qint16> ramp;
    for (int i = 0; i < kRate / 4; ++i) {
        ramp.append(static_cast<qint16>(((i * 263) % 65536 - 32768) | 1));  // never silence
        char le[2];
        qToLittleEndian<qint16>(ramp.back(), le);
        pcm.append(le, 2);
    }
    folder_->write(QStringLiteral("music/ramp.wav"), zktest::PcmWav(kRate, 16, 1, pcm));
    const QVector<qint16> out = playToDisk(QStringLiteral("music\\ramp.wav"));
    if (QTest::currentTestFailed())
        return;
    const qsizetype start = std::find_if(out.begin(), out.end(), [](qint16 v) { return v != 0; }) - out.begin();
    QVERIFY(start + ramp.size() <= out.size());
    QCOMPARE(out.mid(start, ramp.size()), ramp);
    QVERIFY(std::all_of(out.begin() + start + ramp.size(), out.end(), [](qint16 v) { return v == 0; }));
}

void TestMediaPlayer::aNewCueCutsTheOldOneOff()
{
    const QVector<qint16> out = playToDisk(QStringLiteral("music\\long.wav"), [&](MediaPlayer& player) {
        QVERIFY(player.isPlaying());
        QTest::qWait(300);
        player.Play(QStringLiteral("music\\SHORT.wav"));  // names are matched without regard to case
        QCOMPARE(player.fileName(), QStringLiteral("music\\SHORT.wav"));
        QCOMPARE(player.deviceOpens(), 1);
    });
    if (QTest::currentTestFailed())
        return;
    qsizetype longSamples = 0, shortSamples = 0, firstShort = -1, longAfterShort = 0, mixed = 0;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const int v = std::abs(int(out[i]));
        if (v == 1000) {
            ++longSamples;
            longAfterShort += firstShort >= 0;
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

void TestMediaPlayer::everyPcmFormatPlays_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    for (int bits : {8, 16})
        for (int channels : {1, 2})
            for (int rate : {8000, 22050, 44100, 48000})
                QTest::addRow("%d-bit %s %d Hz", bits, channels == 1 ? "mono" : "stereo", rate)
                    << bits << channels << rate;
}

void TestMediaPlayer::everyPcmFormatPlays()
{
    QFETCH(int, bits);
    QFETCH(int, channels);
    QFETCH(int, rate);
    // 8-bit amplitude 40 is 40 * 256 in 16 bits.
    const int amplitude = bits == 8 ? 40 : 10240;
    const int expected = 10240;
    constexpr int ms = 200;
    folder_->write(QStringLiteral("music/format.wav"),
                   zktest::PcmWav(rate, bits, channels, Square(rate, bits, channels, amplitude, ms)));
    const QVector<qint16> out = playToDisk(QStringLiteral("music\\format.wav"));
    if (QTest::currentTestFailed())
        return;
    // The cue lasts as long as recorded, at the device's rate, and keeps its loudness: each
    // half period is flat at +-expected once the resampler has settled.
    const auto first = std::find_if(out.begin(), out.end(), [](qint16 v) { return std::abs(v) > 64; });
    const auto last = std::find_if(out.rbegin(), out.rend(), [](qint16 v) { return std::abs(v) > 64; }).base();
    QVERIFY(first < last);
    const qsizetype sounding = last - first;
    QVERIFY2(std::abs(sounding - kRate * ms / 1000) < kRate / 100, qPrintable(QString::number(sounding)));
    qsizetype flat = 0;
    for (auto it = first; it != last; ++it)
        flat += std::abs(std::abs(int(*it)) - expected) <= expected / 50;
    QVERIFY2(flat > sounding * 8 / 10, qPrintable(QStringLiteral("%1 of %2").arg(flat).arg(sounding)));
}

void TestMediaPlayer::openFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");  // of music/bad.wav
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<QString>("error");
    const QByteArray good = CueWav(1000, 100);
    const QString bad = QStringLiteral("music\\bad.wav");
    QTest::newRow("missing file") << "music\\nothere.wav" << QByteArray() << QByteArray("dummy")
                                  << "Couldn't open music/nothere.wav";
    QTest::newRow("missing folder") << "sounds\\bell.wav" << QByteArray() << QByteArray("dummy")
                                    << "Couldn't open sounds/bell.wav";
    QTest::newRow("no sound device") << "music\\short.wav" << QByteArray() << QByteArray("nosuchdevice")
                                     << "Audio target 'nosuchdevice' not available";
    QTest::newRow("not a sound") << bad << QByteArray("this is no sound file at all, not even close")
                                 << QByteArray("dummy")
                                 << "Could not find RIFF or WAVE identifiers (not a Waveform file)";
    QTest::newRow("empty file") << bad << QByteArray() << QByteArray("dummy") << "Could not read RIFF header";
    QTest::newRow("cut in the header") << bad << good.left(30) << QByteArray("dummy")
                                       << "Missing data chunk in WAVE file";
    QByteArray noData = good.left(36);
    noData += "LIST";
    QTest::newRow("no data chunk") << bad << noData << QByteArray("dummy") << "Missing data chunk in WAVE file";
    QByteArray compressed = good;
    compressed[20] = 0x55;  // MPEG layer 3
    QTest::newRow("compressed") << bad << compressed << QByteArray("dummy") << "MPEG formats not supported";
    QByteArray odd = good;
    odd[34] = 12;  // 12 bits a sample
    QTest::newRow("12-bit") << bad << odd << QByteArray("dummy") << "12-bit PCM format not supported";
}

void TestMediaPlayer::openFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, driver);
    QFETCH(QString, error);
    folder_->write(QStringLiteral("music/bad.wav"), contents);
    qputenv("SDL_AUDIODRIVER", driver);
    MediaPlayer player;
    QCOMPARE(PlayError(player, name), error);
    QVERIFY(!player.isOpen());
    // The player is usable afterwards.
    qputenv("SDL_AUDIODRIVER", "dummy");
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
    MediaPlayer player;
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

void TestMediaPlayer::theDeviceClosesWhenIdle_data()
{
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<int>("silentFor");  // ms from the start until the queue is dry
    QTest::newRow("played to its end") << false << 400;
    QTest::newRow("stopped") << true << 0;
}

void TestMediaPlayer::theDeviceClosesWhenIdle()
{
    QFETCH(bool, stopped);
    QFETCH(int, silentFor);
    constexpr int kLinger = 600;
    MediaPlayer player;
    player.setIdleCloseMs(kLinger);
    QElapsedTimer clock;
    clock.start();
    player.Play(QStringLiteral("music\\short.wav"));
    if (stopped)
        player.Stop();
    QTRY_VERIFY_WITH_TIMEOUT(!player.deviceIsOpen(), 5000);
    QVERIFY2(clock.elapsed() >= (silentFor + kLinger) * 9 / 10, qPrintable(QString::number(clock.elapsed())));
    void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (sdl)
        dlclose(sdl);
    QVERIFY2(!sdl, "SDL is unloaded with the device");
    // The cue is still the open one: stopping it is no error, and the next cue opens the device again.
    QVERIFY(player.isOpen());
    QVERIFY(!player.isPlaying());
    player.Stop();
    player.Play(QStringLiteral("music\\short.wav"));
    QVERIFY(player.isPlaying());
    QCOMPARE(player.deviceOpens(), 2);
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
        MediaPlayer player;
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

#include "core/stagescale.h"

#include <QtTest>

// The factor the game gives itself at start-up, for the screens players have.
class TestStageScale : public QObject {
    Q_OBJECT
private slots:
    void factorForScreen_data();
    void factorForScreen();
    void nothingAddedWithoutAScreenOrOverThePlayersChoice();
};

void TestStageScale::factorForScreen_data()
{
    QTest::addColumn<QSize>("available");  // device pixels, panels already taken off
    QTest::addColumn<double>("ratio");  // the desktop's own scaling
    QTest::addColumn<QByteArray>("user");  // QT_SCALE_FACTOR as the player set it
    QTest::addColumn<QByteArray>("setting");

    const QByteArray none;
    // The stage with its menu bar is 800 x 582; the maximised window's frame may take 8 x 40.
    QTest::newRow("800x600 stays as it is") << QSize(800, 600) << 1.0 << none << none;
    QTest::newRow("smaller than the stage") << QSize(640, 480) << 1.0 << none << none;
    QTest::newRow("1024x600 netbook") << QSize(1024, 600) << 1.0 << none << none;
    QTest::newRow("1024x768") << QSize(1024, 768) << 1.0 << none << QByteArray("1.25");
    QTest::newRow("1366x768 by the height") << QSize(1366, 768) << 1.0 << none << QByteArray("1.25");
    QTest::newRow("1280x1024 by the width") << QSize(1280, 1024) << 1.0 << none << QByteArray("1.5");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.0 << none << QByteArray("1.75");
    QTest::newRow("1920x1080 less a 40-pixel panel") << QSize(1920, 1040) << 1.0 << none << QByteArray("1.625");
    QTest::newRow("2560x1440") << QSize(2560, 1440) << 1.0 << none << QByteArray("2.375");
    QTest::newRow("3840x2160") << QSize(3840, 2160) << 1.0 << none << QByteArray("3.625");
    // The desktop doubles everything already: the factor is chosen on 1920 x 1080 logical pixels.
    QTest::newRow("3840x2160 at ratio 2") << QSize(3840, 2160) << 2.0 << none << QByteArray("1.75");
    QTest::newRow("1600x1200 at ratio 2 stays as it is") << QSize(1600, 1200) << 2.0 << none << none;
    QTest::newRow("exactly three stages") << QSize(2408, 1786) << 1.0 << none << QByteArray("3");
    QTest::newRow("player's factor taken as it is") << QSize(1920, 1080) << 1.0 << QByteArray("1.2") << none;
    QTest::newRow("player's factor of 1") << QSize(3840, 2160) << 1.0 << QByteArray("1") << none;
}

void TestStageScale::factorForScreen()
{
    QFETCH(QSize, available);
    QFETCH(double, ratio);
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, setting);
    zk::ScreenProbe screen;
    screen.available = available;
    screen.devicePixelRatio = ratio;
    QCOMPARE(zk::ScaleFactorSetting(user, {}, &screen), setting);

    if (user.isEmpty()) {
        const double factor = zk::StageFactor(screen);
        // The stage and its frame fit the screen at the factor chosen, and never shrink.
        QVERIFY(factor >= 1.0);
        if (factor > 1.0) {
            QVERIFY(zk::kStageWithMenu.width() * factor * ratio + screen.frame.width() <= available.width());
            QVERIFY(zk::kStageWithMenu.height() * factor * ratio + screen.frame.height() <= available.height());
        }
    }
}

void TestStageScale::nothingAddedWithoutAScreenOrOverThePlayersChoice()
{
    zk::ScreenProbe screen;
    screen.available = QSize(1920, 1080);
    QCOMPARE(zk::ScaleFactorSetting({}, {}, nullptr), QByteArray());
    QCOMPARE(zk::ScaleFactorSetting({}, QByteArray("2;1"), &screen), QByteArray());
    QCOMPARE(zk::ScaleFactorSetting({}, {}, &screen), QByteArray("1.75"));
}

QTEST_APPLESS_MAIN(TestStageScale)
#include "tst_stagescale.moc"

#include "game/Unit2.h"
#include "pictures/TImage.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void drawsFrameShadowAndTitle();
    void closesItselfAfterItsTimer();
};

void TestSplash::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Shape2") << "Shape2" << QRect(0, 0, 456, 209);
    QTest::newRow("Shape1") << "Shape1" << QRect(7, 7, 441, 196);
    QTest::newRow("Image1") << "Image1" << QRect(24, 76, 409, 51);
}

void TestSplash::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, rect);
    TForm2 splash;
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash.size(), QSize(456, 209));
    QWidget* w = splash.findChild<QWidget*>(control);
    QVERIFY(w);
    QCOMPARE(w->geometry(), rect);
}

void TestSplash::drawsFrameShadowAndTitle()
{
    TForm2 splash;
    auto* title = splash.findChild<TImage*>(QStringLiteral("Image1"));
    QVERIFY(title);
    QCOMPARE(title->pictureSize(), QSize(409, 51));
    QVERIFY(title->transparent());

    const QImage shot = splash.grab().toImage();
    const QRgb shadow = splash.palette().color(QPalette::Shadow).rgb();
    QCOMPARE(shot.pixel(2, 2), qRgb(0, 255, 0));
    QCOMPARE(shot.pixel(453, 206), qRgb(0, 255, 0));
    QCOMPARE(shot.pixel(10, 10), shadow);
    QCOMPARE(shot.pixel(440, 195), shadow);
    // The title artwork covers part of its box with something other than the shadow.
    int drawn = 0;
    for (int y = 76; y < 127; ++y)
        for (int x = 24; x < 433; ++x)
            drawn += shot.pixel(x, y) != shadow;
    QVERIFY2(drawn > 409 * 51 / 20, qPrintable(QString::number(drawn)));
}

void TestSplash::closesItselfAfterItsTimer()
{
    TForm2 splash;
    QCOMPARE(splash.Timer1->interval(), 2800);
    QVERIFY(splash.Timer1->isActive());
    QElapsedTimer clock;
    clock.start();
    QTimer safety;  // a splash that never closes must not hang the run
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &splash, &QDialog::reject);
    safety.start(8000);
    splash.exec();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(safety.isActive(), "closed by the safety timer, not by its own");
    QVERIFY2(elapsed >= 2750 && elapsed < 4500, qPrintable(QString::number(elapsed)));
    QVERIFY(!splash.isVisible());
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"

#include "pictures/TImage.h"
#include "pictures/decoders.h"
#include "platform/errorbox.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "core/errors.h"
#include "support/testsupport.h"

#include <QDialog>
#include <QImageReader>
#include <QtTest>
#include <cstdio>

#include <jerror.h>

namespace {

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255);

struct Frame {
    QByteArray pixels;  // indices into red, green, blue, white (white is the transparent colour)
    int delayCs = 10;
};

// A GIF written byte by byte. The LZW stream puts a clear code before the code table could
// grow, so every code stays 3 bits wide.
QByteArray Gif(QSize size, const QList<Frame>& frames, bool loopBlock = true)
{
    QByteArray b("GIF89a");
    auto put16 = [&b](int v) { b.append(char(v & 0xff)).append(char(v >> 8)); };
    put16(size.width());
    put16(size.height());
    b.append("\x81\0\0\xff\0\0\0\xff\0\0\0\xff\xff\xff\xff", 15);
    if (loopBlock)
        b.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\0\0\0", 19);
    for (const Frame& f : frames) {
        b.append("\x21\xf9\x04\x01", 4);
        put16(f.delayCs);
        b.append("\x03\0,\0\0\0\0", 7);
        put16(size.width());
        put16(size.height());
        b.append("\0\x02", 2);
        QByteArray codes;
        quint32 acc = 0;
        int bits = 0;
        auto code = [&](int c) {
            for (acc |= quint32(c) << bits, bits += 3; bits >= 8; bits -= 8, acc >>= 8)
                codes.append(char(acc & 0xff));
        };
        for (qsizetype i = 0; i < f.pixels.size(); ++i) {
            if (i % 2 == 0)
                code(4);
            code(f.pixels[i]);
        }
        code(5);
        if (bits)
            codes.append(char(acc));
        for (qsizetype i = 0; i < codes.size(); i += 255)
            b.append(char(qMin<qsizetype>(255, codes.size() - i))).append(codes.mid(i, 255));
        b.append('\0');
    }
    return b.append(';');
}

QByteArray Solid(int index, QSize size = QSize(6, 4)) { return QByteArray(size.width() * size.height(), char(index)); }

// Frames of red, green, blue, red... with the given delays.
QByteArray Animation(const QList<int>& delaysCs, bool loopBlock = true)
{
    QList<Frame> frames;
    for (int i = 0; i < delaysCs.size(); ++i)
        frames << Frame{Solid(i % 3), delaysCs[i]};
    return Gif(QSize(6, 4), frames, loopBlock);
}

QByteArray Jpeg(const QImage& image) { return zktest::Encoded(image, "JPG", 100); }

QByteArray Jpeg(QSize size, QRgb colour = kRed)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return Jpeg(image);
}

bool Near(QRgb a, QRgb b, int tolerance = 8)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
        qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void loadErrorsKeepTheOldPicture_data();
    void loadErrorsKeepTheOldPicture();
    void namesIgnoreCase_data();
    void namesIgnoreCase();
    void gifFrames_data();
    void gifFrames();
    void animationLoopsOnlyWhileShown();
    void jpegColours_data();
    void jpegColours();
    void autoSize_data();
    void autoSize();
    void drawing_data();
    void drawing();
    void designPictures_data();
    void designPictures();
    void designPicturesWaitUntilNeeded_data();
    void designPicturesWaitUntilNeeded();
    void windowsNeverShownDecodeNothing_data();
    void windowsNeverShownDecodeNothing();
    void svgFollowsTheControlSize();
    void clicks_data();
    void clicks();
};

void TestPictures::loadErrorsKeepTheOldPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("gameName");
    QTest::addColumn<QString>("expected");

    const QString unreadable = QStringLiteral("Unable to read image data");
    const QByteArray anim = Animation({10, 10, 10});
    const QByteArray scribbled = anim.left(60) + QByteArray(anim.size() - 61, char(0xff)) + ";";
    const QByteArray jpeg = Jpeg(QSize(16, 8));

    QTest::newRow("missing file") << QString() << QByteArray() << "Graph\\nothere.gif"
                                  << "Cannot open file Graph\\nothere.gif";
    QTest::newRow("missing folder") << QString() << QByteArray() << "Nowhere\\otvet.gif"
                                    << "Cannot open file Nowhere\\otvet.gif";
    QTest::newRow("missing jpeg") << QString() << QByteArray() << "Graph\\Reklama\\Reklama9.jpg"
                                  << "Cannot open file Graph\\Reklama\\Reklama9.jpg";
    QTest::newRow("unknown extension") << "Graph/notes.txt" << QByteArray("text") << "Graph\\notes.txt"
                                       << "Unknown picture file extension (.txt)";
    QTest::newRow("empty gif") << "Graph/bad.gif" << QByteArray() << "Graph\\bad.gif" << unreadable;
    QTest::newRow("not a gif") << "Graph/bad.gif" << QByteArray("GIF? no") << "Graph\\bad.gif" << unreadable;
    QTest::newRow("gif cut in its header") << "Graph/bad.gif" << anim.left(10) << "Graph\\bad.gif" << unreadable;
    // The reader alone would take this for a whole one-frame picture.
    QTest::newRow("gif cut inside the second frame")
        << "Graph/bad.gif" << anim.left(anim.indexOf("\x21\xf9", 50) + 12) << "Graph\\bad.gif" << unreadable;
    QTest::newRow("gif with garbage over its frames") << "Graph/bad.gif" << scribbled << "Graph\\bad.gif" << unreadable;
    QTest::newRow("empty jpeg") << "Graph/bad.jpg" << QByteArray() << "Graph\\bad.jpg"
                                << zk::JpegErrorText(JERR_INPUT_EMPTY);
    QTest::newRow("not a jpeg") << "Graph/bad.jpg" << QByteArray("GIF89a, says it") << "Graph\\bad.jpg"
                                << zk::JpegErrorText(JERR_NO_SOI);
    QTest::newRow("jpeg cut in its header")
        << "Graph/bad.jpeg" << jpeg.left(300) << "Graph\\bad.jpeg" << zk::JpegErrorText(JERR_SOF_NO_SOS);
}

void TestPictures::loadErrorsKeepTheOldPicture()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, gameName);
    QFETCH(QString, expected);

    zktest::GameFolder folder;
    folder.write("Graph/good.gif", Animation({10, 10}));
    if (!file.isEmpty())
        folder.write(file, bytes);
    TImage image;
    image.LoadFromFile("Graph\\good.gif");
    const QImage before = image.currentImage();

    QCOMPARE(zktest::ErrorText([&] { image.LoadFromFile(gameName); }), expected);
    QCOMPARE(image.fileName(), QString("Graph\\good.gif"));
    QCOMPARE(image.currentImage(), before);
    QCOMPARE(image.frameDelays(), (QList<int>{100, 100}));

    // The same failure reaches the player through the handler guard.
    zktest::ErrorLog log;
    QVERIFY(!zk::Guarded([&] { image.LoadFromFile(gameName); }));
    QCOMPARE(log.texts.size(), 1);
    QVERIFY(log.texts.first().startsWith(expected));
}

void TestPictures::namesIgnoreCase_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("gameName");

    QTest::newRow("folder in lower case") << "Graph/OtvetYes.gif"
                                          << "graph\\OtvetYes.gif";
    QTest::newRow("name and extension") << "Graph/OtvetNo.gif"
                                        << "Graph\\otvetno.GIF";
    QTest::newRow("nested jpeg") << "Graph/Reklama/Reklama1.jpg"
                                 << "GRAPH\\reklama\\REKLAMA1.JPG";
    QTest::newRow("forward slash") << "Graph/podsk_zal.gif"
                                   << "Graph/Podsk_Zal.gif";
}

void TestPictures::namesIgnoreCase()
{
    QFETCH(QString, file);
    QFETCH(QString, gameName);

    zktest::GameFolder folder;
    folder.write(file, file.endsWith(".jpg") ? Jpeg(QSize(5, 3)) : Gif(QSize(5, 3), {{Solid(2, QSize(5, 3))}}));
    TImage image;
    image.LoadFromFile(gameName);
    QCOMPARE(image.fileName(), gameName);
    QCOMPARE(image.pictureSize(), QSize(5, 3));
}

void TestPictures::gifFrames_data()
{
    QTest::addColumn<QByteArray>("gif");
    QTest::addColumn<QList<int>>("delays");

    // The animations of the phone-a-friend, 50:50 and winnings windows.
    QTest::newRow("friend") << Animation({150, 20, 25}) << QList<int>{1500, 200, 250};
    QTest::newRow("fifty") << Animation({8, 8, 8, 8, 8}) << QList<int>{80, 80, 80, 80, 80};
    QTest::newRow("winnings") << Animation({10, 10, 15, 10}) << QList<int>{100, 100, 150, 100};
    QTest::newRow("no loop block") << Animation({5, 7}, false) << QList<int>{50, 70};
    QTest::newRow("trailer byte missing") << Animation({5, 7}).chopped(1) << QList<int>{50, 70};
    QTest::newRow("single frame") << Animation({40}) << QList<int>{};
}

void TestPictures::gifFrames()
{
    QFETCH(QByteArray, gif);
    QFETCH(QList<int>, delays);

    zktest::GameFolder folder;
    folder.write("Graph/anim.gif", gif);
    QWidget window;
    auto* image = new TImage(&window);
    image->LoadFromFile("Graph\\anim.gif");
    window.show();
    QCOMPARE(image->isAnimated(), !delays.isEmpty());
    QCOMPARE(image->frameDelays(), delays);
    QCOMPARE(image->isPlaying(), !delays.isEmpty());  // a still picture runs no timer
    QCOMPARE(image->currentImage().pixel(0, 0), kRed);
}

void TestPictures::animationLoopsOnlyWhileShown()
{
    zktest::GameFolder folder;
    folder.write("Graph/rgb.gif", Animation({2, 2, 2}, false));  // one pass asked for
    QWidget window;
    auto* image = new TImage(&window);
    image->LoadFromFile("Graph\\rgb.gif");
    QVERIFY(!image->isPlaying());  // never shown, like the windows made at start-up

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(image->isPlaying());
    QList<QRgb> seen;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000 && seen.size() < 5) {
        const QRgb px = image->currentImage().pixel(0, 0);
        if (seen.isEmpty() || seen.last() != px)
            seen << px;
        QTest::qWait(2);
    }
    const qsizetype blue = seen.indexOf(kBlue);
    QVERIFY2(blue >= 0 && blue + 1 < seen.size(), "the animation did not reach its last frame and go on");
    QCOMPARE(seen[blue + 1], kRed);

    window.hide();
    QVERIFY(!image->isPlaying());
    const QImage frozen = image->currentImage();
    QTest::qWait(100);
    QCOMPARE(image->currentImage(), frozen);
    window.show();
    QVERIFY(image->isPlaying());
}

void TestPictures::jpegColours_data()
{
    QTest::addColumn<QImage>("written");
    QTest::addColumn<QImage::Format>("format");

    QImage colour(16, 16, QImage::Format_RGB32);
    colour.fill(qRgb(0x20, 0x80, 0xe0));
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(qRgb(0x5a, 0x5a, 0x5a));
    QTest::newRow("colour") << colour << QImage::Format_RGB888;
    QTest::newRow("grayscale") << grey << QImage::Format_Grayscale8;
}

void TestPictures::jpegColours()
{
    QFETCH(QImage, written);
    QFETCH(QImage::Format, format);

    zktest::GameFolder folder;
    folder.write("Graph/Reklama/Reklama1.jpg", Jpeg(written));
    TImage image;
    image.LoadFromFile("Graph\\Reklama\\Reklama1.jpg");
    const QImage shown = image.currentImage();
    QCOMPARE(shown.size(), QSize(16, 16));
    QCOMPARE(shown.format(), format);
    QVERIFY2(Near(shown.pixel(8, 8), written.pixel(8, 8), 3), qPrintable(QString::number(shown.pixel(8, 8), 16)));
}

void TestPictures::autoSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<bool>("switchedOnLater");
    QTest::addColumn<QSize>("size");

    const QByteArray gif = Gif(QSize(7, 5), {{Solid(0, QSize(7, 5))}});
    QTest::newRow("gif") << "a.gif" << gif << true << false << QSize(7, 5);
    QTest::newRow("animation") << "a.gif" << Animation({10, 10}) << true << false << QSize(6, 4);
    QTest::newRow("jpeg") << "a.jpg" << Jpeg(QSize(9, 4)) << true << false << QSize(9, 4);
    QTest::newRow("svg") << "a.svg" << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='30' height='12'/>")
                         << true << false << QSize(30, 12);
    QTest::newRow("switched on after loading") << "a.gif" << gif << true << true << QSize(7, 5);
    QTest::newRow("off keeps the control's size") << "a.gif" << gif << false << false << QSize(50, 40);
}

void TestPictures::autoSize()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, autoSize);
    QFETCH(bool, switchedOnLater);
    QFETCH(QSize, size);

    zktest::GameFolder folder;
    folder.write("Graph/" + file, bytes);
    TImage image;
    image.resize(50, 40);
    image.setAutoSize(autoSize && !switchedOnLater);
    image.LoadFromFile("Graph\\" + file);
    if (switchedOnLater)
        image.setAutoSize(true);
    QCOMPARE(image.size(), size);
}

void TestPictures::drawing_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QRgb>>("colours");

    // A 2 x 2 picture, its top-left pixel transparent and the rest red, in a 10 x 10 control
    // whose window colour is blue, drawn over green.
    QTest::newRow("opaque") << false << false << false << QList<QPoint>{{0, 0}, {1, 0}, {1, 1}, {5, 5}}
                            << QList<QRgb>{kBlue, kRed, kRed, kGreen};
    QTest::newRow("transparent") << false << false << true << QList<QPoint>{{0, 0}, {1, 0}, {5, 5}}
                                 << QList<QRgb>{kGreen, kRed, kGreen};
    QTest::newRow("centred") << false << true << false << QList<QPoint>{{4, 4}, {5, 4}, {5, 5}, {0, 0}, {9, 9}}
                             << QList<QRgb>{kBlue, kRed, kRed, kGreen, kGreen};
    QTest::newRow("stretched") << true << false << false << QList<QPoint>{{1, 1}, {8, 1}, {8, 8}, {1, 8}}
                               << QList<QRgb>{kBlue, kRed, kRed, kRed};
    QTest::newRow("stretched transparent")
        << true << false << true << QList<QPoint>{{1, 1}, {8, 8}} << QList<QRgb>{kGreen, kRed};
}

void TestPictures::drawing()
{
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(bool, transparent);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QRgb>, colours);

    zktest::GameFolder folder;
    folder.write("Graph/p.gif", Gif(QSize(2, 2), {{QByteArray("\x03\0\0\0", 4)}}));
    TImage image;
    image.resize(10, 10);
    QPalette palette = image.palette();
    palette.setColor(QPalette::Window, Qt::blue);
    image.setPalette(palette);
    image.setStretch(stretch);
    image.setCenter(center);
    image.setTransparent(transparent);
    image.LoadFromFile("Graph\\p.gif");

    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    image.render(&canvas, QPoint(), QRegion(), QWidget::RenderFlags());
    for (int i = 0; i < points.size(); ++i)
        QVERIFY2(Near(canvas.pixel(points[i]), colours[i]),
                 qPrintable(QStringLiteral("at %1,%2: %3")
                                .arg(points[i].x())
                                .arg(points[i].y())
                                .arg(canvas.pixel(points[i]), 0, 16)));
}

void TestPictures::designPictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("animated");

    const QByteArray png = zktest::Encoded(QImage(4, 3, QImage::Format_ARGB32), "PNG");
    QTest::newRow("png") << "main_arrow.png" << png << QSize(4, 3) << false;
    QTest::newRow("jpeg") << "main_banner.jpg" << Jpeg(QSize(12, 6)) << QSize(12, 6) << false;
    QTest::newRow("animated gif") << "friend.gif" << Animation({150, 20, 25}) << QSize(6, 4) << true;
}

// Design pictures come from the resources; any path that QFile opens takes the same road.
void TestPictures::designPictures()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(bool, animated);

    zktest::GameFolder folder;
    folder.write(file, bytes);
    folder.write("Graph/old.gif", Gif(QSize(1, 1), {{Solid(0, QSize(1, 1))}}));
    TImage image;
    image.LoadFromFile("Graph\\old.gif");
    image.setPicture(folder.file(file));
    QCOMPARE(image.picture(), folder.file(file));
    QCOMPARE(image.fileName(), QString());
    QCOMPARE(image.pictureSize(), size);
    QCOMPARE(image.isAnimated(), animated);

    // A design picture that is not there leaves the control as it was, with a warning.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot open file :/img/missing.png"));
    image.setPicture(":/img/missing.png");
    QCOMPARE(image.picture(), folder.file(file));
    QCOMPARE(image.pictureSize(), size);
}

void TestPictures::designPicturesWaitUntilNeeded_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("need");

    for (const char* need : {"show", "paint", "currentImage"}) {
        for (const char* resource : {":/img/qual_plate.png", ":/img/about_banknotes.jpg", ":/img/friend_juggler.gif",
                                     ":/img/rules_drawing.svg"})
            QTest::addRow("%s, %s", resource + 6, need) << resource << need;
    }
    QTest::newRow("autoSize reads the header only") << ":/img/about_banknotes.jpg"
                                                    << "autoSize";
}

void TestPictures::designPicturesWaitUntilNeeded()
{
    QFETCH(QString, resource);
    QFETCH(QString, need);

    const bool svg = resource.endsWith(QLatin1String(".svg"));
    TImage image;
    image.resize(30, 20);
    image.setAutoSize(need == QLatin1String("autoSize"));
    image.setPicture(resource);
    QVERIFY(!image.isDecoded());
    if (!svg) {  // an SVG has no header: its size is its drawing
        QCOMPARE(image.pictureSize(), QImageReader(resource).size());
        QVERIFY(!image.isDecoded());
    }
    if (need == QLatin1String("autoSize")) {
        QCOMPARE(image.size(), QImageReader(resource).size());
        return;
    }
    QImage canvas(30, 20, QImage::Format_RGB32);
    if (need == QLatin1String("show"))
        image.show();
    else if (need == QLatin1String("paint"))
        image.render(&canvas);
    else
        image.currentImage();
    QVERIFY(image.isDecoded());
    if (svg)
        return;
    // Decoded as it would have been at once: the picture's own pixels.
    const QImage shown = image.currentImage();
    QImage own;
    QFile file(resource);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (resource.endsWith(QLatin1String(".jpg")))
        own = zk::DecodeJpeg(bytes);
    else if (resource.endsWith(QLatin1String(".gif")))
        own = zk::CheckGif(bytes).firstFrame;
    else
        own = QImage::fromData(bytes, "PNG");
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), own.convertToFormat(QImage::Format_ARGB32));
    // The four answer plates share one decoded picture.
    TImage twin;
    twin.setPicture(resource);
    if (!image.isAnimated())
        QCOMPARE(twin.currentImage().constBits(), shown.constBits());
}

void TestPictures::windowsNeverShownDecodeNothing_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("main window") << 1;
    for (int id = int(zk::FormId::Splash); id <= int(zk::FormId::Authors); ++id)
        QTest::addRow("TForm%d", id) << id;
}

// As start-up makes them: only the files of "Graph\" a window loads itself are decoded.
void TestPictures::windowsNeverShownDecodeNothing()
{
    QFETCH(int, form);
    zktest::MainWindowFixture fx;
    fx.folder.copyShippedMedia();
    QWidget* main = fx.create(false);
    std::unique_ptr<QDialog> window(form == 1 ? nullptr : zk::CreateWindowForShot(zk::FormId(form)));
    if (form != 1 && !window)
        QSKIP("the game has no such window");
    for (TImage* image : (window ? window.get() : main)->findChildren<TImage*>()) {
        if (!image->picture().isEmpty())
            QVERIFY2(!image->isDecoded(), qPrintable(image->objectName()));
    }
}

void TestPictures::svgFollowsTheControlSize()
{
    zktest::GameFolder folder;
    folder.write("host.svg",
                 "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 4 2'>"
                 "<rect width='2' height='2' fill='#ff0000'/>"
                 "<rect x='2' width='2' height='2' fill='#0000ff'/></svg>");
    TImage image;
    image.resize(40, 20);
    image.setPicture(folder.file("host.svg"));
    QImage shown = image.currentImage();
    QCOMPARE(shown.size(), QSize(40, 20));
    QVERIFY(Near(shown.pixel(5, 10), kRed));
    QVERIFY(Near(shown.pixel(35, 10), kBlue));

    image.resize(80, 30);
    shown = image.currentImage();
    QCOMPARE(shown.size(), QSize(80, 30));
    QVERIFY(Near(shown.pixel(70, 15), kBlue));
}

void TestPictures::clicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left inside") << Qt::LeftButton << QPoint(10, 10) << 1;
    QTest::newRow("left, released outside") << Qt::LeftButton << QPoint(60, 10) << 0;
    QTest::newRow("right inside") << Qt::RightButton << QPoint(10, 10) << 0;
    // As on a label: only push buttons make a second click of a double click.
    QTest::newRow("left double click") << Qt::LeftButton << QPoint() << 1;
}

void TestPictures::clicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);

    QWidget window;
    window.resize(100, 50);
    auto* image = new TImage(&window);
    image->setGeometry(0, 0, 40, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(image, &TImage::clicked);
    if (releaseAt.isNull()) {
        QVERIFY(zktest::DoubleClick(image, QPoint(5, 5)));
    } else {
        QTest::mousePress(image, button, {}, QPoint(5, 5));
        QTest::mouseRelease(image, button, {}, releaseAt);
    }
    QCOMPARE(spy.count(), clicks);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"

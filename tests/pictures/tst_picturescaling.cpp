#include "pictures/TImage.h"
#include "support/testsupport.h"

#include <QImageReader>
#include <QtTest>

// The picture control on a screen scaled by 1.25 (the factor the game takes on a 1024 x 768
// screen): the @2x variant is kept scaled down to the device pixels it is drawn at.
class TestPictureScaling : public QObject {
    Q_OBJECT
public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "1.25"); }

private slots:
    void keptAtTheDevicePixels_data();
    void keptAtTheDevicePixels();
    void damagedVariantReported_data();
    void damagedVariantReported();
};

namespace {
// A picture k times 10 x 6 whose every pixel differs from its neighbours, so a blurred
// or shifted drawing shows.
QImage Pattern(int k)
{
    QImage image(10 * k, 6 * k, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / image.width(), y * 255 / image.height(), (x * 7 + y * 13) % 256));
    return image;
}

QSize Device(QSizeF logical) { return (logical * 1.25).toSize(); }

// The pixels alone, whatever the format and ratio.
QImage Pixels(const QImage& image)
{
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}
}  // namespace

void TestPictureScaling::keptAtTheDevicePixels_data()
{
    QTest::addColumn<QString>("source");  // "file": Graph\pic.png, "design": the shipped answer plate
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<QSize>("resizeTo");  // a later size of the control (empty: none)

    QTest::newRow("data file") << "file" << false << QSize();
    QTest::newRow("design picture") << "design" << false << QSize();
    QTest::newRow("stretched, then resized") << "file" << true << QSize(33, 17);
    QTest::newRow("stretched design, then resized") << "design" << true << QSize(230, 51);
}

void TestPictureScaling::keptAtTheDevicePixels()
{
    QFETCH(QString, source);
    QFETCH(bool, stretch);
    QFETCH(QSize, resizeTo);

    zktest::GameFolder folder;
    folder.write(QStringLiteral("Graph/pic.png"), zktest::Encoded(Pattern(1), "PNG"));
    folder.write(QStringLiteral("Graph/pic@2x.png"), zktest::Encoded(Pattern(2), "PNG"));
    const QString plate = QStringLiteral(":/img/qual_plate.png");
    const QImage variant = source == QLatin1String("file") ? Pattern(2)
                                                           : QImage(QStringLiteral(":/img/qual_plate@2x.png"));

    TImage image;
    image.setStretch(stretch);
    image.setAutoSize(!stretch);
    image.resize(25, 14);
    if (source == QLatin1String("file"))
        image.LoadFromFile(QStringLiteral("Graph\\pic.png"));
    else
        image.setPicture(plate);
    image.show();
    QVERIFY(QTest::qWaitForWindowExposed(&image));
    const QSize logical = source == QLatin1String("file") ? QSize(10, 6) : QImageReader(plate).size();
    QCOMPARE(image.pictureSize(), logical);
    QCOMPARE(image.variantScale(), 2);
    for (const QSize size : {image.size(), resizeTo}) {
        if (size.isEmpty())
            continue;
        image.resize(size);
        const QSize device = Device(stretch ? size : logical);
        const QImage kept = image.currentImage();
        QCOMPARE(kept.size(), device);
        QCOMPARE(kept.devicePixelRatio(), 1.25);
        // Scaled smoothly from the variant, and drawn as it is.
        const QImage expected = variant.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(Pixels(kept), Pixels(expected));
        QCOMPARE(Pixels(image.grab().toImage()).copy(QRect(QPoint(), device)), Pixels(expected));
    }
    if (source == QLatin1String("design")) {
        // Answer plates of one size share the picture kept.
        TImage twin;
        twin.setStretch(stretch);
        twin.setAutoSize(!stretch);
        twin.resize(image.size());
        twin.setPicture(plate);
        twin.show();
        QCOMPARE(twin.currentImage().constBits(), image.currentImage().constBits());
    }
}

void TestPictureScaling::damagedVariantReported_data()
{
    QTest::addColumn<bool>("design");
    QTest::newRow("data file: the error box") << false;
    QTest::newRow("design picture: a warning") << true;
}

void TestPictureScaling::damagedVariantReported()
{
    QFETCH(bool, design);
    zktest::GameFolder folder;
    zktest::ErrorLog log;
    folder.write(QStringLiteral("Graph/pic.png"), zktest::Encoded(Pattern(1), "PNG"));
    folder.write(QStringLiteral("Graph/pic@2x.png"), zktest::Encoded(Pattern(2), "PNG").left(60));
    TImage image;
    if (design) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TImage : .+")));
        image.setPicture(folder.file(QStringLiteral("Graph/pic.png")));
        image.show();
    } else {
        image.LoadFromFile(QStringLiteral("Graph\\pic.png"));
    }
    QCOMPARE(log.texts.size(), design ? 0 : 1);
    // The picture itself instead, as it is.
    QCOMPARE(image.variantScale(), 1);
    QCOMPARE(Pixels(image.currentImage()), Pattern(1));
}

QTEST_MAIN(TestPictureScaling)
#include "tst_picturescaling.moc"

#include "pictures/TImage.h"
#include "pictures/decoders.h"
#include "support/testsupport.h"

#include <QImageReader>
#include <QtTest>

// The picture control on a screen scaled by 2.5, as a 2560 x 1440 screen is: it takes the
// sharper variant beside a picture, and falls back to the picture itself.
class TestPictureVariants : public QObject {
    Q_OBJECT
public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2.5"); }

private slots:
    void variantNames_data();
    void variantNames();
    void loadsTheVariantThatSuits_data();
    void loadsTheVariantThatSuits();
    void designAnimationKeepsItsDelays();
    void preparedVariantShownAsLoaded();
    void vectorPictureDrawnAtTheScreensPixels();
    void shippedVariantsMatchTheirPictures_data();
    void shippedVariantsMatchTheirPictures();
};

void TestPictureVariants::variantNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QStringList>("names");
    const QString plate = QStringLiteral("Graph\\otvet.gif");
    QTest::newRow("unscaled: the picture only") << plate << 1.0 << QStringList{plate};
    QTest::newRow("1.25: @2x first") << plate << 1.25
                                     << QStringList{"Graph\\otvet@2x.gif", "Graph\\otvet@3x.gif", plate};
    QTest::newRow("2") << plate << 2.0 << QStringList{"Graph\\otvet@2x.gif", "Graph\\otvet@3x.gif", plate};
    QTest::newRow("2.5: @3x, then @2x") << plate << 2.5
                                        << QStringList{"Graph\\otvet@3x.gif", "Graph\\otvet@2x.gif", plate};
    QTest::newRow("3.75: no finer than @3x")
        << plate << 3.75 << QStringList{"Graph\\otvet@3x.gif", "Graph\\otvet@2x.gif", plate};
    QTest::newRow("design picture") << ":/img/main_ladder.png" << 1.875
                                    << QStringList{":/img/main_ladder@2x.png", ":/img/main_ladder@3x.png",
                                                   ":/img/main_ladder.png"};
    QTest::newRow("dot in a folder, none in the name")
        << "Graph.v2\\pic" << 2.0 << QStringList{"Graph.v2\\pic@2x", "Graph.v2\\pic@3x", "Graph.v2\\pic"};
}

void TestPictureVariants::variantNames()
{
    QFETCH(QString, name);
    QFETCH(double, ratio);
    QFETCH(QStringList, names);
    QCOMPARE(TImage::VariantNames(name, ratio), names);
}

namespace {
// A plain picture k times 10 x 6 pixels in one colour, so the test sees which one is shown.
QByteArray Png(int k, QColor colour)
{
    QImage image(10 * k, 6 * k, QImage::Format_RGB32);
    image.fill(colour);
    return zktest::Encoded(image, "PNG");
}
}  // namespace

void TestPictureVariants::loadsTheVariantThatSuits_data()
{
    QTest::addColumn<QStringList>("files");  // written beside Graph/pic.png (red): name=colour or name=damaged
    QTest::addColumn<int>("scale");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("errors");
    QTest::newRow("both variants: @3x") << QStringList{"pic@2x.png=lime", "pic@3x.png=blue"} << 3 << QColor(Qt::blue)
                                        << 0;
    QTest::newRow("no @3x: @2x") << QStringList{"pic@2x.png=lime"} << 2 << QColor(Qt::green) << 0;
    QTest::newRow("no variant: the picture, silently") << QStringList{} << 1 << QColor(Qt::red) << 0;
    QTest::newRow("variant spelt in other case") << QStringList{"PIC@3X.PNG=blue"} << 3 << QColor(Qt::blue) << 0;
    QTest::newRow("damaged @3x: reported, the picture shown")
        << QStringList{"pic@3x.png=damaged", "pic@2x.png=lime"} << 1 << QColor(Qt::red) << 1;
}

void TestPictureVariants::loadsTheVariantThatSuits()
{
    QFETCH(QStringList, files);
    QFETCH(int, scale);
    QFETCH(QColor, colour);
    QFETCH(int, errors);
    zktest::GameFolder folder;
    zktest::ErrorLog log;
    folder.write(QStringLiteral("Graph/pic.png"), Png(1, Qt::red));
    for (const QString& f : files) {
        const QStringList parts = f.split('=');
        const int k = parts[0].contains(QLatin1String("3")) ? 3 : 2;
        folder.write(QStringLiteral("Graph/") + parts[0],
                     parts[1] == QLatin1String("damaged") ? Png(k, Qt::black).left(40) : Png(k, QColor(parts[1])));
    }
    TImage image;
    image.setAutoSize(true);
    QCOMPARE(image.devicePixelRatioF(), 2.5);
    image.LoadFromFile(QStringLiteral("Graph\\pic.png"));
    QCOMPARE(image.variantScale(), scale);
    QCOMPARE(log.texts.size(), errors);
    // Whichever variant is shown, the control keeps the picture's size in logical pixels.
    QCOMPARE(image.pictureSize(), QSize(10, 6));
    QCOMPARE(image.size(), QSize(10, 6));
    QCOMPARE(image.currentImage().pixelColor(1, 1), colour);
    QCOMPARE(image.fileName(), QStringLiteral("Graph\\pic.png"));
}

void TestPictureVariants::designAnimationKeepsItsDelays()
{
    TImage image;
    image.setPicture(QStringLiteral(":/img/fifty_coffee.gif"));
    // A design picture takes its variant once the control is shown.
    QCOMPARE(image.variantScale(), 1);
    image.show();
    QCOMPARE(image.variantScale(), 3);
    QCOMPARE(image.frameDelays(), QList<int>(5, 80));
    QCOMPARE(image.pictureSize(), QImageReader(QStringLiteral(":/img/fifty_coffee.gif")).size());
}

void TestPictureVariants::preparedVariantShownAsLoaded()
{
    TImage prepared;
    prepared.setPicture(QStringLiteral(":/img/main_ladder.png"));
    prepared.PrepareVariant();
    prepared.show();
    TImage plain;
    plain.setPicture(QStringLiteral(":/img/main_ladder.png"));
    plain.show();
    QCOMPARE(prepared.variantScale(), 3);
    QCOMPARE(prepared.pictureSize(), plain.pictureSize());
    QCOMPARE(prepared.currentImage(), plain.currentImage());
    // A picture loaded over a prepared one wins.
    TImage replaced;
    replaced.setPicture(QStringLiteral(":/img/main_ladder.png"));
    replaced.PrepareVariant();
    replaced.setPicture(QStringLiteral(":/img/main_arrow.png"));
    replaced.show();
    QCOMPARE(replaced.pictureSize(), QImageReader(QStringLiteral(":/img/main_arrow.png")).size());
    // Kept at the screen's pixels, made from the @3x variant.
    QCOMPARE(replaced.currentImage().size(),
             (QSizeF(QImageReader(QStringLiteral(":/img/main_arrow.png")).size()) * 2.5).toSize());
    QCOMPARE(replaced.variantScale(), 3);
}

void TestPictureVariants::vectorPictureDrawnAtTheScreensPixels()
{
    zktest::GameFolder folder;
    folder.write(
        QStringLiteral("halves.svg"),
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10' viewBox='0 0 20 10'>"
        "<rect width='10' height='10' fill='#ff0000'/><rect x='10' width='10' height='10' fill='#0000ff'/></svg>");
    TImage image;
    image.resize(20, 10);
    image.setPicture(folder.file(QStringLiteral("halves.svg")));
    const QImage drawn = image.currentImage();
    QCOMPARE(drawn.size(), QSize(50, 25));
    // The whole picture in the control's box: red on the left half, blue on the right.
    QCOMPARE(drawn.pixelColor(2, 22), QColor(Qt::red));
    QCOMPARE(drawn.pixelColor(47, 22), QColor(Qt::blue));
}

void TestPictureVariants::shippedVariantsMatchTheirPictures_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("scale");
    const QStringList folders{zktest::SourceDir() + "/data/Graph", zktest::SourceDir() + "/data/Graph/Reklama",
                              zktest::SourceDir() + "/src/resources/images"};
    // The generators make a 2x and a 3x copy of every raster picture of the designs and of "Graph\".
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({"*.gif", "*.png", "*.jpg"}, QDir::Files)) {
            if (name.contains('@'))
                continue;
            const int dot = int(name.lastIndexOf('.'));
            for (int k : {2, 3}) {
                const QString variant = name.left(dot) + QStringLiteral("@%1x").arg(k) + name.mid(dot);
                QTest::newRow(qPrintable(variant)) << dir.filePath(name) << dir.filePath(variant) << k;
            }
        }
    }
}

namespace {
struct Decoded {
    QSize size;
    QList<int> delays;
};
Decoded Decode(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (path.endsWith(QLatin1String(".gif"))) {
        const zk::GifInfo gif = zk::CheckGif(bytes);
        return {gif.firstFrame.size(), gif.delays};
    }
    if (path.endsWith(QLatin1String(".jpg")))
        return {zk::DecodeJpeg(bytes).size(), {}};
    return {QImage::fromData(bytes).size(), {}};
}
}  // namespace

void TestPictureVariants::shippedVariantsMatchTheirPictures()
{
    QFETCH(QString, picture);
    QFETCH(QString, variant);
    QFETCH(int, scale);
    QVERIFY2(QFile::exists(variant), qPrintable(variant));
    const Decoded one = Decode(picture);
    const Decoded fine = Decode(variant);
    QVERIFY(!one.size.isEmpty());
    QCOMPARE(fine.size, one.size * scale);
    QCOMPARE(fine.delays, one.delays);
}

QTEST_MAIN(TestPictureVariants)
#include "tst_picturevariants.moc"

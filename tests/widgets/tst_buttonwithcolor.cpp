#include "widgets/ButtonWithColor.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

const QRgb kLime = qRgb(0, 255, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kOlive = qRgb(128, 128, 0);
using B = TBitBtnWithColor;

QColor Sys(QPalette::ColorRole role) { return QGuiApplication::palette().color(role); }

// A dialog with the button under test (black face, lime caption), another button and two text boxes.
struct Scene {
    QDialog window;
    B* button = new B(&window);
    QPushButton* other = new QPushButton(QStringLiteral("other"), &window);
    QLineEdit* edit = new QLineEdit(&window);
    QLineEdit* edit2 = new QLineEdit(&window);

    Scene()
    {
        window.setGeometry(100, 100, 220, 130);
        button->setGeometry(20, 20, 140, 40);
        other->setGeometry(20, 70, 60, 20);
        edit->setGeometry(90, 70, 60, 20);
        edit2->setGeometry(160, 70, 50, 20);
        button->setColor(Qt::black);
        button->setFontColor(QColor(kLime));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(16);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);  // exact colours to look for
        button->setFont(font);
        button->setText(QStringLiteral("Звонить"));
    }
    bool show()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    // look: "up", "pressed", "focused", "focused pressed" or "disabled"
    QImage render(const QString& look)
    {
        (look.startsWith(QLatin1String("focused")) ? static_cast<QWidget*>(button) : edit)->setFocus();
        button->setDown(look.endsWith(QLatin1String("pressed")));
        button->setEnabled(look != QLatin1String("disabled"));
        return button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

QRect InkBox(const QImage& image, QRgb colour, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Square(int size, QRgb colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(0, size - 1, kOlive);
    return image;
}

}  // namespace

class TestButtonWithColor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Distinct system colours, so a bevel drawn in the wrong one shows.
        QPalette pal = QGuiApplication::palette();
        pal.setColor(QPalette::Midlight, QColor(200, 200, 200));
        pal.setColor(QPalette::Light, QColor(240, 240, 240));
        pal.setColor(QPalette::Dark, QColor(120, 120, 120));
        pal.setColor(QPalette::Shadow, QColor(40, 40, 40));
        pal.setColor(QPalette::WindowText, QColor(10, 10, 60));
        QApplication::setPalette(pal);
    }

    void looks_data()
    {
        QTest::addColumn<QString>("look");
        QTest::addColumn<QPoint>("at");  // negative: from the right or bottom edge
        QTest::addColumn<QColor>("expected");
        const QColor black(Qt::black), white(Qt::white);
        QTest::newRow("up: outer light") << "up" << QPoint(0, 0) << Sys(QPalette::Midlight);
        QTest::newRow("up: inner highlight") << "up" << QPoint(1, 1) << Sys(QPalette::Light);
        QTest::newRow("up: outer dark") << "up" << QPoint(-1, -1) << Sys(QPalette::Shadow);
        QTest::newRow("up: inner shadow") << "up" << QPoint(-2, -2) << Sys(QPalette::Dark);
        QTest::newRow("up: face") << "up" << QPoint(2, 2) << black;
        QTest::newRow("pressed: shadow border") << "pressed" << QPoint(0, 0) << Sys(QPalette::Dark);
        QTest::newRow("pressed: face") << "pressed" << QPoint(1, 1) << black;
        QTest::newRow("focused: frame") << "focused" << QPoint(0, 0) << Sys(QPalette::WindowText);
        QTest::newRow("focused: edge inside frame") << "focused" << QPoint(1, 1) << Sys(QPalette::Midlight);
        QTest::newRow("focused: dot") << "focused" << QPoint(4, 4) << white;
        QTest::newRow("focused: gap") << "focused" << QPoint(5, 4) << black;
        QTest::newRow("focused: dot far corner") << "focused" << QPoint(-5, -5) << white;
        QTest::newRow("focused pressed: shadow in frame") << "focused pressed" << QPoint(1, 1) << Sys(QPalette::Dark);
    }
    void looks()
    {
        QFETCH(QString, look);
        QFETCH(QPoint, at);
        QFETCH(QColor, expected);
        Scene scene;
        QVERIFY(scene.show());
        const QImage image = scene.render(look);
        const QPoint p(at.x() < 0 ? image.width() + at.x() : at.x(), at.y() < 0 ? image.height() + at.y() : at.y());
        QCOMPARE(image.pixelColor(p), expected);
    }

    void caption_data()
    {
        QTest::addColumn<QString>("look");
        QTest::addColumn<QPoint>("shift");
        QTest::newRow("up") << "up" << QPoint(0, 0);
        QTest::newRow("pressed") << "pressed" << QPoint(1, 1);
        QTest::newRow("focused") << "focused" << QPoint(0, 0);
        QTest::newRow("focused pressed") << "focused pressed" << QPoint(1, 1);
        QTest::newRow("disabled") << "disabled" << QPoint(0, 0);
    }
    void caption()
    {
        QFETCH(QString, look);
        QFETCH(QPoint, shift);
        Scene scene;
        QVERIFY(scene.show());
        const QRect face = scene.button->rect().adjusted(3, 3, -3, -3);
        const QRect up = InkBox(scene.render(QStringLiteral("up")), kLime, face);
        // Centred: across to a pixel, and down inside the measured text bounds.
        QVERIFY(qAbs(up.left() + up.right() - face.left() - face.right()) <= 2);
        const QSize size = QFontMetrics(scene.button->font()).size(0, scene.button->text());
        QVERIFY(up.top() >= face.top() + (face.height() - size.height() + 1) / 2);
        QVERIFY(up.bottom() < face.top() + (face.height() + size.height() + 1) / 2);

        const QImage image = scene.render(look);
        if (look != QLatin1String("disabled")) {
            QCOMPARE(InkBox(image, kLime, face), up.translated(shift));
            return;
        }
        // Disabled: grey in the caption's place over a white copy one pixel lower right.
        const QRect grey = InkBox(image, kGrey, face), white = InkBox(image, kWhite, face);
        QCOMPARE(grey, up);
        QCOMPARE(white.bottomRight(), grey.bottomRight() + QPoint(1, 1));
    }

    void activeFlag_data()
    {
        QTest::addColumn<bool>("isDefault");
        QTest::addColumn<bool>("defaultLater");  // Default set after the focus moved
        QTest::addColumn<int>("focusTo");  // 0 the button, 1 another button, 2 a text box
        QTest::addColumn<bool>("active");
        QTest::newRow("it has the focus") << false << false << 0 << true;
        QTest::newRow("default, another button focused") << true << false << 1 << false;
        QTest::newRow("default, a text box focused") << true << false << 2 << true;
        QTest::newRow("made default while a text box has the focus") << true << true << 2 << true;
    }
    void activeFlag()
    {
        QFETCH(bool, isDefault);
        QFETCH(bool, defaultLater);
        QFETCH(int, focusTo);
        QFETCH(bool, active);
        Scene scene;
        QVERIFY(scene.show());
        scene.edit2->setFocus();
        if (!defaultLater)
            scene.button->setDefault(isDefault);
        QWidget* const targets[] = {scene.button, scene.other, scene.edit};
        targets[focusTo]->setFocus();
        QVERIFY(targets[focusTo]->hasFocus());
        if (defaultLater)
            scene.button->setDefault(isDefault);
        QCOMPARE(scene.button->isActive(), active);
        // The dialog moves Qt's own default mark about; the design's flag stays.
        QCOMPARE(scene.button->isDefault(), isDefault);
    }

    void destroyingTheFocusedButton()
    {
        // Its window takes the focus back while the button goes; the sanitizer run catches a
        // button that still answers the focus change half destroyed.
        Scene scene;
        auto* second = new B(&scene.window);
        second->setGeometry(20, 95, 60, 20);
        QVERIFY(scene.show());
        scene.button->setFocus();
        QVERIFY(scene.button->hasFocus());
        delete scene.button;
        second->setFocus();
        QVERIFY(second->isActive());
    }

    void doubleClickClicksTwice_data()
    {
        QTest::addColumn<bool>("secondPress");  // some platforms send the second press before the double click
        QTest::newRow("double click instead of the second press") << false;
        QTest::newRow("double click after the second press") << true;
    }
    void doubleClickClicksTwice()
    {
        QFETCH(bool, secondPress);
        Scene scene;
        QVERIFY(scene.show());
        QSignalSpy clicks(scene.button, &QAbstractButton::clicked);
        const QPoint at(30, 20);
        QTest::mouseClick(scene.button, Qt::LeftButton, {}, at);
        if (secondPress)
            QTest::mousePress(scene.button, Qt::LeftButton, {}, at);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, scene.button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(scene.button, &dbl);
        QTest::mouseRelease(scene.button, Qt::LeftButton, {}, at);
        QCOMPARE(clicks.count(), 2);
    }

    void dialogResult_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("modalResult");  // -1: the kind's
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("result");
        QTest::newRow("ModalResult ends the dialog") << int(B::bkCustom) << 6 << false << 6;
        QTest::newRow("Escape clicks the Cancel button") << int(B::bkCancel) << -1 << true << 2;
        QTest::newRow("Close kind closes the window") << int(B::bkClose) << -1 << false << 0;
    }
    void dialogResult()
    {
        QFETCH(int, kind);
        QFETCH(int, modalResult);
        QFETCH(bool, escape);
        QFETCH(int, result);
        Scene scene;
        scene.button->setKind(B::TBitBtnWithColorKind(kind));
        if (modalResult >= 0)
            scene.button->setModalResult(modalResult);
        QSignalSpy clicks(scene.button, &QAbstractButton::clicked);
        int ticks = 0;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            if (QApplication::activeModalWidget() != &scene.window)
                return;
            if (++ticks == 1 && escape)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &scene.window,
                                Qt::Key_Escape);
            else if (ticks == 1)
                scene.button->click();
            else if (ticks > 20)
                scene.window.done(-99);  // the click did not end the dialog
        });
        driver.start(10);
        QCOMPARE(scene.window.exec(), result);
        QCOMPARE(clicks.count(), 1);
    }

    void setterLimits_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("after");
        QTest::newRow("Margin -2 on the default") << QByteArray("Margin") << -1 << -2 << -1;
        QTest::newRow("Margin -2 on 5") << QByteArray("Margin") << 5 << -2 << 5;
        QTest::newRow("Margin -1 on 5") << QByteArray("Margin") << 5 << -1 << -1;
        QTest::newRow("NumGlyphs 9") << QByteArray("NumGlyphs") << 1 << 9 << 4;
        QTest::newRow("NumGlyphs 0") << QByteArray("NumGlyphs") << 2 << 0 << 1;
    }
    void setterLimits()
    {
        QFETCH(QByteArray, property);
        QFETCH(int, before);
        QFETCH(int, value);
        QFETCH(int, after);
        B button;
        button.setGlyphImage(QImage(72, 18, QImage::Format_RGB32));  // room for four 18-pixel images
        // Through the properties, as a window design sets them.
        QVERIFY(button.setProperty(property, before));
        QVERIFY(button.setProperty(property, value));
        QCOMPARE(button.property(property).toInt(), after);
        if (property == "NumGlyphs")
            QCOMPARE(button.glyphObject().GlyphSize(), QSize(72 / after, 18));
    }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        const QMetaEnum kinds = QMetaEnum::fromType<B::TBitBtnWithColorKind>();
        for (int k = B::bkOK; k <= B::bkAll; ++k)
            QTest::newRow(kinds.valueToKey(k)) << k;
    }
    void kinds()
    {
        QFETCH(int, kind);
        B button;
        button.setKind(B::TBitBtnWithColorKind(kind));
        // What the kind set must read back as that kind.
        QCOMPARE(int(button.kind()), kind);
        QCOMPARE(button.numGlyphs(), 2);
        QVERIFY(!button.text().isEmpty());
        // Normal and disabled 18-pixel images on olive; the disabled one only in white and
        // grey, which the button turns into its bevel colours.
        const QImage glyph = button.glyph().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(glyph.size(), QSize(36, kind == B::bkAll ? 19 : 18));
        QCOMPARE(glyph.pixel(0, glyph.height() - 1), kOlive);
        int ink[2] = {0, 0};
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < 36; ++x) {
                ink[x / 18] += glyph.pixel(x, y) != kOlive;
                QVERIFY(x < 18 || glyph.pixel(x, y) == kOlive || glyph.pixel(x, y) == kWhite ||
                        glyph.pixel(x, y) == kGrey);
            }
        QVERIFY(ink[0] > 10 && ink[1] > 10);
        // Built for a disabled button, the grey becomes the shadow colour and olive the face.
        const int index = button.glyphObject().CreateButtonGlyph(bsDisabled, QColor(0, 0, 255));
        const QImage disabled = button.glyphObject().GlyphList()->Image(index);
        QVERIFY(!InkBox(disabled, Sys(QPalette::Dark).rgb(), disabled.rect()).isEmpty());
        QVERIFY(InkBox(disabled, kGrey, disabled.rect()).isEmpty() &&
                InkBox(disabled, kOlive, disabled.rect()).isEmpty());
    }

    void kindReadBack_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("expected");
        QTest::newRow("OK, then a new Color") << int(B::bkOK) << "color" << int(B::bkCustom);
        QTest::newRow("OK, then the same Color") << int(B::bkOK) << "same color" << int(B::bkOK);
        QTest::newRow("OK, then Default off") << int(B::bkOK) << "default" << int(B::bkCustom);
        QTest::newRow("Cancel, then ModalResult") << int(B::bkCancel) << "modal result" << int(B::bkCustom);
        QTest::newRow("No, then a glyph") << int(B::bkNo) << "glyph" << int(B::bkCustom);
        QTest::newRow("Close, then Cancel on") << int(B::bkClose) << "cancel" << int(B::bkCustom);
        QTest::newRow("Yes, then a margin") << int(B::bkYes) << "margin" << int(B::bkYes);
        QTest::newRow("OK, new Color, OK again") << int(B::bkOK) << "color, kind" << int(B::bkOK);
    }
    void kindReadBack()
    {
        QFETCH(int, kind);
        QFETCH(QString, change);
        QFETCH(int, expected);
        B button;
        button.setColor(Qt::black);
        button.setKind(B::TBitBtnWithColorKind(kind));
        if (change.startsWith(QLatin1String("color")))
            button.setColor(Qt::blue);
        else if (change == QLatin1String("same color"))
            button.setColor(Qt::black);
        else if (change == QLatin1String("default"))
            button.setDefault(false);
        else if (change == QLatin1String("modal result"))
            button.setModalResult(1);
        else if (change == QLatin1String("glyph"))
            button.setGlyphImage(Square(16, kLime));
        else if (change == QLatin1String("cancel"))
            button.setCancel(true);
        else if (change == QLatin1String("margin"))
            button.setMargin(3);
        if (change.endsWith(QLatin1String("kind")))
            button.setKind(B::TBitBtnWithColorKind(kind));
        QCOMPARE(int(button.kind()), expected);
    }

    void layout_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QPoint>("glyphAt");  // an 18 x 18 glyph
        QTest::addColumn<QPoint>("textAt");  // a 40 x 13 caption
        const QRect wide(10, 5, 100, 30), tall(10, 5, 100, 60);
        QTest::newRow("left, centred") << wide << int(B::blGlyphLeft) << -1 << 4 << QPoint(29, 11) << QPoint(51, 14);
        QTest::newRow("left, room shared")
            << wide << int(B::blGlyphLeft) << -1 << -1 << QPoint(24, 11) << QPoint(56, 14);
        QTest::newRow("left, margin 5, spacing shared")
            << wide << int(B::blGlyphLeft) << 5 << -1 << QPoint(15, 11) << QPoint(51, 14);
        QTest::newRow("top, centred") << tall << int(B::blGlyphTop) << -1 << 4 << QPoint(51, 18) << QPoint(40, 40);
        QTest::newRow("bottom, centred") << tall << int(B::blGlyphBottom) << -1 << 4 << QPoint(51, 34)
                                         << QPoint(40, 17);
        // Too narrow: the negative room is divided rounding toward zero.
        QTest::newRow("narrow, room shared")
            << QRect(0, 0, 30, 30) << int(B::blGlyphLeft) << -1 << -1 << QPoint(-9, 6) << QPoint(0, 9);
        QTest::newRow("narrow, centred") << QRect(0, 0, 50, 30) << int(B::blGlyphLeft) << -1 << 4 << QPoint(-5, 6)
                                         << QPoint(17, 9);
    }
    void layout()
    {
        QFETCH(QRect, client);
        QFETCH(int, layout);
        QFETCH(int, margin);
        QFETCH(int, spacing);
        QFETCH(QPoint, glyphAt);
        QFETCH(QPoint, textAt);
        const TButtonPlacement place =
            CalcButtonLayout(client, QSize(18, 18), QSize(40, 13), B::TButtonLayout(layout), margin, spacing);
        QCOMPARE(place.glyphPos, glyphAt);
        QCOMPARE(place.textBounds, QRect(textAt, QSize(40, 13)));
    }

    void glyphListsSharedAndFreed()
    {
        QVERIFY(!TGlyphCache::Instance());
        {
            B plain;  // no glyph: a cache but no list
            plain.grab();
            QCOMPARE(TGlyphCache::Instance()->ListCount(), 0);
        }
        QVERIFY(!TGlyphCache::Instance());

        const auto make = [](int size, QRgb colour) {
            auto b = std::make_unique<B>();
            b->resize(80, 30);
            b->setGlyphImage(Square(size, colour));
            b->grab();
            return b;
        };
        auto a = make(18, kLime), b = make(18, kWhite), c = make(20, kLime);
        TGlyphList* list18 = a->glyphObject().GlyphList();
        QVERIFY(list18);
        QCOMPARE(b->glyphObject().GlyphList(), list18);
        QVERIFY(c->glyphObject().GlyphList() != list18);
        QCOMPARE(TGlyphCache::Instance()->ListCount(), 2);
        QCOMPARE(list18->Count(), 2);

        const int slotOfA = a->glyphObject().ImageIndex(bsUp);
        a.reset();
        QCOMPARE(list18->Count(), 1);
        auto d = make(18, kGrey);  // takes the freed slot instead of growing the list
        QCOMPARE(d->glyphObject().ImageIndex(bsUp), slotOfA);
        QCOMPARE(list18->Capacity(), 2);

        // A new face colour rebuilds the images on it.
        d->setColor(Qt::red);
        QCOMPARE(d->glyphObject().ImageIndex(bsUp), -1);
        d->grab();
        QCOMPARE(d->glyphObject().GlyphList()->Image(d->glyphObject().ImageIndex(bsUp)).pixel(0, 17), qRgb(255, 0, 0));

        c.reset();
        QCOMPARE(TGlyphCache::Instance()->ListCount(), 1);
        b.reset();
        d.reset();
        QVERIFY(!TGlyphCache::Instance());
    }
};

QTEST_MAIN(TestButtonWithColor)
#include "tst_buttonwithcolor.moc"

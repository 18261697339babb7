#include "core/gamestate.h"
#include "core/topten.h"
#include "game/windows.h"
#include "platform/fonts.h"
#include "support/testsupport.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using zk::FormId;

// The keys of every game window: none has a default or a cancel button in its design.
class TestWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void enterAndEscape_data();
    void enterAndEscape();

private:
    std::unique_ptr<zktest::GameFolder> folder_;
    std::unique_ptr<zktest::ErrorLog> errors_;
};

void TestWindowKeys::initTestCase()
{
    zk::InstallFontSubstitutions();
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->copyShippedMedia();
    const auto question = zktest::RecordBytes(zktest::MakeQuestion(
        QStringLiteral("Вопрос"), {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В"), QStringLiteral("Г")},
        'b'));
    folder_->write(QStringLiteral("Text/otbor.txt"), question);
    zk::ResetTopTen();
    errors_ = std::make_unique<zktest::ErrorLog>();
}

void TestWindowKeys::cleanupTestCase()
{
    errors_.reset();
    folder_.reset();
}

void TestWindowKeys::enterAndEscape_data()
{
    QTest::addColumn<int>("form");
    for (int id = int(FormId::Splash); id <= int(FormId::Authors); ++id)
        QTest::addRow("TForm%d", id) << id;
}

void TestWindowKeys::enterAndEscape()
{
    QFETCH(int, form);
    zk::ResetGameState();
    auto& g = zk::Game();
    g.SoundOn = 0;
    g.Winnings = 1000;  // the winnings window asks for a name
    g.CurrentQuestion =
        zktest::MakeQuestion(QStringLiteral("Вопрос"),
                             {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В"), QStringLiteral("Г")}, 'b');
    std::unique_ptr<QDialog> window(zk::CreateWindowForShot(FormId(form)));
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QList<QPushButton*> buttons;
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        if (!b->isVisible() || !b->isEnabled())
            continue;
        buttons << b;
        clicks.push_back(std::make_unique<QSignalSpy>(b, &QAbstractButton::clicked));
    }
    const auto clickCount = [&] {
        qsizetype n = 0;
        for (const auto& spy : clicks)
            n += spy->count();
        return n;
    };
    const auto focused = [&] {
        QWidget* w = QApplication::focusWidget();
        return w ? w : window.get();
    };

    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || !edit->isEnabled())
            continue;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(window->isVisible());
        QCOMPARE(clickCount(), 0);
    }

    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QCOMPARE(clickCount(), 0);

    // Enter presses the button that holds the focus, and only that one.
    if (!buttons.isEmpty()) {
        QPushButton* target = buttons.last();
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(clicks.back()->count(), 1);
        QCOMPARE(clickCount(), 1);
    }
    window->close();
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"

#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "pictures/TImage.h"
#include "platform/fonts.h"
#include "core/inifile.h"
#include "platform/mediaplayer.h"
#include "core/random.h"
#include "results/Unit10.h"
#include "results/Unit7.h"
#include "results/Unit8.h"
#include "core/topten.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

namespace {

QByteArray fileBytes()
{
    QFile f(QStringLiteral("best.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <class W = QWidget>
W* child(QWidget* form, const char* name)
{
    W* w = form->findChild<W*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QString memoText(QWidget* form, const char* name) { return child<QTextEdit>(form, name)->toPlainText(); }

}  // namespace

class TestResultWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void topTenShowsTheFileAndResets();
    void topTenBadFile_data();
    void topTenBadFile();
    void topTenCueAndFocus_data();
    void topTenCueAndFocus();
    void winningsPresentation_data();
    void winningsPresentation();
    void closingRecordsAndResets_data();
    void closingRecordsAndResets();
    void failedRecordingKeepsTheWindowOpen();
    void missingCueStillEndsTheGame();

private:
    std::unique_ptr<zktest::GameFolder> folder_;
    std::unique_ptr<zktest::ErrorLog> errors_;
    std::unique_ptr<TForm1> main_;
};

void TestResultWindows::initTestCase()
{
    zk::InstallFontSubstitutions();
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->copyShippedMedia(true);
    QDir().mkpath(folder_->file(QStringLiteral("bin")));
    zk::SetProgramPath(folder_->file(QStringLiteral("bin/zoriklad")));
    zk::SetOpenModalHook([](zk::FormId id) { return id == zk::FormId::Splash; });
    errors_ = std::make_unique<zktest::ErrorLog>();
    main_ = std::make_unique<TForm1>();
}

void TestResultWindows::init()
{
    QFile::remove(QStringLiteral("best.dat"));
    zk::Game().SoundOn = 1;
    zk::Player().Close();
    errors_->texts.clear();
}

void TestResultWindows::cleanupTestCase()
{
    main_.reset();
    zk::SetOpenModalHook({});
    zk::SetProgramPath(QString());
    zktest::RestoreClock();
    errors_.reset();
}

void TestResultWindows::topTenShowsTheFileAndResets()
{
    zk::TopTen t = zk::DefaultTopTen();
    t[0] = zk::MakeTopTenEntry(1, QStringLiteral("Оля"), 64000);
    t[9] = zk::MakeTopTenEntry(7, QStringLiteral("Юра"), -5);
    folder_->write(QStringLiteral("best.dat"), zk::EncodeTopTen(t));

    TForm10 form;
    QVERIFY(errors_->texts.isEmpty());
    QVERIFY(memoText(&form, "Memo1").startsWith(QStringLiteral("  1.  Оля\n  2.  Тармил\n")));
    QVERIFY(memoText(&form, "Memo1").endsWith(QStringLiteral("  9.  Тармил\n7.  Юра")));
    QVERIFY(memoText(&form, "Memo2").startsWith(QStringLiteral("64000\n100\n")));
    QVERIFY(memoText(&form, "Memo2").endsWith(QStringLiteral("100\n-5")));

    child<QAbstractButton>(&form, "Button2")->click();
    QVERIFY(errors_->texts.isEmpty());
    QCOMPARE(memoText(&form, "Memo1"),
             QStringLiteral("  1.  Тармил\n  2.  Тармил\n  3.  Тармил\n  4.  Тармил\n  5.  Тармил\n  6.  Тармил\n"
                            "  7.  Тармил\n  8.  Тармил\n  9.  Тармил\n10.  Тармил"));
    QCOMPARE(memoText(&form, "Memo2"), QStringLiteral("100\n100\n100\n100\n100\n100\n100\n100\n100\n100"));
    QCOMPARE(fileBytes(), zk::EncodeTopTen(zk::DefaultTopTen()));
}

void TestResultWindows::topTenBadFile_data()
{
    QTest::addColumn<QByteArray>("bytes");  // null: no file
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("linesShown");
    QTest::newRow("missing") << QByteArray() << "File not found" << 0;
    QTest::newRow("three records") << zk::EncodeTopTen(zk::DefaultTopTen()).left(50) << "Read beyond end of file" << 3;
}

void TestResultWindows::topTenBadFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QFETCH(int, linesShown);
    if (!bytes.isNull())
        folder_->write(QStringLiteral("best.dat"), bytes);
    TForm10 form;
    QCOMPARE(errors_->texts, QStringList{error + QLatin1Char('.')});
    const QString shown = memoText(&form, "Memo1");
    QCOMPARE(shown.isEmpty() ? 0 : int(shown.split(QLatin1Char('\n')).size()), linesShown);
    QCOMPARE(fileBytes(), bytes);  // reading never creates or changes the file
}

void TestResultWindows::topTenCueAndFocus_data()
{
    QTest::addColumn<std::uint32_t>("clock");
    QTest::addColumn<QString>("cue");
    const char* const cues[] = {"intro3.wav", "intro1.wav", "intro2.wav"};
    // A clock value for each of the three draws.
    for (int want = 0; want < 3; ++want) {
        for (std::uint32_t ms = 1000;; ++ms) {
            zk::SetRandSeed(ms);
            if (int(zk::Random(3)) == want) {
                QTest::addRow("draw %d", want) << ms << QStringLiteral("music\\") + QLatin1String(cues[want]);
                break;
            }
        }
    }
}

void TestResultWindows::topTenCueAndFocus()
{
    QFETCH(std::uint32_t, clock);
    QFETCH(QString, cue);
    zk::ResetTopTen();
    zktest::FixClock(clock);
    const int playsBefore = zk::Player().plays();
    TForm10 form;
    QCOMPARE(zk::Player().plays(), playsBefore);  // creation plays nothing
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(zk::Player().plays(), playsBefore + 1);
    QCOMPARE(zk::Player().fileName(), cue);
    QVERIFY(zk::Player().isPlaying());

    auto* ok = child<QAbstractButton>(&form, "Button1");
    auto* reset = child<QAbstractButton>(&form, "Button2");
    reset->setFocus();
    child<QTextEdit>(&form, "Memo1")->setFocus();
    QCOMPARE(QApplication::focusWidget(), ok);
    reset->setFocus();
    QTest::mouseClick(child<QTextEdit>(&form, "Memo2")->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), ok);

    form.close();  // the close box
    QVERIFY(!zk::Player().isPlaying());
    QVERIFY(errors_->texts.isEmpty());
}

void TestResultWindows::winningsPresentation_data()
{
    QTest::addColumn<int>("winnings");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("win");
    QTest::newRow("nothing won") << 0 << "0 рублей." << false;
    QTest::newRow("first guaranteed sum") << 1000 << "1000 рублей." << true;
    QTest::newRow("second guaranteed sum") << 32000 << "32000 рублей." << true;
}

void TestResultWindows::winningsPresentation()
{
    QFETCH(int, winnings);
    QFETCH(QString, caption);
    QFETCH(bool, win);
    zk::Game().Winnings = winnings;
    TForm8 form;
    QCOMPARE(child<QLabel>(&form, "Label2")->text(), caption);
    QCOMPARE(child<QLineEdit>(&form, "Edit1")->maxLength(), 10);
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 3500);

    form.show();
    QCOMPARE(zk::Player().fileName(),
             win ? QStringLiteral("music\\applause.wav") : QStringLiteral("music\\NoMoney.wav"));
    QCOMPARE(child<QLineEdit>(&form, "Edit1")->isVisible(), win);
    QCOMPARE(child<QLabel>(&form, "Label3")->isVisible(), win);
    QCOMPARE(child<TImage>(&form, "Image1")->isVisible(), win);
    QCOMPARE(child<TImage>(&form, "Image2")->isVisible(), !win);
    QCOMPARE(form.Timer1->isActive(), win);

    if (win) {
        QVERIFY(child<TImage>(&form, "Image1")->isPlaying());
        form.Timer1Timer();
        QVERIFY(!child<TImage>(&form, "Image1")->isVisible());
        QCOMPARE(zk::Player().fileName(), QStringLiteral("music\\name.wav"));
        QVERIFY(!form.Timer1->isActive());
        QVERIFY(child<QLineEdit>(&form, "Edit1")->isVisible());
    }
    form.close();
    QVERIFY(!zk::Player().isPlaying());
    QVERIFY(errors_->texts.isEmpty());
}

void TestResultWindows::closingRecordsAndResets_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("winnings");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<int>("recorded");  // -1: best.dat untouched
    QTest::newRow("winnings, OK with a name") << 8 << 1000 << "Петя" << true << 1000;
    QTest::newRow("winnings, ten-character name") << 8 << 32000 << "Мария-Анна" << true << 32000;
    QTest::newRow("winnings, OK without a name") << 8 << 1000 << "" << true << -1;
    QTest::newRow("winnings, close box") << 8 << 1000 << "Петя" << false << -1;
    QTest::newRow("nothing won, OK") << 8 << 0 << "" << true << -1;
    QTest::newRow("millionaire, OK") << 7 << 500000 << "Миллионер" << true << 1000000;
    QTest::newRow("millionaire, OK without a name") << 7 << 500000 << "" << true << -1;
    QTest::newRow("millionaire, close box") << 7 << 500000 << "Кто-то" << false << -1;
}

void TestResultWindows::closingRecordsAndResets()
{
    QFETCH(int, form);
    QFETCH(int, winnings);
    QFETCH(QString, name);
    QFETCH(bool, byOk);
    QFETCH(int, recorded);
    zk::ResetTopTen();
    const QByteArray before = fileBytes();

    // A game in progress.
    auto& g = zk::Game();
    g.Winnings = winnings;
    g.AudienceUsed = g.FriendUsed = g.FiftyUsed = 0;
    child<QAbstractButton>(main_.get(), "Button1")->setEnabled(true);
    std::unique_ptr<QDialog> w(form == 7 ? static_cast<QDialog*>(new TForm7) : new TForm8);
    w->show();
    child<QLineEdit>(w.get(), "Edit1")->setText(name);
    if (byOk)
        child<QAbstractButton>(w.get(), "Button1")->click();
    else
        w->close();

    QVERIFY(errors_->texts.isEmpty());
    QVERIFY(!w->isVisible());
    QCOMPARE(g.Winnings, 0);
    QCOMPARE(int(g.AudienceUsed + g.FriendUsed + g.FiftyUsed), 3);
    QVERIFY(!child<QAbstractButton>(main_.get(), "Button1")->isEnabled());
    if (recorded < 0) {
        QCOMPARE(fileBytes(), before);
    } else {
        const zk::TopTenEntry top = zk::ReadTopTen()[0];
        QCOMPARE(top.NameText(), name);
        QCOMPARE(top.Amount, recorded);
    }
}

void TestResultWindows::failedRecordingKeepsTheWindowOpen()
{
    const QByteArray shortFile = zk::EncodeTopTen(zk::DefaultTopTen()).left(100);
    folder_->write(QStringLiteral("best.dat"), shortFile);
    zk::Game().Winnings = 2000;
    TForm8 form;
    form.show();
    child<QLineEdit>(&form, "Edit1")->setText(QStringLiteral("Петя"));
    child<QAbstractButton>(&form, "Button1")->click();
    QCOMPARE(errors_->texts, QStringList{QStringLiteral("Read beyond end of file.")});
    QVERIFY(form.isVisible());
    QCOMPARE(zk::Game().Winnings, 2000);
    QCOMPARE(fileBytes(), shortFile);

    form.close();  // the way out that is left
    QVERIFY(!form.isVisible());
    QCOMPARE(zk::Game().Winnings, 0);
}

void TestResultWindows::missingCueStillEndsTheGame()
{
    QVERIFY(QFile::rename(QStringLiteral("music/NoMoney.wav"), QStringLiteral("music/away.wav")));
    zk::Game().Winnings = 0;
    child<QAbstractButton>(main_.get(), "Button1")->setEnabled(true);
    {
        TForm8 form;
        form.show();
        QCOMPARE(errors_->texts.size(), 1);  // the cue's own failure
        QVERIFY(child<TImage>(&form, "Image2")->isVisible());
        form.close();
    }
    QFile::rename(QStringLiteral("music/away.wav"), QStringLiteral("music/NoMoney.wav"));
    // Nothing was left to stop, and the game is over all the same.
    QCOMPARE(errors_->texts.size(), 2);
    QCOMPARE(errors_->texts.last(), QStringLiteral("No MCI device open."));
    QVERIFY(!child<QAbstractButton>(main_.get(), "Button1")->isEnabled());
}

QTEST_MAIN(TestResultWindows)
#include "tst_resultwindows.moc"

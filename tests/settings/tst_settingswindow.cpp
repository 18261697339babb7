#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "core/inifile.h"
#include "core/timecode.h"
#include "settings/Unit9.h"
#include "support/testsupport.h"

#include <QButtonGroup>
#include <QInputDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

QStringList iniLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QString::fromLatin1(line.trimmed());
    return lines;
}

QRadioButton* item(TForm9& form, int group, int index)
{
    QButtonGroup* g = group == 1 ? form.RadioGroup1Items : form.RadioGroup2Items;
    return qobject_cast<QRadioButton*>(g->button(index));
}

// Answers the hidden prompt when it comes up; `answer` gets the dialog and decides.
struct PromptDriver {
    explicit PromptDriver(std::function<void(QInputDialog*)> answer)
        : driver(
              [this, answer](QWidget* w) {
                  auto* d = qobject_cast<QInputDialog*>(w);
                  if (!d)
                      return;
                  caption = d->windowTitle();
                  label = d->labelText();
                  startText = d->textValue();
                  answer(d);
              },
              20)
    {
    }
    QString caption, label, startText;
    zktest::ModalDriver driver;
};

}  // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void creationSelectsAndWrites_data();
    void creationSelectsAndWrites();
    void changeIsOnDiskAtOnce_data();
    void changeIsOnDiskAtOnce();
    void failedWriteKeepsTheFlag_data();
    void failedWriteKeepsTheFlag();
    void timeCode_data();
    void timeCode();
    void hiddenPrompt_data();
    void hiddenPrompt();
    void doubleClickOnAControlOpensNothing();

private:
    std::unique_ptr<zktest::GameFolder> folder_;
    std::unique_ptr<zktest::ErrorLog> errors_;
    QString ini_;
};

void TestSettingsWindow::initTestCase()
{
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->copyShippedMedia(true);
    // The settings file lies beside the program, wherever that is.
    zk::SetProgramPath(folder_->file(QStringLiteral("bin/zoriklad")));
    QDir().mkpath(folder_->file(QStringLiteral("bin")));
    ini_ = folder_->file(QStringLiteral("bin/zoriklad.ini"));
    zk::SetOpenModalHook([](zk::FormId) { return true; });  // no splash in tests
    errors_ = std::make_unique<zktest::ErrorLog>();
}

void TestSettingsWindow::init()
{
    QFile::remove(ini_);
    zk::ResetGameState();
    zk::SetSettingsPath(ini_);
    errors_->texts.clear();
}

void TestSettingsWindow::cleanupTestCase()
{
    zk::SetOpenModalHook({});
    zk::SetProgramPath(QString());
    errors_.reset();
}

void TestSettingsWindow::creationSelectsAndWrites_data()
{
    QTest::addColumn<QByteArray>("before");  // null: no settings file
    QTest::addColumn<int>("soundItem");
    QTest::addColumn<int>("adsItem");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("no file") << QByteArray() << 0 << 0 << QStringList{"[reklama]", "mayreklama=1"};
    QTest::newRow("sound off") << QByteArray("[music]\nmaysound=0\n") << 1 << 0
                               << QStringList{"[music]", "maysound=0", "[reklama]", "mayreklama=1"};
    QTest::newRow("sound 'no' is on, left as written")
        << QByteArray("[music]\nmaysound=no\n") << 0 << 0
        << QStringList{"[music]", "maysound=no", "[reklama]", "mayreklama=1"};
    QTest::newRow("ads off") << QByteArray("[reklama]\nmayreklama=0\n") << 0 << 1
                             << QStringList{"[reklama]", "mayreklama=0"};
    QTest::newRow("both off, rewritten plainly")
        << QByteArray("[music]\nmaysound=0x0\n[reklama]\nmayreklama=00\n") << 1 << 1
        << QStringList{"[music]", "maysound=0", "[reklama]", "mayreklama=0"};
    QTest::newRow("ads on by hex, rewritten")
        << QByteArray("[reklama]\nmayreklama=0x10\n") << 0 << 0 << QStringList{"[reklama]", "mayreklama=1"};
}

void TestSettingsWindow::creationSelectsAndWrites()
{
    QFETCH(QByteArray, before);
    QFETCH(int, soundItem);
    QFETCH(int, adsItem);
    QFETCH(QStringList, after);
    if (!before.isNull())
        folder_->write(QStringLiteral("bin/zoriklad.ini"), before);

    // A whole start-up: the main window reads the flags, then the settings window's instance is made.
    auto main = std::make_unique<TForm1>();
    zk::CreateStartupInstances(main.get());

    QCOMPARE(iniLines(ini_), after);
    for (const QString& text : errors_->texts)
        QVERIFY2(!text.startsWith(QLatin1String("Unable to write")), qPrintable(text));

    // A window opened later shows the same selections and writes the same again.
    TForm9 form;
    QCOMPARE(form.RadioGroup1Items->checkedId(), soundItem);
    QCOMPARE(form.RadioGroup2Items->checkedId(), adsItem);
    QVERIFY(item(form, 1, soundItem)->isChecked());
    QCOMPARE(item(form, 1, 1)->text(), QStringLiteral("Выключить"));
    QCOMPARE(iniLines(ini_), after);
}

void TestSettingsWindow::changeIsOnDiskAtOnce_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("ads");
    QTest::newRow("sound off") << 1 << 1 << "maysound=0" << 0 << 1;
    QTest::newRow("ads off") << 2 << 1 << "mayreklama=0" << 1 << 0;
}

void TestSettingsWindow::changeIsOnDiskAtOnce()
{
    QFETCH(int, group);
    QFETCH(int, index);
    QFETCH(QString, line);
    QFETCH(int, sound);
    QFETCH(int, ads);

    TForm9 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(item(form, group, index), Qt::LeftButton, {}, QPoint(6, 12));
    QVERIFY(iniLines(ini_).contains(line));
    QCOMPARE(int(zk::Game().SoundOn), sound);
    QCOMPARE(int(zk::Game().AdsOn), ads);
    QVERIFY(form.isVisible());

    // A click on the item already selected is no change: nothing is written.
    QFile::remove(ini_);
    QTest::mouseClick(item(form, group, index), Qt::LeftButton, {}, QPoint(6, 12));
    QVERIFY(!QFile::exists(ini_));

    // Back on, and OK only closes.
    QTest::mouseClick(item(form, group, 0), Qt::LeftButton, {}, QPoint(6, 12));
    QVERIFY(iniLines(ini_).contains(QString(line).replace(QLatin1Char('0'), QLatin1Char('1'))));
    QTest::mouseClick(form.findChild<QAbstractButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(int(zk::Game().SoundOn), 1);
    QCOMPARE(int(zk::Game().AdsOn), 1);
}

void TestSettingsWindow::failedWriteKeepsTheFlag_data()
{
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<int>("soundItem");
    QTest::addColumn<int>("adsItem");
    QTest::newRow("sound on: the ads write fails") << 1 << 0 << 0;
    // The failed sound write ends the creation handler before the ads group is set.
    QTest::newRow("sound off: the sound write fails first") << 0 << 1 << -1;
}

void TestSettingsWindow::failedWriteKeepsTheFlag()
{
    QFETCH(int, soundOn);
    QFETCH(int, soundItem);
    QFETCH(int, adsItem);
    // The "folder" of the file is a plain file: no write can succeed, not even as root.
    folder_->write(QStringLiteral("blocked"), "x");
    const QString path = folder_->file(QStringLiteral("blocked/zoriklad.ini"));
    zk::SetSettingsPath(path);
    zk::Game().SoundOn = static_cast<std::uint8_t>(soundOn);
    const QString message = QStringLiteral("Unable to write to ") + path + QLatin1Char('.');

    TForm9 form;
    QCOMPARE(errors_->texts, QStringList{message});
    QCOMPARE(form.RadioGroup1Items->checkedId(), soundItem);
    QCOMPARE(form.RadioGroup2Items->checkedId(), adsItem);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(item(form, 1, 1 - soundItem), Qt::LeftButton, {}, QPoint(6, 12));
    QCOMPARE(errors_->texts, (QStringList{message, message}));
    QCOMPARE(int(zk::Game().SoundOn), soundItem);  // the new value, kept in memory
    QVERIFY(form.isVisible());
}

void TestSettingsWindow::timeCode_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    const QTime afternoon(13, 5, 7);
    const QTime morning(9, 5, 7);
    QTest::newRow("24h, leading zero: 8 characters") << "HH:mm:ss" << afternoon << "13:05:07"
                                                     << "13:05";
    QTest::newRow("24h, no leading zero: 7 characters") << "H:mm:ss" << morning << "9:05:07"
                                                        << "9:05";
    QTest::newRow("time zone left out") << "HH:mm:ss t" << morning << "09:05:07"
                                        << "09:05";
    QTest::newRow("other separator") << "H.mm.ss" << QTime(21, 0, 59) << "21.00.59"
                                     << "21.00";
    QTest::newRow("quoted separator") << "HH'h'mm'm'ss" << afternoon << "13h05h07"
                                      << "13h05";
    QTest::newRow("12h, designator behind") << "h:mm:ss AP" << afternoon << "1:05:07 PM"
                                            << "1:05";
    QTest::newRow("12h, designator in front") << "AP h:mm:ss" << afternoon << "PM 1:05:07"
                                              << "PM 1";
    QTest::newRow("12h, leading zero, midnight") << "hh:mm:ss AP" << QTime(0, 30, 0) << "12:30:00 AM"
                                                 << "12:3";
    QTest::newRow("12h, lower-case designator") << "h:mm:ss ap" << morning << "9:05:07 am"
                                                << "9:05";
    QTest::newRow("H stays 24-hour") << "H:mm:ss AP" << afternoon << "13:05:07"
                                     << "13:05";
    QTest::newRow("h without designator is 24-hour") << "h:mm:ss" << afternoon << "13:05:07"
                                                     << "13:05";
}

void TestSettingsWindow::timeCode()
{
    QFETCH(QString, format);
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QFETCH(QString, code);
    const QString made = zk::LongTimeText(format, time, QStringLiteral("AM"), QStringLiteral("PM"));
    QCOMPARE(made, text);
    QCOMPARE(zk::HiddenPromptCode(made), code);
}

void TestSettingsWindow::hiddenPrompt_data()
{
    QTest::addColumn<QString>("typed");  // "<code>": the time code at that moment
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("visibleBefore");
    QTest::addColumn<bool>("visibleAfter");
    QTest::newRow("ukdrex hides") << "ukdrex" << false << true << false;
    QTest::newRow("case matters") << "UKDREX" << false << true << true;
    QTest::newRow("whole text only") << "ukdrex " << false << true << true;
    QTest::newRow("other text") << "12345" << false << false << false;
    QTest::newRow("cancelled") << "ukdrex" << true << true << true;
    QTest::newRow("time code shows") << "<code>" << false << false << true;
}

void TestSettingsWindow::hiddenPrompt()
{
    QFETCH(QString, typed);
    QFETCH(bool, cancel);
    QFETCH(bool, visibleBefore);
    QFETCH(bool, visibleAfter);

    if (!zk::MainForm())
        new TForm1;  // lives to the end of the test run, as the main window does
    QVERIFY(zk::MainForm());
    auto* hacker = zk::MainForm()->findChild<QLabel*>(QStringLiteral("hacker"));
    QVERIFY(hacker);
    hacker->setVisible(visibleBefore);

    TForm9 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PromptDriver driver([&](QInputDialog* d) {
        d->setTextValue(typed == QLatin1String("<code>") ? zk::CurrentHiddenPromptCode() : typed);
        cancel ? d->reject() : d->accept();
    });
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(5, 90));

    QCOMPARE(driver.driver.seen, 1);
    QCOMPARE(driver.caption, QStringLiteral("Дополнительные настройки"));
    QCOMPARE(driver.label, QStringLiteral("Введите пароль"));
    QCOMPARE(driver.startText, QString());
    QCOMPARE(hacker->isVisibleTo(zk::MainForm()), visibleAfter);
    QCOMPARE(errors_->texts, QStringList());
}

void TestSettingsWindow::doubleClickOnAControlOpensNothing()
{
    TForm9 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PromptDriver driver([](QInputDialog* d) { d->reject(); });
    // Inside a group box, away from its items; then on an item.
    QTest::mouseDClick(form.findChild<QWidget*>(QStringLiteral("RadioGroup1")), Qt::LeftButton, {}, QPoint(150, 68));
    QTest::mouseDClick(item(form, 2, 1), Qt::LeftButton, {}, QPoint(6, 12));
    QTest::qWait(60);
    QCOMPARE(driver.driver.seen, 0);
    // The background still works.
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(360, 5));
    QCOMPARE(driver.driver.seen, 1);
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"

#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "platform/fonts.h"
#include "core/inifile.h"
#include "platform/mediaplayer.h"
#include "support/testsupport.h"

#include <QtTest>

// A whole start-up as the program makes it: the main window, then one instance of every
// other window, with the settings file beside the program.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { zk::InstallFontSubstitutions(); }
    void cleanup()
    {
        zk::SetOpenModalHook({});
        zk::SetProgramPath({});
        zk::ResetGameState();
    }
    void soundOffMakesNoMediaCall();
    void settingsLiveBesideTheProgram();
    void failingCreationHandlersDoNotStopStartUp();
};

static void skipSplash()
{
    zk::SetOpenModalHook([](zk::FormId id) { return id == zk::FormId::Splash; });
}

void TestStartup::soundOffMakesNoMediaCall()
{
    zktest::GameFolder folder;
    folder.copyShippedMedia();  // pictures, but no "music" folder at all
    folder.write("zoriklad.ini", "[music]\nmaysound=0\n");
    zk::SetProgramPath(folder.file("zoriklad"));
    zktest::ErrorLog log;
    skipSplash();
    const int opensBefore = zk::Player().deviceOpens();
    const int playsBefore = zk::Player().plays();
    {
        TForm1 form;
        zk::CreateStartupInstances(&form);
        QCOMPARE(int(zk::Game().SoundOn), 0);
    }
    QCOMPARE(zk::Player().deviceOpens(), opensBefore);
    QCOMPARE(zk::Player().plays(), playsBefore);
    for (const QString& text : log.texts)
        QVERIFY2(!text.contains("music", Qt::CaseInsensitive), qPrintable(text));
}

void TestStartup::settingsLiveBesideTheProgram()
{
    QTemporaryDir programDir;
    zktest::GameFolder folder;  // the working directory: questions, pictures, best.dat
    folder.copyShippedMedia();
    zk::SetProgramPath(programDir.filePath("zoriklad"));
    QFile ini(programDir.filePath("zoriklad.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[reklama]\nmayreklama=0\n[music]\nmaysound=0\n");
    ini.close();
    zktest::ErrorLog log;
    skipSplash();
    TForm1 form;
    QCOMPARE(zk::Settings().path(), programDir.filePath("zoriklad.ini"));
    QCOMPARE(int(zk::Game().AdsOn), 0);
    QCOMPARE(int(zk::Game().SoundOn), 0);
    QVERIFY(!QFile::exists(folder.file("zoriklad.ini")));
}

void TestStartup::failingCreationHandlersDoNotStopStartUp()
{
    // An empty folder: no questions, no pictures, no best.dat. Every window is still made
    // and the main window is still usable.
    zktest::GameFolder folder;
    folder.write("zoriklad.ini", "[music]\nmaysound=0\n");
    zk::SetProgramPath(folder.file("zoriklad"));
    zktest::ErrorLog log;
    skipSplash();
    TForm1 form;
    zk::CreateStartupInstances(&form);
    QVERIFY(!log.texts.isEmpty());  // the qualifying file, at least, is reported missing
    QVERIFY(log.texts.contains("Invalid filename."));
    QCOMPARE(int(zk::Game().CurrentLevel), 0);
    QCOMPARE(int(zk::Game().AnswerAllowed), 1);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

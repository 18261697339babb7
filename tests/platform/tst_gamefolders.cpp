#include "core/gamefolders.h"
#include "core/inifile.h"
#include "core/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QString kDataFromProgram = QStringLiteral("../share/games/zoriklad");

// Puts back what EnterGameFolders changes for the whole process.
struct RunState {
    QString cwd = QDir::currentPath();
    ~RunState()
    {
        QDir::setCurrent(cwd);
        zk::SetDataFolder(QString());
        zk::SetIniFolder(QString());
        zk::SetProgramPath(QString());
    }
};

}  // namespace

class TestGameFolders : public QObject {
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void installedRun_data();
    void installedRun();
    void gameFolderRunStaysAsItWas();
    void unwritableHomeIsReported();
};

void TestGameFolders::choose_data()
{
    QTest::addColumn<QString>("program");  // below a scratch root
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("data");  // below the root; empty: a game folder
    QTest::addColumn<QString>("player");  // absolute

    const QStringList installed{"usr/games", "usr/share/games/zoriklad/Text"};
    QTest::newRow("installed, default folder") << "usr/games/zoriklad" << installed << ""
                                               << "usr/share/games/zoriklad"
                                               << "/home/ann/.local/share/zoriklad";
    QTest::newRow("installed, XDG_DATA_HOME") << "usr/games/zoriklad" << installed << "/srv/ann/data"
                                              << "usr/share/games/zoriklad"
                                              << "/srv/ann/data/zoriklad";
    QTest::newRow("installed, relative XDG_DATA_HOME ignored") << "usr/games/zoriklad" << installed << "data"
                                                               << "usr/share/games/zoriklad"
                                                               << "/home/ann/.local/share/zoriklad";
    QTest::newRow("build/game") << "build/game/zoriklad" << QStringList{"build/game/Text"} << ""
                                << ""
                                << "";
    QTest::newRow("unpacked archive beside an unrelated share folder")
        << "zoriklad-1.00/zoriklad" << QStringList{"zoriklad-1.00/Text", "share/games"} << ""
        << ""
        << "";
    QTest::newRow("data folder without questions")
        << "usr/games/zoriklad" << QStringList{"usr/games", "usr/share/games/zoriklad/Graph"} << ""
        << ""
        << "";
}

void TestGameFolders::choose()
{
    QFETCH(QString, program);
    QFETCH(QStringList, folders);
    QFETCH(QString, xdg);
    QFETCH(QString, data);
    QFETCH(QString, player);
    QTemporaryDir root;
    for (const QString& f : folders)
        QVERIFY(QDir(root.path()).mkpath(f));

    const zk::GameFolders got =
        zk::ChooseGameFolders(root.filePath(program), kDataFromProgram, xdg, QStringLiteral("/home/ann"));
    QCOMPARE(got.installed, !data.isEmpty());
    QCOMPARE(got.dataFolder, data.isEmpty() ? QString() : root.filePath(data));
    QCOMPARE(got.playerFolder, player);
}

void TestGameFolders::installedRun_data()
{
    QTest::addColumn<QByteArray>("playersTable");  // empty: a first start
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("first start gets the default table") << QByteArray() << QByteArray("default");
    QTest::newRow("a later start keeps the player's table") << QByteArray("mine") << QByteArray("mine");
}

void TestGameFolders::installedRun()
{
    QFETCH(QByteArray, playersTable);
    QFETCH(QByteArray, expected);
    RunState restore;
    QTemporaryDir root;
    const QString data = root.filePath("usr/share/games/zoriklad");
    writeFile(data + "/Text/1.txt", "q");
    writeFile(data + "/Graph/bukvaA.gif", "g");
    writeFile(data + "/best.dat", "default");
    // Installed files are read-only for the player; the copy must still be theirs to write.
    QFile::setPermissions(data + "/best.dat", QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const QString player = root.filePath("home/ann/.local/share/zoriklad");
    if (!playersTable.isEmpty())
        writeFile(player + "/best.dat", playersTable);
    const QString program = root.filePath("usr/games/zoriklad");
    zk::SetProgramPath(program);

    const zk::GameFolders folders =
        zk::ChooseGameFolders(program, kDataFromProgram, QString(), root.filePath("home/ann"));
    QVERIFY(zk::EnterGameFolders(folders));

    QCOMPARE(QDir::currentPath(), player);
    QCOMPARE(readFile(player + "/best.dat"), expected);
    QVERIFY(QFileInfo(player + "/best.dat").isWritable());
    QCOMPARE(zk::ResolveDataPath("Text\\1.txt"), data + "/Text/1.txt");
    QCOMPARE(zk::ResolveDataPath("graph\\BUKVAA.GIF"), data + "/Graph/bukvaA.gif");
    QCOMPARE(zk::ResolveDataPath("best.dat"), QString("best.dat"));
    QCOMPARE(zk::IniPathForRun(), player + "/zoriklad.ini");
    QCOMPARE(readFile(data + "/best.dat"), QByteArray("default"));
}

void TestGameFolders::gameFolderRunStaysAsItWas()
{
    RunState restore;
    QTemporaryDir root;
    writeFile(root.filePath("game/Text/1.txt"), "q");
    const QString program = root.filePath("game/zoriklad");
    zk::SetProgramPath(program);
    const zk::GameFolders folders = zk::ChooseGameFolders(program, kDataFromProgram, QString(), root.path());
    QVERIFY(zk::EnterGameFolders(folders));
    QCOMPARE(QDir::currentPath(), restore.cwd);
    QCOMPARE(zk::ResolveDataPath("Text\\1.txt"), QString("Text/1.txt"));
    QCOMPARE(zk::IniPathForRun(), root.filePath("game/zoriklad.ini"));
    QVERIFY(!QFileInfo::exists(root.filePath(".local")));
}

void TestGameFolders::unwritableHomeIsReported()
{
    RunState restore;
    QTemporaryDir root;
    writeFile(root.filePath("usr/share/games/zoriklad/Text/1.txt"), "q");
    writeFile(root.filePath("home"), "a file where the home folder should be");
    const zk::GameFolders folders =
        zk::ChooseGameFolders(root.filePath("usr/games/zoriklad"), kDataFromProgram, QString(), root.filePath("home"));
    QVERIFY(folders.installed);
    QVERIFY(!zk::EnterGameFolders(folders));
    QCOMPARE(QDir::currentPath(), restore.cwd);
    QCOMPARE(zk::DataFolder(), QString());
}

QTEST_GUILESS_MAIN(TestGameFolders)
#include "tst_gamefolders.moc"

#include "core/errors.h"
#include "core/inifile.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Limits the size of any file this process writes, so that writing the settings fails
// even for root, who passes every permission check.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// The test program's worker side (see gamesWritingAtOnce): INI PREFIX COUNT writes the
// keys PREFIX0 ... to section "stress", each with its number.
int RunWorker(const QStringList& args)
{
    if (args.size() != 3)
        return 2;
    zktest::AwaitGo();
    const zk::IniFile ini(args.at(0));
    try {
        for (int k = 0; k < args.at(2).toInt(); ++k)
            ini.WriteString(QStringLiteral("stress"), args.at(1) + QString::number(k), QString::number(k));
    } catch (const zk::GameError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}

}  // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void textToInt_data();
    void textToInt();
    void readFlag_data();
    void readFlag();
    void iniPathBesideProgram_data();
    void iniPathBesideProgram();
    void writeCreatesFile();
    void everyReadAndWriteGoesToTheFile();
    void writeKeepsTheRestOfTheFile_data();
    void writeKeepsTheRestOfTheFile();
    void writableFileInReadOnlyFolder();
    void gamesWritingAtOnce();
    void failedWrite_data();
    void failedWrite();
};

void TestIniFile::textToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    // Beyond what readFlag covers; the default 77 shows where the text was rejected.
    QTest::newRow("0X1f") << "0X1f" << 31;
    QTest::newRow("0x0") << "0x0" << 0;
    QTest::newRow("0x alone is not hex") << "0x" << 77;
    QTest::newRow("no sign after 0x") << "0x-1" << 77;
    QTest::newRow("hex is 32 bits") << "0xFFFFFFFF" << -1;
    QTest::newRow("hex too wide") << "0x100000000" << 77;
    QTest::newRow("int32 min") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("past int32") << "2147483648" << 77;
    QTest::newRow("trailing junk") << "1a" << 77;
    QTest::newRow("$1f") << "$1f" << 31;
    QTest::newRow("$ is 32 bits") << "$FFFFFFFF" << -1;
    QTest::newRow("sign before $") << "-$10" << -16;
    QTest::newRow("$ alone") << "$" << 77;
    QTest::newRow("no 0x after $") << "$0x1" << 77;
    QTest::newRow("no sign after $") << "$-1" << 77;
}

void TestIniFile::textToInt()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(zk::IniTextToInt(text, 77), expected);
}

void TestIniFile::readFlag_data()
{
    QTest::addColumn<QByteArray>("content");  // null: no file at all
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << QByteArray("[music]\r\nmaysound=1\r\n") << true;
    QTest::newRow("2") << QByteArray("[music]\nmaysound=2\n") << true;
    QTest::newRow("-1") << QByteArray("[music]\nmaysound=-1\n") << true;
    QTest::newRow("0x10") << QByteArray("[music]\nmaysound=0x10\n") << true;
    QTest::newRow("no") << QByteArray("[music]\nmaysound=no\n") << true;
    QTest::newRow("0") << QByteArray("[music]\nmaysound=0\n") << false;
    QTest::newRow("00") << QByteArray("[music]\nmaysound=00\n") << false;
    QTest::newRow("empty value") << QByteArray("[music]\nmaysound=\n") << true;
    QTest::newRow("missing key") << QByteArray("[music]\nmayreklama=0\n") << true;
    QTest::newRow("missing section") << QByteArray("[reklama]\nmaysound=0\n") << true;
    QTest::newRow("missing file") << QByteArray() << true;
    QTest::newRow("names ignore case") << QByteArray("[MUSIC]\nMaySound=0\n") << false;
    QTest::newRow("blanks around =") << QByteArray("[music]\nmaysound = 0\n") << false;
    QTest::newRow("long value cut at 2047") << "[music]\nmaysound=" + QByteArray(2047, '0') + "1\n" << false;
    QTest::newRow("$0 is hexadecimal 0") << QByteArray("[music]\nmaysound=$0\n") << false;
    QTest::newRow("$10") << QByteArray("[music]\nmaysound=$10\n") << true;
    QTest::newRow("in double quotes") << QByteArray("[music]\nmaysound=\"0\"\n") << false;
    QTest::newRow("in single quotes") << QByteArray("[music]\nmaysound='0'\n") << false;
    QTest::newRow("one quote is kept") << QByteArray("[music]\nmaysound=\"0\n") << true;
    QTest::newRow("first key counts") << QByteArray("[music]\nmaysound=0\nmaysound=1\n") << false;
    QTest::newRow("commented out") << QByteArray("[music]\n;maysound=0\n") << true;
    QTest::newRow("other section's key") << QByteArray("[music]\n[other]\nmaysound=0\n") << true;
}

void TestIniFile::readFlag()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zoriklad.ini"));
    if (!content.isNull())
        writeAll(path, content);
    const zk::IniFile ini(path);
    QCOMPARE(ini.ReadBool(QStringLiteral("music"), QStringLiteral("maysound"), true), expected);
}

void TestIniFile::iniPathBesideProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("ini");
    QTest::newRow("no extension") << "/opt/game/zoriklad"
                                  << "/opt/game/zoriklad.ini";
    QTest::newRow("extension replaced") << "/opt/game/zoriklad.exe"
                                        << "/opt/game/zoriklad.ini";
    QTest::newRow("dotted folder, last extension") << "/opt/game.v2/zk.1.bin"
                                                   << "/opt/game.v2/zk.1.ini";
}

void TestIniFile::iniPathBesideProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, ini);
    QCOMPARE(zk::IniPathForProgram(program), ini);
}

void TestIniFile::writeCreatesFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zoriklad.ini"));
    zk::IniFile(path).WriteBool(QStringLiteral("reklama"), QStringLiteral("mayreklama"), true);
    const QList<QByteArray> lines = readAll(path).trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).trimmed(), QByteArray("[reklama]"));
    QCOMPARE(lines.at(1).trimmed(), QByteArray("mayreklama=1"));
}

void TestIniFile::everyReadAndWriteGoesToTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zoriklad.ini"));
    const zk::IniFile ini(path);
    const QString music = QStringLiteral("music");
    const QString key = QStringLiteral("maysound");

    ini.WriteBool(music, key, false);
    QVERIFY(readAll(path).contains("maysound=0"));
    // Another object for the same file sees the change: nothing waits in memory.
    QCOMPARE(zk::IniFile(path).ReadBool(music, key, true), false);

    // A change made behind the object's back is read at once.
    writeAll(path, "[music]\nmaysound=1\n");
    QCOMPARE(ini.ReadBool(music, key, false), true);

    ini.WriteBool(music, key, false);
    QCOMPARE(readAll(path).count("maysound"), 1);
    QVERIFY(readAll(path).contains("maysound=0"));
}

void TestIniFile::writeKeepsTheRestOfTheFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("after");
    // A player's file, with comments, blank lines, a line that is no key, the other
    // program's section, Windows-1251 text and Windows line ends.
    const QByteArray file =
        "; settings\r\n"
        "[music]\r\n"
        "volume = 7\r\n"
        "maysound=1 ; kept\r\n"
        "\r\n"
        "[other]\r\n"
        "name=\xc7\xee\xf0\xe8\xea\xeb\xe0\xe4\r\n"
        "just a line\r\n"
        "\r\n"
        "[reklama]\r\n"
        "mayreklama=1\r\n"
        "; the end\r\n";
    QTest::newRow("key changed in place") << file << "Music"
                                          << "MAYSOUND" << QByteArray(file).replace("maysound=1 ; kept", "MAYSOUND=0");
    QTest::newRow("key added after the section's last line")
        << file << "music"
        << "other" << QByteArray(file).replace("kept\r\n", "kept\r\nother=0\r\n");
    QTest::newRow("section added at the end") << file << "new"
                                              << "flag" << file + "[new]\r\nflag=0\r\n";
    QTest::newRow("last line without a line end")
        << QByteArray("[reklama]\nmayreklama=1") << "music"
        << "maysound" << QByteArray("[reklama]\nmayreklama=1\n[music]\nmaysound=0\n");
    QTest::newRow("mixed line ends kept")
        << QByteArray("[music]\r\nmaysound=1\n[reklama]\nmayreklama=1\r\n") << "music"
        << "maysound" << QByteArray("[music]\r\nmaysound=0\n[reklama]\nmayreklama=1\r\n");
    QTest::newRow("windows file without a last line end")
        << QByteArray("[reklama]\r\nmayreklama=1") << "music"
        << "maysound" << QByteArray("[reklama]\r\nmayreklama=1\r\n[music]\r\nmaysound=0\r\n");
    QTest::newRow("key added at the end of the file") << QByteArray("[music]\nvolume=7") << "music"
                                                      << "maysound" << QByteArray("[music]\nvolume=7\nmaysound=0\n");
}

void TestIniFile::writeKeepsTheRestOfTheFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zoriklad.ini"));
    writeAll(path, before);
    const zk::IniFile ini(path);
    ini.WriteBool(section, key, false);
    QCOMPARE(readAll(path), after);
    QCOMPARE(ini.ReadString(QStringLiteral("other"), QStringLiteral("name"), QString()),
             before.contains("name=") ? QStringLiteral("Зориклад") : QString());
}

void TestIniFile::writableFileInReadOnlyFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zoriklad.ini"));
    writeAll(path, "[music]\nmaysound=1\n");
    // The file may be written by anybody; the folder by nobody.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QString error;
    {
        zktest::AsOrdinaryUser user;
        try {
            zk::IniFile(path).WriteBool(QStringLiteral("music"), QStringLiteral("maysound"), false);
        } catch (const zk::IniWriteError& e) {
            error = e.text();
        }
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(error, QString());
    QCOMPARE(readAll(path), QByteArray("[music]\nmaysound=0\n"));
}

// Several games write their settings at the same moment: no key is lost.
void TestIniFile::gamesWritingAtOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zoriklad.ini"));
    writeAll(path, "; shared\n[music]\nmaysound=1\n");
    const int games = 4;
    const int each = 25;
    zktest::Workers workers(dir.path());
    for (int g = 0; g < games; ++g)
        workers.start({path, QStringLiteral("game%1_").arg(g), QString::number(each)});
    workers.go();
    const QString problems = workers.finish(60000);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    const zk::IniFile ini(path);
    for (int g = 0; g < games; ++g)
        for (int k = 0; k < each; ++k)
            QCOMPARE(ini.ReadString(QStringLiteral("stress"), QStringLiteral("game%1_%2").arg(g).arg(k), QString()),
                     QString::number(k));
    QVERIFY(readAll(path).startsWith("; shared\n[music]\nmaysound=1\n[stress]\n"));
}

void TestIniFile::failedWrite_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder is a file") << "not a folder";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("write cut short") << "size limit";
}

void TestIniFile::failedWrite()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("zoriklad.ini"));
    const QByteArray old = "[music]\nmaysound=1\n[reklama]\nmayreklama=1\n";

    std::unique_ptr<FileSizeLimit> limit;
    if (how == QLatin1String("not a folder")) {
        writeAll(dir.filePath(QStringLiteral("game")), old);
        path = dir.filePath(QStringLiteral("game/zoriklad.ini"));
    } else if (how == QLatin1String("read-only")) {
        // Neither the folder nor the file may be written, by anybody.
        writeAll(path, old);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    } else {
        writeAll(path, old);
        limit = std::make_unique<FileSizeLimit>(8);
    }

    QString error;
    {
        zktest::AsOrdinaryUser user;
        error = zktest::ErrorText(
            [&] { zk::IniFile(path).WriteBool(QStringLiteral("music"), QStringLiteral("maysound"), false); });
    }
    limit.reset();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(error, QStringLiteral("Unable to write to ") + path);
    if (how != QLatin1String("not a folder")) {
        QCOMPARE(readAll(path), old);
        // No temporary file is left behind either (the lock file is made only where it can be).
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        left.removeAll(QStringLiteral("zoriklad.ini.lock"));
        QCOMPARE(left, QStringList{QStringLiteral("zoriklad.ini")});
    }
}

ZKTEST_MAIN_WITH_WORKER(TestIniFile, RunWorker)
#include "tst_inifile.moc"

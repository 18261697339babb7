#include "core/errors.h"
#include "core/filelock.h"
#include "core/topten.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <csignal>
#include <sys/resource.h>

using zk::TopTen;

namespace {

const QString kFile = QStringLiteral("best.dat");

QByteArray fileBytes(const QString& path = kFile)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A table of the given amounts, named "a", "b", ... with places 1..10.
TopTen table(const QList<int>& amounts)
{
    TopTen t{};
    for (int i = 0; i < zk::kTopTenRows; ++i)
        t[i] = zk::MakeTopTenEntry(std::uint8_t(i + 1), QString(QChar('a' + i)), amounts.value(i));
    return t;
}

QStringList names(const TopTen& t)
{
    QStringList out;
    for (const auto& e : t)
        out << e.NameText();
    return out;
}

QList<int> amounts(const TopTen& t)
{
    QList<int> out;
    for (const auto& e : t)
        out << e.Amount;
    return out;
}

// The test program's worker side (see gamesRecordingAtOnce, crashedGameLeavesNoLock):
//   record NAME FIRST COUNT STEP  records COUNT results FIRST, FIRST + STEP, ... as NAME
//   hold                          takes the table's lock, says "held" and waits to be killed
int RunWorker(const QStringList& args)
{
    if (args.value(0) == QLatin1String("hold")) {
        zk::FileLock lock(kFile);
        std::printf("held\n");
        std::fflush(stdout);
        QThread::sleep(60);
        return 3;
    }
    if (args.size() != 5 || args.at(0) != QLatin1String("record"))
        return 2;
    zktest::AwaitGo();
    const int first = args.at(2).toInt();
    const int count = args.at(3).toInt();
    const int step = args.at(4).toInt();
    try {
        for (int k = 0; k < count; ++k)
            zk::RecordResult(args.at(1), first + k * step);
    } catch (const zk::GameError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}

}  // namespace

class TestTopTen : public QObject {
    Q_OBJECT
private slots:
    void init() { folder_ = std::make_unique<zktest::GameFolder>(); }
    void cleanup() { folder_.reset(); }

    void recordLayoutAndLines_data();
    void recordLayoutAndLines();
    void resetWritesTheDefaultTable();
    void recordResult_data();
    void recordResult();
    void orderStaysNonIncreasing();
    void missingFileStartsFromTheDefault();
    void namesAsStored_data();
    void namesAsStored();
    void shortFileFailsAndStaysUntouched_data();
    void shortFileFailsAndStaysUntouched();
    void failedWriteKeepsTheOldFile();
    void unusableFolder();
    void parseAnyBuffer();
    void gamesRecordingAtOnce();
    void crashedGameLeavesNoLock();

private:
    std::unique_ptr<zktest::GameFolder> folder_;
};

void TestTopTen::recordLayoutAndLines_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("row1");
    QTest::addColumn<QString>("row10");
    QTest::addColumn<QString>("amount");
    // Place 3, "Аня", -2.
    QTest::newRow("plain") << QByteArray::fromHex("0303c0edff00000000000000feffffff") << "  3.  Аня"
                           << "3.  Аня"
                           << "-2";
    QTest::newRow("bytes past the length ignored")
        << QByteArray::fromHex("0a0241427a7a7a7a7a7a7a7a40420f00") << "  10.  AB"
        << "10.  AB"
        << "1000000";
    QTest::newRow("length byte above 10 cut")
        << QByteArray::fromHex("01ff3031323334353637383900000000") << "  1.  0123456789"
        << "1.  0123456789"
        << "0";
    QTest::newRow("foreign place shown as stored")
        << QByteArray::fromHex("ff00000000000000000000000000f0ff") << "  255.  "
        << "255.  "
        << "-1048576";
}

void TestTopTen::recordLayoutAndLines()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, row1);
    QFETCH(QString, row10);
    QFETCH(QString, amount);
    const zk::TopTenEntry e = zk::DecodeTopTenEntry(record.constData());
    QVERIFY(e.NameLength <= 10);

    TopTen t{};
    t.fill(e);
    const zk::TopTenColumns shown = zk::ShowAll(t);
    QCOMPARE(shown.names.size(), 10);
    QCOMPARE(shown.names.first(), row1);
    QCOMPARE(shown.names.last(), row10);
    QCOMPARE(shown.amounts.first(), amount);
    QVERIFY(!shown.namesText().endsWith(QLatin1Char('\n')));
    QVERIFY(!shown.amountsText().endsWith(QLatin1Char('\n')));
}

void TestTopTen::resetWritesTheDefaultTable()
{
    folder_->write(kFile, QByteArray(300, 'x'));  // longer than a table: cut
    zk::ResetTopTen();
    const QByteArray bytes = fileBytes();
    QCOMPARE(bytes.size(), 160);
    // Row 4: place 4, "Тармил" in Windows-1251, 100.
    QCOMPARE(bytes.mid(48, 16).toHex(), QByteArray("0406d2e0f0ece8eb0000000064000000"));

    const zk::TopTenColumns shown = zk::ShowAll(zk::ReadTopTen());
    QCOMPARE(shown.namesText(),
             QStringLiteral("  1.  Тармил\n  2.  Тармил\n  3.  Тармил\n  4.  Тармил\n  5.  Тармил\n"
                            "  6.  Тармил\n  7.  Тармил\n  8.  Тармил\n  9.  Тармил\n10.  Тармил"));
    QCOMPARE(shown.amountsText(), QStringLiteral("100\n100\n100\n100\n100\n100\n100\n100\n100\n100"));
}

void TestTopTen::recordResult_data()
{
    QTest::addColumn<int>("amount");
    QTest::addColumn<QString>("expectedNames");  // one letter per row, "*" for the newcomer
    QTest::addColumn<QList<int>>("expectedAmounts");
    // The table before: a..j with 1000, 900, ... 100.
    QTest::newRow("top") << 5000 << "*abcdefghi" << QList<int>{5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200};
    QTest::newRow("middle") << 650 << "abcd*efghi" << QList<int>{1000, 900, 800, 700, 650, 600, 500, 400, 300, 200};
    QTest::newRow("tie goes to the newcomer")
        << 700 << "abc*defghi" << QList<int>{1000, 900, 800, 700, 700, 600, 500, 400, 300, 200};
    QTest::newRow("tie with the last") << 100 << "abcdefghi*"
                                       << QList<int>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    QTest::newRow("below the last") << 99 << "abcdefghij"
                                    << QList<int>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    QTest::newRow("negative") << -1 << "abcdefghij" << QList<int>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
}

void TestTopTen::recordResult()
{
    QFETCH(int, amount);
    QFETCH(QString, expectedNames);
    QFETCH(QList<int>, expectedAmounts);
    // Two records past the tenth, better than anybody: they are not part of the table.
    const QByteArray extra = zk::EncodeTopTen(table({999999, 999999})).left(32);
    folder_->write(kFile, zk::EncodeTopTen(table({1000, 900, 800, 700, 600, 500, 400, 300, 200, 100})) + extra);

    const TopTen written = zk::RecordResult(QStringLiteral("Новичок"), amount);

    QCOMPARE(fileBytes(), zk::EncodeTopTen(written));  // exactly ten records
    const TopTen t = zk::ReadTopTen();
    QStringList expected;
    for (QChar c : expectedNames)
        expected << (c == QLatin1Char('*') ? QStringLiteral("Новичок") : QString(c));
    QCOMPARE(names(t), expected);
    QCOMPARE(amounts(t), expectedAmounts);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(int(t[i].Place), i + 1);  // places stay with the rows
}

void TestTopTen::orderStaysNonIncreasing()
{
    zk::ResetTopTen();
    QList<int> all(10, 100);
    std::uint32_t x = 12345;
    for (int n = 0; n < 80; ++n) {
        x = x * 1103515245u + 12345u;
        const int amount = std::array<int, 8>{0, 100, 500, 1000, 32000, 64000, 1000000, -3}[(x >> 16) % 8];
        zk::RecordResult(QStringLiteral("p%1").arg(n), amount);
        // The table is always the ten best of everything recorded so far: nobody better is lost.
        all << amount;
        std::sort(all.begin(), all.end(), std::greater<int>());
        all.resize(10);
        QCOMPARE(amounts(zk::ReadTopTen()), all);
    }
}

void TestTopTen::missingFileStartsFromTheDefault()
{
    QVERIFY(!QFile::exists(kFile));
    zk::RecordResult(QStringLiteral("Вася"), 1000);
    // The default rows are all alike, so the one that drops out cannot be told apart.
    TopTen expected = zk::DefaultTopTen();
    expected[0] = zk::MakeTopTenEntry(1, QStringLiteral("Вася"), 1000);
    QCOMPARE(fileBytes(), zk::EncodeTopTen(expected));
}

void TestTopTen::namesAsStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored");  // length byte and name bytes
    QTest::newRow("ten characters whole") << "Мария-Анна" << QByteArray::fromHex("0acce0f0e8ff2dc0edede0");
    QTest::newRow("eleventh cut") << "Александра1" << QByteArray::fromHex("0ac0ebe5eaf1e0ede4f0e0");
    QTest::newRow("no Windows-1251 form") << "Zoë" << QByteArray::fromHex("035a6f3f");
    QTest::newRow("outside the basic plane counts once") << QString::fromUtf8(
                                                                "A\xF0\x9F\x98\x80"
                                                                "B")
                                                         << QByteArray::fromHex("03413f42");
}

void TestTopTen::namesAsStored()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    zk::ResetTopTen();
    zk::RecordResult(name, 5000);
    QCOMPARE(fileBytes().mid(1, stored.size()).toHex(), stored.toHex());
}

void TestTopTen::shortFileFailsAndStaysUntouched_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("three records and a bit") << 53;
    QTest::newRow("one byte short") << 159;
}

void TestTopTen::shortFileFailsAndStaysUntouched()
{
    QFETCH(int, size);
    const QByteArray before = zk::EncodeTopTen(table({9, 8, 7, 6, 5, 4, 3, 2, 1, 0})).left(size);
    folder_->write(kFile, before);

    int rowsSeen = 0;
    QCOMPARE(zktest::ErrorText([&] { zk::ReadTopTen(kFile, [&](int, const zk::TopTenEntry&) { ++rowsSeen; }); }),
             QStringLiteral("Read beyond end of file"));
    QCOMPARE(rowsSeen, size / 16);
    QCOMPARE(zktest::ErrorText([] { zk::RecordResult(QStringLiteral("x"), 1000); }),
             QStringLiteral("Read beyond end of file"));
    QCOMPARE(fileBytes(), before);
}

void TestTopTen::failedWriteKeepsTheOldFile()
{
    const QByteArray before = zk::EncodeTopTen(table({50, 40, 30, 20, 10, 5, 4, 3, 2, 1}));
    folder_->write(kFile, before);

    // A file size limit below one table makes the write fail half way, as a full disk would.
    rlimit old{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit low = old;
    low.rlim_cur = 100;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &low) == 0);
    const QString recordError = zktest::ErrorText([] { zk::RecordResult(QStringLiteral("x"), 1000); });
    const QString resetError = zktest::ErrorText([] { zk::ResetTopTen(); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!recordError.isEmpty());
    QVERIFY(!resetError.isEmpty());
    QCOMPARE(fileBytes(), before);
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{kFile, kFile + QStringLiteral(".lock")}));
}

void TestTopTen::unusableFolder()
{
    folder_->write(QStringLiteral("blocker"), "not a folder");
    QCOMPARE(zktest::ErrorText([] { zk::ResetTopTen(QStringLiteral("blocker\\best.dat")); }),
             QStringLiteral("Invalid filename"));
    QCOMPARE(zktest::ErrorText([] { zk::RecordResult(QStringLiteral("x"), 1, QStringLiteral("blocker\\best.dat")); }),
             QStringLiteral("Invalid filename"));
    QCOMPARE(zktest::ErrorText([] { zk::RecordResult(QStringLiteral("x"), 1, QStringLiteral("nowhere\\best.dat")); }),
             QStringLiteral("Invalid filename"));
    QVERIFY(!QFile::exists(QStringLiteral("nowhere")));
    QCOMPARE(zktest::ErrorText([] { zk::ReadTopTen(); }), QStringLiteral("File not found"));
}

void TestTopTen::parseAnyBuffer()
{
    std::uint32_t x = 1;
    for (int n = 0; n < 2000; ++n) {
        QByteArray bytes(n % 200, '\0');
        for (char& b : bytes) {
            x = x * 1664525u + 1013904223u;
            b = char(x >> 24);
        }
        const zk::ParsedTopTen parsed = zk::ParseTopTen(bytes);
        QCOMPARE(parsed.count, std::min<int>(10, int(bytes.size() / 16)));
        for (int i = 0; i < parsed.count; ++i) {
            QVERIFY(parsed.rows[i].NameLength <= 10);
            QCOMPARE(parsed.rows[i].Amount, qFromLittleEndian<qint32>(bytes.constData() + i * 16 + 12));
            QVERIFY(parsed.rows[i].NameText().size() == parsed.rows[i].NameLength);
        }
    }
}

// Several games in one folder record at the same moment: none of the results is lost.
void TestTopTen::gamesRecordingAtOnce()
{
    zk::ResetTopTen();
    const int games = 4;
    const int each = 40;
    zktest::Workers workers(folder_->path());
    // Game g records 1000 + g, 1000 + g + games, ...: every amount once, all rising, so
    // each new one belongs in the table and every write counts.
    for (int g = 0; g < games; ++g)
        workers.start({QStringLiteral("record"), QStringLiteral("game%1").arg(g), QString::number(1000 + g),
                       QString::number(each), QString::number(games)});
    workers.go();
    const QString problems = workers.finish(60000);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));

    const TopTen t = zk::ReadTopTen();
    QList<int> best;
    QStringList by;
    QList<int> places;
    for (int i = 0; i < zk::kTopTenRows; ++i) {
        const int amount = 1000 + games * each - 1 - i;
        best << amount;
        by << QStringLiteral("game%1").arg((amount - 1000) % games);
        places << i + 1;
    }
    QCOMPARE(amounts(t), best);
    QCOMPARE(names(t), by);
    QList<int> placesRead;
    for (const auto& e : t)
        placesRead << e.Place;
    QCOMPARE(placesRead, places);
}

// A game killed while it held the table's lock leaves nothing that holds up the next one.
void TestTopTen::crashedGameLeavesNoLock()
{
    zk::ResetTopTen();
    QProcess holder;
    holder.setWorkingDirectory(folder_->path());
    holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--worker"), QStringLiteral("hold")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAll(), QByteArray("held\n"));
    QVERIFY(!zk::FileLock(kFile, 50).acquired());

    holder.kill();
    QVERIFY(holder.waitForFinished(5000));
    QVERIFY(QFile::exists(kFile + QStringLiteral(".lock")));
    QElapsedTimer clock;
    clock.start();
    zk::RecordResult(QStringLiteral("after"), 5000);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(zk::ReadTopTen()[0].NameText(), QStringLiteral("after"));
}

ZKTEST_MAIN_WITH_WORKER(TestTopTen, RunWorker)
#include "tst_topten.moc"

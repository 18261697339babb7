#include "core/cp1251.h"
#include "platform/errorbox.h"
#include "core/errors.h"
#include "core/paths.h"
#include "core/random.h"
#include "support/testsupport.h"

#include <QtTest>
#include <cerrno>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { zktest::RestoreClock(); }

    void randomFollowsTheGeneratorFormula_data();
    void randomFollowsTheGeneratorFormula();
    void randomizeTakesTheTimeOfDay();
    void randomStaysInRange();
    void cp1251RoundTrip_data();
    void cp1251RoundTrip();
    void cp1251NamesTheUnencodableCharacter();
    void cp1251AgreesWithTheSystemConverter();
    void ioErrorTexts_data();
    void ioErrorTexts();
    void errnoMapsOntoRuntimeCodes_data();
    void errnoMapsOntoRuntimeCodes();
    void errorBoxFullStopRule_data();
    void errorBoxFullStopRule();
    void guardReportsAndGoesOn();
    void dataPathsIgnoreCase();
};

void TestPlatform::randomFollowsTheGeneratorFormula_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint32>("n");
    QTest::newRow("zero seed") << 0u << 10u;
    QTest::newRow("midday") << 43200000u << 97u;
    QTest::newRow("wraps") << 0xFFFFFFFFu << 4u;
    QTest::newRow("large n") << 12345u << 100000u;
}

void TestPlatform::randomFollowsTheGeneratorFormula()
{
    QFETCH(quint32, seed);
    QFETCH(quint32, n);
    zk::SetRandSeed(seed);
    // Worked out independently in 64-bit arithmetic.
    quint64 s = seed;
    for (int i = 0; i < 5; ++i) {
        s = (s * 134775813ull + 1ull) & 0xFFFFFFFFull;
        const quint64 expected = (s * n) >> 32;
        QCOMPARE(quint64(zk::Random(n)), expected);
        QCOMPARE(quint64(zk::RandSeed()), s);
    }
}

void TestPlatform::randomizeTakesTheTimeOfDay()
{
    zktest::FixClock(((13 * 60 + 5) * 60 + 7) * 1000 + 250);
    zk::Randomize();
    QCOMPARE(zk::RandSeed(), quint32(47107250));
    // Two draws started in the same millisecond agree.
    const auto a = zk::Random(1000);
    zk::Randomize();
    QCOMPARE(zk::Random(1000), a);
}

void TestPlatform::randomStaysInRange()
{
    zk::SetRandSeed(7);
    QVector<int> hits(6);
    for (int i = 0; i < 60000; ++i) {
        const auto v = zk::Random(6);
        QVERIFY(v < 6);
        ++hits[int(v)];
    }
    for (int h : hits)
        QVERIFY2(h > 9000 && h < 11000, "every value about equally often");
    QCOMPARE(zk::Random(0), 0u);
}

void TestPlatform::cp1251RoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("latin") << QStringLiteral("abc") << QByteArray("abc");
    QTest::newRow("cyrillic") << QStringLiteral("Тармил") << QByteArray("\xD2\xE0\xF0\xEC\xE8\xEB");
    QTest::newRow("yo") << QStringLiteral("Ёё") << QByteArray("\xA8\xB8");
    QTest::newRow("guillemets and dash") << QStringLiteral("«—»") << QByteArray("\xAB\x97\xBB");
}

void TestPlatform::cp1251RoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool ok = false;
    QCOMPARE(zk::ToCp1251(text, &ok), bytes);
    QVERIFY(ok);
    QCOMPARE(zk::FromCp1251(bytes), text);
}

void TestPlatform::cp1251NamesTheUnencodableCharacter()
{
    bool ok = true;
    qsizetype bad = -1;
    zk::ToCp1251(QStringLiteral("Вода ≈ H₂O"), &ok, &bad);
    QVERIFY(!ok);
    QCOMPARE(bad, 5);
    // A character outside the basic plane is one character, whose index is its first unit.
    const QByteArray bytes = zk::ToCp1251(QStringLiteral("я\U0001F600я"), &ok, &bad);
    QCOMPARE(bytes, QByteArray("\xFF\x1A\xFF"));
    QCOMPARE(bad, 1);
}

// The game's own table against the system's converter, byte by byte, both ways.
void TestPlatform::cp1251AgreesWithTheSystemConverter()
{
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString system = QStringDecoder("windows-1251").decode(QByteArrayView(&byte, 1));
        QCOMPARE(zk::FromCp1251(QByteArrayView(&byte, 1)), system);
        bool ok = false;
        QCOMPARE(zk::ToCp1251(system, &ok), QByteArray(1, byte));
        QVERIFY(ok);
    }
}

void TestPlatform::ioErrorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("2") << 2 << "File not found";
    QTest::newRow("3") << 3 << "Invalid filename";
    QTest::newRow("4") << 4 << "Too many open files";
    QTest::newRow("5") << 5 << "File access denied";
    QTest::newRow("100") << 100 << "Read beyond end of file";
    QTest::newRow("101") << 101 << "Disk full";
    QTest::newRow("106") << 106 << "Invalid numeric input";
    QTest::newRow("other") << 32 << "I/O error 32";
}

void TestPlatform::ioErrorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(zk::InOutError(code).text(), text);
}

void TestPlatform::errnoMapsOntoRuntimeCodes_data()
{
    QTest::addColumn<int>("err");
    QTest::addColumn<int>("code");
    QTest::newRow("ENOENT") << ENOENT << 2;
    QTest::newRow("ENOTDIR") << ENOTDIR << 3;
    QTest::newRow("EMFILE") << EMFILE << 4;
    QTest::newRow("EACCES") << EACCES << 5;
    QTest::newRow("EROFS") << EROFS << 5;
    QTest::newRow("ENOSPC") << ENOSPC << 101;
    // The rest keep their number clear of the table: a read error is not "File access
    // denied", an interrupted call not "Too many open files".
    QTest::newRow("EIO") << EIO << 1000 + EIO;
    QTest::newRow("EINTR") << EINTR << 1000 + EINTR;
    QTest::newRow("ENETDOWN") << ENETDOWN << 1000 + ENETDOWN;
}

void TestPlatform::errnoMapsOntoRuntimeCodes()
{
    QFETCH(int, err);
    QFETCH(int, code);
    QCOMPARE(zk::InOutError::CodeFromErrno(err), code);
    if (code > 106)
        QCOMPARE(zk::InOutError(code).text(), QStringLiteral("I/O error %1").arg(code));
}

void TestPlatform::errorBoxFullStopRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "File not found"
                            << "File not found.";
    QTest::newRow("digit") << "I/O error 32"
                           << "I/O error 32.";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("exclamation") << "Стоп!"
                                 << "Стоп!";
    QTest::newRow("closing quote") << "Cannot open file \"x\""
                                   << "Cannot open file \"x\"";
    QTest::newRow("slash sorts after") << "a/"
                                       << "a/.";
    QTest::newRow("empty") << ""
                           << "";
}

void TestPlatform::errorBoxFullStopRule()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    zktest::ErrorLog log;
    zk::ShowErrorBox(text);
    QCOMPARE(log.texts, QStringList{shown});
}

void TestPlatform::guardReportsAndGoesOn()
{
    zktest::ErrorLog log;
    int steps = 0;
    const bool ok = zk::Guarded([&] {
        ++steps;
        throw zk::InOutError(100);
        ++steps;
    });
    QVERIFY(!ok);
    QCOMPARE(steps, 1);
    QCOMPARE(log.texts, QStringList{"Read beyond end of file."});
    QVERIFY(zk::Guarded([&] { ++steps; }));
    QCOMPARE(log.texts.size(), 1);
}

void TestPlatform::dataPathsIgnoreCase()
{
    zktest::GameFolder folder;
    folder.write("Graph/bellOtbor.wav", "x");
    folder.write("music/bellOtbor.wav", "y");
    QCOMPARE(zk::ResolveDataPath("graph\\bellotbor.wav"), QString("Graph/bellOtbor.wav"));
    QCOMPARE(zk::ResolveDataPath("Graph\\bellOtbor.wav"), QString("Graph/bellOtbor.wav"));
    QCOMPARE(zk::ResolveDataPath("MUSIC\\BELLOTBOR.WAV"), QString("music/bellOtbor.wav"));
    // What does not exist keeps its spelling.
    QCOMPARE(zk::ResolveDataPath("Text\\1.txt"), QString("Text/1.txt"));
    QVERIFY(!zk::ParentFolderExists("Text/1.txt"));
    QVERIFY(zk::ParentFolderExists("Graph/none.gif"));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"

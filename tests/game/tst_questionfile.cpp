#include "core/gamestate.h"
#include "core/question.h"
#include "core/errors.h"
#include "core/random.h"
#include "support/testsupport.h"

#include <QtTest>

using zktest::MakeQuestion;
using zktest::RecordBytes;

class TestQuestionFile : public QObject {
    Q_OBJECT
private slots:
    void init() { zk::ResetGameState(); }
    void cleanup() { zktest::RestoreClock(); }

    void recordLayout();
    void levelFileNames_data();
    void levelFileNames();
    void oneRecordAlwaysYieldsIt();
    void incompleteTailIsNeverRead();
    void failuresKeepTheState_data();
    void failuresKeepTheState();
    void drawIsReproducibleFromTheClock();
    void overlongLengthBytesAreCut();
    void readingTouchesNoState();
};

void TestQuestionFile::recordLayout()
{
    const auto q = MakeQuestion("Q", {"A", "BB", "CCC", "DDDD"}, 'c');
    const QByteArray b = RecordBytes(q);
    QCOMPARE(b.size(), 461);
    QCOMPARE(int(b.at(0)), 1);
    QCOMPARE(b.at(1), 'Q');
    QCOMPARE(int(b.at(256)), 1);
    QCOMPARE(b.at(257), 'A');
    QCOMPARE(int(b.at(307)), 2);
    QCOMPARE(int(b.at(358)), 3);
    QCOMPARE(int(b.at(409)), 4);
    QCOMPARE(b.mid(410, 4), QByteArray("DDDD"));
    QCOMPARE(b.at(460), 'c');
}

void TestQuestionFile::levelFileNames_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1 << "1.txt";
    QTest::newRow("9") << 9 << "9.txt";
    QTest::newRow("10") << 10 << "10.txt";
    QTest::newRow("15") << 15 << "15.txt";
}

void TestQuestionFile::levelFileNames()
{
    QFETCH(int, level);
    QFETCH(QString, name);
    QCOMPARE(zk::LevelFileName(level), name);
}

void TestQuestionFile::oneRecordAlwaysYieldsIt()
{
    zktest::GameFolder folder;
    const auto q = MakeQuestion("Столица России?", {"Москва", "Казань", "Омск", "Тверь"}, 'a');
    folder.write("Text/1.txt", RecordBytes(q));
    for (quint32 ms : {0u, 1u, 43200000u, 86399999u}) {
        zktest::FixClock(ms);
        const auto got = zk::LoadRandomQuestion("1.txt");
        QCOMPARE(RecordBytes(got), RecordBytes(q));
    }
}

void TestQuestionFile::incompleteTailIsNeverRead()
{
    zktest::GameFolder folder;
    const auto a = MakeQuestion("first", {"1", "2", "3", "4"}, 'a');
    const auto b = MakeQuestion("second", {"1", "2", "3", "4"}, 'b');
    QByteArray bytes = RecordBytes(a) + RecordBytes(b) + QByteArray(78, 'X');
    QCOMPARE(bytes.size(), 1000);
    folder.write("Text/2.txt", bytes);
    QSet<QString> seen;
    for (quint32 ms = 0; ms < 200; ++ms) {
        zktest::FixClock(ms * 7919);
        const auto got = zk::LoadRandomQuestion("2.txt");
        seen << got.Text.ToString();
    }
    QCOMPARE(seen, (QSet<QString>{"first", "second"}));
}

void TestQuestionFile::failuresKeepTheState_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing file") << "folder"
                                  << "File not found";
    QTest::newRow("missing folder") << "none"
                                    << "Invalid filename";
    QTest::newRow("empty file") << "empty"
                                << "Read beyond end of file";
    QTest::newRow("shorter than a record") << "short"
                                           << "Read beyond end of file";
}

void TestQuestionFile::failuresKeepTheState()
{
    QFETCH(QString, setup);
    QFETCH(QString, text);
    zktest::GameFolder folder;
    if (setup == "folder")
        folder.write("Text/other.txt", "x");
    else if (setup == "empty")
        folder.write("Text/3.txt", "");
    else if (setup == "short")
        folder.write("Text/3.txt", QByteArray(460, 'x'));
    auto& g = zk::Game();
    g.CurrentQuestion = MakeQuestion("kept", {"a", "b", "c", "d"}, 'd');
    g.FiftyOnQuestion = 1;
    QCOMPARE(zktest::ErrorText([] { zk::LoadRandomQuestion("3.txt"); }), text);
    QCOMPARE(g.CurrentQuestion.Text.ToString(), QString("kept"));
    QCOMPARE(int(g.FiftyOnQuestion), 1);
}

void TestQuestionFile::drawIsReproducibleFromTheClock()
{
    zktest::GameFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += RecordBytes(MakeQuestion(QString::number(i), {"1", "2", "3", "4"}, 'a'));
    folder.write("Text/5.txt", bytes);
    for (quint32 ms : {0u, 999u, 12345678u}) {
        zktest::FixClock(ms);
        // The record index follows the generator: seed := clock, k := Random(count).
        quint32 seed = ms * 134775813u + 1u;
        const quint64 k = (quint64(seed) * 1000u) >> 32;
        QCOMPARE(zk::LoadRandomQuestion("5.txt").Text.ToString(), QString::number(k));
    }
}

void TestQuestionFile::overlongLengthBytesAreCut()
{
    zktest::GameFolder folder;
    auto q = MakeQuestion("x", {"a", "b", "c", "d"}, 'a');
    QByteArray bytes = RecordBytes(q);
    bytes[256] = char(200);  // answer A claims 200 characters in a 50-character field
    std::memset(bytes.data() + 257, 'Z', 50);
    folder.write("Text/4.txt", bytes);
    const auto got = zk::LoadRandomQuestion("4.txt");
    QCOMPARE(got.AnswerA.ToString(), QString(50, QChar('Z')));
}

void TestQuestionFile::readingTouchesNoState()
{
    zktest::GameFolder folder;
    folder.write("text/1.txt", RecordBytes(MakeQuestion("q", {"a", "b", "c", "d"}, 'b')));
    zk::Game().FiftyOnQuestion = 1;
    // "Text\" is found whatever the folder's case.
    QCOMPARE(zk::LoadRandomQuestion("1.txt").Text.ToString(), QStringLiteral("q"));
    // Clearing the 50:50 mark is the business of whoever puts the question on screen.
    QCOMPARE(int(zk::Game().FiftyOnQuestion), 1);
}

QTEST_GUILESS_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"

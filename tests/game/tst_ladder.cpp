#include "core/gamestate.h"

#include <QtTest>

// The rules of the prize ladder, played through without any window.
class TestLadder : public QObject {
    Q_OBJECT
private slots:
    void init() { zk::ResetGameState(); }
    void startUpValues();
    void wrongAnswerFallsToGuaranteedSum_data();
    void wrongAnswerFallsToGuaranteedSum();
    void takingTheMoneyKeepsWinnings_data();
    void takingTheMoneyKeepsWinnings();
    void fifteenthRightAnswer();
    void arrowRows_data();
    void arrowRows();
    void guaranteedSumSurvivesEndButNotStart();
};

static void playTo(zk::GameState& g, int level)
{
    zk::StartGameState(g);
    g.CurrentLevel = 1;
    while (g.CurrentLevel < level)
        zk::RecordCorrectAnswer(g);
}

void TestLadder::startUpValues()
{
    const auto& g = zk::Game();
    QCOMPARE(int(g.CurrentLevel), 0);
    QCOMPARE(int(g.AudienceUsed) + g.FriendUsed + g.FiftyUsed, 3);
    QCOMPARE(int(g.AnswerAllowed), 1);
    QCOMPARE(g.Winnings, 0);
    QCOMPARE(int(g.SoundOn), 1);
    QCOMPARE(int(g.AdsOn), 1);
}

void TestLadder::wrongAnswerFallsToGuaranteedSum_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("winnings");
    for (int level = 1; level <= 15; ++level)
        QTest::addRow("level %d", level) << level << (level <= 5 ? 0 : level <= 10 ? 1000 : 32000);
}

void TestLadder::wrongAnswerFallsToGuaranteedSum()
{
    QFETCH(int, level);
    QFETCH(int, winnings);
    auto& g = zk::Game();
    playTo(g, level);
    zk::RecordWrongAnswer(g);
    QCOMPARE(g.Winnings, winnings);
}

void TestLadder::takingTheMoneyKeepsWinnings_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("winnings");
    QTest::newRow("level 1") << 1 << 0;
    QTest::newRow("level 6") << 6 << 1000;
    QTest::newRow("level 12") << 12 << 64000;
    QTest::newRow("level 15") << 15 << 500000;
}

void TestLadder::takingTheMoneyKeepsWinnings()
{
    QFETCH(int, level);
    QFETCH(int, winnings);
    auto& g = zk::Game();
    playTo(g, level);
    QCOMPARE(g.Winnings, winnings);
}

void TestLadder::fifteenthRightAnswer()
{
    auto& g = zk::Game();
    playTo(g, 15);
    QVERIFY(!zk::RecordCorrectAnswer(g));  // the arrow stays on the top row
    QCOMPARE(int(g.CurrentLevel), 16);
    QCOMPARE(g.Winnings, 500000);
    QCOMPARE(g.GuaranteedSum, 32000);
}

void TestLadder::arrowRows_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("top");
    QTest::newRow("1") << 1 << 526;
    QTest::newRow("5") << 5 << 430;
    QTest::newRow("10") << 10 << 310;
    QTest::newRow("15") << 15 << 190;
}

void TestLadder::arrowRows()
{
    QFETCH(int, level);
    QFETCH(int, top);
    QCOMPARE(zk::ArrowTopForLevel(level), top);
}

void TestLadder::guaranteedSumSurvivesEndButNotStart()
{
    auto& g = zk::Game();
    playTo(g, 12);
    zk::EndGameState(g);
    QCOMPARE(g.GuaranteedSum, 32000);
    QCOMPARE(g.Winnings, 0);
    QCOMPARE(int(g.FiftyUsed), 1);
    zk::StartGameState(g);
    QCOMPARE(g.GuaranteedSum, 0);
    g.CurrentLevel = 1;
    zk::RecordWrongAnswer(g);
    QCOMPARE(g.Winnings, 0);
}

QTEST_GUILESS_MAIN(TestLadder)
#include "tst_ladder.moc"

#include "core/fifty.h"
#include "core/friendcall.h"
#include "core/poll.h"
#include "core/random.h"
#include "support/testsupport.h"

#include <QtTest>

using zk::AnswersInPlay;
using zk::PollShares;

Q_DECLARE_METATYPE(AnswersInPlay)

namespace {

// Enough polls to pin a nine-in-ten rate to about ±0.3 % (one standard deviation).
constexpr int kRuns = 10000;

// Every draw of the lifelines re-seeds from the clock, so each run gets a clock of its own.
void ClockForRun(std::uint32_t base, int run)
{
    zktest::FixClock((base + static_cast<std::uint32_t>(run) * 8629u) % 86400000u);
}

AnswersInPlay InPlay(const QString& letters)
{
    AnswersInPlay p{};
    for (QChar c : letters)
        p[c.unicode() - 'a'] = true;
    return p;
}

bool StrictlyLargest(const PollShares& s, int k)
{
    for (int j = 0; j < 4; ++j)
        if (j != k && s[j] >= s[k])
            return false;
    return true;
}

}  // namespace

class TestPoll : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { zktest::RestoreClock(); }

    void audienceVote_data();
    void audienceVote();
    void leaderLetter_data();
    void leaderLetter();
    void splitPairIsEven();
    void friendLetter_data();
    void friendLetter();
    void fiftyRemovals_data();
    void fiftyRemovals();
    void letterThatNamesNoAnswer_data();
    void letterThatNamesNoAnswer();
};

void TestPoll::audienceVote_data()
{
    QTest::addColumn<char>("correct");
    QTest::addColumn<bool>("fifty");
    QTest::addColumn<QString>("onScreen");
    QTest::addColumn<uint>("clockBase");
    QTest::newRow("A right, four answers") << 'a' << false << "abcd" << 0u;
    QTest::newRow("B right, four answers") << 'b' << false << "abcd" << 12345678u;
    QTest::newRow("C right, four answers") << 'c' << false << "abcd" << 43200000u;
    QTest::newRow("D right, four answers") << 'd' << false << "abcd" << 86399999u;
    QTest::newRow("A and D left") << 'a' << true << "ad" << 777u;
    QTest::newRow("B and C left") << 'c' << true << "bc" << 3600000u;
    QTest::newRow("B and D left, D right") << 'd' << true << "bd" << 55555555u;
    QTest::newRow("A and B left, B right") << 'b' << true << "ab" << 20000000u;
}

void TestPoll::audienceVote()
{
    QFETCH(char, correct);
    QFETCH(bool, fifty);
    QFETCH(QString, onScreen);
    QFETCH(uint, clockBase);
    const AnswersInPlay inPlay = InPlay(onScreen);
    const int c = correct - 'a';

    int correctLeads = 0;
    for (int run = 0; run < kRuns; ++run) {
        ClockForRun(clockBase, run);
        const zk::AudienceVote vote = zk::TakeAudienceVote(correct, fifty, inPlay);
        const PollShares& s = vote.shares;
        QCOMPARE(s[0] + s[1] + s[2] + s[3], 100);
        if (!fifty) {
            for (int k = 0; k < 4; ++k)
                QVERIFY2(s[k] >= 1 && s[k] <= 97, qPrintable(QString::number(s[k])));
        } else {
            int larger = 0;
            for (int k = 0; k < 4; ++k) {
                if (!inPlay[k])
                    QCOMPARE(int(s[k]), 0);
                else
                    larger = std::max<int>(larger, s[k]);
            }
            QVERIFY2(larger >= 51 && larger <= 99, qPrintable(QString::number(larger)));
        }

        // The sentence names the audience's favourite: the correct answer when it leads,
        // otherwise the first of the largest shares that is not the correct answer.
        const int named = vote.letter - 'A';
        QVERIFY(named >= 0 && named < 4);
        if (StrictlyLargest(s, c)) {
            ++correctLeads;
            QCOMPARE(named, c);
        } else {
            QVERIFY(named != c);
            const int top = *std::max_element(s.begin(), s.end());
            QCOMPARE(int(s[named]), top);
            for (int k = 0; k < named; ++k)
                QVERIFY(k == c || s[k] < top);
        }
    }
    const double rate = double(correctLeads) / kRuns;
    QVERIFY2(rate >= 0.88 && rate <= 0.92, qPrintable(QString::number(rate)));
}

void TestPoll::leaderLetter_data()
{
    QTest::addColumn<PollShares>("shares");
    QTest::addColumn<char>("correct");
    QTest::addColumn<char>("leader");
    QTest::newRow("A leads") << PollShares{40, 30, 20, 10} << 'b' << 'a';
    QTest::newRow("B leads") << PollShares{30, 40, 20, 10} << 'a' << 'b';
    QTest::newRow("C leads") << PollShares{1, 1, 97, 1} << 'd' << 'c';
    QTest::newRow("D leads by one") << PollShares{25, 24, 25, 26} << 'a' << 'd';
    QTest::newRow("D leads, halved") << PollShares{0, 0, 1, 99} << 'c' << 'd';
    QTest::newRow("correct A tied with B") << PollShares{30, 30, 20, 20} << 'a' << 'b';
    QTest::newRow("B and C tied above correct A") << PollShares{10, 35, 35, 20} << 'a' << 'b';
    QTest::newRow("A and D tied, correct C") << PollShares{35, 15, 15, 35} << 'c' << 'a';
    QTest::newRow("correct D tied with A") << PollShares{40, 10, 10, 40} << 'd' << 'a';
    QTest::newRow("three tied, correct B") << PollShares{10, 30, 30, 30} << 'b' << 'c';
    QTest::newRow("all equal, correct A") << PollShares{25, 25, 25, 25} << 'a' << 'b';
    QTest::newRow("all equal, correct D") << PollShares{25, 25, 25, 25} << 'd' << 'a';
}

void TestPoll::leaderLetter()
{
    QFETCH(PollShares, shares);
    QFETCH(char, correct);
    QFETCH(char, leader);
    QCOMPARE(zk::LeaderLetter(shares, correct), leader);
}

void TestPoll::splitPairIsEven()
{
    std::array<int, 100> seen{};
    for (int run = 0; run < kRuns; ++run) {
        ClockForRun(4242, run);
        const zk::SplitShares split = zk::SplitPair();
        QVERIFY2(split.larger >= 51 && split.larger <= 99, qPrintable(QString::number(split.larger)));
        QCOMPARE(split.larger + split.smaller, 100);
        ++seen[split.larger];
    }
    // 49 values, about 204 runs each; 150..260 is some four standard deviations wide.
    for (int v = 51; v <= 99; ++v)
        QVERIFY2(seen[v] >= 150 && seen[v] <= 260, qPrintable(QStringLiteral("%1: %2").arg(v).arg(seen[v])));
}

void TestPoll::friendLetter_data()
{
    QTest::addColumn<char>("correct");
    QTest::addColumn<bool>("fifty");
    QTest::addColumn<QString>("onScreen");
    QTest::addColumn<char>("wrongLetter");
    QTest::addColumn<uint>("clockBase");
    QTest::newRow("A right: wrongly C") << 'a' << false << "abcd" << 'C' << 1u;
    QTest::newRow("B right: wrongly A") << 'b' << false << "abcd" << 'A' << 31415926u;
    QTest::newRow("C right: wrongly B") << 'c' << false << "abcd" << 'B' << 27182818u;
    QTest::newRow("D right: wrongly C") << 'd' << false << "abcd" << 'C' << 60000000u;
    QTest::newRow("halved, A right, D left") << 'a' << true << "ad" << 'D' << 123u;
    QTest::newRow("halved, D right, C left") << 'd' << true << "cd" << 'C' << 456789u;
    QTest::newRow("halved, C right, A left") << 'c' << true << "ac" << 'A' << 80000000u;
    QTest::newRow("halved, B right, D left") << 'b' << true << "bd" << 'D' << 7u;
}

void TestPoll::friendLetter()
{
    QFETCH(char, correct);
    QFETCH(bool, fifty);
    QFETCH(QString, onScreen);
    QFETCH(char, wrongLetter);
    QFETCH(uint, clockBase);
    const char right = char(correct - 'a' + 'A');

    int rightCalls = 0;
    for (int run = 0; run < kRuns; ++run) {
        ClockForRun(clockBase, run);
        const char named = zk::FriendLetter(correct, fifty, InPlay(onScreen));
        if (named == right)
            ++rightCalls;
        else
            QCOMPARE(named, wrongLetter);
        if (!fifty && named == 'D')
            QCOMPARE(correct, 'd');  // the table never names D
        if (fifty)
            QVERIFY(onScreen.contains(QChar(named).toLower()));
    }
    const double rate = double(rightCalls) / kRuns;
    QVERIFY2(rate >= 0.88 && rate <= 0.92, qPrintable(QString::number(rate)));
}

void TestPoll::fiftyRemovals_data()
{
    QTest::addColumn<char>("correct");
    QTest::addColumn<uint>("clockBase");
    QTest::newRow("A right") << 'a' << 0u;
    QTest::newRow("B right") << 'b' << 9999999u;
    QTest::newRow("C right") << 'c' << 50505050u;
    QTest::newRow("D right") << 'd' << 86000000u;
}

void TestPoll::fiftyRemovals()
{
    QFETCH(char, correct);
    QFETCH(uint, clockBase);
    const int c = correct - 'a';
    std::array<int, 4> stays{};
    for (int run = 0; run < kRuns; ++run) {
        ClockForRun(clockBase, run);
        const auto removed = zk::PickFiftyRemovals(correct);
        QVERIFY(removed[0] != removed[1]);
        for (int r : removed) {
            QVERIFY(r >= 0 && r < 4);
            QVERIFY(r != c);
        }
        for (int k = 0; k < 4; ++k)
            if (k != c && k != removed[0] && k != removed[1])
                ++stays[k];
    }
    for (int k = 0; k < 4; ++k) {
        if (k == c)
            continue;
        const double rate = double(stays[k]) / kRuns;
        QVERIFY2(std::abs(rate - 1.0 / 3.0) <= 0.02, qPrintable(QStringLiteral("%1: %2").arg(k).arg(rate)));
    }
}

void TestPoll::letterThatNamesNoAnswer_data()
{
    // A question file may hold an upper-case or a stray letter; the lifelines must still
    // finish (a poll that waits for a share that does not exist would never end).
    QTest::addColumn<char>("correct");
    QTest::newRow("upper-case A") << 'A';
    QTest::newRow("e") << 'e';
    QTest::newRow("zero byte") << '\0';
}

void TestPoll::letterThatNamesNoAnswer()
{
    QFETCH(char, correct);
    for (int run = 0; run < 200; ++run) {
        ClockForRun(99, run);
        const PollShares right = zk::MakeRightPoll(correct, false, InPlay("abcd"));
        QCOMPARE(right[0] + right[1] + right[2] + right[3], 100);
        const PollShares wrong = zk::MakeWrongPoll(correct, false, InPlay("abcd"));
        QCOMPARE(wrong[0] + wrong[1] + wrong[2] + wrong[3], 100);
        const auto removed = zk::PickFiftyRemovals(correct);
        QVERIFY(removed[0] != removed[1]);
    }
}

QTEST_GUILESS_MAIN(TestPoll)
#include "tst_poll.moc"

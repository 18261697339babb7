#include "core/poll.h"

#include "core/random.h"

namespace zk {
namespace {

// Draws four shares of 1..97 until they add up to 100 and `accept` likes them.
// Rejection gives every admissible poll the same chance; it takes a few thousand
// draws, which is still far below a millisecond.
template <class Accept>
PollShares DrawFourShares(Accept accept)
{
    Randomize();
    for (;;) {
        PollShares s;
        for (auto& share : s)
            share = static_cast<std::uint8_t>(Random(97) + 1);
        const int sum = s[0] + s[1] + s[2] + s[3];  // full width: four bytes may pass 255
        if (sum == 100 && accept(s))
            return s;
    }
}

bool StrictlyLargest(const PollShares& s, int index)
{
    for (int k = 0; k < 4; ++k)
        if (k != index && s[k] >= s[index])
            return false;
    return true;
}

// The halved question: the correct answer and the one wrong answer left share 100.
PollShares SplitHalved(char correct, const AnswersInPlay& inPlay, bool correctLeads)
{
    static constexpr int kPairs[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    PollShares s{};
    const int c = AnswerIndex(correct);
    for (const auto& pair : kPairs) {
        if (pair[0] != c && pair[1] != c)
            continue;
        if (!inPlay[pair[0]] || !inPlay[pair[1]])
            continue;
        const int other = pair[0] == c ? pair[1] : pair[0];
        const SplitShares split = SplitPair();
        s[c] = correctLeads ? split.larger : split.smaller;
        s[other] = correctLeads ? split.smaller : split.larger;
        // After 50:50 only one pair can qualify; should more answers be on screen, a
        // second pair would push the sum past 100, so the first one decides.
        break;
    }
    return s;
}

}  // namespace

int AnswerIndex(char letter) { return letter >= 'a' && letter <= 'd' ? letter - 'a' : -1; }

char UpperLetter(char letter) { return AnswerIndex(letter) >= 0 ? static_cast<char>(letter - 'a' + 'A') : letter; }

SplitShares SplitPair()
{
    Randomize();
    for (;;) {
        const auto larger = Random(100) + 1;
        const auto smaller = Random(100) + 1;
        if (larger > smaller && larger + smaller == 100)
            return {static_cast<std::uint8_t>(larger), static_cast<std::uint8_t>(smaller)};
    }
}

PollShares MakeRightPoll(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay)
{
    if (fiftyOnQuestion)
        return SplitHalved(correct, inPlay, true);
    const int c = AnswerIndex(correct);
    // A record whose letter names no answer has no share to favour; any poll will do
    // rather than draw for ever.
    return DrawFourShares([c](const PollShares& s) { return c < 0 || StrictlyLargest(s, c); });
}

PollShares MakeWrongPoll(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay)
{
    if (fiftyOnQuestion)
        return SplitHalved(correct, inPlay, false);
    const int c = AnswerIndex(correct);
    return DrawFourShares([c](const PollShares& s) { return c < 0 || !StrictlyLargest(s, c); });
}

char LeaderLetter(const PollShares& shares, char correct)
{
    for (int k = 0; k < 4; ++k)
        if (StrictlyLargest(shares, k))
            return static_cast<char>('a' + k);
    // A tie for the top: see the header.
    int top = 0;
    for (auto share : shares)
        top = std::max<int>(top, share);
    const int c = AnswerIndex(correct);
    for (int k = 0; k < 4; ++k)
        if (shares[k] == top && k != c)
            return static_cast<char>('a' + k);
    return 'a';  // not reached: a top held by the correct answer alone would be strictly largest
}

AudienceVote TakeAudienceVote(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay)
{
    Randomize();
    const std::uint32_t r = Random(10);
    AudienceVote vote;
    if (r != 0) {
        vote.shares = MakeRightPoll(correct, fiftyOnQuestion, inPlay);
        vote.letter = UpperLetter(correct);
    } else {
        vote.shares = MakeWrongPoll(correct, fiftyOnQuestion, inPlay);
        vote.letter = UpperLetter(LeaderLetter(vote.shares, correct));
    }
    return vote;
}

QString AudienceSentence(char upperLetter)
{
    return QStringLiteral("   Большинство присутствующих в зале считает, что правильный ответ ") +
        QLatin1Char(upperLetter) + QStringLiteral(". Но не забывайте о том, что зал может ошибаться.");
}

}  // namespace zk

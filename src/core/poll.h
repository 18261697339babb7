#pragma once
#include <QString>

#include <array>
#include <cstdint>

namespace zk {

// The audience's votes for A, B, C, D in percent.
using PollShares = std::array<std::uint8_t, 4>;
// Which answers are still on screen (a..d); 50:50 takes two of them away.
using AnswersInPlay = std::array<bool, 4>;

// Index 0..3 of an answer letter "a".."d"; -1 for anything else.
int AnswerIndex(char letter);
// "a".."d" written the way the screen shows them; any other byte as it is.
char UpperLetter(char letter);

struct SplitShares {
    std::uint8_t larger = 0;
    std::uint8_t smaller = 0;
};

// One share of 51..99 and its complement, for the two answers left by 50:50.
SplitShares SplitPair();

// A poll in which the correct answer gets the strictly largest share (on a halved
// question: the larger of the two). Every operation re-seeds from the clock first.
PollShares MakeRightPoll(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay);
// A poll in which some other answer gets at least as much as the correct one.
PollShares MakeWrongPoll(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay);

// The letter ("a".."d") of the audience's favourite. Without a strictly largest share
// (a tie for the top, possible only in a wrong poll) it is the first letter, A to D,
// among the largest shares that is not the correct answer: the audience never names
// the right answer by accident when the game has decided it should be wrong.
char LeaderLetter(const PollShares& shares, char correct);

struct AudienceVote {
    PollShares shares{};
    char letter = 0;  // upper-case, as the sentence names it
};

// The whole vote: nine times in ten a right poll naming the correct letter, otherwise
// a wrong poll naming the audience's favourite.
AudienceVote TakeAudienceVote(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay);

// The host's sentence under the chart.
QString AudienceSentence(char upperLetter);

}  // namespace zk

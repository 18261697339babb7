#pragma once
#include "core/question.h"

#include <array>
#include <cstdint>

namespace zk {

// The prize of each level, 1..15 (index 0 unused).
inline constexpr std::array<std::int32_t, 16> Prizes = {0,    100,   200,   300,   500,    1000,   2000,   4000,
                                                        8000, 16000, 32000, 64000, 125000, 250000, 500000, 1000000};

inline constexpr bool IsGuaranteed(std::int32_t amount) { return amount == 1000 || amount == 32000; }

// Top of the ladder arrow at level n: 526 at level 1, 24 px higher for every level above.
inline constexpr int ArrowTopForLevel(int level) { return 526 - 24 * (level - 1); }

// The one game state, shared by every window. The values are those of a program that
// has just started and shows its idle main window.
struct GameState {
    std::uint8_t CurrentLevel = 0;
    std::int32_t Winnings = 0;
    std::int32_t GuaranteedSum = 0;
    std::uint8_t AudienceUsed = 1;
    std::uint8_t FriendUsed = 1;
    std::uint8_t FiftyUsed = 1;
    std::uint8_t FiftyOnQuestion = 0;
    std::uint8_t AnswerAllowed = 1;
    char ChosenAnswer = 0;
    std::uint8_t RevealStep = 0;
    std::uint8_t AdvertRoll = 0;
    QuestionRecord CurrentQuestion{};
    std::uint8_t SoundOn = 1;
    std::uint8_t AdsOn = 1;

    // True when the chosen letter is the stored correct one (an exact byte comparison).
    bool ChosenIsRight() const { return ChosenAnswer == CurrentQuestion.Correct; }
};

GameState& Game();

enum class Lifeline { Fifty, Audience, Friend };
// The "used" flag of one lifeline.
std::uint8_t& UsedFlag(GameState& state, Lifeline which);
// Back to the values of a fresh start (tests).
void ResetGameState();

// The rules of the ladder, free of any window; the main window moves its arrow
// when RecordCorrectAnswer says so.
// Returns true when the arrow moves up one row (the new level is at most 15).
bool RecordCorrectAnswer(GameState& state);
void RecordWrongAnswer(GameState& state);
// The state steps of a new game (lifelines free, sums zeroed); the screen steps are the main window's.
void StartGameState(GameState& state);
// The state steps of the end of a game: lifelines marked used, winnings zeroed.
void EndGameState(GameState& state);

}  // namespace zk

#include "core/gamestate.h"

namespace zk {

GameState& Game()
{
    static GameState state;
    return state;
}

void ResetGameState() { Game() = GameState{}; }

bool RecordCorrectAnswer(GameState& state)
{
    if (state.CurrentLevel <= 14) {
        state.Winnings = Prizes[state.CurrentLevel];
        if (IsGuaranteed(state.Winnings))
            state.GuaranteedSum = state.Winnings;
    }
    state.CurrentLevel = static_cast<std::uint8_t>(state.CurrentLevel + 1);
    return state.CurrentLevel <= 15;
}

void RecordWrongAnswer(GameState& state) { state.Winnings = state.GuaranteedSum; }

std::uint8_t& UsedFlag(GameState& state, Lifeline which)
{
    switch (which) {
    case Lifeline::Fifty: return state.FiftyUsed;
    case Lifeline::Audience: return state.AudienceUsed;
    case Lifeline::Friend: return state.FriendUsed;
    }
    return state.FiftyUsed;
}

void StartGameState(GameState& state)
{
    state.AudienceUsed = state.FriendUsed = state.FiftyUsed = 0;
    state.FiftyOnQuestion = 0;
    state.Winnings = 0;
    state.GuaranteedSum = 0;
}

void EndGameState(GameState& state)
{
    state.AudienceUsed = state.FriendUsed = state.FiftyUsed = 1;
    state.Winnings = 0;
}

}  // namespace zk

#pragma once
#include <array>

namespace zk {

// The two answers (indexes 0..3, in the order they go) that 50:50 takes away: never the
// correct one, never the same twice, and each wrong answer is equally likely to stay.
// Re-seeds from the clock first.
std::array<int, 2> PickFiftyRemovals(char correct);

}  // namespace zk

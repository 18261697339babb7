#include "core/fifty.h"

#include "core/poll.h"
#include "core/random.h"

namespace zk {

std::array<int, 2> PickFiftyRemovals(char correct)
{
    const int c = AnswerIndex(correct);
    Randomize();
    int first;
    do
        first = static_cast<int>(Random(4));
    while (first == c);
    // A second draw of the first answer only blanks it again; draw on.
    int second;
    do
        second = static_cast<int>(Random(4));
    while (second == c || second == first);
    return {first, second};
}

}  // namespace zk

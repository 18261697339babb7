#include "platform/stage.h"

namespace zk {
namespace {
Stage* g_stage = nullptr;
}

Stage* MainStage() { return g_stage; }
void SetMainStage(Stage* stage) { g_stage = stage; }

void MarkLifelineUsed(Lifeline which)
{
    if (g_stage)
        g_stage->MarkLifelineUsed(which);
    else
        UsedFlag(Game(), which) = 1;
}

AnswersInPlay AnswersOnScreen() { return g_stage ? g_stage->AnswersOnScreen() : AnswersInPlay{true, true, true, true}; }

}  // namespace zk

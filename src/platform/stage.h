#pragma once
#include "core/gamestate.h"
#include "core/poll.h"

namespace zk {

// What the other windows may ask of the main window. They never touch its widgets;
// the main window registers itself here while it exists.
class Stage {
public:
    virtual ~Stage() = default;
    // The used picture of the lifeline's icon ("Graph\no_podsk_…", which may fail and then
    // ends the caller), its flag set, the arrow cursor.
    virtual void MarkLifelineUsed(Lifeline which) = 0;
    // 50:50 takes an answer off the screen.
    virtual void BlankAnswer(int index) = 0;
    // The answers whose text is on screen.
    virtual AnswersInPlay AnswersOnScreen() const = 0;
    // The marker of the right answer.
    virtual void SetMarkerVisible(bool visible) = 0;
    virtual void StartMainGame() = 0;
    virtual void EndGameReset() = 0;
};

// The main window while it exists, else nullptr (a window tested on its own).
Stage* MainStage();
void SetMainStage(Stage* stage);

// The lifeline marked used on the main window; without one only its flag is set.
void MarkLifelineUsed(Lifeline which);
// The answers on screen; all four without a main window.
AnswersInPlay AnswersOnScreen();

}  // namespace zk

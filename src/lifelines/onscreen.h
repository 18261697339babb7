#pragma once
#include "lifelines/poll.h"

namespace zk {

// Which answers the main window still shows: 50:50 marks an answer as gone only by
// emptying its caption.
AnswersInPlay AnswersOnScreen();

}  // namespace zk

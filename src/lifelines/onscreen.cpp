#include "lifelines/onscreen.h"

#include "game/unit1.h"

#include <QLabel>

namespace zk {

AnswersInPlay AnswersOnScreen()
{
    AnswersInPlay inPlay{true, true, true, true};
    if (TForm1* main = MainForm())
        for (int i = 0; i < 4; ++i)
            inPlay[i] = main->AnswerLabels[i] && !main->AnswerLabels[i]->text().isEmpty();
    return inPlay;
}

}  // namespace zk

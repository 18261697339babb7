#pragma once
#include "core/question.h"

#include <QString>
#include <array>

namespace zk {

// The ordering task of the qualifying round, free of any window. Rows of the left column
// and slots of the right column are numbered 1..4 from the top, as the player sees them;
// the arrays hold row/slot 1 at index 0.
struct QualifyingRound {
    // The round's own record. It is kept apart from the game's CurrentQuestion, so opening
    // the round during a game and leaving it does not change the question being played.
    QuestionRecord Task{};
    // False until a task was read: a window whose task could not be read can never be passed.
    bool HasTask = false;
    std::array<QString, 4> ShownOrder;  // the left column, top to bottom
    std::array<QString, 4> RightOrder;  // the record's answers A..D: the right order
    std::array<QString, 4> ChosenOrder;  // the player's sequence; an empty text is a free slot

    // Takes a task; its answers A..D are the items in the right order.
    void SetTask(const QuestionRecord& task);
    // Fills ShownOrder from the program's generator as it stands (the caller has just
    // re-seeded it by reading the task). A draw equal to an earlier one is drawn again;
    // the last draw of a series is the one that stays.
    void Shuffle();
    // Puts the item of row 1..4 into the lowest free slot and returns that slot (1..4),
    // or 0 when all four are taken. Rows are never marked used.
    int Pick(int row);
    void ClearChosen();
    // Every slot holds exactly its item (case and blanks count).
    bool IsRight() const;
    // The right order as the wrong-answer message lists it: each item followed by a blank.
    QString RightOrderList() const;
};

// The one round of the run: it outlives a window, and every window's set-up fills it afresh.
QualifyingRound& Qualifying();

// A random task of "Text\otbor.txt". Unlike the level questions, reading it leaves the
// game's state (FiftyOnQuestion included) as it was. Throws InOutError.
QuestionRecord LoadQualifyingTask();

// The verdicts of the check, as Memo2 shows them.
QString QualifyingRightText();
QString QualifyingWrongText(const QualifyingRound& round);

}  // namespace zk

#pragma once
#include "bank.h"

namespace zk::bank {

// Measures texts with the game's real fonts against the controls that show them.
// Needs a QGuiApplication (the offscreen platform is enough).
struct FitBox {
    QString family;
    int pixelSize;
    bool bold;
    int width;
    int height;  // 0: one line, only the width counts
    int margin;  // inner margin of a text box (frame plus document margin), each side
};

// The boxes of the main window and of the qualifying window.
FitBox AnswerLabelBox();  // narrowest of LabelA..LabelD
FitBox QuestionMemoBox();  // Memo_Vopros
FitBox QualifyingItemBox();  // Label1..Label8 of the qualifying window
FitBox QualifyingTaskBox();  // Memo1 of the qualifying window

// Empty when the text fits; otherwise what overflows.
QString Overflow(const QString& text, const FitBox& box);

}  // namespace zk::bank

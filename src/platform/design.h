#pragma once
#include <QColor>
#include <QString>
#include <Qt>

#include <functional>

class QAbstractScrollArea;
class QDialog;
class QLabel;
class QTextEdit;
class QWidget;

namespace zk {

// Window designs give fonts by pixel height and colours by value, which plain .ui
// properties cannot say. A control carries them as dynamic properties in its .ui:
//   pixelFont  "Times New Roman,17,bold"   (family, pixel height, optional "bold")
//   textColor  "#ffff00"                    (the text colour in every state)
//   backColor  "#000000"                    (an opaque background)
// ApplyDesign walks the window once after setupUi and applies them.
void ApplyDesign(QWidget* root);

// Every game window but the main one: a fixed-size dialog frame with a title and a close box.
inline const Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
// After setupUi: the design applied, the window's keys set (below), the designed size
// fixed, the window centred on its screen.
void SetUpDialog(QDialog* dialog);

// No game window has a default or a cancel button: Enter in a text field presses nothing,
// Enter or Space press the button that holds the focus, Escape does nothing. The close box
// and the system's close key still close the window.
void UseWindowKeys(QWidget* window);

// Plain lines in a text box, every line aligned the same way.
void SetMemoText(QTextEdit* memo, const QString& text, Qt::Alignment align = Qt::AlignLeft);

// A text box that only shows its text: a mouse press or double click never reaches it, so
// nothing is ever selected, and runs onPress instead (inside the handler guard); receiving
// the keyboard focus runs onFocus, when given, which hands the focus to a button.
void MakeDisplayOnly(QAbstractScrollArea* box, std::function<void()> onPress, std::function<void()> onFocus = {});

// A label that answers a left click (pressed and released on it) with onClick, inside the
// handler guard. A double click counts once, as on a picture.
void OnLabelClick(QLabel* label, std::function<void()> onClick);

// Colours set at run time; they hold in the enabled and the disabled state alike.
void SetBackColor(QWidget* w, const QColor& color);
void SetTextColor(QWidget* w, const QColor& color);
QColor BackColor(const QWidget* w);
QColor TextColor(const QWidget* w);

// The game's own amber.
inline const QColor kAmber(255, 204, 102);

}  // namespace zk

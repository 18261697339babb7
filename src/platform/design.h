#pragma once
#include <QColor>
#include <Qt>

class QDialog;
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
// After setupUi: the design applied, the designed size fixed, the window centred on its screen.
void SetUpDialog(QDialog* dialog);

// Colours set at run time; they hold in the enabled and the disabled state alike.
void SetBackColor(QWidget* w, const QColor& color);
void SetTextColor(QWidget* w, const QColor& color);
QColor BackColor(const QWidget* w);
QColor TextColor(const QWidget* w);

// The game's own amber.
inline const QColor kAmber(255, 204, 102);

}  // namespace zk

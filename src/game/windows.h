#pragma once
#include <functional>

class QDialog;
class QWidget;

namespace zk {

// The game's windows by number (TForm2 ... TForm14).
enum class FormId {
    Splash = 2,
    Audience = 3,
    Friend = 4,
    Fifty = 5,
    Qualifying = 6,
    Millionaire = 7,
    Winnings = 8,
    Settings = 9,
    TopTen = 10,
    Advert = 11,
    Rules = 12,
    About = 13,
    Authors = 14,
};

// The one place where the main window and the answer flow open another window:
// it is created afresh, shown modally and destroyed when it closes. Returns exec()'s result.
int OpenModal(FormId id);

// Tests may take over: a hook that returns true has handled the opening itself.
using OpenModalHook = std::function<bool(FormId)>;
void SetOpenModalHook(OpenModalHook hook);

// A new instance of a window, not shown, for the screenshot tool; nullptr for a window
// the game does not have yet. The caller owns it.
QDialog* CreateWindowForShot(FormId id);

// Start-up creates one instance of every window after the main window, in order, so their
// creation handlers run once (reading the qualifying file, best.dat, the settings...).
// Those instances are never shown, so each is destroyed again once its handler has run.
void CreateStartupInstances(QWidget* owner);

}  // namespace zk

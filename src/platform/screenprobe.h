#pragma once
#include "core/stagescale.h"

#include <optional>

namespace zk {

// The primary screen of the X display named by DISPLAY, read straight from the X server in a
// few round trips (about a millisecond), because the scale factor must be known before the
// application object exists. Nothing when there is no X display or the game is to run on another
// window system (QT_QPA_PLATFORM other than xcb): the game then keeps Qt's own factor.
std::optional<ScreenProbe> ProbePrimaryScreen();

// Sets QT_SCALE_FACTOR for the stage from the probe, unless the player set a factor himself.
// Call before the application object is made.
void ChooseScaleFactor();

}  // namespace zk

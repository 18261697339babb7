#pragma once
#include <QByteArray>
#include <QSize>

// How large the game draws itself on the screen it opens on. Every layout stays in logical
// pixels (800 x 534 for the stage); one factor for the whole run says how many device pixels a
// logical pixel takes, so mouse hits, menus, hints and dialogs all scale together.
namespace zk {

// The stage in logical pixels: the designed 800 x 534 client area, and the foot of the ladder
// and the hint line that reach to 552 below it.
inline constexpr QSize kStageSize{800, 552};
// The menu bar above it (its 16-pixel font takes 29 pixels).
inline constexpr int kMenuBarHeight = 30;
inline constexpr QSize kStageWithMenu{kStageSize.width(), kStageSize.height() + kMenuBarHeight};

// The primary screen as a probe sees it before the application exists, in device pixels.
struct ScreenProbe {
    QSize available;  // the screen less panels and docks
    double devicePixelRatio = 1;  // the desktop's own scaling (2 on a doubled screen)
    QSize frame{8, 40};  // what the window manager's frame of a maximised window may take
};

// The largest factor at which the stage (menu bar included) and the window frame fit the
// available area, chosen on the screen's size in logical pixels, never below 1. It is rounded
// down to an eighth: then every 8 logical pixels end on a whole device pixel, so the ladder's
// 24-pixel rows and the arrow's steps land on whole device pixels and stay sharp.
double StageFactor(const ScreenProbe& screen);

// What to put into QT_SCALE_FACTOR before the application is made; empty to leave it alone:
// when the player set the factor himself (QT_SCALE_FACTOR or QT_SCREEN_SCALE_FACTORS), when
// there is nothing to scale, or when the probe found no screen.
QByteArray ScaleFactorSetting(const QByteArray& userFactor, const QByteArray& userScreenFactors,
                              const ScreenProbe* screen);

}  // namespace zk

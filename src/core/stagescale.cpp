#include "core/stagescale.h"

#include <algorithm>
#include <cmath>

namespace zk {

double StageFactor(const ScreenProbe& screen)
{
    const double dpr = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    const double width = (screen.available.width() - screen.frame.width()) / dpr;
    const double height = (screen.available.height() - screen.frame.height()) / dpr;
    const double fit = std::min(width / kStageWithMenu.width(), height / kStageWithMenu.height());
    // A hair of slack, so a screen that fits exactly is not rounded an eighth below.
    return std::max(1.0, std::floor(fit * 8 + 1e-9) / 8);
}

QByteArray ScaleFactorSetting(const QByteArray& userFactor, const QByteArray& userScreenFactors,
                              const ScreenProbe* screen)
{
    if (!userFactor.isEmpty() || !userScreenFactors.isEmpty() || !screen || screen->available.isEmpty())
        return {};
    const double factor = StageFactor(*screen);
    if (factor == 1.0)
        return {};
    return QByteArray::number(factor, 'g', 6);
}

}  // namespace zk

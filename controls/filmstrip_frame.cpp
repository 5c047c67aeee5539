#include "filmstrip_frame.h"

#include <cmath>

namespace VSTGUI
{
double filmstripFrameTop(double fraction, double frameHeight, double frameCount)
{
    if (!(fraction >= 0.0) || !(frameHeight >= 1.0))
        return 0.0;
    const double p = std::floor(frameHeight * (frameCount - 1.0) * fraction);
    if (!std::isfinite(p))
        return 0.0;
    return p - std::fmod(p, std::trunc(frameHeight));
}
} // namespace VSTGUI

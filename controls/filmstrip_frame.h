#pragma once

namespace VSTGUI
{
// Vertical source offset, in pixels, of the frame that shows `fraction` on a
// strip of `frameCount` frames, each `frameHeight` pixels tall. The product
// (frameCount - 1) * frameHeight * fraction is floored and then snapped down to
// the top of a whole frame. A negative or unreadable fraction shows the first
// frame, and so does a frame height below 1 pixel, which could not be snapped.
double filmstripFrameTop(double fraction, double frameHeight, double frameCount);
} // namespace VSTGUI

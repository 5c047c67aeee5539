#pragma once

#include "signal_overview.h"

#include <string>

namespace render
{

// Draws input and output side by side in time, as waveforms and as
// spectrograms, into a PNG file (written through a pending file, so a failed
// drawing leaves nothing behind until `commit`).
class PlotPainter
{
public:
    // Width of the time axis in pixels: the overviews should have this many columns.
    static constexpr int plotWidth = 1400;
    static constexpr int spectrumRows = 200;

    // Draws and writes the picture to `temporaryPath`; throws a render error
    // when it cannot be written.
    static void paint(const SignalOverview& input, const SignalOverview& output,
                      const std::string& caption, const std::string& temporaryPath);
};

} // namespace render

#pragma once

#include <chrono>
#include <cstdint>

namespace render
{

// A one-line progress bar on stderr. It appears only when stderr is a
// terminal and the work has already taken more than a moment, and redraws at
// most ten times a second.
class ProgressBar
{
public:
    ProgressBar(std::int64_t total, bool enabled);
    void update(std::int64_t done);
    // Completes and ends the line if the bar was shown.
    void finish();

private:
    using Clock = std::chrono::steady_clock;
    void draw(std::int64_t done);

    std::int64_t total_;
    bool enabled_;
    bool shown_ = false;
    Clock::time_point start_;
    Clock::time_point lastDraw_;
};

} // namespace render

#include "progress_bar.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace render
{

namespace
{
constexpr auto delayBeforeShowing = std::chrono::milliseconds(400);
constexpr auto redrawInterval = std::chrono::milliseconds(100);
constexpr int barWidth = 40;
} // namespace

ProgressBar::ProgressBar(std::int64_t total, bool enabled)
    : total_(total), enabled_(enabled && total > 0 && ::isatty(STDERR_FILENO)),
      start_(Clock::now()), lastDraw_(start_)
{
}

void ProgressBar::update(std::int64_t done)
{
    if (!enabled_)
        return;
    const auto now = Clock::now();
    if (now - start_ < delayBeforeShowing || (shown_ && now - lastDraw_ < redrawInterval))
        return;
    lastDraw_ = now;
    draw(done);
}

void ProgressBar::finish()
{
    if (!shown_)
        return;
    draw(total_);
    std::fputc('\n', stderr);
    shown_ = false;
}

void ProgressBar::draw(std::int64_t done)
{
    shown_ = true;
    const double fraction =
        std::clamp(static_cast<double>(done) / static_cast<double>(total_), 0.0, 1.0);
    const int filled = static_cast<int>(fraction * barWidth);
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    std::string bar(static_cast<size_t>(filled), '#');
    bar.resize(barWidth, '.');
    char eta[32] = "";
    if (fraction > 0.01 && fraction < 1.0)
        std::snprintf(eta, sizeof eta, "  %.0f s left", elapsed / fraction - elapsed);
    std::fprintf(stderr, "\r[%s] %3.0f%%%-16s", bar.c_str(), fraction * 100.0, eta);
    std::fflush(stderr);
}

} // namespace render

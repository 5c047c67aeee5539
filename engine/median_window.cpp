#include "median_window.h"

#include "rank_selection.h"

#include <algorithm>
#include <cmath>

namespace
{
// 1 - 1/44100 and 1/44100 to float precision.
constexpr float kCurrentWeight = 0.99997735f;
constexpr float kPreviousWeight = 2.2675737e-5f;

std::int32_t nonNegative(std::int32_t n)
{
    return n < 0 ? 0 : n;
}

float clampModulation(float modulation)
{
    if (std::isnan(modulation))
        return 0.0f;
    return std::clamp(modulation, -1.0f, 1.0f);
}
} // namespace

CMedianWindow::CMedianWindow(std::int32_t n)
    : capacity(nonNegative(n)), size(nonNegative(n)),
      history(std::make_unique<float[]>(static_cast<std::size_t>(nonNegative(n)) + 1)),
      allocatedEntries(nonNegative(n) + 1)
{
}

void CMedianWindow::resetCapacity(std::int32_t n)
{
    if (history)
        std::fill_n(history.get(), allocatedEntries, 0.0f);
    writeIndex = 0;
    capacity = nonNegative(n);
}

void CMedianWindow::reallocate()
{
    history.reset();
    allocatedEntries = capacity + 1;
    history = std::make_unique<float[]>(static_cast<std::size_t>(allocatedEntries));
    writeIndex = 0;
}

std::int32_t CMedianWindow::lastUsablePosition() const
{
    return std::min(capacity, allocatedEntries - 1);
}

std::int32_t CMedianWindow::mapModulation(float modulation) const
{
    const float m = clampModulation(modulation);
    if (bipolar)
    {
        const double position =
            (static_cast<double>(m) + 1.0) * 0.5 * static_cast<double>(capacity - 1);
        return static_cast<std::int32_t>(position);
    }
    const float position = m * static_cast<float>(capacity - 1);
    return static_cast<std::int32_t>(position);
}

void CMedianWindow::filterSample(const float* in, float* out, float modulation)
{
    history[writeIndex] = *in;

    if (modulated && target == 1)
        size = mapModulation(modulation);
    // Keeps every size (negative modulated ones, or a size set beyond the
    // history) inside the pool before the selection reads it.
    size = std::clamp(size, 0, lastUsablePosition());

    const float selected = size <= 1 ? history[size] : selectRank(history.get(), size);

    const float y = selected * kCurrentWeight + lastOutput * kPreviousWeight;
    *out = y;
    lastOutput = y;

    // A shrunken window can leave writeIndex above size; it then restarts at 0.
    writeIndex = writeIndex + 1 <= size ? writeIndex + 1 : 0;
}

std::int32_t CMedianWindow::indexFor(float modulation) const
{
    return std::clamp(mapModulation(modulation), 0, lastUsablePosition());
}

float CMedianWindow::readAt(float modulation) const
{
    return history[indexFor(modulation)];
}

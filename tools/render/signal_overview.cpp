#include "signal_overview.h"

#include "fft.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace render
{

namespace
{
constexpr float silenceDb = -140.0f;
} // namespace

SignalOverview::SignalOverview(int channels, int sampleRate, std::int64_t totalFrames, int columns,
                               int rows)
    : channels_(std::max(channels, 1)), sampleRate_(std::max(sampleRate, 1)),
      totalFrames_(std::max<std::int64_t>(totalFrames, 0)), columns_(std::max(columns, 1)),
      rows_(std::max(rows, 1))
{
    const auto cells = static_cast<size_t>(channels_) * static_cast<size_t>(columns_);
    low_.assign(cells, std::numeric_limits<float>::infinity());
    high_.assign(cells, -std::numeric_limits<float>::infinity());
    levels_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), silenceDb);
    ring_.assign(fftSize, 0.0f);
    spectrum_.resize(fftSize);
    window_.resize(fftSize);
    for (int i = 0; i < fftSize; ++i)
        window_[static_cast<size_t>(i)] =
            static_cast<float>(0.5 - 0.5 * std::cos(2.0 * 3.14159265358979323846 * i / fftSize));
}

std::int64_t SignalOverview::columnCentre(int column) const
{
    return (2 * static_cast<std::int64_t>(column) + 1) * totalFrames_ / (2 * columns_);
}

void SignalOverview::add(const float* interleaved, std::int64_t frames)
{
    for (std::int64_t i = 0; i < frames; ++i)
    {
        const float* frame = interleaved + i * channels_;
        if (totalFrames_ > 0 && position_ < totalFrames_)
        {
            const auto column = static_cast<size_t>(position_ * columns_ / totalFrames_);
            for (int c = 0; c < channels_; ++c)
            {
                const size_t cell = static_cast<size_t>(c) * static_cast<size_t>(columns_) + column;
                low_[cell] = std::min(low_[cell], frame[c]);
                high_[cell] = std::max(high_[cell], frame[c]);
            }
        }
        float mono = 0.0f;
        for (int c = 0; c < channels_; ++c)
            mono += frame[c];
        push(mono / static_cast<float>(channels_));
    }
}

void SignalOverview::push(float mono)
{
    ring_[static_cast<size_t>(position_ % fftSize)] = mono;
    ++position_;
    // A column's spectrum is taken once the window centred on it is complete.
    while (nextColumn_ < columns_ && position_ >= columnCentre(nextColumn_) + fftSize / 2)
        analyse(nextColumn_++);
}

void SignalOverview::finish()
{
    // Pad with silence so the windows of the last columns complete.
    for (int i = 0; i < fftSize && nextColumn_ < columns_; ++i)
        push(0.0f);
    while (nextColumn_ < columns_)
        analyse(nextColumn_++);
}

void SignalOverview::analyse(int column)
{
    // The ring holds the last fftSize samples; the oldest sits at position_.
    for (int i = 0; i < fftSize; ++i)
    {
        const std::int64_t at = position_ - fftSize + i;
        const float sample = at < 0 ? 0.0f : ring_[static_cast<size_t>(at % fftSize)];
        spectrum_[static_cast<size_t>(i)] = {sample * window_[static_cast<size_t>(i)], 0.0f};
    }
    fft(spectrum_);

    // A full-scale sine through the Hann window peaks at fftSize / 4.
    const double reference = fftSize / 4.0;
    const double binWidth = static_cast<double>(sampleRate_) / fftSize;
    for (int row = 0; row < rows_; ++row)
    {
        const double lowBin = rowFrequency(row - 0.5) / binWidth;
        const double highBin = rowFrequency(row + 0.5) / binWidth;
        auto first = static_cast<int>(std::floor(lowBin));
        auto last = static_cast<int>(std::ceil(highBin));
        first = std::clamp(first, 1, fftSize / 2);
        last = std::clamp(last, first, fftSize / 2);
        double peak = 0.0;
        for (int bin = first; bin <= last; ++bin)
            peak =
                std::max(peak, static_cast<double>(std::abs(spectrum_[static_cast<size_t>(bin)])));
        const double db = 20.0 * std::log10(std::max(peak / reference, 1e-7));
        levels_[static_cast<size_t>(column) * static_cast<size_t>(rows_) +
                static_cast<size_t>(row)] = static_cast<float>(db);
    }
}

float SignalOverview::lowest(int channel, int column) const
{
    return low_[static_cast<size_t>(channel) * static_cast<size_t>(columns_) +
                static_cast<size_t>(column)];
}

float SignalOverview::highest(int channel, int column) const
{
    return high_[static_cast<size_t>(channel) * static_cast<size_t>(columns_) +
                 static_cast<size_t>(column)];
}

float SignalOverview::level(int column, int row) const
{
    return levels_[static_cast<size_t>(column) * static_cast<size_t>(rows_) +
                   static_cast<size_t>(row)];
}

double SignalOverview::rowFrequency(double row) const
{
    const double top = sampleRate_ / 2.0;
    return lowestFrequency * std::pow(top / lowestFrequency, row / rows_);
}

double SignalOverview::frequencyRow(double hertz) const
{
    const double top = sampleRate_ / 2.0;
    return rows_ * std::log(hertz / lowestFrequency) / std::log(top / lowestFrequency);
}

} // namespace render

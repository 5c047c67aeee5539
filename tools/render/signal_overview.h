#pragma once

#include <complex>
#include <cstdint>
#include <vector>

namespace render
{

// A fixed-size summary of a signal for drawing, gathered as the signal
// streams past so its memory does not grow with the signal's length: per
// column of the picture, the lowest and highest sample of each channel, and a
// spectrum of the channels' mix (in dB on a logarithmic frequency axis) taken
// around the column's centre.
class SignalOverview
{
public:
    SignalOverview(int channels, int sampleRate, std::int64_t totalFrames, int columns, int rows);

    void add(const float* interleaved, std::int64_t frames);
    // Completes the spectra of the last columns; call once after the last `add`.
    void finish();

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int channels() const { return channels_; }
    int sampleRate() const { return sampleRate_; }
    std::int64_t totalFrames() const { return totalFrames_; }
    float lowest(int channel, int column) const;
    float highest(int channel, int column) const;
    // Level in dB relative to a full-scale sine; row 0 is the lowest frequency.
    float level(int column, int row) const;
    // Frequency at the centre of `row`, and the row of a frequency.
    double rowFrequency(double row) const;
    double frequencyRow(double hertz) const;

    static constexpr int fftSize = 2048;
    static constexpr double lowestFrequency = 20.0;

private:
    void push(float mono);
    void analyse(int column);
    std::int64_t columnCentre(int column) const;

    int channels_;
    int sampleRate_;
    std::int64_t totalFrames_;
    int columns_;
    int rows_;
    std::vector<float> low_;
    std::vector<float> high_;
    std::vector<float> levels_;
    std::vector<float> ring_;
    std::vector<float> window_;
    std::vector<std::complex<float>> spectrum_;
    std::int64_t position_ = 0;
    int nextColumn_ = 0;
};

} // namespace render

#pragma once

#include <cstdint>
#include <memory>

// Per-channel rank-order filter. Each sample enters a small pool of recent
// samples; the output is the sample of rank size / 2 (1-based, smallest first)
// of pool positions 0 to `size`, lightly smoothed. The selection reorders the
// pool in place, so the pool is not a chronological ring: which sample the next
// input overwrites depends on the previous selections.
class CMedianWindow
{
public:
    explicit CMedianWindow(std::int32_t capacity);
    CMedianWindow(const CMedianWindow&) = delete;
    CMedianWindow& operator=(const CMedianWindow&) = delete;

    // Zeroes the current history and sets the capacity; `reallocate` must
    // follow before the next sample so the history matches the capacity.
    void resetCapacity(std::int32_t n);
    // Allocates `capacity` + 1 zeroed entries. Not for the audio thread.
    void reallocate();

    void setSize(std::int32_t n) { size = n; }
    void setModulated(bool on) { modulated = on; }
    bool isModulated() const { return modulated; }
    void setTarget(std::int32_t value) { target = value; }
    void setBipolar(bool on) { bipolar = on; }

    void filterSample(const float* in, float* out, float modulation);

    // The history position a modulation value maps to, and the value there.
    std::int32_t indexFor(float modulation) const;
    float readAt(float modulation) const;

    std::int32_t getWriteIndex() const { return writeIndex; }
    std::int32_t getCapacity() const { return capacity; }
    std::int32_t getSize() const { return size; }
    float getLastOutput() const { return lastOutput; }
    std::int32_t getTarget() const { return target; }
    bool isBipolar() const { return bipolar; }
    float* historyData() { return history.get(); }
    const float* historyData() const { return history.get(); }

private:
    // Maps a modulation value onto 0 .. capacity - 1; 64-bit steps when
    // bipolar, 32-bit otherwise. Negative results are left for the caller.
    std::int32_t mapModulation(float modulation) const;
    // Largest position both the capacity and the allocated history allow.
    std::int32_t lastUsablePosition() const;

    std::int32_t writeIndex = 0;
    std::int32_t capacity = 0;
    std::int32_t size = 0;
    float lastOutput = 0.0f;
    std::unique_ptr<float[]> history;
    bool modulated = false;
    // 1: the modulation drives the window size; anything else leaves it alone.
    std::int32_t target = 0;
    bool bipolar = false;
    std::int32_t allocatedEntries = 0;
};

#include "rank_selection_passes.h"
#include "rank_selection_variants.h"

namespace
{

// Compares element by element straight from memory. The masks cover only the
// range asked for, or the whole window where no range is given.
class ScalarWindow
{
public:
    ScalarWindow(float* memory, std::int32_t size) : memory(memory), size(size) {}

    std::uint64_t atMost(float value, std::int32_t lo, std::int32_t hi) const
    {
        std::uint64_t mask = 0;
        for (std::int32_t j = lo; j < hi; ++j)
            mask |= std::uint64_t{value >= memory[j]} << j;
        return mask;
    }

    std::uint64_t ascending() const
    {
        std::uint64_t mask = 0;
        for (std::int32_t j = 0; j + 1 < size; ++j)
            mask |= std::uint64_t{memory[j + 1] >= memory[j]} << j;
        return mask;
    }

    std::uint64_t falling() const
    {
        std::uint64_t mask = 0;
        for (std::int32_t j = 0; j + 1 < size; ++j)
            mask |= std::uint64_t{memory[j] >= memory[j + 1]} << j;
        return mask;
    }

    std::uint64_t reaching(float bound) const
    {
        std::uint64_t mask = 0;
        for (std::int32_t j = 0; j < size; ++j)
            mask |= std::uint64_t{memory[j] >= bound} << j;
        return mask;
    }

    bool ordered(std::int32_t from, std::int32_t to) const
    {
        bool all = true;
        for (std::int32_t j = from; j < to; ++j)
            all &= memory[j] == memory[j];
        return all;
    }

    float largest(std::int32_t from, std::int32_t to) const
    {
        float found = memory[from];
        for (std::int32_t j = from + 1; j < to; ++j)
            found = memory[j] > found ? memory[j] : found;
        return found;
    }

    float smallest(std::int32_t from, std::int32_t to) const
    {
        float found = memory[from];
        for (std::int32_t j = from + 1; j < to; ++j)
            found = memory[j] < found ? memory[j] : found;
        return found;
    }

    std::int32_t movePass(std::uint64_t notAbove, std::uint64_t above, std::int32_t,
                          std::int32_t hi)
    {
        return moveElements(memory, notAbove, above, hi);
    }

    void rotate(std::int32_t lo, std::int32_t count, std::int32_t hi)
    {
        rotateElements(memory, lo, count, hi);
    }

private:
    float* memory;
    std::int32_t size;
};

} // namespace

float selectRankScalar(float* window, std::int32_t size)
{
    return selectByMasks<ScalarWindow>(window, size);
}

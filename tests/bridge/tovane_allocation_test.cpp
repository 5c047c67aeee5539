// No heap allocation happens while the built module processes on the effect
// path. This binary replaces the global allocation functions with counting
// ones; the loaded module's allocations resolve to them as well.

#include "tovane_fixture.h"

#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/process_buffers.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};

void* countedAllocation(std::size_t size)
{
    if (counting.load())
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void* countedAlignedAllocation(std::size_t size, std::align_val_t alignment)
{
    if (counting.load())
        ++allocations;
    const auto align = static_cast<std::size_t>(alignment);
    if (void* p = std::aligned_alloc(align, (size + align - 1) / align * align))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size)
{
    return countedAllocation(size);
}
void* operator new[](std::size_t size)
{
    return countedAllocation(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try
    {
        return countedAllocation(size);
    }
    catch (...)
    {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size, std::nothrow);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return countedAlignedAllocation(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return countedAlignedAllocation(size, alignment);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace tovane_test;

namespace
{

TEST(TovaneAllocation, CountingSeesTheModulesOwnAllocations)
{
    allocations = 0;
    counting = true;
    auto instance = newInstance();
    counting = false;
    EXPECT_GT(allocations.load(), 0);
}

TEST(TovaneAllocation, EffectPathProcessesWithoutAllocating)
{
    for (int32 channels : {1, 2})
    {
        SCOPED_TRACE(channels);
        auto instance = newInstance();
        vst3host::ProcessBuffers buffers(channels, channels, 512, 48000.0);
        vst3host::ParameterChanges changes(32, 8);
        std::string error;
        ASSERT_TRUE(instance->start(buffers.setup(kRealtime), channels, error)) << error;
        buffers.data().inputParameterChanges = &changes;

        // A loaded state is re-derived inside the next `process`.
        std::vector<char> state;
        ASSERT_TRUE(instance->getState(state));
        ASSERT_EQ(instance->component()->setState(streamOf(state)), kResultOk);

        const ParamID ids[] = {0,     1,    2,    3,    4,    5,    6,    7,     8,
                               9,     10,   11,   12,   13,   14,   15,   32768, 32769,
                               32770, 2048, 2049, 2050, 2051, 2052, 2053, 2054,  2055};
        allocations = 0;
        counting = true;
        for (int block = 0; block < 40; ++block)
        {
            changes.clear();
            for (const ParamID id : ids)
                changes.addPoint(id, 0, (block % 7) / 6.0);
            changes.addPoint(2056, 0, block % 5 == 0 ? 1.0 : 0.0);
            instance->processor()->process(buffers.begin(block % 3 == 0 ? 0 : 256 + block));
        }
        counting = false;
        EXPECT_EQ(allocations.load(), 0);
    }
}

} // namespace

#include "platform/vst3host/event_list.h"
#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/process_buffers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

// The replacement pair below is matched (malloc/free); GCC cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Counts heap allocations while `counting` is set, to show that filling the
// lists during a block never allocates.
namespace
{
bool counting = false;
int allocations = 0;
} // namespace

void* operator new(std::size_t size)
{
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

using namespace Steinberg;

namespace
{

std::vector<std::pair<int32, double>> pointsOf(Vst::IParamValueQueue* queue)
{
    std::vector<std::pair<int32, double>> points;
    for (int32 i = 0; i < queue->getPointCount(); ++i)
    {
        int32 offset = 0;
        double value = 0;
        queue->getPoint(i, offset, value);
        points.emplace_back(offset, value);
    }
    return points;
}

TEST(ParameterChanges, OneQueuePerIdWithSortedPointsAndFixedCapacity)
{
    vst3host::ParameterChanges changes(2, 3);
    allocations = 0;
    counting = true;
    EXPECT_TRUE(changes.addPoint(7, 10, 0.5));
    EXPECT_TRUE(changes.addPoint(9, 0, 1.0));
    EXPECT_TRUE(changes.addPoint(7, 0, 0.1));
    EXPECT_TRUE(changes.addPoint(7, 10, 0.6)); // same offset: replaces
    EXPECT_TRUE(changes.addPoint(7, 20, 0.7));
    EXPECT_FALSE(changes.addPoint(7, 30, 0.8)); // fourth point: full
    EXPECT_FALSE(changes.addPoint(11, 0, 0.0)); // third parameter: full
    counting = false;
    EXPECT_EQ(allocations, 0);

    ASSERT_EQ(changes.getParameterCount(), 2);
    EXPECT_EQ(changes.getParameterData(0)->getParameterId(), 7u);
    EXPECT_EQ(pointsOf(changes.getParameterData(0)),
              (std::vector<std::pair<int32, double>>{{0, 0.1}, {10, 0.6}, {20, 0.7}}));
    EXPECT_EQ(changes.find(9), changes.getParameterData(1));
    EXPECT_EQ(changes.getParameterData(2), nullptr);
    int32 point = 0;
    double value = 0;
    EXPECT_NE(changes.getParameterData(1)->getPoint(1, point, value), kResultOk);

    changes.clear();
    EXPECT_EQ(changes.getParameterCount(), 0);
    EXPECT_EQ(changes.find(7), nullptr);
    EXPECT_TRUE(changes.addPoint(11, 0, 0.25));
    EXPECT_EQ(pointsOf(changes.getParameterData(0)).size(), 1u);
}

TEST(EventList, HoldsUpToItsCapacityWithoutAllocating)
{
    vst3host::EventList events(2);
    Vst::Event e{};
    allocations = 0;
    counting = true;
    e.sampleOffset = 3;
    EXPECT_EQ(events.addEvent(e), kResultOk);
    e.sampleOffset = 5;
    EXPECT_EQ(events.addEvent(e), kResultOk);
    EXPECT_EQ(events.addEvent(e), kResultFalse);
    counting = false;
    EXPECT_EQ(allocations, 0);
    ASSERT_EQ(events.getEventCount(), 2);
    Vst::Event out{};
    events.getEvent(0, out);
    EXPECT_EQ(out.sampleOffset, 3);
    EXPECT_EQ(events.getEvent(2, out), kInvalidArgument);
    events.clear();
    EXPECT_EQ(events.getEventCount(), 0);
}

TEST(ProcessBuffers, PointsProcessDataAtDistinctChannelsAndAdvancesTime)
{
    vst3host::ProcessBuffers buffers(1, 2, 16, 44100.0);
    Vst::ProcessData& data = buffers.begin(16);
    ASSERT_EQ(data.numInputs, 1);
    ASSERT_EQ(data.numOutputs, 1);
    EXPECT_EQ(data.inputs[0].numChannels, 1);
    EXPECT_EQ(data.outputs[0].numChannels, 2);
    EXPECT_EQ(data.inputs[0].channelBuffers32[0], buffers.input(0));
    EXPECT_EQ(data.outputs[0].channelBuffers32[1], buffers.output(1));
    // Channels do not overlap.
    EXPECT_GE(buffers.output(0) - buffers.input(0), 16);
    EXPECT_GE(buffers.output(1) - buffers.output(0), 16);
    EXPECT_EQ(data.processContext->projectTimeSamples, 0);
    EXPECT_EQ(buffers.begin(100).numSamples, 16); // clamped to the maximum
    EXPECT_EQ(data.processContext->projectTimeSamples, 16);
    buffers.begin(5);
    EXPECT_EQ(data.processContext->projectTimeSamples, 32);
    EXPECT_EQ(buffers.setup().maxSamplesPerBlock, 16);
    EXPECT_DOUBLE_EQ(buffers.setup().sampleRate, 44100.0);
}

} // namespace

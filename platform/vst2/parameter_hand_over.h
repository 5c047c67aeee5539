#pragma once

#include <atomic>
#include <cstddef>
#include <memory>

namespace vst2
{

// Normalized parameter values shared by the host's threads without locks.
// A VST 2 host may call setParameter from its user-interface thread or from
// its audio thread; the wrapped component wants changes in `process` (audio
// thread) and its edit controller wants them on the user-interface thread.
// Each slot therefore carries the latest value and one "pending" flag per
// consumer; a consumer takes the flag with an exchange and then reads the
// value, so it always sees a value at least as new as the flag it took.
class ParameterHandOver
{
public:
    // Sizes the table; user-interface thread, never while processing.
    void reset(std::size_t count);

    std::size_t size() const { return count_; }

    // The latest value of `index` (any thread).
    float value(std::size_t index) const
    {
        return slots_[index].value.load(std::memory_order_relaxed);
    }

    // A change from the host: both the processor and the controller need it.
    void setFromHost(std::size_t index, float value)
    {
        Slot& slot = slots_[index];
        slot.value.store(value, std::memory_order_relaxed);
        slot.toProcessor.store(true, std::memory_order_release);
        slot.toController.store(true, std::memory_order_release);
    }

    // A change the edit controller already holds: only the processor needs it.
    void setFromController(std::size_t index, float value)
    {
        Slot& slot = slots_[index];
        slot.value.store(value, std::memory_order_relaxed);
        slot.toProcessor.store(true, std::memory_order_release);
    }

    // A value the processor produced: only the controller needs it.
    void setFromProcessor(std::size_t index, float value)
    {
        Slot& slot = slots_[index];
        slot.value.store(value, std::memory_order_relaxed);
        slot.toController.store(true, std::memory_order_release);
    }

    // A value the controller now holds on its own: the host reads it back,
    // and a change still pending for the processor goes with this value.
    void adopt(std::size_t index, float value)
    {
        Slot& slot = slots_[index];
        slot.toController.store(false, std::memory_order_relaxed);
        slot.value.store(value, std::memory_order_relaxed);
    }

    // Replaces a value without marking it for anyone, e.g. after the
    // component loaded a whole new state. Drops changes still pending.
    void replace(std::size_t index, float value)
    {
        Slot& slot = slots_[index];
        slot.toProcessor.store(false, std::memory_order_relaxed);
        slot.toController.store(false, std::memory_order_relaxed);
        slot.value.store(value, std::memory_order_relaxed);
    }

    // Calls `take(index, value)` for every change pending for the processor.
    // Audio thread; allocates nothing.
    template <typename Take> void drainForProcessor(Take&& take)
    {
        drain(&Slot::toProcessor, take);
    }

    // Calls `take(index, value)` for every change pending for the controller.
    template <typename Take> void drainForController(Take&& take)
    {
        drain(&Slot::toController, take);
    }

private:
    struct Slot
    {
        std::atomic<float> value{0.0f};
        std::atomic<bool> toProcessor{false};
        std::atomic<bool> toController{false};
    };
    static_assert(std::atomic<float>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);

    // Clearing a pending flag acquires the value stored before it was raised.
    template <typename Take> void drain(std::atomic<bool> Slot::*pending, Take& take)
    {
        for (std::size_t i = 0; i < count_; ++i)
        {
            if ((slots_[i].*pending).exchange(false, std::memory_order_acquire))
                take(i, slots_[i].value.load(std::memory_order_relaxed));
        }
    }

    std::unique_ptr<Slot[]> slots_;
    std::size_t count_ = 0;
};

} // namespace vst2

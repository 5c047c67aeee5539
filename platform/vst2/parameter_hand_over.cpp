#include "parameter_hand_over.h"

namespace vst2
{

void ParameterHandOver::reset(std::size_t count)
{
    slots_ = std::make_unique<Slot[]>(count);
    count_ = count;
}

} // namespace vst2

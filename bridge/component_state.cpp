#include "component_state.h"

#include "control_default.h"
#include "plug_in.h"

#include "base/source/fstreamer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{

// A control whose variable pointer is missing still keeps its place in the
// record (written as 0, not stored on loading), so later fields stay aligned.
bool writeField(IBStreamer& streamer, const CControlDescriptor& control)
{
    switch (control.dataType)
    {
    case kDataInt:
        return streamer.writeInt32(control.intVariable ? *control.intVariable : 0);
    case kDataFloat:
        return streamer.writeFloat(control.floatVariable ? *control.floatVariable : 0.0f);
    case kDataDouble:
        return streamer.writeDouble(control.doubleVariable ? *control.doubleVariable : 0.0);
    case kDataUInt:
        return streamer.writeInt32u(control.uintVariable ? *control.uintVariable : 0u);
    default:
        return true;
    }
}

bool readField(IBStreamer& streamer, const CControlDescriptor& control, double& value)
{
    value = 0.0;
    switch (control.dataType)
    {
    case kDataInt:
    {
        int32 field = 0;
        if (!streamer.readInt32(field))
            return false;
        value = field;
        return true;
    }
    case kDataFloat:
    {
        float field = 0.0f;
        if (!streamer.readFloat(field))
            return false;
        value = field;
        return true;
    }
    case kDataDouble:
        return streamer.readDouble(value);
    case kDataUInt:
    {
        uint32 field = 0;
        if (!streamer.readInt32u(field))
            return false;
        value = field;
        return true;
    }
    default:
        return true;
    }
}

// Keeps a loaded value inside its control's range and inside what its
// variable can hold, so a damaged record cannot set what no control could.
double bringIntoRange(const CControlDescriptor& control, double value)
{
    if (std::isnan(value))
        value = plainDefault(control);
    double low = std::min<double>(control.minValue, control.maxValue);
    double high = std::max<double>(control.minValue, control.maxValue);
    if (control.dataType == kDataInt)
    {
        low = std::max(low, static_cast<double>(std::numeric_limits<std::int32_t>::min()));
        high = std::min(high, static_cast<double>(std::numeric_limits<std::int32_t>::max()));
    }
    else if (control.dataType == kDataUInt)
    {
        low = std::max(low, 0.0);
        high = std::min(high, static_cast<double>(std::numeric_limits<std::uint32_t>::max()));
    }
    return std::clamp(value, low, std::max(low, high));
}
} // namespace

bool hasStateField(const CControlDescriptor& control)
{
    return control.dataType <= kDataUInt;
}

bool ComponentState::write(IBStream* stream, const CPlugIn& engine, bool bypass)
{
    if (!stream)
        return false;
    IBStreamer streamer(stream, kLittleEndian);
    if (!streamer.writeInt64(0))
        return false;
    for (int32 i = 0; i < engine.controls.count(); ++i)
        if (!writeField(streamer, *engine.controls.at(i)))
            return false;
    return streamer.writeInt16(bypass ? 1 : 0);
}

bool ComponentState::read(IBStream* stream, const CPlugIn& engine, ComponentState& out)
{
    if (!stream)
        return false;
    IBStreamer streamer(stream, kLittleEndian);
    int64 header = 0;
    if (!streamer.readInt64(header))
        return false;
    const int32 count = engine.controls.count();
    out.values.assign(static_cast<size_t>(count), 0.0);
    for (int32 i = 0; i < count; ++i)
    {
        const CControlDescriptor& control = *engine.controls.at(i);
        double value = 0.0;
        if (!readField(streamer, control, value))
            return false;
        out.values[static_cast<size_t>(i)] =
            hasStateField(control) ? bringIntoRange(control, value) : 0.0;
    }
    int16 bypassField = 0;
    if (!streamer.readInt16(bypassField))
        return false;
    out.bypass = bypassField != 0;
    return true;
}

void ComponentState::storeInto(CPlugIn& engine) const
{
    const int32 count = std::min(engine.controls.count(), static_cast<int32>(values.size()));
    for (int32 i = 0; i < count; ++i)
        engine.controls.at(i)->storePlain(values[static_cast<size_t>(i)]);
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

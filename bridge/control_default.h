#pragma once

#include "control_descriptor.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// A control's default in plain units: the default field of its data type.
inline double plainDefault(const CControlDescriptor& control)
{
    switch (control.dataType)
    {
    case kDataInt:
        return control.intDefault;
    case kDataFloat:
        return control.floatDefault;
    case kDataDouble:
        return control.doubleDefault;
    case kDataUInt:
        return control.uintDefault;
    default:
        return 0.0;
    }
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

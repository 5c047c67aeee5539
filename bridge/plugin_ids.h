#pragma once

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/base/futils.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// Hosts find the plug-in in saved projects by these two values, so they never
// change once released.

// Class identifier of `Processor`, registered with the VST 3 factory.
inline const FUID kProcessorUID(0x5F3A9C21, 0x7B6E4D08, 0x9A1C2E77, 0xD4B05F13);

// Unique identifier a VST 2.4 host sees for the same class.
constexpr int32 kVst2UniqueId = static_cast<int32>(CCONST('T', 'v', 'n', 'e'));

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

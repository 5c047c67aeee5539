#pragma once

#include "public.sdk/source/vst/vstparameters.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// Appends one list entry per comma-separated item of `enumeration`, untrimmed,
// with "SWITCH_OFF" and "SWITCH_ON" shown as "OFF" and "ON". An empty text gives
// one empty entry, and a trailing comma an empty last entry.
void appendEnumerationItems(StringListParameter& parameter, const char* enumeration);

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

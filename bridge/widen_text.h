#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// Widens an 8-bit engine text character by character into a 128-character
// string, cut at 127 characters; null reads as the empty text.
void widenText(const char* text, String128 out);

// Same for a text of known length that need not end with a terminator.
void widenText(const char* text, int32 length, String128 out);

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

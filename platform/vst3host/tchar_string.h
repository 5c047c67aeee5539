#pragma once

#include "pluginterfaces/vst/vsttypes.h"

#include <string>

namespace vst3host
{

// Conversions between the SDK's zero-terminated UTF-16 strings and UTF-8.
std::string toUtf8(const Steinberg::Vst::TChar* text);

// Writes `text` into `out`, truncated to fit with its terminator.
void toString128(const std::string& text, Steinberg::Vst::String128 out);

} // namespace vst3host

#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <string>

namespace VSTGUI
{
// UTF-8 form of a zero-terminated UTF-16 text such as a parameter title. An
// unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(const Steinberg::char16* text);
} // namespace VSTGUI

#include "widen_text.h"

#include <cstring>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

void widenText(const char* text, String128 out)
{
    widenText(text, text ? static_cast<int32>(std::strlen(text)) : 0, out);
}

void widenText(const char* text, int32 length, String128 out)
{
    constexpr int32 capacity = 128;
    const int32 count = length < capacity - 1 ? length : capacity - 1;
    for (int32 i = 0; i < count; ++i)
        out[i] = static_cast<TChar>(static_cast<unsigned char>(text[i]));
    out[count > 0 ? count : 0] = 0;
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

#include "enumeration_items.h"

#include "widen_text.h"

#include <cstring>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{
bool itemEquals(const char* item, size_t length, const char* text)
{
    return std::strlen(text) == length && std::strncmp(item, text, length) == 0;
}
} // namespace

void appendEnumerationItems(StringListParameter& parameter, const char* enumeration)
{
    const char* item = enumeration ? enumeration : "";
    for (;;)
    {
        const char* comma = std::strchr(item, ',');
        const size_t length = comma ? static_cast<size_t>(comma - item) : std::strlen(item);
        String128 entry;
        if (itemEquals(item, length, "SWITCH_OFF"))
            widenText("OFF", entry);
        else if (itemEquals(item, length, "SWITCH_ON"))
            widenText("ON", entry);
        else
            widenText(item, static_cast<int32>(length), entry);
        parameter.appendString(entry);
        if (!comma)
            break;
        item = comma + 1;
    }
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

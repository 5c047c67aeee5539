#include "sub_controller_name.h"

#include "attribute_reading.h"

#include <array>
#include <string>

namespace VSTGUI
{
namespace
{
constexpr std::array<std::string_view, 3> kLcdNames = {"LCDController", "LCDControllerControlName",
                                                       "LCDControllerIndexCount"};

// The pad axes of `name`, if it has an "_X" before a "_Y".
bool readPadIds(std::string_view name, SubControllerName& result)
{
    const auto x = name.find("_X");
    const auto y = name.find("_Y");
    if (x == std::string_view::npos || y == std::string_view::npos || x >= y)
        return false;
    result.kind = SubControllerName::Kind::pad;
    result.xId = AttributeReading::readInt(std::string(name.substr(x + 2, y - (x + 2))));
    result.yId = AttributeReading::readInt(std::string(name.substr(y + 2)));
    return true;
}
} // namespace

SubControllerName classifySubControllerName(std::string_view name)
{
    SubControllerName result;
    for (std::string_view lcd : kLcdNames)
    {
        if (name == lcd)
        {
            result.kind = SubControllerName::Kind::lcd;
            return result;
        }
    }
    if (name == "VectorJoystick")
    {
        result.kind = SubControllerName::Kind::vectorJoystick;
        return result;
    }
    // A joystick name whose axes are out of order may still be a trackpad name;
    // one that lacks an axis is not.
    if (name.find("Joystick_") != std::string_view::npos)
    {
        const bool hasBoth =
            name.find("_X") != std::string_view::npos && name.find("_Y") != std::string_view::npos;
        if (!hasBoth)
            return result;
        if (readPadIds(name, result))
            return result;
    }
    if (name.find("TrackPad_") != std::string_view::npos)
        readPadIds(name, result);
    return result;
}
} // namespace VSTGUI

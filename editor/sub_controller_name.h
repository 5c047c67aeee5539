#pragma once

#include <cstdint>
#include <string_view>

namespace VSTGUI
{
// What a container's sub-controller name asks for.
struct SubControllerName
{
    enum class Kind
    {
        none,
        lcd,            // "LCDController", "LCDControllerControlName", "LCDControllerIndexCount"
        vectorJoystick, // exactly "VectorJoystick"
        pad,            // "…Joystick_…_X<id>_Y<id>" or "…TrackPad_…_X<id>_Y<id>"
    };

    Kind kind = Kind::none;
    // For a pad: the parameter ids of the x and the y axis.
    int32_t xId = 0;
    int32_t yId = 0;
};

// Names are compared case-sensitively. A pad name needs an "_X" before a "_Y"
// (the first of each in the whole name); the x id is the number read from just
// after "_X" up to "_Y", the y id the number read from just after "_Y".
SubControllerName classifySubControllerName(std::string_view name);
} // namespace VSTGUI

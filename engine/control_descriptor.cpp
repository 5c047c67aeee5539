#include "control_descriptor.h"

#include <cstring>
#include <limits>

namespace
{
// Truncates toward zero, saturating at the limits of T so that a value outside
// T's range (possible with extreme descriptor ranges) is never undefined.
template <typename T> T truncateSaturating(double value)
{
    constexpr double low = static_cast<double>(std::numeric_limits<T>::min());
    // The double nearest the maximum may round up past it, so compare with >=.
    constexpr double high = static_cast<double>(std::numeric_limits<T>::max());
    if (value <= low)
        return std::numeric_limits<T>::min();
    if (value >= high)
        return std::numeric_limits<T>::max();
    return static_cast<T>(value);
}

// Copies at most kTextCapacity - 1 characters and always terminates, so a copy
// never shares or overruns a text buffer.
void copyText(char* destination, const char* source)
{
    if (source == nullptr)
    {
        destination[0] = '\0';
        return;
    }
    const std::size_t length = strnlen(source, CControlDescriptor::kTextCapacity - 1);
    std::memmove(destination, source, length);
    destination[length] = '\0';
}
} // namespace

CControlDescriptor::CControlDescriptor()
{
    name[0] = '\0';
    units[0] = '\0';
    variableName[0] = '\0';
    enumeration[0] = '\0';
}

CControlDescriptor::CControlDescriptor(const CControlDescriptor& other) : CControlDescriptor()
{
    *this = other;
}

CControlDescriptor& CControlDescriptor::operator=(const CControlDescriptor& other)
{
    if (this == &other)
        return *this;
    controlType = other.controlType;
    controlId = other.controlId;
    meterDetectMode = other.meterDetectMode;
    minValue = other.minValue;
    maxValue = other.maxValue;
    dataType = other.dataType;
    intDefault = other.intDefault;
    floatDefault = other.floatDefault;
    doubleDefault = other.doubleDefault;
    uintDefault = other.uintDefault;
    intVariable = other.intVariable;
    floatVariable = other.floatVariable;
    doubleVariable = other.doubleVariable;
    uintVariable = other.uintVariable;
    meterVariable = other.meterVariable;
    copyText(name, other.name);
    copyText(units, other.units);
    copyText(variableName, other.variableName);
    copyText(enumeration, other.enumeration);
    meterLogScale = other.meterLogScale;
    logScale = other.logScale;
    logScaleAlt = other.logScaleAlt;
    meterAttackMs = other.meterAttackMs;
    meterReleaseMs = other.meterReleaseMs;
    midiControllable = other.midiControllable;
    midiStatus = other.midiStatus;
    midiController = other.midiController;
    lcdMember = other.lcdMember;
    return *this;
}

void CControlDescriptor::setName(const char* text)
{
    copyText(name, text);
}

void CControlDescriptor::setUnits(const char* text)
{
    copyText(units, text);
}

void CControlDescriptor::setVariableName(const char* text)
{
    copyText(variableName, text);
}

void CControlDescriptor::setEnumeration(const char* text)
{
    copyText(enumeration, text);
}

void CControlDescriptor::storePlain(double plain) const
{
    switch (dataType)
    {
    case kDataInt:
        if (intVariable != nullptr)
            *intVariable = truncateSaturating<std::int32_t>(plain);
        break;
    case kDataFloat:
        if (floatVariable != nullptr)
            *floatVariable = static_cast<float>(plain);
        break;
    case kDataDouble:
        if (doubleVariable != nullptr)
            *doubleVariable = plain;
        break;
    case kDataUInt:
        if (uintVariable != nullptr)
            *uintVariable = static_cast<std::uint32_t>(truncateSaturating<std::int64_t>(plain));
        break;
    default:
        break;
    }
}

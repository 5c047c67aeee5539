#include "attribute_reading.h"

#include <climits>
#include <cstdlib>

namespace VSTGUI::AttributeReading
{
long readLong(const std::string& text)
{
    return std::strtol(text.c_str(), nullptr, 10);
}

int readInt(const std::string& text)
{
    const long value = readLong(text);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double readReal(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

Pair readPair(const std::string& text)
{
    const auto comma = text.find(',');
    if (comma == std::string::npos)
        return {};
    return {readLong(text), std::strtol(text.c_str() + comma + 1, nullptr, 10)};
}

bool readFlag(const std::string& text)
{
    return text == "true";
}
} // namespace VSTGUI::AttributeReading

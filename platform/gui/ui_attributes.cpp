#include "ui_attributes.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace VSTGUI
{

bool UIAttributes::hasAttribute(UTF8StringPtr name) const
{
    return name && values.count(name) > 0;
}

const std::string* UIAttributes::getAttributeValue(UTF8StringPtr name) const
{
    if (!name)
        return nullptr;
    auto it = values.find(name);
    return it == values.end() ? nullptr : &it->second;
}

void UIAttributes::setAttribute(UTF8StringPtr name, UTF8StringPtr value)
{
    if (name)
        values[name] = value ? value : "";
}

void UIAttributes::setAttribute(const std::string& name, const std::string& value)
{
    values[name] = value;
}

void UIAttributes::removeAttribute(UTF8StringPtr name)
{
    if (name)
        values.erase(name);
}

bool UIAttributes::getPointAttribute(UTF8StringPtr name, CPoint& p) const
{
    const std::string* text = getAttributeValue(name);
    return text && parsePoint(*text, p);
}

bool UIAttributes::getBooleanAttribute(UTF8StringPtr name, bool& b) const
{
    const std::string* text = getAttributeValue(name);
    return text && parseBoolean(*text, b);
}

bool UIAttributes::getDoubleAttribute(UTF8StringPtr name, double& d) const
{
    const std::string* text = getAttributeValue(name);
    return text && parseDouble(*text, d);
}

bool UIAttributes::getIntegerAttribute(UTF8StringPtr name, int32_t& i) const
{
    const std::string* text = getAttributeValue(name);
    return text && parseInteger(*text, i);
}

namespace
{
bool onlyBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r')
        ++p;
    return *p == '\0';
}
} // namespace

bool parseDouble(const std::string& text, double& d)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(start, &end);
    if (end == start || errno == ERANGE || !std::isfinite(v) || !onlyBlanks(end))
        return false;
    d = v;
    return true;
}

bool parseInteger(const std::string& text, int32_t& i)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || !onlyBlanks(end) ||
        v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return false;
    i = static_cast<int32_t>(v);
    return true;
}

bool parseBoolean(const std::string& text, bool& b)
{
    if (text == "true")
        b = true;
    else if (text == "false")
        b = false;
    else
        return false;
    return true;
}

bool parsePoint(const std::string& text, CPoint& p)
{
    auto comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    double x = 0;
    double y = 0;
    if (!parseDouble(text.substr(0, comma), x) || !parseDouble(text.substr(comma + 1), y))
        return false;
    p = CPoint(x, y);
    return true;
}

} // namespace VSTGUI

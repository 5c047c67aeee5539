#pragma once

#include "c_point.h"
#include "c_rect.h"
#include "vstgui_types.h"

#include <map>
#include <string>

namespace VSTGUI
{

// The attributes of one node of the editor description: name to text.
class UIAttributes
{
public:
    bool hasAttribute(UTF8StringPtr name) const;
    // The text of the attribute, or null when it is absent.
    const std::string* getAttributeValue(UTF8StringPtr name) const;
    void setAttribute(UTF8StringPtr name, UTF8StringPtr value);
    void setAttribute(const std::string& name, const std::string& value);
    void removeAttribute(UTF8StringPtr name);

    // Typed readers; each returns false and leaves the output alone when the attribute
    // is absent or its text doesn't read as the type ("x, y" for points, "true"/"false"
    // for booleans).
    bool getPointAttribute(UTF8StringPtr name, CPoint& p) const;
    bool getBooleanAttribute(UTF8StringPtr name, bool& b) const;
    bool getDoubleAttribute(UTF8StringPtr name, double& d) const;
    bool getIntegerAttribute(UTF8StringPtr name, int32_t& i) const;

    using Map = std::map<std::string, std::string>;
    Map::const_iterator begin() const { return values.begin(); }
    Map::const_iterator end() const { return values.end(); }
    size_t size() const { return values.size(); }

private:
    Map values;
};

// Strict readers of attribute texts, shared by the description and its views.
bool parsePoint(const std::string& text, CPoint& p);
bool parseDouble(const std::string& text, double& d);
bool parseInteger(const std::string& text, int32_t& i);
bool parseBoolean(const std::string& text, bool& b);

} // namespace VSTGUI

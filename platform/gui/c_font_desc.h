#pragma once

#include "c_base_object.h"

#include <string>

namespace VSTGUI
{

enum CTxtFace
{
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
};

// A font by family name, size in pixels and face bits.
class CFontDesc : public CBaseObject
{
public:
    CFontDesc(UTF8StringPtr name = "Sans", CCoord size = 12, int32_t style = kNormalFace)
        : name(name ? name : "Sans"), size(size), style(style)
    {
    }
    CFontDesc(const CFontDesc&) = default;

    const std::string& getName() const { return name; }
    CCoord getSize() const { return size; }
    int32_t getStyle() const { return style; }
    void setName(UTF8StringPtr n) { name = n ? n : ""; }
    void setSize(CCoord s) { size = s; }
    void setStyle(int32_t s) { style = s; }

    CLASS_METHODS(CFontDesc, CBaseObject)

private:
    std::string name;
    CCoord size;
    int32_t style;
};

} // namespace VSTGUI

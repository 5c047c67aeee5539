#pragma once

#include "c_color.h"
#include "vstgui_types.h"

namespace VSTGUI
{

// What views and controllers may ask of the description being built.
class IUIDescription
{
public:
    virtual ~IUIDescription() = default;

    // The listener for a control with this "control-tag" text: the controller in
    // charge of the views being built answers (normally the editor).
    virtual IControlListener* getControlListener(UTF8StringPtr name) const = 0;
    // A named colour, a "~ " standard colour or a "#rrggbbaa"/"#rrggbb" literal. Leaves
    // `color` unchanged and returns false when the name is unknown.
    virtual bool getColor(UTF8StringPtr name, CColor& color) const = 0;
    virtual CBitmap* getBitmap(UTF8StringPtr name) const = 0;
    virtual CFontDesc* getFont(UTF8StringPtr name) const = 0;
    // The tag of a named control tag or of a decimal number; -1 when it is neither.
    virtual int32_t getTagForName(UTF8StringPtr name) const = 0;
    // The controller in charge of the views being built.
    virtual IController* getController() const = 0;
};

} // namespace VSTGUI

#pragma once

#include "i_control_listener.h"

namespace VSTGUI
{

// A controller of the views built from a description: it may build custom views,
// check or replace every view built, listen to controls and supply sub-controllers.
class IController : public IControlListener
{
public:
    virtual int32_t getTagForName(UTF8StringPtr name, int32_t registeredTag) const
    {
        (void)name;
        return registeredTag;
    }
    virtual IControlListener* getControlListener(UTF8StringPtr controlTagName)
    {
        (void)controlTagName;
        return this;
    }
    // Asked for nodes that name "custom-view-name".
    virtual CView* createView(const UIAttributes& attributes, const IUIDescription* description)
    {
        (void)attributes;
        (void)description;
        return nullptr;
    }
    // Offered every view built; the view returned takes its place.
    virtual CView* verifyView(CView* view, const UIAttributes& attributes,
                              const IUIDescription* description)
    {
        (void)attributes;
        (void)description;
        return view;
    }
    virtual IController* createSubController(UTF8StringPtr name, const IUIDescription* description)
    {
        (void)name;
        (void)description;
        return nullptr;
    }
};

} // namespace VSTGUI

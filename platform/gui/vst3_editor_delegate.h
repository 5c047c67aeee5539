#pragma once

#include "c_point.h"
#include "vstgui_types.h"

#include "pluginterfaces/vst/vsttypes.h"

namespace VSTGUI
{

// What an edit controller may add to the editor it opens. The editor finds its
// delegate by casting its edit controller to this interface.
class VST3EditorDelegate
{
public:
    virtual ~VST3EditorDelegate() = default;

    virtual CView* createCustomView(UTF8StringPtr name, const UIAttributes& attributes,
                                    const IUIDescription* description, VST3Editor* editor)
    {
        (void)name;
        (void)attributes;
        (void)description;
        (void)editor;
        return nullptr;
    }
    virtual bool findParameter(const CPoint& pos, Steinberg::Vst::ParamID& paramID,
                               VST3Editor* editor)
    {
        (void)pos;
        (void)paramID;
        (void)editor;
        return false;
    }
    virtual bool isPrivateParameter(const Steinberg::Vst::ParamID paramID)
    {
        (void)paramID;
        return false;
    }
    virtual void didOpen(VST3Editor* editor) { (void)editor; }
    virtual void willClose(VST3Editor* editor) { (void)editor; }
    virtual COptionMenu* createContextMenu(const CPoint& pos, VST3Editor* editor)
    {
        (void)pos;
        (void)editor;
        return nullptr;
    }
    virtual IController* createSubController(UTF8StringPtr name, const IUIDescription* description,
                                             VST3Editor* editor)
    {
        (void)name;
        (void)description;
        (void)editor;
        return nullptr;
    }
};

} // namespace VSTGUI

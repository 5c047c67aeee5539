#pragma once

#include "c_button_state.h"
#include "vstgui_types.h"

namespace VSTGUI
{

// Receives what a control reports: value changes, the start and end of an edit,
// and changes of its tag.
class IControlListener
{
public:
    virtual ~IControlListener() = default;
    virtual void valueChanged(CControl* pControl) = 0;
    virtual int32_t controlModifierClicked(CControl* pControl, CButtonState button)
    {
        (void)pControl;
        (void)button;
        return 0;
    }
    virtual void controlBeginEdit(CControl* pControl) { (void)pControl; }
    virtual void controlEndEdit(CControl* pControl) { (void)pControl; }
    virtual void controlTagWillChange(CControl* pControl) { (void)pControl; }
    virtual void controlTagDidChange(CControl* pControl) { (void)pControl; }
};

} // namespace VSTGUI

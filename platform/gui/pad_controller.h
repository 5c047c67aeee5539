#pragma once

#include "delegation_controller.h"

#include "base/source/fobject.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

namespace VSTGUI
{

class CXYPad;

// Binds the XY pad of its container to two parameters: parameter changes are packed
// into the pad's value, and pad moves are unpacked into edits of both parameters.
class PadController : public Steinberg::FObject, public DelegationController
{
public:
    PadController(IController* baseController, Steinberg::Vst::EditController* editController,
                  Steinberg::Vst::Parameter* xParam, Steinberg::Vst::Parameter* yParam);
    ~PadController() override;

    CView* verifyView(CView* view, const UIAttributes& attributes,
                      const IUIDescription* description) override;
    void valueChanged(CControl* pControl) override;
    void controlBeginEdit(CControl* pControl) override;
    void controlEndEdit(CControl* pControl) override;

    void PLUGIN_API update(Steinberg::FUnknown* changedUnknown, Steinberg::int32 message) override;

    CXYPad* getPadControl() const { return padControl; }

    OBJ_METHODS(PadController, FObject)

protected:
    Steinberg::Vst::EditController* editController;
    Steinberg::Vst::Parameter* xParam;
    Steinberg::Vst::Parameter* yParam;
    CXYPad* padControl{nullptr};
};

} // namespace VSTGUI

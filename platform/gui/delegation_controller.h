#pragma once

#include "i_controller.h"

namespace VSTGUI
{

// A controller that passes every call it does not override to its parent controller.
class DelegationController : public IController
{
public:
    explicit DelegationController(IController* controller) : controller(controller) {}

    void valueChanged(CControl* pControl) override;
    int32_t controlModifierClicked(CControl* pControl, CButtonState button) override;
    void controlBeginEdit(CControl* pControl) override;
    void controlEndEdit(CControl* pControl) override;
    void controlTagWillChange(CControl* pControl) override;
    void controlTagDidChange(CControl* pControl) override;

    int32_t getTagForName(UTF8StringPtr name, int32_t registeredTag) const override;
    IControlListener* getControlListener(UTF8StringPtr controlTagName) override;
    CView* createView(const UIAttributes& attributes, const IUIDescription* description) override;
    CView* verifyView(CView* view, const UIAttributes& attributes,
                      const IUIDescription* description) override;
    IController* createSubController(UTF8StringPtr name,
                                     const IUIDescription* description) override;

    IController* getBaseController() const { return controller; }

protected:
    IController* controller;
};

} // namespace VSTGUI

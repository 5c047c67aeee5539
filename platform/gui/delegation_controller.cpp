#include "delegation_controller.h"

namespace VSTGUI
{

void DelegationController::valueChanged(CControl* pControl)
{
    if (controller)
        controller->valueChanged(pControl);
}

int32_t DelegationController::controlModifierClicked(CControl* pControl, CButtonState button)
{
    return controller ? controller->controlModifierClicked(pControl, button) : 0;
}

void DelegationController::controlBeginEdit(CControl* pControl)
{
    if (controller)
        controller->controlBeginEdit(pControl);
}

void DelegationController::controlEndEdit(CControl* pControl)
{
    if (controller)
        controller->controlEndEdit(pControl);
}

void DelegationController::controlTagWillChange(CControl* pControl)
{
    if (controller)
        controller->controlTagWillChange(pControl);
}

void DelegationController::controlTagDidChange(CControl* pControl)
{
    if (controller)
        controller->controlTagDidChange(pControl);
}

int32_t DelegationController::getTagForName(UTF8StringPtr name, int32_t registeredTag) const
{
    return controller ? controller->getTagForName(name, registeredTag) : registeredTag;
}

IControlListener* DelegationController::getControlListener(UTF8StringPtr controlTagName)
{
    return controller ? controller->getControlListener(controlTagName) : this;
}

CView* DelegationController::createView(const UIAttributes& attributes,
                                        const IUIDescription* description)
{
    return controller ? controller->createView(attributes, description) : nullptr;
}

CView* DelegationController::verifyView(CView* view, const UIAttributes& attributes,
                                        const IUIDescription* description)
{
    return controller ? controller->verifyView(view, attributes, description) : view;
}

IController* DelegationController::createSubController(UTF8StringPtr name,
                                                       const IUIDescription* description)
{
    return controller ? controller->createSubController(name, description) : nullptr;
}

} // namespace VSTGUI

#include "pad_controller.h"

#include "c_xy_pad.h"
#include "update_handler.h"

namespace VSTGUI
{

using Steinberg::Vst::Parameter;

PadController::PadController(IController* baseController,
                             Steinberg::Vst::EditController* editController, Parameter* xParam,
                             Parameter* yParam)
    : DelegationController(baseController), editController(editController), xParam(xParam),
      yParam(yParam)
{
    ensureUpdateHandler();
    if (xParam)
        xParam->addDependent(this);
    if (yParam)
        yParam->addDependent(this);
}

PadController::~PadController()
{
    if (xParam)
        xParam->removeDependent(this);
    if (yParam)
        yParam->removeDependent(this);
}

CView* PadController::verifyView(CView* view, const UIAttributes& attributes,
                                 const IUIDescription* description)
{
    (void)attributes;
    (void)description;
    if (auto* pad = dynamic_cast<CXYPad*>(view))
    {
        padControl = pad;
        padControl->setListener(this);
        if (xParam)
            update(xParam, kChanged);
    }
    return view;
}

void PadController::valueChanged(CControl* pControl)
{
    if (!padControl || pControl != padControl)
    {
        DelegationController::valueChanged(pControl);
        return;
    }
    if (!editController || !xParam || !yParam)
        return;
    float x = 0.f;
    float y = 0.f;
    CXYPad::calculateXY(padControl->getValue(), x, y);
    auto xId = xParam->getInfo().id;
    auto yId = yParam->getInfo().id;
    editController->performEdit(xId, x);
    editController->setParamNormalized(xId, x);
    editController->performEdit(yId, y);
    editController->setParamNormalized(yId, y);
}

void PadController::controlBeginEdit(CControl* pControl)
{
    if (!padControl || pControl != padControl)
    {
        DelegationController::controlBeginEdit(pControl);
        return;
    }
    if (!editController || !xParam || !yParam)
        return;
    editController->startGroupEdit();
    editController->beginEdit(xParam->getInfo().id);
    editController->beginEdit(yParam->getInfo().id);
}

void PadController::controlEndEdit(CControl* pControl)
{
    if (!padControl || pControl != padControl)
    {
        DelegationController::controlEndEdit(pControl);
        return;
    }
    if (!editController || !xParam || !yParam)
        return;
    editController->endEdit(xParam->getInfo().id);
    editController->endEdit(yParam->getInfo().id);
    editController->finishGroupEdit();
}

void PLUGIN_API PadController::update(Steinberg::FUnknown* changedUnknown, Steinberg::int32 message)
{
    (void)message;
    if (!padControl || !xParam || !yParam)
        return;
    auto* changed = Steinberg::FCast<Parameter>(changedUnknown);
    if (changed != xParam && changed != yParam)
        return;
    float value = CXYPad::calculateValue(static_cast<float>(xParam->getNormalized()),
                                         static_cast<float>(yParam->getNormalized()));
    padControl->setValue(value);
    padControl->invalid();
}

} // namespace VSTGUI

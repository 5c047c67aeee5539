#include "pad_controller_wp.h"

#include "c_xy_pad.h"

namespace VSTGUI
{
using namespace Steinberg::Vst;

CPadControllerWP::CPadControllerWP(IController* baseController, EditController* editController,
                                   Parameter* xParam, Parameter* yParam)
    : PadController(baseController, editController, xParam, yParam)
{
}

CPadControllerWP::~CPadControllerWP() = default;

void CPadControllerWP::valueChanged(CControl* pControl)
{
    if (!padControl || pControl != padControl)
    {
        DelegationController::valueChanged(pControl);
        return;
    }
    float x = 0.f;
    float y = 0.f;
    CXYPad::calculateXY(pControl->getValue(), x, y);
    const ParamID xId = xParam->getInfo().id;
    const ParamID yId = yParam->getInfo().id;
    editController->performEdit(xId, x);
    editController->setParamNormalized(xId, x);
    editController->performEdit(yId, y);
    editController->setParamNormalized(yId, y);
}
} // namespace VSTGUI

#include "sub_controller_factory.h"

#include "knob_wp.h"
#include "lcd_controller.h"
#include "pad_controller_wp.h"
#include "sub_controller_name.h"

namespace VSTGUI
{
using namespace Steinberg::Vst;

namespace
{
constexpr ParamID kAlphaWheelId = 32771;
constexpr ParamID kLcdValueId = 32772;
constexpr ParamID kJoystickXId = 32773;
constexpr ParamID kJoystickYId = 32774;

IController* makeLcdController(IController* parent, EditController* editController,
                               ParameterContainer& lcdParameters, CKnobWP* alphaWheelKnob)
{
    Parameter* alphaWheel = editController->getParameterObject(kAlphaWheelId);
    Parameter* lcdValue = editController->getParameterObject(kLcdValueId);
    if (!alphaWheel || !lcdValue || lcdParameters.getParameterCount() < 1)
        return nullptr;
    auto* controller =
        new LCDController(parent, &lcdParameters, alphaWheel, lcdValue, editController);
    if (alphaWheelKnob)
        alphaWheelKnob->addLCDController(controller);
    return controller;
}

template <typename Controller>
IController* makePadController(IController* parent, EditController* editController, ParamID xId,
                               ParamID yId)
{
    Parameter* x = editController->getParameterObject(xId);
    Parameter* y = editController->getParameterObject(yId);
    if (!x || !y)
        return nullptr;
    return new Controller(parent, editController, x, y);
}
} // namespace

IController* SubControllerFactory::create(UTF8StringPtr name, IController* parent,
                                          EditController* editController,
                                          ParameterContainer& lcdParameters,
                                          CKnobWP* alphaWheelKnob)
{
    if (!name || !editController)
        return nullptr;
    const SubControllerName request = classifySubControllerName(name);
    switch (request.kind)
    {
    case SubControllerName::Kind::lcd:
        return makeLcdController(parent, editController, lcdParameters, alphaWheelKnob);
    case SubControllerName::Kind::vectorJoystick:
        return makePadController<PadController>(parent, editController, kJoystickXId, kJoystickYId);
    case SubControllerName::Kind::pad:
        // Negative ids name no parameter; they must not wrap around to large ones.
        if (request.xId < 0 || request.yId < 0)
            return nullptr;
        return makePadController<CPadControllerWP>(parent, editController,
                                                   static_cast<ParamID>(request.xId),
                                                   static_cast<ParamID>(request.yId));
    case SubControllerName::Kind::none:
        break;
    }
    return nullptr;
}
} // namespace VSTGUI

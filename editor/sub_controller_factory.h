#pragma once

#include "vstgui_types.h"

#include "public.sdk/source/vst/vsteditcontroller.h"
#include "public.sdk/source/vst/vstparameters.h"

namespace VSTGUI
{
class CKnobWP;

// Makes the controllers that containers of an editor description name:
// "LCDController" (and its two other names) for an LCD group, "VectorJoystick"
// for the pad of the vector joystick parameters, and a pad controller for names
// such as "TrackPad_X2_Y10" or "Joystick_X3_Y4". A controller that would have
// nothing to edit is not made: an LCD without "Alpha Wheel", "LCD Value" or any
// LCD parameter, a pad whose parameters are not published.
class SubControllerFactory
{
public:
    // A new controller with its one reference, or null. `parent` receives what
    // the controller does not handle itself; a new LCD group is linked to
    // `alphaWheelKnob` when there is one.
    static IController* create(UTF8StringPtr name, IController* parent,
                               Steinberg::Vst::EditController* editController,
                               Steinberg::Vst::ParameterContainer& lcdParameters,
                               CKnobWP* alphaWheelKnob);
};
} // namespace VSTGUI

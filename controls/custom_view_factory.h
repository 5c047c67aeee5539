#pragma once

#include "vstgui_types.h"

namespace VSTGUI
{
class CKnobWP;

// Turns the custom view names of an editor description into the system's own
// controls. Names are compared case-sensitively: exactly, except that any name
// containing "AnalogMeterView" is an analog meter. Every attribute a kind reads
// must be present; otherwise, and for any other name, the result is none and
// the toolkit builds the node's standard view.
//
// | name                                   | control                       |
// |----------------------------------------|-------------------------------|
// | "ZolmKickButton"                       | CKickButtonWP                 |
// | "TrackPad", "Joystick"                 | CXYPadWP (joystick mode)      |
// | "KnobSwitchView", "AlphaWheelKnobView" | CKnobWP (switch / alpha wheel)|
// | "SliderSwitchView"                     | CVerticalSliderWP or          |
// |                                        | CHorizontalSliderWP           |
// | …"AnalogMeterView"…                    | CVuMeterWP, analog            |
// | "MeterView", "InvertedMeterView"       | CVuMeterWP, LED               |
//
// `alphaWheelKnob` receives each new alpha-wheel knob, and is cleared again
// when that knob is destroyed; it must outlive the views built here.
class CustomViewFactory
{
public:
    // A new view with its one reference, or null.
    static CView* create(UTF8StringPtr name, const UIAttributes& attributes,
                         const IUIDescription* description, CKnobWP*& alphaWheelKnob);
};
} // namespace VSTGUI

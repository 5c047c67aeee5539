#pragma once

#include "pad_controller.h"

namespace VSTGUI
{
// Binds the XY pad of its container to the two parameters named in the
// container's sub-controller name. A pad move becomes four edits, in order:
// x performed, x set, y performed, y set, as the base controller does.
class CPadControllerWP : public PadController
{
public:
    CPadControllerWP(IController* baseController, Steinberg::Vst::EditController* editController,
                     Steinberg::Vst::Parameter* xParam, Steinberg::Vst::Parameter* yParam);
    ~CPadControllerWP() override;
};
} // namespace VSTGUI

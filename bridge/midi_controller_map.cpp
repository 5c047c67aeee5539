#include "midi_controller_map.h"

#include "parameter_ids.h"

#include "plug_in.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{
struct ControllerAssignment
{
    CtrlNumber controller;
    ParamID id;
};

constexpr ControllerAssignment kFixedAssignments[] = {
    {kCtrlModWheel, kModWheelId},
    {kCtrlVolume, kVolumeId},
    {kCtrlPan, kPanId},
    {kCtrlExpression, kExpressionId},
    {kCtrlSustainOnOff, kSustainPedalId},
    {kCtrlAllNotesOff, kAllNotesOffId},
    {kAfterTouch, kChannelPressureId},
    {kPitchBend, kPitchBendId},
};
} // namespace

bool findMidiControllerParameter(const CPlugIn& engine, CtrlNumber controller, ParamID& id)
{
    id = 0;
    for (const ControllerAssignment& assignment : kFixedAssignments)
    {
        if (assignment.controller == controller)
        {
            id = assignment.id;
            return true;
        }
    }
    bool found = false;
    for (int32 i = 0; i < engine.controls.count(); ++i)
    {
        const CControlDescriptor& control = *engine.controls.at(i);
        if (control.midiControllable && controller >= 0 &&
            control.midiController == static_cast<uint32>(controller))
        {
            id = static_cast<ParamID>(i);
            found = true;
        }
    }
    return found;
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

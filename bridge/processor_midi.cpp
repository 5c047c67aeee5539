#include "processor.h"

#include "midi_controller_map.h"

#include "plug_in.h"

#include <cstring>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

tresult PLUGIN_API Processor::getMidiControllerAssignment(int32 busIndex, int16,
                                                          CtrlNumber controller, ParamID& id)
{
    if (busIndex != 0)
        return kResultFalse;
    return findMidiControllerParameter(*engine, controller, id) ? kResultTrue : kResultFalse;
}

// The editor's timer ping: when the engine changed its own variables, every
// control parameter is rewritten from them.
tresult Processor::receiveText(const char8* text)
{
    if (!text || std::strcmp(text, "VSTGUITimerPing") != 0)
        return kResultOk;
    if (engine->guiUpdateRequested.load() != 1)
        return kResultOk;
    for (int32 i = 0; i < engine->controls.count(); ++i)
        setParamNormalized(static_cast<ParamID>(i),
                           static_cast<double>(engine->getControlNormalized(i)));
    engine->guiUpdateRequested.store(0);
    return kResultOk;
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

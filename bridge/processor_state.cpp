#include "processor.h"

#include "component_state.h"
#include "parameter_ids.h"

#include "plug_in.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

tresult PLUGIN_API Processor::getState(IBStream* state)
{
    return ComponentState::write(state, *engine, isBypassed()) ? kResultOk : kResultFalse;
}

// The whole record is read before anything changes, so a damaged stream
// leaves the plug-in as it was.
tresult PLUGIN_API Processor::setState(IBStream* state)
{
    ComponentState loaded;
    if (!ComponentState::read(state, *engine, loaded))
        return kResultFalse;
    loaded.storeInto(*engine);
    bypass.store(loaded.bypass, std::memory_order_relaxed);
    settingsLoaded.store(true, std::memory_order_release);
    return kResultOk;
}

// Shows a saved record in the published parameters, through each parameter's
// own plain-to-normalized conversion.
tresult PLUGIN_API Processor::setComponentState(IBStream* state)
{
    ComponentState loaded;
    if (!ComponentState::read(state, *engine, loaded))
        return kResultFalse;
    for (int32 i = 0; i < engine->controls.count(); ++i)
    {
        if (!hasStateField(*engine->controls.at(i)))
            continue;
        const auto id = static_cast<ParamID>(i);
        if (Parameter* parameter = getParameterObject(id))
            setParamNormalized(id, parameter->toNormalized(loaded.values[static_cast<size_t>(i)]));
    }
    if (Parameter* parameter = getParameterObject(kBypassId))
        setParamNormalized(kBypassId, parameter->toNormalized(loaded.bypass ? 1.0 : 0.0));
    return kResultOk;
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg

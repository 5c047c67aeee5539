// The VST 2.4 entry: a VST 2.4 host loads the same module as a VST 3 host and
// gets the registered class, wrapped so that it speaks VST 2.4.

#include "plugin_ids.h"

#include "vst2/vst2_wrapper.h"
#include "vst3/module_entry.h"

#include "pluginterfaces/base/ipluginbase.h"

using namespace Steinberg;

// Creates one wrapped `Processor` for the host behind `host`.
vst2::Vst2Wrapper* createEffectInstance(vst2::HostCallback host)
{
    // The wrapper needs the factory only to create the instance.
    IPtr<IPluginFactory> factory = owned(GetPluginFactory());
    TUID classId;
    Vst::Wrenlock::kProcessorUID.toTUID(classId);
    return vst2::Vst2Wrapper::create(factory, classId, Vst::Wrenlock::kVst2UniqueId, host);
}

extern "C" SMTG_EXPORT_SYMBOL vst2::Effect* VSTPluginMain(vst2::HostCallback host)
{
    // A host that cannot tell its version is not a VST 2 host.
    if (!host || host(nullptr, static_cast<std::int32_t>(vst2::HostOpcode::version), 0, 0, nullptr,
                      0.0f) == 0)
        return nullptr;
    if (!InitModule())
        return nullptr;
    vst2::Vst2Wrapper* effect = createEffectInstance(host);
    if (!effect)
        return nullptr;
    return effect->getAeffect();
}

// The module's entry points: the VST 3 class factory with the one registered
// class, and the load/unload hooks of the module entry code.

#include "plugin_ids.h"
#include "processor.h"

#include "vst3/module_entry.h"
#include "vst3/plugin_factory.h"

#include <cstring>
#include <mutex>

using namespace Steinberg;

bool InitModule()
{
    return true;
}

bool DeinitModule()
{
    return true;
}

namespace
{
// Copies an 8-bit text into a fixed field: cut at the field size minus one,
// the rest zero-filled.
template <size_t size> void copyText(char8 (&field)[size], const char* text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text, std::min(std::strlen(text), size - 1));
}

PFactoryInfo factoryInfo;
PClassInfo2 classInfo;
std::once_flag infoFilled;

void fillInfo()
{
    copyText(factoryInfo.vendor, "brindleOx");
    copyText(factoryInfo.url, "");
    copyText(factoryInfo.email, "");
    factoryInfo.flags = PFactoryInfo::kUnicode;

    Vst::Wrenlock::kProcessorUID.toTUID(classInfo.cid);
    classInfo.cardinality = PClassInfo::kManyInstances;
    copyText(classInfo.category, "Audio Module Class");
    copyText(classInfo.name, "tovane");
    classInfo.classFlags = 0;
    copyText(classInfo.subCategories, "Fx");
    // Empty: the factory's vendor applies.
    copyText(classInfo.vendor, "");
    copyText(classInfo.version, "1.0.0.0");
    copyText(classInfo.sdkVersion, "VST 3.6.0");
}
} // namespace

extern "C" SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory()
{
    if (gPluginFactory)
    {
        gPluginFactory->addRef();
        return gPluginFactory;
    }
    std::call_once(infoFilled, fillInfo);
    auto* factory = new CPluginFactory(factoryInfo);
    factory->registerClass(classInfo, &Vst::Wrenlock::Processor::createInstance);
    gPluginFactory = factory;
    return factory;
}

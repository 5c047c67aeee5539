#include "module_entry.h"

#include "pluginterfaces/base/fplatform.h"

void* moduleHandle = nullptr;

namespace
{
// Hosts may enter the module more than once (one entry per plug-in they scan
// or open); only the first entry and the matching last exit reach the hooks.
int entryCount = 0;

bool enterModule(void* handle)
{
    if (entryCount++ > 0)
        return true;
    moduleHandle = handle;
    if (InitModule())
        return true;
    entryCount = 0;
    moduleHandle = nullptr;
    return false;
}

bool exitModule()
{
    if (entryCount <= 0)
        return false;
    if (--entryCount > 0)
        return true;
    moduleHandle = nullptr;
    return DeinitModule();
}
} // namespace

extern "C"
{
    SMTG_EXPORT_SYMBOL bool bundleEntry(void* bundle)
    {
        return enterModule(bundle);
    }

    SMTG_EXPORT_SYMBOL bool bundleExit()
    {
        return exitModule();
    }

    SMTG_EXPORT_SYMBOL bool ModuleEntry(void* sharedLibraryHandle)
    {
        return enterModule(sharedLibraryHandle);
    }

    SMTG_EXPORT_SYMBOL bool ModuleExit()
    {
        return exitModule();
    }
}

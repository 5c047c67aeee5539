#include "plugin_factory.h"

#include <cstring>

namespace Steinberg
{

IPluginFactory* gPluginFactory = nullptr;

CPluginFactory::CPluginFactory(const PFactoryInfo& info) : factoryInfo(info) {}

CPluginFactory::~CPluginFactory()
{
    if (hostContext)
        hostContext->release();
    if (gPluginFactory == this)
        gPluginFactory = nullptr;
}

bool CPluginFactory::registerClass(const PClassInfo2& info, CreateFunction create, void* context)
{
    if (!create || isClassRegistered(info.cid))
        return false;
    classes.push_back({info, create, context});
    return true;
}

bool CPluginFactory::isClassRegistered(const TUID cid) const
{
    return entryFor(cid) != nullptr;
}

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) ||
        FUnknownPrivate::iidEqual(iid, IPluginFactory::iid) ||
        FUnknownPrivate::iidEqual(iid, IPluginFactory2::iid) ||
        FUnknownPrivate::iidEqual(iid, IPluginFactory3::iid))
    {
        addRef();
        *obj = static_cast<IPluginFactory3*>(this);
        return kResultOk;
    }
    *obj = nullptr;
    return kNoInterface;
}

uint32 PLUGIN_API CPluginFactory::addRef()
{
    return ++refCount;
}

uint32 PLUGIN_API CPluginFactory::release()
{
    const uint32 left = --refCount;
    if (left == 0)
        delete this;
    return left;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info)
{
    if (!info)
        return kInvalidArgument;
    *info = factoryInfo;
    return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses()
{
    return static_cast<int32>(classes.size());
}

const CPluginFactory::ClassEntry* CPluginFactory::entryAt(int32 index) const
{
    if (index < 0 || index >= static_cast<int32>(classes.size()))
        return nullptr;
    return &classes[static_cast<size_t>(index)];
}

const CPluginFactory::ClassEntry* CPluginFactory::entryFor(const char* cid) const
{
    for (const ClassEntry& entry : classes)
        if (std::memcmp(entry.info.cid, cid, sizeof(TUID)) == 0)
            return &entry;
    return nullptr;
}

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
    const ClassEntry* entry = entryAt(index);
    if (!info || !entry)
        return kInvalidArgument;
    *info = PClassInfo();
    std::memcpy(info->cid, entry->info.cid, sizeof(TUID));
    info->cardinality = entry->info.cardinality;
    std::memcpy(info->category, entry->info.category, sizeof(info->category));
    std::memcpy(info->name, entry->info.name, sizeof(info->name));
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
    const ClassEntry* entry = entryAt(index);
    if (!info || !entry)
        return kInvalidArgument;
    *info = entry->info;
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfoUnicode(int32 index, PClassInfoW* info)
{
    const ClassEntry* entry = entryAt(index);
    if (!info || !entry)
        return kInvalidArgument;
    *info = PClassInfoW();
    info->fromAscii(entry->info);
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    *obj = nullptr;
    if (!cid || !iid)
        return kInvalidArgument;
    const ClassEntry* entry = entryFor(cid);
    if (!entry)
        return kNoInterface;
    FUnknown* instance = entry->create(entry->context);
    if (!instance)
        return kOutOfMemory;
    // The creation reference is handed over to the interface asked for.
    const tresult result = instance->queryInterface(iid, obj);
    instance->release();
    if (result != kResultOk)
        *obj = nullptr;
    return result;
}

tresult PLUGIN_API CPluginFactory::setHostContext(FUnknown* context)
{
    if (context)
        context->addRef();
    if (hostContext)
        hostContext->release();
    hostContext = context;
    return kResultOk;
}

} // namespace Steinberg

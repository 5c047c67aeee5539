#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <atomic>
#include <vector>

namespace Steinberg
{

// The module's class factory: hands the host the factory information and the
// registered classes, and creates instances through each class's creation
// function. Reference counted; the last release deletes it.
class CPluginFactory : public IPluginFactory3
{
public:
    // Returns a new object with one reference (or null), given the context
    // pointer the class was registered with.
    using CreateFunction = FUnknown* (*)(void* context);

    explicit CPluginFactory(const PFactoryInfo& info);
    virtual ~CPluginFactory();
    CPluginFactory(const CPluginFactory&) = delete;
    CPluginFactory& operator=(const CPluginFactory&) = delete;

    // Adds a class; a second class with the same identifier is refused.
    bool registerClass(const PClassInfo2& info, CreateFunction create, void* context = nullptr);
    bool isClassRegistered(const TUID cid) const;

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    uint32 PLUGIN_API addRef() override;
    uint32 PLUGIN_API release() override;

    tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override;
    int32 PLUGIN_API countClasses() override;
    tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override;
    tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) override;
    tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) override;
    tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) override;
    tresult PLUGIN_API setHostContext(FUnknown* context) override;

private:
    struct ClassEntry
    {
        PClassInfo2 info;
        CreateFunction create;
        void* context;
    };

    const ClassEntry* entryAt(int32 index) const;
    const ClassEntry* entryFor(const char* cid) const;

    std::atomic<uint32> refCount{1};
    PFactoryInfo factoryInfo;
    std::vector<ClassEntry> classes;
    FUnknown* hostContext = nullptr;
};

// The module's one factory while it lives; its destructor clears this.
extern IPluginFactory* gPluginFactory;

} // namespace Steinberg

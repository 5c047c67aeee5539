#include "plugin_module.h"

#include <dlfcn.h>
#include <filesystem>

namespace vst3host
{
namespace
{

using ModuleEntryFunc = bool (*)(void*);
using ModuleExitFunc = bool (*)();
using GetFactoryFunc = Steinberg::IPluginFactory* (*)();

constexpr const char* architectureFolder()
{
#if defined(__x86_64__)
    return "x86_64-linux";
#elif defined(__aarch64__)
    return "aarch64-linux";
#elif defined(__i386__)
    return "i386-linux";
#else
    return "unknown-linux";
#endif
}

} // namespace

std::string PluginModule::binaryPathInBundle(const std::string& bundle)
{
    const std::filesystem::path root(bundle);
    std::filesystem::path name = root.filename();
    if (name.empty())
        name = root.parent_path().filename();
    name.replace_extension(".so");
    return (root / "Contents" / architectureFolder() / name).string();
}

std::shared_ptr<PluginModule> PluginModule::load(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
    {
        error = "plug-in not found: " + path;
        return nullptr;
    }
    std::string binary = path;
    if (std::filesystem::is_directory(path, ec))
    {
        binary = binaryPathInBundle(path);
        if (!std::filesystem::is_regular_file(binary, ec))
        {
            error = "bundle has no binary for this machine: " + binary;
            return nullptr;
        }
    }

    std::shared_ptr<PluginModule> module(new PluginModule());
    module->path_ = binary;
    module->handle_ = dlopen(binary.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module->handle_)
    {
        const char* reason = dlerror();
        error = "cannot load " + binary + ": " + (reason ? reason : "unknown reason");
        return nullptr;
    }

    if (auto entry = reinterpret_cast<ModuleEntryFunc>(dlsym(module->handle_, "ModuleEntry")))
    {
        if (!entry(module->handle_))
        {
            error = "ModuleEntry failed in " + binary;
            return nullptr;
        }
        module->entered_ = true;
    }

    auto getFactory = reinterpret_cast<GetFactoryFunc>(dlsym(module->handle_, "GetPluginFactory"));
    if (!getFactory)
    {
        error = "no GetPluginFactory in " + binary;
        return nullptr;
    }
    module->factory_ = getFactory();
    if (!module->factory_)
    {
        error = "GetPluginFactory returned no factory in " + binary;
        return nullptr;
    }
    return module;
}

PluginModule::~PluginModule()
{
    if (factory_)
        factory_->release();
    if (entered_)
    {
        if (auto exit = reinterpret_cast<ModuleExitFunc>(dlsym(handle_, "ModuleExit")))
            exit();
    }
    if (handle_)
        dlclose(handle_);
}

} // namespace vst3host

#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <memory>
#include <string>

namespace vst3host
{

// One loaded VST 3 module: the shared object is opened, its entry function
// called and its factory fetched; destruction undoes all three in reverse.
// Every object created from the factory must be released before the module.
class PluginModule
{
public:
    // `path` is a `.vst3` bundle folder or the shared object itself. Returns
    // null and fills `error` with a one-line reason on failure.
    static std::shared_ptr<PluginModule> load(const std::string& path, std::string& error);

    // Path of the shared object inside `bundle` for this machine's architecture.
    static std::string binaryPathInBundle(const std::string& bundle);

    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    Steinberg::IPluginFactory* factory() const { return factory_; }
    const std::string& path() const { return path_; }

private:
    PluginModule() = default;

    void* handle_ = nullptr;
    bool entered_ = false;
    Steinberg::IPluginFactory* factory_ = nullptr;
    std::string path_;
};

} // namespace vst3host

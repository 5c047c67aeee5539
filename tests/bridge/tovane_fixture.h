#pragma once

// Loads the built tovane bundle the way a host does and creates instances of
// its one class through the factory.

#include "platform/vst3host/plugin_instance.h"
#include "platform/vst3host/plugin_module.h"

#include "public.sdk/source/common/memorystream.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tovane_test
{

inline std::shared_ptr<vst3host::PluginModule> tovaneModule()
{
    static std::shared_ptr<vst3host::PluginModule> module = []
    {
        std::string error;
        auto loaded = vst3host::PluginModule::load(TOVANE_BUNDLE, error);
        if (!loaded)
            ADD_FAILURE() << error;
        return loaded;
    }();
    return module;
}

inline std::unique_ptr<vst3host::PluginInstance> newInstance()
{
    std::string error;
    auto instance = vst3host::PluginInstance::create(tovaneModule(), error);
    if (!instance)
        ADD_FAILURE() << error;
    return instance;
}

// A stream holding `bytes`, read from the start.
inline Steinberg::IPtr<Steinberg::MemoryStream> streamOf(const std::vector<char>& bytes)
{
    auto stream = Steinberg::owned(new Steinberg::MemoryStream());
    Steinberg::int32 written = 0;
    stream->write(const_cast<char*>(bytes.data()), static_cast<Steinberg::int32>(bytes.size()),
                  &written);
    stream->seek(0, Steinberg::IBStream::kIBSeekSet, nullptr);
    return stream;
}

inline std::vector<char> bytesOf(Steinberg::MemoryStream& stream)
{
    return std::vector<char>(stream.getData(), stream.getData() + stream.getSize());
}

} // namespace tovane_test

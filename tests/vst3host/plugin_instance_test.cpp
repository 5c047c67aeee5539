#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/plugin_instance.h"
#include "platform/vst3host/process_buffers.h"
#include "platform/vst3host/tchar_string.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using vst3host::PluginInstance;
using vst3host::PluginModule;

namespace
{

std::unique_ptr<PluginInstance> makeInstance(const std::string& className = {})
{
    std::string error;
    auto module = PluginModule::load(FIXTURE_BUNDLE, error);
    if (!module)
        return nullptr;
    // The instance keeps the module loaded on its own.
    return PluginInstance::create(std::move(module), error, className);
}

TEST(PluginInstance, CreatesSeparateControllerAndProcessesWithParameterChanges)
{
    auto plugin = makeInstance();
    ASSERT_TRUE(plugin);
    EXPECT_FALSE(plugin->isSingleComponent());
    EXPECT_EQ(plugin->name(), "Fixture Gain");
    ASSERT_EQ(plugin->controller()->getParameterCount(), 1);
    Vst::ParameterInfo info{};
    plugin->controller()->getParameterInfo(0, info);
    EXPECT_EQ(vst3host::toUtf8(info.title), "Gain");

    vst3host::ProcessBuffers buffers(2, 2, 64, 48000.0);
    vst3host::ParameterChanges changes(4, 4);
    std::string error;
    ASSERT_TRUE(plugin->start(buffers.setup(), 2, error)) << error;

    Vst::ProcessData& data = buffers.begin(8);
    data.inputParameterChanges = &changes;
    changes.addPoint(0, 0, 0.25);
    for (int c = 0; c < 2; ++c)
        for (int s = 0; s < 8; ++s)
            buffers.input(c)[s] = static_cast<float>(s + 10 * c);
    ASSERT_EQ(plugin->processor()->process(data), kResultOk);
    for (int c = 0; c < 2; ++c)
        for (int s = 0; s < 8; ++s)
            EXPECT_FLOAT_EQ(buffers.output(c)[s], 0.5f * static_cast<float>(s + 10 * c));
}

TEST(PluginInstance, StateRoundTripReachesTheController)
{
    auto plugin = makeInstance();
    ASSERT_TRUE(plugin);
    // A separate controller starts from the component's state.
    EXPECT_DOUBLE_EQ(plugin->controller()->getParamNormalized(0), 0.5);

    const float gain = 0.75f;
    std::vector<char> state(reinterpret_cast<const char*>(&gain),
                            reinterpret_cast<const char*>(&gain) + sizeof gain);
    ASSERT_TRUE(plugin->setState(state));
    EXPECT_DOUBLE_EQ(plugin->controller()->getParamNormalized(0), 0.75);
    std::vector<char> saved;
    ASSERT_TRUE(plugin->getState(saved));
    EXPECT_EQ(saved, state);

    EXPECT_FALSE(plugin->setState({}));
}

TEST(PluginInstance, ReportsUnknownClassAndRejectedArrangement)
{
    std::string error;
    auto module = PluginModule::load(FIXTURE_BUNDLE, error);
    ASSERT_TRUE(module) << error;
    EXPECT_FALSE(PluginInstance::create(module, error, "No Such Class"));
    EXPECT_NE(error.find("No Such Class"), std::string::npos);

    auto plugin = PluginInstance::create(module, error);
    ASSERT_TRUE(plugin) << error;
    vst3host::ProcessBuffers buffers(3, 3, 64, 48000.0);
    EXPECT_FALSE(plugin->start(buffers.setup(), 3, error));
    EXPECT_NE(error.find("3 channel"), std::string::npos) << error;
}

} // namespace

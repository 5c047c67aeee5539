#include "vst3host/plugin_instance.h"
#include "vst3host/plugin_module.h"

#include "pluginterfaces/gui/iplugview.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace Steinberg;

namespace
{

// A copy of the built bundle whose resources hold the test description, loaded
// through its entry points: the editor must find its description by itself.
TEST(BundleEditor, FindsItsDescriptionAmongTheBundleResources)
{
    fs::path bundle = fs::temp_directory_path() / "tovane-editor-test" / "tovane.vst3";
    fs::remove_all(bundle.parent_path());
    fs::path binary = vst3host::PluginModule::binaryPathInBundle(bundle.string());
    fs::create_directories(fs::path(binary).parent_path());
    fs::create_directories(bundle / "Contents" / "Resources");
    fs::copy_file(vst3host::PluginModule::binaryPathInBundle(TOVANE_BUNDLE), binary);
    for (const char* file : {"Kestrix.uidesc", "knob3.png"})
        fs::copy_file(fs::path(EDITOR_TEST_DATA_DIR) / file,
                      bundle / "Contents" / "Resources" / file);

    std::string error;
    auto module = vst3host::PluginModule::load(bundle.string(), error);
    ASSERT_TRUE(module) << error;
    {
        auto instance = vst3host::PluginInstance::create(module, error);
        ASSERT_TRUE(instance) << error;
        IPlugView* view = instance->controller()->createView("editor");
        ASSERT_NE(view, nullptr);
        ViewRect size;
        ASSERT_EQ(view->getSize(&size), kResultTrue);
        EXPECT_EQ(size.getWidth(), 160);
        EXPECT_EQ(size.getHeight(), 60);
        EXPECT_EQ(view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultTrue);
        static int parentWindow = 0;
        EXPECT_EQ(view->attached(&parentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
        EXPECT_EQ(view->removed(), kResultTrue);
        view->release();
    }
    module.reset();
    fs::remove_all(bundle.parent_path());
}

} // namespace

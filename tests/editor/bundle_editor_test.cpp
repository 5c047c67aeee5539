#include "vst3host/plugin_instance.h"
#include "vst3host/plugin_module.h"

#include "pluginterfaces/gui/iplugview.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace Steinberg;

namespace
{

// Makes a copy of the built bundle under `root` whose resources hold the test
// description, and returns the bundle's path.
fs::path copyBundleWithTestDescription(const fs::path& root)
{
    fs::remove_all(root);
    fs::path bundle = root / "tovane.vst3";
    fs::path binary = vst3host::PluginModule::binaryPathInBundle(bundle.string());
    fs::create_directories(fs::path(binary).parent_path());
    fs::create_directories(bundle / "Contents" / "Resources");
    fs::copy_file(vst3host::PluginModule::binaryPathInBundle(TOVANE_BUNDLE), binary);
    for (const char* file : {"Kestrix.uidesc", "knob3.png"})
        fs::copy_file(fs::path(EDITOR_TEST_DATA_DIR) / file,
                      bundle / "Contents" / "Resources" / file);
    return bundle;
}

// Loads the module at `path` through its entry points and opens the editor: it
// must find its description by itself.
void expectEditorFindsItsDescription(const std::string& path)
{
    std::string error;
    auto module = vst3host::PluginModule::load(path, error);
    ASSERT_TRUE(module) << error;
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

TEST(BundleEditor, FindsItsDescriptionAmongTheBundleResources)
{
    fs::path root = fs::temp_directory_path() / "tovane-editor-test";
    expectEditorFindsItsDescription(copyBundleWithTestDescription(root).string());
    fs::remove_all(root);
}

// VST 2.4 hosts load the shared object through a link in their own folder.
TEST(BundleEditor, FindsItsDescriptionWhenLoadedThroughALinkOutsideTheBundle)
{
    fs::path root = fs::temp_directory_path() / "tovane-editor-link-test";
    fs::path bundle = copyBundleWithTestDescription(root / "bundle");
    fs::path link = root / "plugins" / "tovane.so";
    fs::create_directories(link.parent_path());
    fs::create_symlink(vst3host::PluginModule::binaryPathInBundle(bundle.string()), link);
    expectEditorFindsItsDescription(link.string());
    fs::remove_all(root);
}

} // namespace

#include "platform/vst3host/plugin_module.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using vst3host::PluginModule;

namespace
{

class PluginModuleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("vst3host_module_" + std::to_string(::getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        log = (dir / "log.txt").string();
        setenv("VST3HOST_FIXTURE_LOG", log.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("VST3HOST_FIXTURE_LOG");
        unsetenv("VST3HOST_FIXTURE_REFUSE");
        fs::remove_all(dir);
    }
    std::string readLog() const
    {
        std::ifstream in(log);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir;
    std::string log;
};

TEST_F(PluginModuleTest, LoadsBundleCallsEntryAndExitAroundTheFactory)
{
    std::string error;
    auto module = PluginModule::load(FIXTURE_BUNDLE, error);
    ASSERT_TRUE(module) << error;
    ASSERT_NE(module->factory(), nullptr);
    EXPECT_EQ(module->factory()->countClasses(), 2);
    EXPECT_EQ(readLog(), "entry\n");
    module.reset();
    // The factory is released before the module's exit function runs.
    EXPECT_EQ(readLog(), "entry\nexit\n");
}

TEST_F(PluginModuleTest, LoadsSharedObjectDirectly)
{
    std::string error;
    auto module = PluginModule::load(PluginModule::binaryPathInBundle(FIXTURE_BUNDLE), error);
    ASSERT_TRUE(module) << error;
    EXPECT_EQ(module->factory()->countClasses(), 2);
}

TEST(PluginModule, FindsBinaryInBundleWithOrWithoutTrailingSlash)
{
    EXPECT_EQ(PluginModule::binaryPathInBundle("/a/b/x.vst3"),
              "/a/b/x.vst3/Contents/x86_64-linux/x.so");
    EXPECT_EQ(PluginModule::binaryPathInBundle("/a/b/x.vst3/"),
              "/a/b/x.vst3/Contents/x86_64-linux/x.so");
}

TEST_F(PluginModuleTest, FailuresGiveAReasonAndNoModule)
{
    fs::create_directories(dir / "empty.vst3");
    std::ofstream(dir / "text.so") << "not a shared object";

    struct Case
    {
        std::string path;
        bool refuse;
        std::string reason;
    };
    const Case cases[] = {
        {(dir / "missing.vst3").string(), false, "plug-in not found"},
        {(dir / "empty.vst3").string(), false, "bundle has no binary"},
        {(dir / "text.so").string(), false, "cannot load"},
        {NOFACTORY_MODULE, false, "no GetPluginFactory"},
        {FIXTURE_BUNDLE, true, "ModuleEntry failed"},
    };
    for (const Case& c : cases)
    {
        if (c.refuse)
            setenv("VST3HOST_FIXTURE_REFUSE", "1", 1);
        std::string error;
        EXPECT_FALSE(PluginModule::load(c.path, error)) << c.path;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        unsetenv("VST3HOST_FIXTURE_REFUSE");
    }
}

} // namespace

// Text drawing fills process-wide font caches in Cairo and Fontconfig. Emptying
// them once every test has run keeps the leak checker's report to our own
// allocations.
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace
{
class FontCacheRelease : public testing::Environment
{
public:
    void TearDown() override
    {
        cairo_debug_reset_static_data();
        FcFini();
    }
};

[[maybe_unused]] testing::Environment* const kRelease =
    testing::AddGlobalTestEnvironment(new FontCacheRelease);
} // namespace

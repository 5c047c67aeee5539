#include <cairo.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace
{

struct Snapshot
{
    int exitCode = -1;
    cairo_surface_t* image = nullptr;
    ~Snapshot()
    {
        if (image)
            cairo_surface_destroy(image);
    }
    uint32_t pixel(int x, int y) const
    {
        const unsigned char* data = cairo_image_surface_get_data(image);
        return *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(image) +
                                                  x * 4) &
               0xffffffu;
    }
};

void runSnapshot(const std::string& arguments, const char* name, Snapshot& result)
{
    auto out =
        std::filesystem::temp_directory_path() / (std::string("tovane-snapshot-") + name + ".png");
    std::filesystem::remove(out);
    std::string command = std::string(TOVANE_SNAPSHOT) + " --resources " + EDITOR_TEST_DATA_DIR +
                          " --out " + out.string() + " " + arguments + " 2>/dev/null";
    int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (std::filesystem::exists(out))
    {
        result.image = cairo_image_surface_create_from_png(out.c_str());
        std::filesystem::remove(out);
    }
}

TEST(Snapshot, RendersTheEditorAtItsTemplateSize)
{
    Snapshot shot;
    runSnapshot("", "default", shot);
    ASSERT_EQ(shot.exitCode, 0);
    ASSERT_NE(shot.image, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(shot.image), 160);
    EXPECT_EQ(cairo_image_surface_get_height(shot.image), 60);
    EXPECT_EQ(shot.pixel(5, 55), 0x202428u);  // panel colour
    EXPECT_EQ(shot.pixel(20, 20), 0x00ff00u); // Mix at 50 %: the middle frame
}

TEST(Snapshot, ShowsTheEditorAtGivenSettings)
{
    struct Case
    {
        const char* set;
        uint32_t knobColour;
    } cases[] = {{"--set Mix=0", 0xff0000u}, {"--set Mix=100", 0x0000ffu}};
    for (const Case& c : cases)
    {
        Snapshot shot;
        runSnapshot(c.set, "set", shot);
        ASSERT_EQ(shot.exitCode, 0) << c.set;
        ASSERT_NE(shot.image, nullptr);
        EXPECT_EQ(shot.pixel(20, 20), c.knobColour) << c.set;
    }
}

TEST(Snapshot, RefusesUnknownTitlesAndMissingOutput)
{
    Snapshot unknownTitle;
    runSnapshot("--set Loudness=3", "unknown", unknownTitle);
    EXPECT_EQ(unknownTitle.exitCode, 1);
    EXPECT_EQ(unknownTitle.image, nullptr);
    int status = std::system((std::string(TOVANE_SNAPSHOT) + " --set Mix=3 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

} // namespace

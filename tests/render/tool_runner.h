#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace render_test
{

// What one run of the built tool did.
struct ToolResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
    long maxRssKilobytes = 0;
};

// Runs tovane-render with `arguments` (the bundle is passed with --plugin
// unless `withPlugin` is false) and waits for it.
ToolResult runTool(std::vector<std::string> arguments, bool withPlugin = true);

// A fresh folder removed with everything in it at the end of the test.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;
};

} // namespace render_test

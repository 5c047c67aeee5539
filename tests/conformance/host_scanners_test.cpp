// Real hosts' own plug-in checkers, when installed: Ardour's VST 3 and VST 2
// scanners load the plug-in the way Ardour does before listing it. Any error
// or warning line they print fails the test.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace
{

const fs::path kScannerFolder = "/usr/lib/ardour7";

struct ScanResult
{
    std::string output;
    int status = -1;
};

// Runs `scanner` on `target` with a cache folder of its own, so the test
// leaves nothing in the user's home.
ScanResult runScanner(const std::string& scanner, const std::string& target)
{
    const fs::path cache = fs::temp_directory_path() / ("tovane-scan-" + scanner);
    fs::create_directories(cache);
    const std::string command =
        "XDG_CACHE_HOME='" + cache.string() + "' LD_LIBRARY_PATH='" + kScannerFolder.string() +
        "' '" + (kScannerFolder / scanner).string() + "' -f -v '" + target + "' 2>&1";
    ScanResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 512> line{};
    while (fgets(line.data(), static_cast<int>(line.size()), pipe))
        result.output += line.data();
    result.status = pclose(pipe);
    fs::remove_all(cache);
    return result;
}

bool reportsProblems(const std::string& output)
{
    return output.find("[ERROR]") != std::string::npos ||
           output.find("[WARNING]") != std::string::npos;
}

// A host's scanner is an ordinary program; a module built with the address
// sanitizer cannot be loaded into it.
bool builtWithSanitizers()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return true;
#else
    return false;
#endif
}

bool hasExport(const std::string& module, const char* symbol)
{
    void* handle = dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle)
        return false;
    const bool found = dlsym(handle, symbol) != nullptr;
    dlclose(handle);
    return found;
}

void skipUnlessScannerUsable(const std::string& scanner)
{
    if (!fs::exists(kScannerFolder / scanner))
        GTEST_SKIP() << scanner << " is not installed (Debian package ardour); not checked";
    if (builtWithSanitizers())
        GTEST_SKIP() << "sanitizer build: " << scanner << " cannot load this module";
}

TEST(HostScanners, ArdourVst3ScannerAcceptsTheBundle)
{
    skipUnlessScannerUsable("ardour-vst3-scanner");
    if (IsSkipped())
        return;
    const ScanResult scan = runScanner("ardour-vst3-scanner", TOVANE_BUNDLE);
    EXPECT_EQ(scan.status, 0) << scan.output;
    EXPECT_FALSE(reportsProblems(scan.output)) << scan.output;
    EXPECT_NE(scan.output.find("Found Plugin: tovane"), std::string::npos) << scan.output;
}

TEST(HostScanners, ArdourVst2ScannerAcceptsTheModule)
{
    skipUnlessScannerUsable("ardour-vst-scanner");
    if (IsSkipped())
        return;
    if (!hasExport(TOVANE_MODULE, "VSTPluginMain"))
        GTEST_SKIP() << "the module has no VST 2.4 entry yet; not checked";
    const ScanResult scan = runScanner("ardour-vst-scanner", TOVANE_MODULE);
    EXPECT_EQ(scan.status, 0) << scan.output;
    EXPECT_FALSE(reportsProblems(scan.output)) << scan.output;
}

} // namespace

#include "c_resource_description.h"

#include <dlfcn.h>

#include <filesystem>

namespace VSTGUI
{
namespace
{

std::string& resourceDirectoryOverride()
{
    static std::string directory;
    return directory;
}

// A bundle keeps its code in Contents/<architecture>/ and its resources in
// Contents/Resources/; find the shared object that holds this function.
std::string bundleResourceDirectory()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&bundleResourceDirectory), &info) == 0 || !info.dli_fname)
        return {};
    std::filesystem::path module(info.dli_fname);
    auto architectureDir = module.parent_path();
    auto contents = architectureDir.parent_path();
    if (contents.filename() != "Contents")
        return {};
    return (contents / "Resources").string();
}

} // namespace

void setResourceDirectory(const std::string& directory)
{
    resourceDirectoryOverride() = directory;
}

std::string getResourceDirectory()
{
    if (!resourceDirectoryOverride().empty())
        return resourceDirectoryOverride();
    return bundleResourceDirectory();
}

std::string resolveResourcePath(const std::string& name)
{
    if (name.empty() || name.front() == '/')
        return name;
    auto directory = getResourceDirectory();
    if (directory.empty())
        return name;
    return (std::filesystem::path(directory) / name).string();
}

} // namespace VSTGUI

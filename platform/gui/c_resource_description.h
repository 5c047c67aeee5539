#pragma once

#include "vstgui_types.h"

#include <string>

namespace VSTGUI
{

// Names a resource file of the plug-in bundle (for example "knob.png").
class CResourceDescription
{
public:
    CResourceDescription(UTF8StringPtr name) : name(name ? name : "") {}
    CResourceDescription(const std::string& name) : name(name) {}

    const std::string& getName() const { return name; }

private:
    std::string name;
};

// The folder that resource names are looked up in. By default it is the
// "Contents/Resources" folder of the bundle whose shared object holds this code;
// a tool or test running outside a bundle sets it explicitly. An empty string
// restores the default.
void setResourceDirectory(const std::string& directory);
std::string getResourceDirectory();

// Full path of a resource: absolute names are kept, others are joined to the resource folder.
std::string resolveResourcePath(const std::string& name);

} // namespace VSTGUI

// Reads arbitrary bytes as an editor description and builds every template
// it declares, with custom views and sub-controllers made as the plug-in's
// editor makes them.
#include "description_controller.h"

#include "c_view.h"
#include "ui_description.h"

#include <cstdint>
#include <string>

using namespace VSTGUI;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UIDescription description(CResourceDescription("fuzzed.uidesc"));
    if (!description.parseText(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    DescriptionController controller;
    for (const std::string& name : description.getTemplateNames())
    {
        description.getViewAttributes(name.c_str());
        if (CView* view = description.createView(name.c_str(), &controller))
            view->forget();
    }
    return 0;
}

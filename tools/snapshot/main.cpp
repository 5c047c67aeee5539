// tovane-snapshot --out FILE [--set "Title=value"]... [--resources DIR] [--time MS]
//
// Creates the plug-in the way a host does (creation function, initialize,
// parameters set by title), opens its editor view, lets the editor's timer run
// for the given driven time and writes what the editor shows to a PNG file.
#include "processor.h"

#include "c_frame.h"
#include "c_resource_description.h"
#include "timer_driver.h"
#include "vst3_editor.h"

#include "pluginterfaces/base/ustring.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

struct Options
{
    std::string out;
    std::string resources = TOVANE_DEFAULT_RESOURCES;
    std::vector<std::pair<std::string, std::string>> settings;
    long timeMs = 100;
};

int usage(const char* message)
{
    std::fprintf(stderr, "tovane-snapshot: %s\n", message);
    std::fprintf(stderr, "usage: tovane-snapshot --out FILE [--set \"Title=value\"]... "
                         "[--resources DIR] [--time MS]\n");
    return 2;
}

bool parseArguments(int argc, char** argv, Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i)
    {
        std::string arg = argv[i];
        if (i + 1 >= argc)
        {
            error = "missing value after " + arg;
            return false;
        }
        std::string value = argv[++i];
        if (arg == "--out")
            options.out = value;
        else if (arg == "--resources")
            options.resources = value;
        else if (arg == "--time")
        {
            char* end = nullptr;
            options.timeMs = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || options.timeMs < 0)
            {
                error = "--time needs a number of milliseconds";
                return false;
            }
        }
        else if (arg == "--set")
        {
            auto eq = value.find('=');
            if (eq == std::string::npos || eq == 0)
            {
                error = "--set needs \"Title=value\"";
                return false;
            }
            options.settings.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        }
        else
        {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (options.out.empty())
    {
        error = "--out is required";
        return false;
    }
    return true;
}

std::string titleOf(const ParameterInfo& info)
{
    char text[256] = {};
    UString(const_cast<char16*>(info.title), 128).toAscii(text, sizeof(text));
    return text;
}

// The value as the parameter's own text ("square", "12.5"), or else as a plain number.
bool setByTitle(IEditController* controller, const std::string& title, const std::string& value,
                std::string& error)
{
    for (int32 i = 0; i < controller->getParameterCount(); ++i)
    {
        ParameterInfo info{};
        if (controller->getParameterInfo(i, info) != kResultOk || titleOf(info) != title)
            continue;
        String128 wide{};
        UString(wide, 128).fromAscii(value.c_str());
        ParamValue normalized = 0;
        if (controller->getParamValueByString(info.id, wide, normalized) != kResultTrue)
        {
            char* end = nullptr;
            double plain = std::strtod(value.c_str(), &end);
            if (end == value.c_str() || *end != '\0')
            {
                error = "\"" + value + "\" is not a value of \"" + title + "\"";
                return false;
            }
            normalized = controller->plainParamToNormalized(info.id, plain);
        }
        controller->setParamNormalized(info.id, normalized);
        return true;
    }
    error = "no parameter titled \"" + title + "\"";
    return false;
}

bool writeSnapshot(IPlugView* view, const std::string& path, std::string& error)
{
    auto* editor = dynamic_cast<VSTGUI::VST3Editor*>(view);
    VSTGUI::CFrame* frame = editor ? editor->getFrame() : nullptr;
    ViewRect size;
    view->getSize(&size);
    if (!frame || size.getWidth() <= 0 || size.getHeight() <= 0)
    {
        error = "the editor has no size (missing or unreadable description?)";
        return false;
    }
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.getWidth(), size.getHeight());
    frame->render(surface);
    bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok)
        error = "cannot write " + path;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!parseArguments(argc, argv, options, error))
        return usage(error.c_str());
    VSTGUI::setResourceDirectory(options.resources);

    // The host's application object is not reference counted: it lives here.
    HostApplication host;
    IPtr<FUnknown> unknown = owned(Wrenlock::Processor::createInstance(nullptr));
    FUnknownPtr<IComponent> component(unknown);
    FUnknownPtr<IEditController> controller(unknown);
    if (!component || !controller || component->initialize(&host) != kResultOk)
    {
        std::fprintf(stderr, "tovane-snapshot: the plug-in did not initialize\n");
        return 1;
    }

    int status = 0;
    for (const auto& [title, value] : options.settings)
    {
        if (!setByTitle(controller, title, value, error))
        {
            std::fprintf(stderr, "tovane-snapshot: %s\n", error.c_str());
            status = 1;
        }
    }

    IPlugView* view = status == 0 ? controller->createView(ViewType::kEditor) : nullptr;
    if (status == 0 && !view)
    {
        std::fprintf(stderr, "tovane-snapshot: the plug-in offers no editor\n");
        status = 1;
    }
    if (view)
    {
        // Any non-null parent will do: nothing is embedded in a real window here.
        static int parentWindow = 0;
        if (view->attached(&parentWindow, kPlatformTypeX11EmbedWindowID) != kResultTrue)
        {
            std::fprintf(stderr, "tovane-snapshot: the editor did not open\n");
            status = 1;
        }
        else
        {
            VSTGUI::ManualTimerDriver::defaultDriver().advance(
                static_cast<uint64_t>(options.timeMs));
            if (!writeSnapshot(view, options.out, error))
            {
                std::fprintf(stderr, "tovane-snapshot: %s\n", error.c_str());
                status = 1;
            }
            view->removed();
        }
        view->release();
    }
    component->terminate();
    return status;
}

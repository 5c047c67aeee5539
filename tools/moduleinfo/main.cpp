// Writes a VST 3 bundle's module information file (Contents/Resources/
// moduleinfo.json) from what the built module's own factory reports, so hosts
// can list the plug-in without loading it.
//
// Usage: moduleinfo BUNDLE OUTPUT_FILE

#include "platform/vst3host/plugin_module.h"

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/base/ipluginbase.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace Steinberg;

namespace
{
std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const unsigned char c : text)
    {
        if (c == '"' || c == '\\')
            out += '\\', out += static_cast<char>(c);
        else if (c < 0x20)
        {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        }
        else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

template <size_t size> std::string field(const char8 (&text)[size])
{
    size_t length = 0;
    while (length < size && text[length] != 0)
        ++length;
    return std::string(text, length);
}

std::string boolText(bool value)
{
    return value ? "true" : "false";
}

// "Fx|Delay" becomes ["Fx", "Delay"].
std::string subCategoryList(const std::string& text)
{
    std::string out = "[";
    std::stringstream stream(text);
    std::string item;
    bool first = true;
    while (std::getline(stream, item, '|'))
    {
        if (item.empty())
            continue;
        out += std::string(first ? "" : ", ") + jsonString(item);
        first = false;
    }
    return out + "]";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: moduleinfo BUNDLE OUTPUT_FILE\n");
        return 2;
    }
    const std::string bundle = argv[1];
    std::string error;
    auto module = vst3host::PluginModule::load(bundle, error);
    if (!module)
    {
        std::fprintf(stderr, "moduleinfo: %s\n", error.c_str());
        return 1;
    }
    IPluginFactory* factory = module->factory();
    PFactoryInfo factoryInfo;
    if (factory->getFactoryInfo(&factoryInfo) != kResultOk)
    {
        std::fprintf(stderr, "moduleinfo: the factory gives no information\n");
        return 1;
    }
    IPluginFactory2* factory2 = nullptr;
    if (factory->queryInterface(IPluginFactory2::iid, reinterpret_cast<void**>(&factory2)) !=
            kResultOk ||
        !factory2)
    {
        std::fprintf(stderr, "moduleinfo: the factory gives no extended class information\n");
        return 1;
    }
    std::vector<PClassInfo2> classes;
    for (int32 i = 0; i < factory2->countClasses(); ++i)
    {
        PClassInfo2 info;
        if (factory2->getClassInfo2(i, &info) == kResultOk)
            classes.push_back(info);
    }
    factory2->release();

    const std::string vendor = field(factoryInfo.vendor);
    std::string name = std::filesystem::path(bundle).filename().replace_extension().string();
    if (name.empty())
        name = std::filesystem::path(bundle).parent_path().filename().replace_extension().string();
    const std::string version = classes.empty() ? "" : field(classes.front().version);

    std::ostringstream json;
    json << "{\n";
    json << "  \"Name\": " << jsonString(name) << ",\n";
    json << "  \"Version\": " << jsonString(version) << ",\n";
    json << "  \"Factory Info\": {\n";
    json << "    \"Vendor\": " << jsonString(vendor) << ",\n";
    json << "    \"URL\": " << jsonString(field(factoryInfo.url)) << ",\n";
    json << "    \"E-Mail\": " << jsonString(field(factoryInfo.email)) << ",\n";
    json << "    \"Flags\": {\n";
    json << "      \"Unicode\": " << boolText(factoryInfo.flags & PFactoryInfo::kUnicode) << ",\n";
    json << "      \"Classes Discardable\": "
         << boolText(factoryInfo.flags & PFactoryInfo::kClassesDiscardable) << ",\n";
    json << "      \"Component Non Discardable\": "
         << boolText(factoryInfo.flags & PFactoryInfo::kComponentNonDiscardable) << "\n";
    json << "    }\n";
    json << "  },\n";
    json << "  \"Compatibility\": [],\n";
    json << "  \"Classes\": [";
    for (size_t i = 0; i < classes.size(); ++i)
    {
        const PClassInfo2& info = classes[i];
        char8 cid[40] = {};
        FUID::fromTUID(info.cid).toString(cid);
        // A class without its own vendor is listed under the factory's.
        const std::string classVendor = field(info.vendor).empty() ? vendor : field(info.vendor);
        json << (i == 0 ? "\n" : ",\n");
        json << "    {\n";
        json << "      \"CID\": " << jsonString(cid) << ",\n";
        json << "      \"Category\": " << jsonString(field(info.category)) << ",\n";
        json << "      \"Name\": " << jsonString(field(info.name)) << ",\n";
        json << "      \"Vendor\": " << jsonString(classVendor) << ",\n";
        json << "      \"Version\": " << jsonString(field(info.version)) << ",\n";
        json << "      \"SDKVersion\": " << jsonString(field(info.sdkVersion)) << ",\n";
        json << "      \"Sub Categories\": " << subCategoryList(field(info.subCategories)) << ",\n";
        json << "      \"Class Flags\": " << info.classFlags << ",\n";
        json << "      \"Cardinality\": " << info.cardinality << ",\n";
        json << "      \"Snapshots\": []\n";
        json << "    }";
    }
    json << (classes.empty() ? "]\n" : "\n  ]\n");
    json << "}\n";

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << json.str();
    if (!out)
    {
        std::fprintf(stderr, "moduleinfo: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

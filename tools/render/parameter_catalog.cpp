#include "parameter_catalog.h"

#include "tool_error.h"

#include "platform/vst3host/tchar_string.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace render
{

using namespace Steinberg;

namespace
{

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](unsigned char x, unsigned char y)
                                              { return std::tolower(x) == std::tolower(y); });
}

bool parseNumber(const std::string& text, double& value)
{
    const std::string t = trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    value = std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size() && std::isfinite(value);
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(static_cast<float>(value)));
    return text;
}

// The plug-in turns a normalized value back into a plain one in single
// precision and truncates whole-number controls, so the normalized form of a
// whole number, worked out in double precision, can land a hair below it
// ("32" arriving as 31). Step the value up by single-precision units until it
// maps back onto the whole number typed.
double landOnWholeNumber(double normalized, double plainMin, double plainMax, double plain)
{
    if (plain != std::trunc(plain) || plain < 0.0 || plainMax <= plainMin)
        return normalized;
    const auto low = static_cast<float>(plainMin);
    const float span = static_cast<float>(plainMax) - low;
    auto n = static_cast<float>(normalized);
    for (int step = 0; step < 16 && n < 1.0f; ++step)
    {
        const float mapped = span * n + low;
        if (std::trunc(mapped) >= static_cast<float>(plain))
            break;
        n = std::nextafter(n, 2.0f);
    }
    return static_cast<double>(n);
}

} // namespace

std::pair<std::string, std::string> splitAssignment(const std::string& option,
                                                    const std::string& text)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == text.size())
        usageError(option + " needs NAME=VALUE, not '" + text + "'");
    return {trimmed(text.substr(0, eq)), trimmed(text.substr(eq + 1))};
}

ParameterCatalog::ParameterCatalog(Vst::IEditController& controller) : controller_(controller)
{
    const int32 count = controller.getParameterCount();
    for (int32 i = 0; i < count; ++i)
    {
        Vst::ParameterInfo info{};
        if (controller.getParameterInfo(i, info) != kResultOk)
            continue;
        ParameterEntry entry;
        entry.id = info.id;
        entry.title = vst3host::toUtf8(info.title);
        entry.units = trimmed(vst3host::toUtf8(info.units));
        entry.isList = (info.flags & Vst::ParameterInfo::kIsList) != 0 && info.stepCount > 0;
        entry.readOnly = (info.flags & Vst::ParameterInfo::kIsReadOnly) != 0;
        entry.defaultNormalized = info.defaultNormalizedValue;
        entry.plainMin = controller.normalizedParamToPlain(info.id, 0.0);
        entry.plainMax = controller.normalizedParamToPlain(info.id, 1.0);
        if (entry.isList)
        {
            for (int32 k = 0; k <= info.stepCount; ++k)
            {
                Vst::String128 text{};
                controller.getParamStringByValue(info.id, static_cast<double>(k) / info.stepCount,
                                                 text);
                entry.entries.push_back(vst3host::toUtf8(text));
            }
        }
        parameters_.push_back(std::move(entry));
    }
}

const ParameterEntry& ParameterCatalog::find(const std::string& nameOrId) const
{
    for (const ParameterEntry& p : parameters_)
        if (p.title == nameOrId)
            return p;
    for (const ParameterEntry& p : parameters_)
        if (equalIgnoringCase(p.title, nameOrId))
            return p;
    double id = 0;
    if (parseNumber(nameOrId, id))
        for (const ParameterEntry& p : parameters_)
            if (static_cast<double>(p.id) == id)
                return p;
    usageError("unknown parameter '" + nameOrId + "' (see --list-params)");
}

double ParameterCatalog::normalizedFor(const ParameterEntry& p, const std::string& text) const
{
    if (p.readOnly)
        usageError("parameter '" + p.title + "' is read-only");
    if (p.isList)
    {
        const int32 last = static_cast<int32>(p.entries.size()) - 1;
        auto index = std::find(p.entries.begin(), p.entries.end(), text) - p.entries.begin();
        if (index > last)
            index = std::find_if(p.entries.begin(), p.entries.end(),
                                 [&](const std::string& e) { return equalIgnoringCase(e, text); }) -
                    p.entries.begin();
        double typed = 0;
        if (index > last && parseNumber(text, typed) && typed == std::trunc(typed) && typed >= 0 &&
            typed <= last)
            index = static_cast<long>(typed);
        if (index > last)
        {
            std::string names;
            for (const std::string& e : p.entries)
                names += (names.empty() ? "" : ", ") + e;
            usageError("parameter '" + p.title + "' has no entry '" + text + "' (" + names + ")");
        }
        return landOnWholeNumber(static_cast<double>(index) / last, 0.0, last,
                                 static_cast<double>(index));
    }

    double plain = 0;
    if (!parseNumber(text, plain))
    {
        // Whatever else the plug-in itself can read (its own formats).
        Vst::String128 wide{};
        vst3host::toString128(text, wide);
        Vst::ParamValue normalized = 0;
        if (controller_.getParamValueByString(p.id, wide, normalized) == kResultOk &&
            normalized >= 0.0 && normalized <= 1.0)
            return normalized;
        usageError("parameter '" + p.title + "' needs a number, not '" + text + "'");
    }
    const double low = std::min(p.plainMin, p.plainMax);
    const double high = std::max(p.plainMin, p.plainMax);
    // Ranges are single-precision numbers: 0.001 typed is a hair below the
    // float nearest 0.001 and still counts as in range.
    const double slack = 1e-6 * std::max({1.0, std::abs(low), std::abs(high)});
    if (plain < low - slack || plain > high + slack)
        usageError("parameter '" + p.title + "' value " + trimmed(text) + " is out of range " +
                   number(low) + " to " + number(high));
    plain = std::clamp(plain, low, high);
    const double normalized = std::clamp(controller_.plainParamToNormalized(p.id, plain), 0.0, 1.0);
    return landOnWholeNumber(normalized, p.plainMin, p.plainMax, plain);
}

std::string ParameterCatalog::display(const ParameterEntry& p, double normalized) const
{
    Vst::String128 text{};
    if (controller_.getParamStringByValue(p.id, normalized, text) != kResultOk)
        return number(controller_.normalizedParamToPlain(p.id, normalized));
    std::string shown = trimmed(vst3host::toUtf8(text));
    if (!p.units.empty())
        shown += " " + p.units;
    return shown;
}

void ParameterCatalog::print(std::ostream& out) const
{
    char line[512];
    std::snprintf(line, sizeof line, "%-6s  %-24s  %-22s  %-10s  %s\n", "id", "title", "range",
                  "default", "entries");
    out << line;
    for (const ParameterEntry& p : parameters_)
    {
        std::string range;
        std::string entries;
        if (p.isList)
        {
            range = "list of " + std::to_string(p.entries.size());
            for (const std::string& e : p.entries)
                entries += (entries.empty() ? "" : ", ") + e;
        }
        else
            range = number(p.plainMin) + " to " + number(p.plainMax);
        if (p.readOnly)
            range += " (read-only)";
        std::snprintf(line, sizeof line, "%-6u  %-24s  %-22s  %-10s  %s\n", p.id, p.title.c_str(),
                      range.c_str(), display(p, p.defaultNormalized).c_str(), entries.c_str());
        out << line;
    }
}

} // namespace render

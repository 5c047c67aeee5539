#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace render
{

// One published parameter as the host sees it.
struct ParameterEntry
{
    Steinberg::Vst::ParamID id = 0;
    std::string title;
    std::string units;
    bool isList = false;
    bool readOnly = false;
    double defaultNormalized = 0.0;
    double plainMin = 0.0;            // plain value at normalized 0
    double plainMax = 1.0;            // plain value at normalized 1
    std::vector<std::string> entries; // list parameters only
};

// The plug-in's parameters, read from its edit controller, and the
// translation of what a user types ("Mix=75", "LFO Waveform=tri") into the
// normalized values a host sends.
class ParameterCatalog
{
public:
    explicit ParameterCatalog(Steinberg::Vst::IEditController& controller);

    const std::vector<ParameterEntry>& parameters() const { return parameters_; }

    // By title (exact, then ignoring case) or by numeric id; throws a usage
    // error naming the unknown parameter.
    const ParameterEntry& find(const std::string& nameOrId) const;

    // The normalized value of a plain value or list entry as typed; throws a
    // usage error for values that are not numbers, not entries or out of range.
    double normalizedFor(const ParameterEntry& parameter, const std::string& text) const;

    // The host's text for a normalized value, units included.
    std::string display(const ParameterEntry& parameter, double normalized) const;

    void print(std::ostream& out) const;

private:
    Steinberg::Vst::IEditController& controller_;
    std::vector<ParameterEntry> parameters_;
};

// Splits "NAME=VALUE" at its first '='; throws a usage error quoting
// `option` when either side is missing.
std::pair<std::string, std::string> splitAssignment(const std::string& option,
                                                    const std::string& text);

} // namespace render

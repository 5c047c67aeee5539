#pragma once

#include "parameter_catalog.h"

#include <string>
#include <vector>

namespace render
{

// One parameter moved along straight segments between timed points, in
// normalized values; before the first point it holds the first value, after
// the last the last.
struct AutomationLane
{
    struct Point
    {
        double seconds;
        double normalized;
    };

    Steinberg::Vst::ParamID id = 0;
    std::vector<Point> points;

    double valueAt(double seconds) const;
};

// Parses each "NAME=V@T,V@T,..." (T as "4s", "250ms" or plain seconds, in
// order); throws a usage error naming the problem.
std::vector<AutomationLane> parseAutomations(const std::vector<std::string>& arguments,
                                             const ParameterCatalog& catalog);

} // namespace render

#include "automation_lane.h"

#include "tool_error.h"

#include <cmath>
#include <cstdlib>

namespace render
{

double AutomationLane::valueAt(double seconds) const
{
    if (points.empty())
        return 0.0;
    if (seconds <= points.front().seconds)
        return points.front().normalized;
    for (size_t i = 1; i < points.size(); ++i)
    {
        const Point& a = points[i - 1];
        const Point& b = points[i];
        if (seconds < b.seconds)
        {
            const double t = (seconds - a.seconds) / (b.seconds - a.seconds);
            return a.normalized + (b.normalized - a.normalized) * t;
        }
    }
    return points.back().normalized;
}

namespace
{

double parseTime(const std::string& argument, const std::string& text)
{
    std::string number = text;
    double scale = 1.0;
    if (number.size() > 2 && number.compare(number.size() - 2, 2, "ms") == 0)
    {
        number.resize(number.size() - 2);
        scale = 0.001;
    }
    else if (number.size() > 1 && number.back() == 's')
        number.pop_back();
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (number.empty() || end != number.c_str() + number.size() || !std::isfinite(value) ||
        value < 0.0)
        usageError("--automate '" + argument + "': bad time '" + text + "' (use e.g. 4s or 250ms)");
    return value * scale;
}

} // namespace

std::vector<AutomationLane> parseAutomations(const std::vector<std::string>& arguments,
                                             const ParameterCatalog& catalog)
{
    std::vector<AutomationLane> lanes;
    for (const std::string& argument : arguments)
    {
        const auto [name, list] = splitAssignment("--automate", argument);
        const ParameterEntry& parameter = catalog.find(name);
        for (const AutomationLane& lane : lanes)
            if (lane.id == parameter.id)
                usageError("--automate names parameter '" + parameter.title + "' twice");

        AutomationLane lane;
        lane.id = parameter.id;
        size_t start = 0;
        while (start <= list.size())
        {
            size_t comma = list.find(',', start);
            if (comma == std::string::npos)
                comma = list.size();
            const std::string point = list.substr(start, comma - start);
            const auto at = point.rfind('@');
            if (at == std::string::npos || at == 0 || at + 1 == point.size())
                usageError("--automate '" + argument + "': point '" + point + "' needs VALUE@TIME");
            const double seconds = parseTime(argument, point.substr(at + 1));
            if (!lane.points.empty() && seconds < lane.points.back().seconds)
                usageError("--automate '" + argument + "': times must not go backwards");
            lane.points.push_back({seconds, catalog.normalizedFor(parameter, point.substr(0, at))});
            start = comma + 1;
        }
        lanes.push_back(std::move(lane));
    }
    return lanes;
}

} // namespace render

// tovane-render: runs audio through the tovane VST 3 plug-in from the
// command line, loading it the way a host does.
#include "render_job.h"
#include "render_options.h"
#include "tool_error.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    using namespace render;
    try
    {
        const RenderOptions options =
            parseArguments(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help)
        {
            std::cout << usageText();
            return static_cast<int>(ExitCode::success);
        }
        runJob(options, std::cout);
        return static_cast<int>(ExitCode::success);
    }
    catch (const ToolError& e)
    {
        std::cerr << "tovane-render: " << e.what() << '\n';
        return static_cast<int>(e.code);
    }
    catch (const std::exception& e)
    {
        std::cerr << "tovane-render: " << e.what() << '\n';
        return static_cast<int>(ExitCode::renderFailure);
    }
}

#pragma once

#include <stdexcept>
#include <string>

namespace render
{

// Exit codes of the tool.
enum class ExitCode
{
    success = 0,
    renderFailure = 1,
    usage = 2,
};

// A failure that ends the run with a one-line message and an exit code.
class ToolError : public std::runtime_error
{
public:
    ToolError(ExitCode code, const std::string& message) : std::runtime_error(message), code(code)
    {
    }
    ExitCode code;
};

[[noreturn]] inline void usageError(const std::string& message)
{
    throw ToolError(ExitCode::usage, message);
}

[[noreturn]] inline void renderError(const std::string& message)
{
    throw ToolError(ExitCode::renderFailure, message);
}

} // namespace render

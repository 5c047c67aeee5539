#include "tool_runner.h"

#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace render_test
{

namespace fs = std::filesystem;

namespace
{

std::string slurp(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TempDir::TempDir()
{
    static int counter = 0;
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    path =
        fs::temp_directory_path() / ("render_test_" + std::to_string(::getpid()) + "_" +
                                     std::to_string(counter++) + "_" + (test ? test->name() : "x"));
    fs::remove_all(path);
    fs::create_directories(path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path, ec);
}

ToolResult runTool(std::vector<std::string> arguments, bool withPlugin)
{
    TempDir streams;
    const std::string outPath = streams / "stdout";
    const std::string errPath = streams / "stderr";
    if (withPlugin)
    {
        arguments.insert(arguments.begin(), TOVANE_BUNDLE);
        arguments.insert(arguments.begin(), "--plugin");
    }
    arguments.insert(arguments.begin(), TOVANE_RENDER);
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    ToolResult result;
    const int spawned = posix_spawn(&pid, TOVANE_RENDER, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
    {
        ADD_FAILURE() << "cannot start " << TOVANE_RENDER;
        return result;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.maxRssKilobytes = usage.ru_maxrss;
    result.out = slurp(outPath);
    result.err = slurp(errPath);
    return result;
}

} // namespace render_test

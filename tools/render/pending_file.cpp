#include "pending_file.h"

#include "tool_error.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace render
{

namespace fs = std::filesystem;

PendingFile::PendingFile(std::string finalPath) : final_(std::move(finalPath))
{
    const fs::path target(final_);
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        renderError("cannot write " + final_ + ": folder " + folder.string() + " does not exist");
    if (fs::is_directory(target, ec))
        renderError("cannot write " + final_ + ": it is a folder");
    temporary_ =
        (folder / ("." + target.filename().string() + ".partial-" + std::to_string(::getpid())))
            .string();
}

PendingFile::~PendingFile()
{
    if (!committed_)
        std::remove(temporary_.c_str());
}

void PendingFile::write(const void* bytes, std::size_t size)
{
    FILE* file = std::fopen(temporary_.c_str(), "wb");
    if (!file)
        renderError("cannot write " + final_);
    const bool written = std::fwrite(bytes, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written)
        renderError("cannot write " + final_);
}

void PendingFile::commit()
{
    if (std::rename(temporary_.c_str(), final_.c_str()) != 0)
        renderError("cannot write " + final_);
    committed_ = true;
}

} // namespace render

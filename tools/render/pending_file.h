#pragma once

#include <string>

namespace render
{

// An output written under a temporary name beside its final path and moved
// into place by `commit`, so a failed run leaves nothing behind: the
// destructor removes an uncommitted file.
class PendingFile
{
public:
    explicit PendingFile(std::string finalPath);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const std::string& temporaryPath() const { return temporary_; }
    const std::string& finalPath() const { return final_; }
    // Moves the written file into place; throws a render error on failure.
    void commit();

    // Writes `bytes` to the temporary file at once.
    void write(const void* bytes, std::size_t size);

private:
    std::string final_;
    std::string temporary_;
    bool committed_ = false;
};

} // namespace render

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel {

// Writes a file under "<final name>.part" and puts it in place only when complete, so a
// failed or stopped download never leaves a partial or empty file under the final name and
// an earlier file of that name survives until the new one is whole.
class PartFile {
public:
    explicit PartFile(std::filesystem::path finalPath);
    // Removes the part file unless Commit succeeded.
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Creates or truncates the part file; false with error() set when it cannot.
    bool Open();
    bool Write(std::string_view bytes);
    // Flushes to disk and renames over the final path.
    bool Commit();

    // Why the last operation failed, for the user.
    const std::string& error() const { return error_; }
    const std::filesystem::path& partPath() const { return partPath_; }

private:
    bool Fail(const char* what, int errorNumber);
    void CloseDescriptor();

    std::filesystem::path finalPath_;
    std::filesystem::path partPath_;
    int descriptor_ = -1;
    bool committed_ = false;
    std::string error_;
};

}  // namespace vantrel

#include "workflow/part_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vantrel {

PartFile::PartFile(std::filesystem::path finalPath)
    : finalPath_(std::move(finalPath)), partPath_(finalPath_.string() + ".part") {}

PartFile::~PartFile() {
    CloseDescriptor();
    if (!committed_) {
        std::error_code ignored;
        std::filesystem::remove(partPath_, ignored);
    }
}

bool PartFile::Open() {
    descriptor_ = ::open(partPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return descriptor_ >= 0 || Fail("无法创建文件", errno);
}

bool PartFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return Fail("写入文件失败", errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool PartFile::Commit() {
    if (::fsync(descriptor_) != 0) return Fail("写入文件失败", errno);
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0) return Fail("写入文件失败", errno);
    std::error_code renameError;
    std::filesystem::rename(partPath_, finalPath_, renameError);
    if (renameError) return Fail("无法替换文件", renameError.value());
    committed_ = true;
    return true;
}

bool PartFile::Fail(const char* what, int errorNumber) {
    error_ = std::string(what) + "：" + std::strerror(errorNumber);
    return false;
}

void PartFile::CloseDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace vantrel

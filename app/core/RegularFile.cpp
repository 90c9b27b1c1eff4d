#include "RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvex {

namespace fs = std::filesystem;

namespace {

using Status = RegularFileContent::Status;

constexpr const char* kNotRegular = "Not a regular file";

RegularFileContent Refused(Status status, std::string reason) {
    RegularFileContent content;
    content.status = status;
    content.reason = std::move(reason);
    return content;
}

// A folder keeps the system's own words for it; FIFOs, sockets and devices share one text.
RegularFileContent NotRegular(bool folder) {
    return Refused(Status::Unreadable, folder ? std::generic_category().message(EISDIR) : kNotRegular);
}

} // namespace

#ifndef _WIN32

namespace {

RegularFileContent SystemFailure(int error) {
    const bool missing = error == ENOENT || error == ENOTDIR;
    return Refused(missing ? Status::Missing : Status::Unreadable, std::generic_category().message(error));
}

// Closes the descriptor however the read ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const noexcept { return fd_; }

  private:
    int fd_;
};

constexpr std::size_t kChunk = 64 * 1024;

} // namespace

RegularFileContent ReadRegularFile(const fs::path& path, std::size_t limit) {
    // Looked at before opening, so that opening has no effect on a device; and again on the descriptor,
    // in case the name was replaced in between.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return SystemFailure(errno);
    if (!S_ISREG(status.st_mode))
        return NotRegular(S_ISDIR(status.st_mode));
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return SystemFailure(errno);
    if (::fstat(fd.get(), &status) != 0)
        return SystemFailure(errno);
    if (!S_ISREG(status.st_mode))
        return NotRegular(S_ISDIR(status.st_mode));

    RegularFileContent content;
    content.size = static_cast<std::uint64_t>(status.st_size);
    content.bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(content.size, limit)));
    while (content.bytes.size() < limit) {
        const std::size_t start = content.bytes.size();
        const std::size_t wanted = std::min(kChunk, limit - start);
        content.bytes.resize(start + wanted);
        const ssize_t got = ::read(fd.get(), content.bytes.data() + start, wanted);
        if (got < 0 && errno == EINTR) {
            content.bytes.resize(start);
            continue;
        }
        if (got < 0)
            return SystemFailure(errno);
        content.bytes.resize(start + static_cast<std::size_t>(got));
        if (got == 0)
            break;
    }
    content.status = Status::Read;
    return content;
}

#else

RegularFileContent ReadRegularFile(const fs::path& path, std::size_t limit) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status))
        return Refused(ec && ec != std::errc::no_such_file_or_directory ? Status::Unreadable
                                                                        : Status::Missing,
                       std::generic_category().message(ENOENT));
    if (!fs::is_regular_file(status))
        return NotRegular(fs::is_directory(status));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Refused(Status::Unreadable, std::generic_category().message(EACCES));

    RegularFileContent content;
    content.size = fs::file_size(path, ec);
    content.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(content.size, limit)));
    in.read(content.bytes.data(), static_cast<std::streamsize>(content.bytes.size()));
    if (in.bad())
        return Refused(Status::Unreadable, std::generic_category().message(EIO));
    content.bytes.resize(static_cast<std::size_t>(in.gcount()));
    content.status = Status::Read;
    return content;
}

#endif

} // namespace orvex

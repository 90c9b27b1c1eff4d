#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace orvex {

// What ReadRegularFile found.
struct RegularFileContent {
    enum class Status {
        Read,       // `bytes` holds the start of the file
        Missing,    // nothing of that name (or a folder on the way is missing)
        Unreadable, // anything else: not a regular file, no permission, a read error
    };
    Status status = Status::Missing;
    std::string bytes;      // at most the limit asked for, from the start of the file
    std::uint64_t size = 0; // the file's size when it was opened; may exceed bytes.size()
    std::string reason;     // why it was not read: the system's text, or "Not a regular file"

    [[nodiscard]] bool read() const noexcept { return status == Status::Read; }
};

// Reads at most `limit` bytes from the start of `path`, but only when it is a regular file: a folder,
// FIFO, socket or device is refused before anything is read from it, and it is opened without blocking, so
// a FIFO without a writer or a device that never ends cannot stall the caller. Symbolic links are
// followed. Never throws for I/O (only std::bad_alloc can escape).
[[nodiscard]] RegularFileContent ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

} // namespace orvex

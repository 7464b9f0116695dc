#pragma once

#include "file_system.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace npf {

// What one call on an open file did. A call may move fewer bytes than asked,
// or be interrupted before it moved any; the caller goes on or asks again.
struct Transfer {
    enum class Status { done, interrupted, failed };
    Status status = Status::failed;
    std::size_t bytes = 0; // moved, when done
};

// The calls a save makes on a character file, each one call to the system, so
// that a test can fail any one of them. One implementation per platform.
class FileAccess {
public:
    virtual ~FileAccess() = default;

    // Opens an existing file for reading and writing; never creates or truncates one.
    virtual FileFault open(const std::filesystem::path& path) = 0;
    virtual std::optional<std::uint64_t> size() = 0;
    virtual Transfer readAt(std::uint64_t offset, std::span<char> into) = 0;
    virtual Transfer writeAt(std::uint64_t offset, std::span<const char> bytes) = 0;
    // Puts what was written on the device; done only when the system says it is there.
    virtual Transfer::Status flush() = 0;
    virtual void close() = 0;
};

// The system's own calls: pread, pwrite and fdatasync on POSIX; ReadFile,
// WriteFile and FlushFileBuffers on Windows.
class SystemFile final : public FileAccess {
public:
    SystemFile() = default;
    ~SystemFile() override { close(); }
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;

    FileFault open(const std::filesystem::path& path) override;
    std::optional<std::uint64_t> size() override;
    Transfer readAt(std::uint64_t offset, std::span<char> into) override;
    Transfer writeAt(std::uint64_t offset, std::span<const char> bytes) override;
    Transfer::Status flush() override;
    void close() override;

private:
    // A descriptor, or a Windows HANDLE; -1 is the closed value of both.
    std::intptr_t handle = -1;
};

} // namespace npf

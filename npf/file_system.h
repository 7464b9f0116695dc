#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace npf {

// Why an operation on a character file failed, or none when it did not.
enum class FileFault {
    none,
    missing, // nothing at the path
    folder,
    notRegularFile, // a device, a pipe, a socket
    accessDenied, // the system refused to open it (permissions, an immutable or locked file)
    notNpf, // no supported header
    tooShort, // too small to hold every field
    readFailed,
    writeFailed, // the system failed a write or the flush
    changedSinceRead, // no longer the supported file, holding every field, that was read
};

// What the file's operations answer: true on success, otherwise why not.
struct FileResult {
    FileFault fault = FileFault::none;

    explicit operator bool() const { return fault == FileFault::none; }
    bool operator==(const FileResult&) const = default;
};

// The fault an error of the system names, with fallback for every other error.
FileFault faultOfError(std::error_code error, FileFault fallback);

// What the system says about a path before it is opened: a regular file and
// its size, or the fault that stops a read.
struct FileFacts {
    FileFault fault = FileFault::none;
    std::uint64_t size = 0;
};
FileFacts factsOf(const std::filesystem::path& path);

// The path as the system's file calls should get it. On Windows a path whose
// full form reaches 260 characters (relative, drive-relative and rooted ones
// included) gets that full form, as Windows itself resolves it, in the \\?\ form
// that lifts the limit; elsewhere the path is taken as it is.
std::filesystem::path systemPathOf(const std::filesystem::path& path);

// The \\?\ (or \\?\UNC\) form of a full Windows path, drive-absolute or UNC,
// as the system's own resolution gives it, once it reaches 260 characters. The
// prefix turns off every rule of that resolution, so the path must have been
// through it. Shorter paths and those in a device form come back unchanged.
std::wstring extendedLengthPath(std::wstring_view fullPath);

} // namespace npf

#include "file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace npf {

namespace {

Transfer transferOf(ssize_t result)
{
    if (result >= 0)
        return {Transfer::Status::done, static_cast<std::size_t>(result)};
    return {errno == EINTR ? Transfer::Status::interrupted : Transfer::Status::failed};
}

} // namespace

FileFault SystemFile::open(const std::filesystem::path& path)
{
    close();
    int descriptor = -1;
    do
        descriptor = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        return faultOfError(std::error_code(errno, std::generic_category()), FileFault::writeFailed);
    handle = descriptor;
    return FileFault::none;
}

std::optional<std::uint64_t> SystemFile::size()
{
    struct stat facts { };
    if (::fstat(static_cast<int>(handle), &facts) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(facts.st_size);
}

Transfer SystemFile::readAt(std::uint64_t offset, std::span<char> into)
{
    return transferOf(
        ::pread(static_cast<int>(handle), into.data(), into.size(), static_cast<off_t>(offset)));
}

Transfer SystemFile::writeAt(std::uint64_t offset, std::span<const char> bytes)
{
    return transferOf(
        ::pwrite(static_cast<int>(handle), bytes.data(), bytes.size(), static_cast<off_t>(offset)));
}

// A save never changes the size, so its data alone must reach the device.
Transfer::Status SystemFile::flush()
{
    return transferOf(::fdatasync(static_cast<int>(handle))).status;
}

void SystemFile::close()
{
    // After a flush close has nothing left to report; before one, the save has failed anyway.
    if (handle >= 0)
        ::close(static_cast<int>(handle));
    handle = -1;
}

} // namespace npf

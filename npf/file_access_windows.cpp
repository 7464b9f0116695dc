#include "file_access.h"
#include "windows_errors.h"

#include <windows.h>

#include <algorithm>

namespace npf {

namespace {

HANDLE handleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

// Synchronous calls at an offset take it in an OVERLAPPED; one call moves at most a DWORD's worth.
OVERLAPPED at(std::uint64_t offset)
{
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

DWORD chunkOf(std::size_t size)
{
    return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
}

} // namespace

FileFault SystemFile::open(const std::filesystem::path& path)
{
    close();
    // Others may read and write meanwhile, as with the C runtime's streams.
    const HANDLE file = CreateFileW(systemPathOf(path).c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const FileFault fault = faultOfWindowsError(GetLastError());
        return fault == FileFault::readFailed ? FileFault::writeFailed : fault;
    }
    handle = reinterpret_cast<std::intptr_t>(file);
    return FileFault::none;
}

std::optional<std::uint64_t> SystemFile::size()
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handleOf(handle), &size) || size.QuadPart < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

Transfer SystemFile::readAt(std::uint64_t offset, std::span<char> into)
{
    OVERLAPPED position = at(offset);
    DWORD read = 0;
    if (ReadFile(handleOf(handle), into.data(), chunkOf(into.size()), &read, &position))
        return {Transfer::Status::done, read};
    // Past the end a synchronous read at an offset fails with this error, having read nothing.
    if (GetLastError() == ERROR_HANDLE_EOF)
        return {Transfer::Status::done, 0};
    return {};
}

Transfer SystemFile::writeAt(std::uint64_t offset, std::span<const char> bytes)
{
    OVERLAPPED position = at(offset);
    DWORD written = 0;
    if (WriteFile(handleOf(handle), bytes.data(), chunkOf(bytes.size()), &written, &position))
        return {Transfer::Status::done, written};
    return {};
}

Transfer::Status SystemFile::flush()
{
    return FlushFileBuffers(handleOf(handle)) ? Transfer::Status::done : Transfer::Status::failed;
}

void SystemFile::close()
{
    if (handle != -1)
        CloseHandle(handleOf(handle));
    handle = -1;
}

} // namespace npf

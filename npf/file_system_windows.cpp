#include "file_system.h"
#include "windows_errors.h"

#include <windows.h>

namespace npf {

FileFault faultOfWindowsError(unsigned long error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: // a name no file can have, such as a pattern with '*'
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return FileFault::missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileFault::accessDenied;
    // Console devices (CON, CONIN$) refuse an open for attributes; a busy pipe refuses any.
    case ERROR_INVALID_HANDLE:
    case ERROR_INVALID_PARAMETER:
    case ERROR_PIPE_BUSY:
        return FileFault::notRegularFile;
    default:
        return FileFault::readFailed;
    }
}

namespace {

// The full path Windows makes of a path: the current folder, or the current
// folder of the drive, put in front; "." and ".." resolved; separators and
// trailing dots and spaces handled by Windows' own rules. Empty when it fails.
std::wstring fullPathOf(const std::wstring& path)
{
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (size == 0)
            return {};
        const bool fits = size < full.size(); // else size counts the terminating zero it needs
        full.resize(size);
        if (fits)
            return full;
    }
}

} // namespace

// Asked of the handle rather than through stat, which the C runtime refuses
// for \\?\ paths; only attributes are opened, so a file another program holds
// without sharing still answers.
FileFacts factsOf(const std::filesystem::path& path)
{
    const HANDLE file = CreateFileW(systemPathOf(path).c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS, nullptr); // the flag lets a folder open, so that it can be named
    if (file == INVALID_HANDLE_VALUE)
        return {faultOfWindowsError(GetLastError())};
    FileFacts facts;
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileType(file) != FILE_TYPE_DISK) // NUL, CON, a pipe
        facts.fault = FileFault::notRegularFile;
    else if (!GetFileInformationByHandle(file, &information))
        facts.fault = FileFault::readFailed;
    else if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        facts.fault = FileFault::folder;
    else
        facts.size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    CloseHandle(file);
    return facts;
}

// A path that Windows resolves short enough is handed over as it is, so that
// it meets the rules it would meet anywhere (device names such as NUL and CON
// among them). A path that cannot be resolved is left for the file call to refuse.
std::filesystem::path systemPathOf(const std::filesystem::path& path)
{
    const std::wstring full = fullPathOf(path.native());
    std::wstring extended = extendedLengthPath(full);
    if (extended == full)
        return path;
    return extended;
}

} // namespace npf

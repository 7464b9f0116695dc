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

std::filesystem::path systemPathOf(const std::filesystem::path& path)
{
    return extendedLengthPath(path.native());
}

} // namespace npf

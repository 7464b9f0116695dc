#include "file_system.h"

namespace npf {

FileFault faultOfError(std::error_code error, FileFault fallback)
{
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        return FileFault::missing;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted
        || error == std::errc::read_only_file_system)
        return FileFault::accessDenied;
    if (error == std::errc::is_a_directory)
        return FileFault::folder;
    return fallback;
}

namespace {

// Windows refuses a path of MAX_PATH characters or more without the \\?\ form.
constexpr std::size_t longPathLength = 260;

bool isDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

} // namespace

std::wstring extendedLengthPath(std::wstring_view fullPath)
{
    if (fullPath.size() < longPathLength)
        return std::wstring(fullPath);
    if (isDriveLetter(fullPath[0]) && fullPath.substr(1, 2) == L":\\")
        return L"\\\\?\\" + std::wstring(fullPath);
    const bool device = fullPath.starts_with(L"\\\\?\\") || fullPath.starts_with(L"\\\\.\\");
    if (fullPath.starts_with(L"\\\\") && !device)
        return L"\\\\?\\UNC" + std::wstring(fullPath.substr(1));
    return std::wstring(fullPath);
}

} // namespace npf

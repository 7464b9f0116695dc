#include "file_system.h"

#include <vector>

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

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool isDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

} // namespace

std::wstring extendedLengthPath(std::wstring_view path)
{
    const std::wstring unchanged(path);
    if (path.size() < longPathLength)
        return unchanged;
    std::wstring result;
    std::size_t rootParts = 0; // the UNC server and share, which ".." never leaves
    if (isDriveLetter(path[0]) && path[1] == L':' && isSeparator(path[2])) {
        result = L"\\\\?\\" + std::wstring(path.substr(0, 2));
        path.remove_prefix(3);
    } else if (isSeparator(path[0]) && isSeparator(path[1])) {
        if ((path[2] == L'?' || path[2] == L'.') && isSeparator(path[3]))
            return unchanged; // already a \\?\ or \\.\ path
        result = L"\\\\?\\UNC";
        path.remove_prefix(2);
        rootParts = 2;
    } else {
        return unchanged;
    }

    std::vector<std::wstring_view> parts;
    while (!path.empty()) {
        std::size_t end = 0;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        std::wstring_view part = path.substr(0, end);
        path.remove_prefix(end == path.size() ? end : end + 1);
        const bool dots = part == L"." || part == L"..";
        if (parts.size() < rootParts && (part.empty() || dots))
            return unchanged; // no server or share name
        if (part == L"..") {
            if (parts.size() > rootParts)
                parts.pop_back(); // at the root ".." stays there, as in Windows
            continue;
        }
        // Windows drops a name's trailing dots and spaces; the \\?\ form would keep them.
        while (!dots && !part.empty() && (part.back() == L'.' || part.back() == L' '))
            part.remove_suffix(1);
        if (!part.empty() && part != L".")
            parts.push_back(part);
    }
    if (parts.size() < rootParts)
        return unchanged;
    for (const std::wstring_view part : parts)
        result += L'\\' + std::wstring(part);
    return parts.empty() ? result + L'\\' : result;
}

} // namespace npf

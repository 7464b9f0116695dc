#include "wildcards.h"

#include "npf/file_system.h"
#include "npf/npf_document.h"

#include <windows.h>

namespace cli {

namespace {

// Windows compares file names without regard to case.
std::string comparedForm(const std::wstring& name)
{
    const int size = static_cast<int>(name.size());
    std::wstring upper(name.size(), L'\0');
    LCMapStringEx(
        LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.data(), size, upper.data(), size, nullptr, nullptr, 0);
    return npf::utf8Of(upper);
}

std::wstring systemFormOf(const std::string& utf8)
{
    return npf::systemPathOf(npf::pathFromUtf8(utf8)).native();
}

std::vector<FolderEntry> entriesOf(const std::string& folder)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(
        systemFormOf(folder + "*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do
        entries.push_back({npf::utf8Of(found.cFileName), comparedForm(found.cFileName)});
    while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

} // namespace

std::vector<std::string> expandFileArguments(const std::vector<std::string>& arguments)
{
    std::vector<std::string> expanded;
    for (const std::string& argument : arguments) {
        const auto wildcard = wildcardIn(argument);
        const bool names = GetFileAttributesW(systemFormOf(argument).c_str()) != INVALID_FILE_ATTRIBUTES;
        std::vector<std::string> paths;
        if (wildcard && !names) {
            paths = matchingPaths(wildcard->folder,
                comparedForm(npf::pathFromUtf8(wildcard->pattern).native()), entriesOf(wildcard->folder));
        }
        if (paths.empty())
            expanded.push_back(argument);
        expanded.insert(expanded.end(), paths.begin(), paths.end());
    }
    return expanded;
}

} // namespace cli

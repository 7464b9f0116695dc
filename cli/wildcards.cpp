#include "wildcards.h"

#include <algorithm>
#include <tuple>

namespace cli {

namespace {

constexpr std::string_view wildcards = "*?";

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// The bytes of the UTF-8 character at the front of text.
std::size_t characterLength(std::string_view text)
{
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

} // namespace

std::optional<Wildcard> wildcardIn(std::string_view argument)
{
    const auto last = std::find_if(argument.rbegin(), argument.rend(), isSeparator);
    // A drive letter ends the folder too: "C:*.npf" is in the current folder of drive C.
    std::size_t cut = static_cast<std::size_t>(argument.rend() - last);
    if (cut == 0 && argument.size() > 1 && argument[1] == ':')
        cut = 2;
    const std::string_view folder = argument.substr(0, cut);
    const std::string_view pattern = argument.substr(cut);
    if (pattern.find_first_of(wildcards) == std::string_view::npos
        || folder.find_first_of(wildcards) != std::string_view::npos)
        return std::nullopt;
    return Wildcard{std::string(folder), std::string(pattern)};
}

bool matchesWildcard(std::string_view name, std::string_view pattern)
{
    // After a mismatch the last '*' takes one more character and matching goes on from there.
    std::size_t n = 0;
    std::size_t p = 0;
    std::optional<std::pair<std::size_t, std::size_t>> star; // where in name and pattern
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = {n, ++p};
        } else if (p < pattern.size() && pattern[p] == '?') {
            n += characterLength(name.substr(n));
            ++p;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++n, ++p;
        } else if (star) {
            star->first += characterLength(name.substr(star->first));
            std::tie(n, p) = *star;
        } else {
            return false;
        }
    }
    return pattern.find_first_not_of('*', p) == std::string_view::npos;
}

std::vector<std::string> matchingPaths(
    const std::string& folder, std::string_view pattern, std::vector<FolderEntry> entries)
{
    std::erase_if(entries, [&](const FolderEntry& entry) {
        return entry.name == "." || entry.name == ".." || !matchesWildcard(entry.compared, pattern);
    });
    std::ranges::sort(
        entries, {}, [](const FolderEntry& entry) { return std::tie(entry.compared, entry.name); });
    std::vector<std::string> paths;
    for (const FolderEntry& entry : entries)
        paths.push_back(folder + entry.name);
    return paths;
}

} // namespace cli

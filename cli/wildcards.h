#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// cmd and PowerShell hand "party\*.npf" to a program as it was typed. On
// Windows the tool expands '*' and '?' in its file arguments itself, as a
// POSIX shell does before the tool starts: only in the last part of a path,
// only where the argument names no existing file, in name order, and keeping
// every letter of the names. A pattern that matches nothing stays as it is,
// and is then reported like any missing file. Elsewhere the arguments come
// back unchanged.
std::vector<std::string> expandFileArguments(const std::vector<std::string>& arguments);

// The portable parts, in UTF-8 throughout.

// An argument cut before its last part: the folder as typed, with its
// separator ('\' or '/'), and the pattern. Nothing when the last part has no
// wildcard, or when a folder part does.
struct Wildcard {
    std::string folder;
    std::string pattern;
};
std::optional<Wildcard> wildcardIn(std::string_view argument);

// '*' stands for any run of characters, '?' for one character (a whole UTF-8
// sequence); every other character for itself.
bool matchesWildcard(std::string_view name, std::string_view pattern);

// A name in a folder, and the form in which names compare (upper case on
// Windows, whose names ignore case).
struct FolderEntry {
    std::string name;
    std::string compared;
};

// The folder's entries whose compared form matches the pattern (given in the
// same form), sorted by it and joined to the folder as typed.
std::vector<std::string> matchingPaths(
    const std::string& folder, std::string_view pattern, std::vector<FolderEntry> entries);

} // namespace cli

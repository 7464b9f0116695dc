#include "shell_loops.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace cli {

namespace {

// A word as all three shells take it alike: as it is, or in double quotes.
// Nothing where even the quotes would not keep it: $, `, % and ! are expanded
// inside them, and sh reads a backslash before another or before the closing
// quote as an escape. alsoQuoted names the characters one kind of word must
// quote although the others need not: '*' and '?' match file names in sh,
// and '=' separates the files of cmd's for.
std::optional<std::string> shellWord(std::string_view word, std::string_view alsoQuoted)
{
    if (word.find_first_of("\"$`%!") != std::string_view::npos || word.find("\\\\") != std::string_view::npos
        || word.ends_with('\\'))
        return std::nullopt;
    constexpr std::string_view plainMarks = "_./:+-=*?";
    const bool plain = !word.empty() && !word.starts_with('+') && !word.starts_with('-')
        && std::all_of(word.begin(), word.end(), [&](char c) {
               const auto byte = static_cast<unsigned char>(c);
               const bool letterOrDigit
                   = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
               return byte >= 0x80 || letterOrDigit
                   || (plainMarks.find(c) != std::string_view::npos
                       && alsoQuoted.find(c) == std::string_view::npos);
           });
    return plain ? std::string(word) : "\"" + std::string(word) + "\"";
}

// The words joined by separator, or nothing when one cannot be given.
std::optional<std::string> shellWords(
    std::span<const std::string> words, std::string_view alsoQuoted, std::string_view separator)
{
    std::string joined;
    for (const std::string& word : words) {
        const auto shown = shellWord(word, alsoQuoted);
        if (!shown)
            return std::nullopt;
        joined += (joined.empty() ? "" : std::string(separator)) + *shown;
    }
    return joined.empty() ? std::nullopt : std::optional(joined);
}

} // namespace

std::string setLoops(std::span<const std::string> files, std::span<const std::string> changes)
{
    const std::string fileList = shellWords(files, "=", " ").value_or("FILE...");
    const std::string pathList = shellWords(files, "=", ", ").value_or("FILE...");
    const auto words = shellWords(changes, "*?", " ");
    // After "--" a change that begins with '-' is never taken for an option.
    // Windows PowerShell may drop an unquoted "--" before a program's arguments.
    const bool separate = words && std::any_of(changes.begin(), changes.end(), [](const std::string& c) {
        return c.starts_with('-');
    });
    const std::string rest = words.value_or("CHANGE...");
    const std::string set = " veyrith-npf set ";
    const std::string dashes = separate ? "-- " : "";
    return "  for f in " + fileList + "; do" + set + "\"$f\" " + dashes + rest + "; done\n" + "  for %f in ("
        + fileList + ") do" + set + "\"%~f\" " + dashes + rest + "\n" + "  Get-ChildItem " + pathList
        + " | ForEach-Object {" + set + "$_.FullName " + (separate ? "\"--\" " : "") + rest + " }\n";
}

} // namespace cli

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How set reads the FIELD before "=": any letter case, a slip answered with the
// nearest names, and a field it cannot set answered with the one that writes it.
namespace cli {

// A field set takes, with every record field a change of it writes (its own
// included), as the editor's Save writes them.
struct SettableField {
    std::string_view name;
    std::vector<std::string_view> writes;
};

// The names close enough to the typed one to be what was meant, nearest first
// (edit distance, letter case aside; an adjacent swap counts as one edit),
// then the names it begins; at most three. A name that differs only in letter
// case comes alone.
std::vector<std::string_view> nearestNames(std::string_view typed, std::span<const std::string_view> names);

// The settable field a typed name stands for, or the message that refuses it.
struct ResolvedField {
    std::optional<std::string_view> name;
    std::string error;
};
ResolvedField resolveFieldName(std::string_view typed, std::span<const SettableField> fields);

} // namespace cli

#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the tool says beyond the editor's words about a number typed for a
// field. The editor's reading (editing/text_conversions.h) is the one judge;
// these only put its reasons into words.
namespace cli {

// Why the editor refused a real or a whole number, to follow its message; ""
// when there is nothing to add.
std::string whyRealRefused(std::string_view text);
std::string whyIntegerRefused(std::string_view text);

// The note for a whole number the editor brought to the nearest end of the
// file's range, or nothing when the text stands for the value it gave.
std::optional<std::string> clampedNote(std::string_view field, std::string_view text);

} // namespace cli

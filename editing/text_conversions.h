#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace editing {

// Significant digits shown for real fields.
inline constexpr int realPrecision = 6;

// Typed field texts: only the first 31 characters count, blanks (space, tab)
// around the number are allowed, anything else fails with nullopt.
std::optional<std::int32_t> parseInteger(std::string_view text);
std::optional<float> parseReal(std::string_view text);

std::string formatInteger(std::int32_t value);
std::string formatReal(float value);

// Whether the text is how a value that no typed text converts to is shown
// (a NaN, an infinity, -0), which only a field still as shown can hold.
bool showsUntypableReal(std::string_view text);

// Names typed by the user (flags, races, models) match whatever the case of
// their ASCII letters.
bool equalIgnoringCase(std::string_view a, std::string_view b);

} // namespace editing

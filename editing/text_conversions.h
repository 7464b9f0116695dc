#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace editing {

// Significant digits shown for real fields.
inline constexpr int realPrecision = 6;

// Why a typed text gives no number, for callers that say more than the
// field check's own message.
enum class NumberRefusal { NotANumber, Zero, RoundsToZero, BeyondLargestFloat };

// A typed number as the field checks read it, with what the bare value leaves
// out: why there is none, or that the text stood for a whole number the file
// cannot hold and was brought to the nearest end of its range.
template <typename Number> struct NumberReading {
    std::optional<Number> value;
    NumberRefusal refusal = NumberRefusal::NotANumber; // only without a value
    bool clamped = false;
};

// Typed field texts: only the first 31 characters count, blanks (space, tab)
// around the number are allowed, anything else fails with nullopt.
NumberReading<std::int32_t> readInteger(std::string_view text);
NumberReading<float> readReal(std::string_view text);
inline std::optional<std::int32_t> parseInteger(std::string_view text)
{
    return readInteger(text).value;
}
inline std::optional<float> parseReal(std::string_view text)
{
    return readReal(text).value;
}

std::string formatInteger(std::int32_t value);
std::string formatReal(float value);

// Whether the text is how a value that no typed text converts to is shown
// (a NaN, an infinity, -0), which only a field still as shown can hold.
bool showsUntypableReal(std::string_view text);

// Names typed by the user (flags, races, models) match whatever the case of
// their ASCII letters.
bool equalIgnoringCase(std::string_view a, std::string_view b);

} // namespace editing

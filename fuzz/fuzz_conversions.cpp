// The typed-number conversions against an oracle from the field rules, shown
// reals against printf's "%.6g", and the Windows-1252 round trips.
// The rules: only the first 31 characters count, with blanks (space, tab)
// around the number. An integer is a sign and decimal digits, clamped to 32
// bits. A real is a sign, digits with an optional full stop, and an exponent
// after e, E, d or D, rounded once to the nearest float (strtof: the program
// never leaves the C locale) and refused beyond the float range. Either is a
// zero only when written with a leading 0.
#include "editing/cp1252.h"
#include "editing/text_conversions.h"
#include "fuzz_require.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>

namespace {

// The number in the counted part of a typed text, or "" if the rule refuses it
// (which the oracles below then read as a zero without its leading 0: refused).
std::string numberIn(std::string_view typed, const std::regex& rule)
{
    const std::string counted(typed.substr(0, 31));
    std::smatch match;
    return std::regex_match(counted, match, rule) ? match.str(1) : std::string();
}

std::optional<std::int32_t> integerOracle(std::string_view typed)
{
    static const std::regex rule("[ \t]*([-+]?[0-9]+)[ \t]*");
    const std::string number = numberIn(typed, rule);
    const long long value
        = std::clamp<long long>(std::strtoll(number.c_str(), nullptr, 10), INT32_MIN, INT32_MAX);
    return value != 0 || number.starts_with('0') ? std::optional(static_cast<std::int32_t>(value))
                                                 : std::nullopt;
}

// The bits of the float, so that -0 and 0 differ.
std::optional<std::uint32_t> realOracle(std::string_view typed)
{
    static const std::regex rule("[ \t]*([-+]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eEdD][-+]?[0-9]+)?)[ \t]*"),
        letterD("[dD]");
    const std::string number = std::regex_replace(numberIn(typed, rule), letterD, "e");
    const float value = std::strtof(number.c_str(), nullptr);
    const bool accepted = !std::isinf(value) && (value != 0 || number.starts_with('0'));
    return accepted ? std::optional(std::bit_cast<std::uint32_t>(value)) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    require(editing::bytesFromUtf8(editing::utf8FromBytes(text)) == text, "bytes do not survive the text");
    if (const auto asBytes = editing::bytesFromUtf8(text))
        require(editing::utf8FromBytes(*asBytes) == text, "accepted text does not come back unchanged");

    require(editing::parseInteger(text) == integerOracle(text), "parseInteger disagrees with the oracle");
    const auto real = editing::parseReal(text);
    require(real ? realOracle(text) == std::bit_cast<std::uint32_t>(*real) : !realOracle(text),
        "parseReal disagrees with the oracle");

    // A shown integer reads back; a shown real reads back to a value shown the
    // same way (not NaN, infinity or -0, whose texts the rules refuse).
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    const auto integer = static_cast<std::int32_t>(bits);
    require(editing::parseInteger(editing::formatInteger(integer)) == integer, "a shown integer reads wrong");
    const float value = std::bit_cast<float>(bits);
    const std::string shown = editing::formatReal(value);
    std::array<char, 64> printed{};
    const int length = std::snprintf(printed.data(), printed.size(), "%.*g", 6, static_cast<double>(value));
    require(shown == std::string_view(printed.data(), static_cast<std::size_t>(length)),
        "a shown real is not what printf shows in the C locale");
    const auto reread = editing::parseReal(shown);
    require(!std::isfinite(value) || bits == 0x80000000U || (reread && editing::formatReal(*reread) == shown),
        "a shown real does not read back as itself");
    return 0;
}

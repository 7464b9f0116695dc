#include "editing/text_conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <system_error>

namespace editing {

namespace {

constexpr std::size_t fieldLength = 31;

bool isBlank(char character)
{
    return character == ' ' || character == '\t';
}

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

// Cuts to the field length and strips the surrounding blanks.
std::string_view fieldBody(std::string_view text)
{
    text = text.substr(0, fieldLength);
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view takeDigits(std::string_view& rest)
{
    std::size_t count = 0;
    while (count < rest.size() && isDigit(rest[count]))
        ++count;
    std::string_view digits = rest.substr(0, count);
    rest.remove_prefix(count);
    return digits;
}

bool takeSign(std::string_view& rest)
{
    if (rest.empty() || (rest.front() != '+' && rest.front() != '-'))
        return false;
    const bool negative = rest.front() == '-';
    rest.remove_prefix(1);
    return negative;
}

struct DecimalText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

std::optional<DecimalText> scanDecimal(std::string_view body)
{
    DecimalText decimal;
    decimal.negative = takeSign(body);
    decimal.integerDigits = takeDigits(body);
    if (!body.empty() && body.front() == '.') {
        body.remove_prefix(1);
        decimal.fractionDigits = takeDigits(body);
    }
    if (decimal.integerDigits.empty() && decimal.fractionDigits.empty())
        return std::nullopt;
    if (!body.empty()) {
        const char letter = body.front();
        if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D')
            return std::nullopt;
        body.remove_prefix(1);
        decimal.exponentNegative = takeSign(body);
        decimal.exponentDigits = takeDigits(body);
        if (decimal.exponentDigits.empty())
            return std::nullopt;
    }
    if (!body.empty())
        return std::nullopt;
    return decimal;
}

// Whether the magnitude is at least 1; only asked for values out of float
// range, so a rough power of ten is enough and the exponent may saturate.
bool isAtLeastOne(const DecimalText& decimal)
{
    constexpr int exponentCap = 1'000'000;
    int exponent = 0;
    for (char digit : decimal.exponentDigits)
        exponent = std::min(exponent * 10 + (digit - '0'), exponentCap);
    if (decimal.exponentNegative)
        exponent = -exponent;

    const auto firstNonZero = decimal.integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos)
        return static_cast<int>(decimal.integerDigits.size() - firstNonZero) - 1 + exponent >= 0;
    const auto firstFraction = decimal.fractionDigits.find_first_not_of('0');
    if (firstFraction == std::string_view::npos)
        return false;
    return -static_cast<int>(firstFraction) - 1 + exponent >= 0;
}

} // namespace

NumberReading<std::int32_t> readInteger(std::string_view text)
{
    std::string_view body = fieldBody(text);
    const bool startsWithZero = !body.empty() && body.front() == '0';
    const bool negative = takeSign(body);
    const std::string_view digits = takeDigits(body);
    if (digits.empty() || !body.empty())
        return {};

    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (char digit : digits) {
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > highest + 1)
            break; // already clamped either way
    }
    const std::int64_t exact = negative ? -magnitude : magnitude;
    const std::int64_t value = std::clamp(exact, lowest, highest);
    // Zero is also the field checks' value for "no number", so it counts only when typed with a leading '0'.
    if (value == 0 && !startsWithZero)
        return {std::nullopt, NumberRefusal::Zero};
    return {static_cast<std::int32_t>(value), {}, value != exact};
}

NumberReading<float> readReal(std::string_view text)
{
    const std::string_view body = fieldBody(text);
    const std::optional<DecimalText> decimal = scanDecimal(body);
    if (!decimal)
        return {};

    // from_chars takes no '+' and no d/D exponent letter; rebuild the text in
    // its terms and let it round once, straight to float. The field length
    // bounds the text, so it is built on the stack.
    std::array<char, fieldLength + 8> normalised{};
    char* end = normalised.data();
    const auto put = [&](std::string_view piece) { end = std::copy(piece.begin(), piece.end(), end); };
    put(decimal->negative ? "-" : "");
    put(decimal->integerDigits);
    put(".");
    put(decimal->fractionDigits);
    if (!decimal->exponentDigits.empty()) {
        put(decimal->exponentNegative ? "e-" : "e");
        put(decimal->exponentDigits);
    }

    float value = 0.0F;
    const auto [stop, error] = std::from_chars(normalised.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        // Too large fails rather than becoming infinity, which no field
        // should ever hold; too small is a zero like any other.
        if (isAtLeastOne(*decimal))
            return {std::nullopt, NumberRefusal::BeyondLargestFloat};
        value = 0.0F;
    } else if (error != std::errc{} || stop != end) {
        return {};
    }
    // The same zero rule as for integers, for the same reason.
    if (value == 0.0F && body.front() != '0') {
        const auto isZero
            = [](std::string_view digits) { return digits.find_first_not_of('0') == digits.npos; };
        const bool typedZero = isZero(decimal->integerDigits) && isZero(decimal->fractionDigits);
        return {std::nullopt, typedZero ? NumberRefusal::Zero : NumberRefusal::RoundsToZero};
    }
    return {value};
}

std::string formatInteger(std::int32_t value)
{
    return std::to_string(value);
}

std::string formatReal(float value)
{
    // What printf's "%.*g" gives in the C locale. printf itself follows the
    // process locale, which Qt takes from the environment: "2,5" in much of
    // Europe, a text no field reads back. to_chars never looks at the locale.
    std::array<char, 32> buffer{};
    const auto shown = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
        std::chars_format::general, realPrecision);
    return std::string(buffer.data(), shown.ptr);
}

bool showsUntypableReal(std::string_view text)
{
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float infinity = std::numeric_limits<float>::infinity();
    const std::array<float, 5> untypable{nan, -nan, infinity, -infinity, -0.0F};
    return std::any_of(
        untypable.begin(), untypable.end(), [&](float value) { return formatReal(value) == text; });
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace editing

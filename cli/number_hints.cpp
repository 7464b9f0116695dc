#include "number_hints.h"

#include "field_text.h"
#include "messages.h"

#include "editing/text_conversions.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <utility>

namespace cli {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text in the same form with the value 1 or 10^n: its first digit 1, the
// others 0. The editor reads it if and only if it reads the form.
std::string withUnitDigits(std::string_view text)
{
    std::string probe(text);
    bool first = true;
    for (char& c : probe) {
        if (isDigit(c))
            c = std::exchange(first, false) ? '1' : '0';
    }
    return probe;
}

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), isDigit);
}

// Why the editor refuses the value of a text whose form it reads: the value is
// zero, rounds to zero, or lies past the largest float. The last two need an
// exponent, the value of the digits before it, and the exponent's sign.
std::string whyValueRefused(std::string_view text)
{
    const auto letter = std::find_if(
        text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
    std::string mantissaOnly(text);
    std::replace_if(mantissaOnly.begin() + (letter - text.begin()), mantissaOnly.end(), isDigit, '0');
    if (letter == text.end() || !editing::parseReal(mantissaOnly))
        return std::string(messages::realZeroOnlyFromZero);
    if (std::next(letter) != text.end() && *std::next(letter) == '-')
        return std::string(messages::roundsToZero);
    return messages::beyondLargestFloat(
        exactRealText(npf::FloatBits::fromValue(std::numeric_limits<float>::max())));
}

} // namespace

std::string whyRealRefused(std::string_view text)
{
    if (text.starts_with("0x") || text.starts_with("0X"))
        return std::string(messages::bitsNeedEightDigits);
    if (!hasDigit(text) || !editing::parseReal(withUnitDigits(text))) {
        if (editing::showsUntypableReal(text))
            return std::string(messages::untypableKeptOnly);
        return {};
    }
    return whyValueRefused(text);
}

std::string whyIntegerRefused(std::string_view text)
{
    // Integers are never refused for their size, so a form the editor reads means zero.
    if (hasDigit(text) && editing::parseInteger(withUnitDigits(text)))
        return std::string(messages::zeroOnlyFromZero);
    return {};
}

std::optional<std::string> clampedNote(std::string_view field, std::string_view text, std::int32_t value)
{
    if (value != std::numeric_limits<std::int32_t>::max()
        && value != std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    // The text less one in magnitude still reads as the limit when the text
    // stands for a number beyond it.
    std::string lessOne(text);
    const auto firstDigit = std::find_if(lessOne.begin(), lessOne.end(), isDigit);
    if (firstDigit == lessOne.end())
        return std::nullopt;
    auto digit = std::find_if_not(firstDigit, lessOne.end(), isDigit);
    while (digit != firstDigit && *--digit == '0')
        *digit = '9';
    --*digit;
    if (editing::parseInteger(lessOne) != value)
        return std::nullopt;
    return messages::storedClamped(field, text, value);
}

} // namespace cli

// Differential fuzzing of the typed-number conversions against oracles written
// here from the field rules, plus the stability of what a real field shows.
#include "editing/text_conversions.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

void require(bool holds, const char* property, std::string_view text)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz_conversions: %s for \"%.*s\"\n", property, static_cast<int>(text.size()),
            text.data());
        std::abort();
    }
}

// Only this many leading characters of a field's text count.
constexpr std::size_t countedLength = 31;

// A cursor over the counted part of a field's text.
struct Scanner {
    std::string_view text;
    std::size_t at = 0;

    explicit Scanner(std::string_view typed)
        : text(typed.substr(0, countedLength))
    {
    }
    bool done() const { return at == text.size(); }
    char peek() const { return done() ? '\0' : text[at]; }
    bool accept(std::string_view choices)
    {
        if (done() || choices.find(text[at]) == std::string_view::npos)
            return false;
        ++at;
        return true;
    }
    void skipBlanks()
    {
        while (accept(" \t")) { }
    }
    bool isDigit() const { return !done() && text[at] >= '0' && text[at] <= '9'; }
};

// The integer rules: blanks, an optional sign, decimal digits, blanks, the
// end; clamped to 32 bits; a zero only when the number is written with a leading 0.
std::optional<std::int32_t> integerOracle(std::string_view typed)
{
    Scanner scan(typed);
    scan.skipBlanks();
    const char first = scan.peek();
    const bool negative = scan.peek() == '-';
    scan.accept("+-");
    if (!scan.isDigit())
        return std::nullopt;
    // Saturating far above the range keeps the accumulation exact where it matters.
    constexpr long long saturation = 1LL << 40;
    long long magnitude = 0;
    while (scan.isDigit()) {
        magnitude = std::min(magnitude * 10 + (scan.peek() - '0'), saturation);
        ++scan.at;
    }
    scan.skipBlanks();
    if (!scan.done())
        return std::nullopt;
    const long long value = std::clamp(negative ? -magnitude : magnitude,
        static_cast<long long>(std::numeric_limits<std::int32_t>::min()),
        static_cast<long long>(std::numeric_limits<std::int32_t>::max()));
    if (value == 0 && first != '0')
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The real rules: blanks, sign, digits with an optional full stop, an
// exponent after e, E, d or D, blanks, the end. strtof (the program never
// leaves the C locale) rounds the accepted text once to the nearest float.
std::optional<float> realOracle(std::string_view typed)
{
    Scanner scan(typed);
    scan.skipBlanks();
    const char first = scan.peek();
    std::string number;
    const auto copyDigits = [&] {
        std::size_t count = 0;
        for (; scan.isDigit(); ++count)
            number += scan.text[scan.at++];
        return count;
    };
    if (scan.accept("+-"))
        number += scan.text[scan.at - 1];
    std::size_t mantissaDigits = copyDigits();
    if (scan.accept(".")) {
        number += '.';
        mantissaDigits += copyDigits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (scan.accept("eEdD")) {
        number += 'e';
        if (scan.accept("+-"))
            number += scan.text[scan.at - 1];
        if (copyDigits() == 0)
            return std::nullopt;
    }
    scan.skipBlanks();
    if (!scan.done())
        return std::nullopt;

    char* end = nullptr;
    const float value = std::strtof(number.c_str(), &end);
    require(end == number.c_str() + number.size(), "strtof stopped early on the oracle's text", number);
    if (std::isinf(value))
        return std::nullopt;
    if (value == 0.0F && first != '0')
        return std::nullopt;
    return value;
}

bool sameFloat(std::optional<float> a, std::optional<float> b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return std::bit_cast<std::uint32_t>(*a) == std::bit_cast<std::uint32_t>(*b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    require(
        editing::parseInteger(text) == integerOracle(text), "parseInteger disagrees with the oracle", text);
    require(
        sameFloat(editing::parseReal(text), realOracle(text)), "parseReal disagrees with the oracle", text);

    if (size < sizeof(std::uint32_t))
        return 0;
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);

    const auto integer = static_cast<std::int32_t>(bits);
    require(editing::parseInteger(editing::formatInteger(integer)) == integer,
        "a shown integer does not read back", editing::formatInteger(integer));

    // A shown real must read back to a value shown the same way. Not for NaN,
    // infinity and -0, whose texts the rules reject by design.
    const float real = std::bit_cast<float>(bits);
    if (!std::isfinite(real) || bits == 0x80000000U)
        return 0;
    const std::string shown = editing::formatReal(real);
    const std::optional<float> reread = editing::parseReal(shown);
    require(reread.has_value(), "a shown real does not read back", shown);
    require(editing::formatReal(*reread) == shown, "a shown real reads back as another text", shown);
    return 0;
}

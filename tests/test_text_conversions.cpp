#include "editing/text_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

using editing::formatInteger;
using editing::formatReal;
using editing::parseInteger;
using editing::parseReal;

using namespace std::string_view_literals;

struct IntegerRow {
    const char* name;
    std::string_view text;
    std::optional<std::int32_t> expected;
};

TEST(ParseInteger, Table)
{
    const IntegerRow rows[] = {
        {"plain", "42", 42},
        {"negative", "-17", -17},
        {"plus sign", "+5", 5},
        {"surrounding blanks", " \t12 \t", 12},
        {"range ends", "-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"clamped high", "2147483648", std::numeric_limits<std::int32_t>::max()},
        {"clamped low", "-2147483649", std::numeric_limits<std::int32_t>::min()},
        {"clamped many digits", "99999999999999999999999999", std::numeric_limits<std::int32_t>::max()},
        {"zero", "0", 0},
        {"leading zeros", "007", 7},
        {"zeros only", " 000 ", 0},
        {"minus zero", "-0", std::nullopt},
        {"plus zero", "+0", std::nullopt},
        {"empty", "", std::nullopt},
        {"blanks only", " \t ", std::nullopt},
        {"trailing letters", "12abc", std::nullopt},
        {"inner blank", "1 2", std::nullopt},
        {"sign only", "-", std::nullopt},
        {"decimal point", "1.0", std::nullopt},
        {"newline is no blank", "12\n", std::nullopt},
        {"zero byte", "1\0"sv, std::nullopt},
        {"high byte", "1\xff", std::nullopt},
        {"cut hides the junk", "                             12x", 12},
        {"cut keeps 31 digits", "1234567890123456789012345678901x", std::numeric_limits<std::int32_t>::max()},
        {"junk inside the cut", "                            12x", std::nullopt},
    };
    for (const IntegerRow& row : rows)
        EXPECT_EQ(parseInteger(row.text), row.expected) << row.name;
}

struct RealRow {
    const char* name;
    std::string_view text;
    std::optional<float> expected;
};

TEST(ParseReal, Table)
{
    constexpr float floatMax = std::numeric_limits<float>::max();
    const RealRow rows[] = {
        {"plain", "2.5", 2.5F},
        {"negative with blanks", " \t-2.5 ", -2.5F},
        {"plus sign", "+3", 3.0F},
        {"no integer digits", ".5", 0.5F},
        {"no fraction digits", "5.", 5.0F},
        {"exponent e", "1e3", 1000.0F},
        {"exponent E negative", "25E-1", 2.5F},
        {"exponent d", "1d3", 1000.0F},
        {"exponent D signed", "1D+3", 1000.0F},
        {"subnormal", "1e-40", 1e-40F},
        {"largest float", "3.40282346e38", floatMax},
        {"zero", "0", 0.0F},
        {"zero with fraction", "0.0", 0.0F},
        {"zero leading underflow", "0.1e-60", 0.0F},
        {"zero by fraction only", ".0", std::nullopt},
        {"minus zero", "-0", std::nullopt},
        {"minus zero fraction", "-0.0", std::nullopt},
        {"underflow to zero", "1e-60", std::nullopt},
        {"overflow", "1e39", std::nullopt},
        {"overflow huge exponent", "1e99999999999999999999999", std::nullopt},
        {"overflow from fraction", ".1e40", std::nullopt},
        {"just above float max", "3.4028236e38", std::nullopt},
        {"empty", "", std::nullopt},
        {"point only", ".", std::nullopt},
        {"comma", "1,5", std::nullopt},
        {"exponent without digits", "1e", std::nullopt},
        {"exponent without mantissa", "e3", std::nullopt},
        {"other letter", "1x3", std::nullopt},
        {"infinity word", "inf", std::nullopt},
        {"hex", "0x10", std::nullopt},
        {"zero byte", "1.5\0"sv, std::nullopt},
        {"cut hides the junk", "                           1.25x", 1.25F},
        {"junk inside the cut", "                          1.25x", std::nullopt},
    };
    for (const RealRow& row : rows)
        EXPECT_EQ(parseReal(row.text), row.expected) << row.name;
}

TEST(ParseReal, RoundsOnceToNearestFloat)
{
    const float one = 1.0F;
    const float aboveOne = std::nextafter(one, 2.0F);
    const RealRow rows[] = {
        // Just above the halfway point between 1 and the next float; via
        // double it lands exactly on halfway and then ties down to 1.
        {"just above halfway", "1.0000000596046448", aboveOne},
        {"exact halfway ties to even", "1.000000059604644775390625", one},
        {"just below halfway", "1.0000000596046447", one},
    };
    for (const RealRow& row : rows)
        EXPECT_EQ(parseReal(row.text), row.expected) << row.name;
}

TEST(FormatReal, Table)
{
    constexpr float infinity = std::numeric_limits<float>::infinity();
    const struct {
        float value;
        const char* expected;
    } rows[] = {
        {0.0F, "0"},
        {2.5F, "2.5"},
        {0.1F, "0.1"},
        {100000.0F, "100000"},
        {1000000.0F, "1e+06"},
        {0.0001F, "0.0001"},
        {0.00001F, "1e-05"},
        {13.0F, "13"},
        {1 / 3.0F, "0.333333"},
        {1234.5678F, "1234.57"},
        {12.345678F, "12.3457"},
        {-2.5F, "-2.5"},
        {infinity, "inf"},
        {-infinity, "-inf"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatReal(row.value), row.expected) << row.expected;
    EXPECT_EQ(formatReal(std::numeric_limits<float>::quiet_NaN()), "nan");
    EXPECT_EQ(formatReal(-std::numeric_limits<float>::quiet_NaN()), "-nan");
}

TEST(TextConversions, FormattedTextsParseBack)
{
    for (const float value : {2.5F, -0.0001F, 1e-5F, 1234.57F, 3e38F}) {
        const std::optional<float> parsed = parseReal(formatReal(value));
        ASSERT_TRUE(parsed.has_value()) << value;
        EXPECT_EQ(formatReal(*parsed), formatReal(value));
    }
    for (const std::int32_t value : {-2147483647 - 1, -1, 0, 2147483647})
        EXPECT_EQ(parseInteger(formatInteger(value)), value);
}

} // namespace

#include "editing/cp1252.h"
#include "editing/text_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace {

using namespace editing;
using namespace std::string_view_literals;

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
constexpr std::nullopt_t none = std::nullopt;

// A field text and what an integer field and a real field make of it. A zero
// counts only when the text starts with '0'; only the first 31 characters count.
TEST(TextConversions, ParseIntegerAndReal)
{
    const struct {
        std::string_view text;
        std::optional<std::int32_t> integer;
        std::optional<float> real;
    } rows[] = {
        {" \t-17 \t", -17, -17.0F},
        {"+007", 7, 7.0F},
        {" 000 ", 0, 0.0F},
        {"0.0", none, 0.0F},
        {"0.1e-60", none, 0.0F},
        {"-0", none, none},
        {".0", none, none},
        {"2147483648", highest, 2147483648.0F},
        {"-2147483649", lowest, -2147483649.0F},
        {"", none, none},
        {"1 2", none, none},
        {"12\n", none, none},
        {"1\0"sv, none, none},
        {"inf", none, none},
        {".5", none, 0.5F},
        {"1e3", none, 1000.0F},
        {"25E-1", none, 2.5F},
        {"1d3", none, 1000.0F},
        {"1D+3", none, 1000.0F},
        {"1e", none, none},
        {"1e-40", none, 1e-40F},
        {"3.40282346e38", none, std::numeric_limits<float>::max()},
        {"3.4028236e38", none, none}, // rounds to infinity
        // Too large fails even where a zero would pass.
        {"0.1e40", none, none},
        {"01e99999999999999999999999", none, none},
        // Rounded once, straight to float: via double the first lands exactly
        // halfway between 1 and the next float and then ties down to 1.
        {"1.0000000596046448", none, std::nextafter(1.0F, 2.0F)},
        {"1.000000059604644775390625", none, 1.0F},
        {"                             12x", 12, 12.0F},
        {"                            12x", none, none},
        {"1234567890123456789012345678901x", highest, 1234567890123456789012345678901.0F},
        {"                           1.25x", none, 1.25F},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseInteger(row.text), row.integer) << '"' << row.text << '"';
        EXPECT_EQ(parseReal(row.text), row.real) << '"' << row.text << '"';
    }
}

TEST(TextConversions, FormatReal)
{
    const std::pair<float, std::string_view> rows[]
        = {{0.0F, "0"}, {2.5F, "2.5"}, {0.1F, "0.1"}, {100000.0F, "100000"}, {1000000.0F, "1e+06"},
            {0.0001F, "0.0001"}, {0.00001F, "1e-05"}, {1 / 3.0F, "0.333333"}, {1234.5678F, "1234.57"},
            {NAN, "nan"}, {HUGE_VALF, "inf"}, {-HUGE_VALF, "-inf"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(formatReal(value), text);
}

// Texts in files are Windows-1252 bytes; the five bytes the code page leaves
// unassigned stand for the C1 controls of the same number. Clan keys drop
// spaces and lower the code page's letters.
TEST(Cp1252, Conversions)
{
    std::string allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes += static_cast<char>(byte);
    EXPECT_EQ(bytesFromUtf8(utf8FromBytes(allBytes)), allBytes);
    const std::pair<std::string_view, std::string_view> known[]
        = {{"\x80", "\xE2\x82\xAC"}, {"\x81", "\xC2\x81"}, {"\x8A", "\xC5\xA0"}, {"\x9D", "\xC2\x9D"},
            {"\x9F", "\xC5\xB8"}, {"\xE9", "\xC3\xA9"}, {"A", "A"}};
    for (const auto& [byte, utf8] : known)
        EXPECT_EQ(utf8FromBytes(byte), utf8);
    // U+0080, whose byte stands for the euro sign, U+0100, U+1F600; then invalid UTF-8.
    for (const std::string_view utf8 : {"\xC2\x80"sv, "\xC4\x80"sv, "\xF0\x9F\x98\x80"sv, "\x80"sv,
             "a\xE2\x82"sv, "\xC1\x81"sv, "\xC3z"sv, "\xFF"sv})
        EXPECT_EQ(bytesFromUtf8(utf8), std::nullopt) << utf8;
    const std::pair<std::string_view, std::string_view> clanKeys[] = {{"New Clan", "newclan"},
        {" a b ", "ab"}, {"Tab\tStays", "tab\tstays"}, {"\xC0\xDE\xD7\xDF@[", "\xE0\xFE\xD7\xDF@["},
        {"\x8A\x8C\x8E\x9F\x9A\xFF", "\x9A\x9C\x9E\xFF\x9A\xFF"}};
    for (const auto& [clan, key] : clanKeys)
        EXPECT_EQ(clanKeyOf(clan), key) << clan;
}

} // namespace

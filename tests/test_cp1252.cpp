#include "editing/cp1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

using editing::byteOfUnicode;
using editing::bytesFromUtf8;
using editing::clanKeyOf;
using editing::unicodeOfByte;
using editing::utf8FromBytes;

using namespace std::string_view_literals;

TEST(Cp1252, EveryByteRoundTrips)
{
    std::string allBytes;
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        EXPECT_EQ(byteOfUnicode(unicodeOfByte(byte)), byte) << value;
        allBytes += static_cast<char>(byte);
    }
    EXPECT_EQ(bytesFromUtf8(utf8FromBytes(allBytes)), allBytes);
}

TEST(Cp1252, KnownCharacters)
{
    const struct {
        unsigned char byte;
        char32_t codePoint;
        std::string_view utf8;
    } rows[] = {
        {0x80, U'\u20AC', "\xE2\x82\xAC"},
        {0x81, U'\u0081', "\xC2\x81"},
        {0x8A, U'\u0160', "\xC5\xA0"},
        {0x9D, U'\u009D', "\xC2\x9D"},
        {0x9F, U'\u0178', "\xC5\xB8"},
        {0xE9, U'\u00E9', "\xC3\xA9"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(unicodeOfByte(row.byte), row.codePoint) << int{row.byte};
        EXPECT_EQ(utf8FromBytes(std::string(1, static_cast<char>(row.byte))), row.utf8) << int{row.byte};
    }
}

TEST(Cp1252, RefusesWhatItCannotHold)
{
    // U+0080 is a C1 control whose byte already stands for the euro sign.
    for (const char32_t codePoint : {U'\u0080', U'\u009F', U'\u0100', U'\u4E2D', U'\U0001F600'})
        EXPECT_EQ(byteOfUnicode(codePoint), std::nullopt) << static_cast<unsigned>(codePoint);

    const struct {
        const char* name;
        std::string_view utf8;
    } rows[] = {
        {"outside the code page", "\xC4\x80"},
        {"outside the plane", "\xF0\x9F\x98\x80"},
        {"lone continuation", "\x80"},
        {"truncated", "a\xE2\x82"},
        {"overlong", "\xC1\x81"},
        {"surrogate", "\xED\xA0\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
        {"invalid lead", "\xFF"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(bytesFromUtf8(row.utf8), std::nullopt) << row.name;
    EXPECT_EQ(bytesFromUtf8("a\0b"sv), "a\0b"sv);
}

TEST(Cp1252, ClanKey)
{
    const struct {
        std::string_view clan;
        std::string_view key;
    } rows[] = {
        {"New Clan", "newclan"},
        {" a b ", "ab"},
        {"   ", ""},
        {"", ""},
        {"Tab\tStays", "tab\tstays"},
        {"\xC0\xDE\xD7\xDF", "\xE0\xFE\xD7\xDF"},
        {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"},
        {"\x9A\xFF@[", "\x9A\xFF@["},
    };
    for (const auto& row : rows)
        EXPECT_EQ(clanKeyOf(row.clan), row.key) << row.clan;
}

} // namespace

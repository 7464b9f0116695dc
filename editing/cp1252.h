#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editing {

// Texts in character files are single bytes in Windows-1252. The mapping is
// lossless: the five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 control of the same number.
char32_t unicodeOfByte(unsigned char byte);
std::optional<unsigned char> byteOfUnicode(char32_t codePoint);

// Appends a code point up to U+10FFFF (not a surrogate) as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

std::string utf8FromBytes(std::string_view bytes);
// nullopt on invalid UTF-8 or on a character Windows-1252 cannot hold.
std::optional<std::string> bytesFromUtf8(std::string_view utf8);

// Key under which clan names compare: spaces removed, letters lower-cased.
std::string clanKeyOf(std::string_view clan);

} // namespace editing

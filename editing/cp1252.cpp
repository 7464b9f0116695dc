#include "editing/cp1252.h"

#include <array>

namespace editing {

namespace {

// Our own table because the system iconv rejects the five unassigned bytes
// and so cannot round-trip every byte. Outside 0x80-0x9F the code page is Latin-1.
constexpr std::array<char32_t, 32> unicodeOfHighControlRange = {
    U'\u20AC',
    U'\u0081',
    U'\u201A',
    U'\u0192',
    U'\u201E',
    U'\u2026',
    U'\u2020',
    U'\u2021',
    U'\u02C6',
    U'\u2030',
    U'\u0160',
    U'\u2039',
    U'\u0152',
    U'\u008D',
    U'\u017D',
    U'\u008F',
    U'\u0090',
    U'\u2018',
    U'\u2019',
    U'\u201C',
    U'\u201D',
    U'\u2022',
    U'\u2013',
    U'\u2014',
    U'\u02DC',
    U'\u2122',
    U'\u0161',
    U'\u203A',
    U'\u0153',
    U'\u009D',
    U'\u017E',
    U'\u0178',
};

constexpr unsigned char highControlFirst = 0x80;
constexpr unsigned char highControlLast = 0x9F;

bool isInHighControlRange(char32_t value)
{
    return value >= highControlFirst && value <= highControlLast;
}

// Decodes one strict UTF-8 sequence (no overlongs, surrogates or values past
// U+10FFFF) from the front of text and consumes it.
std::optional<char32_t> takeUtf8(std::string_view& text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        length = 1;
        codePoint = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length)
        return std::nullopt;
    for (std::size_t index = 1; index < length; ++index) {
        const auto continuation = static_cast<unsigned char>(text[index]);
        if ((continuation & 0xC0) != 0x80)
            return std::nullopt;
        codePoint = (codePoint << 6) | (continuation & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return std::nullopt;
    text.remove_prefix(length);
    return codePoint;
}

unsigned char lowerCaseByte(unsigned char byte)
{
    if (byte >= 'A' && byte <= 'Z')
        return byte + ('a' - 'A');
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)
        return byte + 0x20;
    switch (byte) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return byte;
    }
}

} // namespace

void appendUtf8(std::string& out, char32_t codePoint)
{
    const auto put = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        put(codePoint);
        return;
    }
    const int continuations = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
    constexpr char32_t leads[] = {0xC0, 0xE0, 0xF0};
    put(leads[continuations - 1] | codePoint >> (6 * continuations));
    for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6)
        put(0x80 | ((codePoint >> shift) & 0x3F));
}

char32_t unicodeOfByte(unsigned char byte)
{
    if (isInHighControlRange(byte))
        return unicodeOfHighControlRange[byte - highControlFirst];
    return byte;
}

std::optional<unsigned char> byteOfUnicode(char32_t codePoint)
{
    if (codePoint <= 0xFF && !isInHighControlRange(codePoint))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t index = 0; index < unicodeOfHighControlRange.size(); ++index) {
        if (unicodeOfHighControlRange[index] == codePoint)
            return static_cast<unsigned char>(highControlFirst + index);
    }
    return std::nullopt;
}

std::string utf8FromBytes(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes)
        appendUtf8(out, unicodeOfByte(static_cast<unsigned char>(byte)));
    return out;
}

std::optional<std::string> bytesFromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::optional<char32_t> codePoint = takeUtf8(utf8);
        if (!codePoint)
            return std::nullopt;
        const std::optional<unsigned char> byte = byteOfUnicode(*codePoint);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string clanKeyOf(std::string_view clan)
{
    std::string key;
    key.reserve(clan.size());
    for (char character : clan) {
        if (character == ' ')
            continue;
        key += static_cast<char>(lowerCaseByte(static_cast<unsigned char>(character)));
    }
    return key;
}

} // namespace editing

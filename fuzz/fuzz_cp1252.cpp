// The Windows-1252 mapping on arbitrary bytes: file bytes survive the trip
// through text, and text is accepted exactly when it is well-formed UTF-8 of
// characters the code page holds.
#include "editing/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz_cp1252: %s\n", property);
        std::abort();
    }
}

struct ByteRange {
    unsigned char low;
    unsigned char high;
};

// The well-formed byte sequences of UTF-8 as the Unicode standard tabulates
// them, by lead byte: the ranges allowed for the bytes that follow it.
std::optional<std::vector<ByteRange>> followersOf(unsigned char lead)
{
    constexpr ByteRange any{0x80, 0xBF};
    if (lead <= 0x7F)
        return std::vector<ByteRange>{};
    if (lead >= 0xC2 && lead <= 0xDF)
        return std::vector<ByteRange>{any};
    if (lead == 0xE0)
        return std::vector<ByteRange>{{0xA0, 0xBF}, any};
    if (lead == 0xED)
        return std::vector<ByteRange>{{0x80, 0x9F}, any};
    if (lead >= 0xE1 && lead <= 0xEF)
        return std::vector<ByteRange>{any, any};
    if (lead == 0xF0)
        return std::vector<ByteRange>{{0x90, 0xBF}, any, any};
    if (lead >= 0xF1 && lead <= 0xF3)
        return std::vector<ByteRange>{any, any, any};
    if (lead == 0xF4)
        return std::vector<ByteRange>{{0x80, 0x8F}, any, any};
    return std::nullopt;
}

// The code points of a well-formed UTF-8 text, or nothing.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text)
{
    static constexpr std::array<unsigned char, 4> leadMask{0x7F, 0x1F, 0x0F, 0x07};
    std::vector<char32_t> codePoints;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at++]);
        const auto followers = followersOf(lead);
        if (!followers || text.size() - at < followers->size())
            return std::nullopt;
        char32_t codePoint = lead & leadMask[followers->size()];
        for (const ByteRange range : *followers) {
            const auto next = static_cast<unsigned char>(text[at++]);
            if (next < range.low || next > range.high)
                return std::nullopt;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        codePoints.push_back(codePoint);
    }
    return codePoints;
}

// The characters of the code page: the image of the byte mapping, which the
// byte round trip below checks on its own.
bool isInCodePage(char32_t codePoint)
{
    static const std::vector<char32_t> image = [] {
        std::vector<char32_t> all;
        for (int byte = 0; byte < 256; ++byte)
            all.push_back(editing::unicodeOfByte(static_cast<unsigned char>(byte)));
        std::sort(all.begin(), all.end());
        return all;
    }();
    return std::binary_search(image.begin(), image.end(), codePoint);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::optional<std::string> roundTrip = editing::bytesFromUtf8(editing::utf8FromBytes(input));
    require(roundTrip && *roundTrip == input, "bytes to text to bytes is not the identity");

    for (const char byte : input) {
        const auto value = static_cast<unsigned char>(byte);
        require(editing::byteOfUnicode(editing::unicodeOfByte(value)) == value,
            "a byte does not survive its character");
    }

    const std::optional<std::string> asBytes = editing::bytesFromUtf8(input);
    const auto codePoints = decodeUtf8(input);
    const bool representable
        = codePoints && std::all_of(codePoints->begin(), codePoints->end(), isInCodePage);
    require(
        asBytes.has_value() == representable, "bytesFromUtf8 accepts other texts than the code page holds");
    if (asBytes)
        require(editing::utf8FromBytes(*asBytes) == input, "accepted text does not come back unchanged");
    return 0;
}

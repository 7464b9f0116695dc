#include "utf16_text.h"

namespace cli {

namespace {

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

} // namespace

std::optional<std::string> utf8OfMarkedText(std::string_view bytes)
{
    const bool little = bytes.starts_with("\xFF\xFE");
    if (!little && !bytes.starts_with("\xFE\xFF"))
        return std::string(bytes);
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(little ? first | second << 8 : first << 8 | second);
    };
    std::string utf8;
    utf8.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t codePoint = unitAt(i);
        if (codePoint >= 0xDC00 && codePoint <= 0xDFFF)
            return std::nullopt; // a low surrogate first
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
            const char32_t low = i + 2 < bytes.size() ? unitAt(i + 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        appendUtf8(utf8, codePoint);
    }
    return utf8;
}

} // namespace cli

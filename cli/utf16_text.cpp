#include "utf16_text.h"

#include "editing/cp1252.h"

namespace cli {

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
        editing::appendUtf8(utf8, codePoint);
    }
    return utf8;
}

} // namespace cli

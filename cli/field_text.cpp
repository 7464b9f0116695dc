#include "field_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace cli {

std::string hexText(std::uint32_t bits)
{
    std::array<char, 16> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "0x%08x", bits);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string bitsText(npf::FloatBits value)
{
    return hexText(value.bits);
}

std::optional<npf::FloatBits> parseBitsText(std::string_view text)
{
    constexpr std::size_t digitCount = 8;
    if (text.size() != 2 + digitCount || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    std::uint32_t bits = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + 2, end, bits, 16);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return npf::FloatBits{bits};
}

std::string exactRealText(npf::FloatBits value)
{
    const float real = value.value();
    if (std::isnan(real))
        return "nan";
    if (std::isinf(real))
        return real < 0 ? "-inf" : "inf";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), real);
    return std::string(buffer.data(), result.ptr);
}

std::string withBitsWhenNotFinite(std::string text, npf::FloatBits value)
{
    if (!std::isfinite(value.value()))
        text += " (" + bitsText(value) + ")";
    return text;
}

std::string joined(const std::vector<std::string>& pieces, std::string_view separator)
{
    std::string text;
    for (const auto& piece : pieces) {
        if (!text.empty())
            text += separator;
        text += piece;
    }
    return text;
}

} // namespace cli

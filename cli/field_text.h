#pragma once

#include "npf/npf_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// How single values read as text on the command line: bit sets and float bit
// patterns in hex, floats exactly. The listing, the JSON and the diff build on these.
namespace cli {

// Thirty-two bits as "0x" and eight lower-case hex digits.
std::string hexText(std::uint32_t bits);

// A float's bit pattern as "0x" and eight lower-case hex digits, the form that
// scripts hand back to set for values a decimal cannot carry.
std::string bitsText(npf::FloatBits value);
std::optional<npf::FloatBits> parseBitsText(std::string_view text);

// The shortest decimal that reads back to the same float, or "nan", "inf", "-inf".
std::string exactRealText(npf::FloatBits value);

// A float's text followed by " (0x........)" when no decimal can carry the value.
std::string withBitsWhenNotFinite(std::string text, npf::FloatBits value);

// The pieces with the separator between them.
std::string joined(const std::vector<std::string>& pieces, std::string_view separator);

// Whether a field of the file table is the record member given.
template <class T> bool isField(const npf::FieldLayout& field, T npf::CharacterRecord::*member)
{
    const auto* held = std::get_if<T npf::CharacterRecord::*>(&field.member);
    return held && *held == member;
}

} // namespace cli

#pragma once

#include "character_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace npf {

// The header every editable file begins with: "npf", one byte nobody reads,
// then the format version as a little-endian 32-bit integer.
inline constexpr std::string_view headerMagic = "npf";
inline constexpr std::uint32_t versionOffset = 4;
inline constexpr std::int32_t supportedVersion = 5;
inline constexpr std::size_t headerSize = 8;

inline constexpr std::size_t textWidth = 32;
inline constexpr std::size_t numberWidth = 4;

// Where a field lies: counted from the start of the file, or back from its end.
enum class Anchor { Start, End };

// The record member a field fills; its type is the field's encoding.
using FieldMember = std::variant<std::string CharacterRecord::*, std::int32_t CharacterRecord::*,
    FloatBits CharacterRecord::*>;

struct FieldLayout {
    std::string_view name;
    FieldMember member;
    Anchor anchor;
    std::uint32_t distance;

    std::size_t width() const
    {
        return std::holds_alternative<std::string CharacterRecord::*>(member) ? textWidth : numberWidth;
    }

    // The field's offset in a file of fileSize bytes, or nothing when an
    // end-relative field would begin before the start of the file.
    std::optional<std::uint64_t> offsetIn(std::uint64_t fileSize) const
    {
        if (anchor == Anchor::Start)
            return distance;
        if (fileSize < distance)
            return std::nullopt;
        return fileSize - distance;
    }
};

// The fields in the order the reader and the writer walk them. The writer's
// order matters: in files shorter than 906 bytes the end-relative fields
// overlap fixed ones and the later write wins.
extern const std::array<FieldLayout, 51> npfFields;

// The smallest file in which every fixed field lies whole (the last one ends here).
inline constexpr std::uint64_t minimumFileSize = 796;

// Four bytes in the file's byte order, whatever the host's.
void putLittleEndian(std::uint32_t value, std::span<char> out);
std::uint32_t getLittleEndian(std::span<const char> in);

// The field's bytes as the file stores them: a text is cut to the width and
// padded with zeros, a number is four little-endian bytes.
void encodeField(const FieldLayout& field, const CharacterRecord& record, std::span<char> out);

// The field's value from its stored bytes: a text ends at its first zero byte.
void decodeField(const FieldLayout& field, std::span<const char> in, CharacterRecord& record);

// True when the first bytes hold the header of the one version the editor understands.
bool isSupportedHeader(std::span<const char> firstBytes);

} // namespace npf

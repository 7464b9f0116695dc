#pragma once

#include "character_record.h"
#include "file_system.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
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

    constexpr std::size_t width() const
    {
        return std::holds_alternative<std::string CharacterRecord::*>(member) ? textWidth : numberWidth;
    }

    // The field's offset in a file of fileSize bytes, or nothing when an
    // end-relative field would begin before the start of the file.
    constexpr std::optional<std::uint64_t> offsetIn(std::uint64_t fileSize) const
    {
        if (anchor == Anchor::Start)
            return distance;
        if (fileSize < distance)
            return std::nullopt;
        return fileSize - distance;
    }
};

// The fields in the order the reader and the writer walk them. The writer's
// order matters: in files shorter than separateFieldsSize the end-relative
// fields overlap fixed ones and the later write wins.
inline constexpr std::array<FieldLayout, 51> npfFields{{
    {"characterName", &CharacterRecord::characterName, Anchor::Start, 8},
    {"characterNameCopy", &CharacterRecord::characterNameCopy, Anchor::End, 110},
    {"clanName", &CharacterRecord::clanName, Anchor::Start, 72},
    {"totalXpCopy", &CharacterRecord::totalXpCopy, Anchor::Start, 104},
    {"carriedTailInt", &CharacterRecord::carriedTailInt, Anchor::End, 78},
    {"totalXp", &CharacterRecord::totalXp, Anchor::End, 74},
    {"modelId", &CharacterRecord::modelId, Anchor::Start, 120},
    {"shortCode", &CharacterRecord::shortCode, Anchor::Start, 152},
    {"bodyFile", &CharacterRecord::bodyFile, Anchor::Start, 408},
    {"headFile", &CharacterRecord::headFile, Anchor::End, 66},
    {"soundSet", &CharacterRecord::soundSet, Anchor::Start, 356},
    {"clanKey", &CharacterRecord::clanKey, Anchor::Start, 502},
    {"race", &CharacterRecord::race, Anchor::Start, 484},
    {"actorFlags", &CharacterRecord::actorFlags, Anchor::Start, 476},
    {"carriedFloat600", &CharacterRecord::carriedFloat600, Anchor::Start, 600},
    {"generation", &CharacterRecord::generation, Anchor::Start, 716},
    {"cash", &CharacterRecord::cash, Anchor::Start, 490},
    {"healthCopy", &CharacterRecord::healthCopy, Anchor::Start, 536},
    {"health", &CharacterRecord::health, Anchor::Start, 540},
    {"manaCopy", &CharacterRecord::manaCopy, Anchor::Start, 632},
    {"mana", &CharacterRecord::mana, Anchor::Start, 752},
    {"bloodCopy", &CharacterRecord::bloodCopy, Anchor::Start, 588},
    {"blood", &CharacterRecord::blood, Anchor::Start, 744},
    {"bloodRating", &CharacterRecord::bloodRating, Anchor::Start, 740},
    {"humanity", &CharacterRecord::humanity, Anchor::Start, 708},
    {"faith", &CharacterRecord::faith, Anchor::Start, 720},
    {"strengthCopy", &CharacterRecord::strengthCopy, Anchor::Start, 564},
    {"strength", &CharacterRecord::strength, Anchor::Start, 680},
    {"dexterityCopy", &CharacterRecord::dexterityCopy, Anchor::Start, 568},
    {"dexterity", &CharacterRecord::dexterity, Anchor::Start, 684},
    {"staminaCopy", &CharacterRecord::staminaCopy, Anchor::Start, 572},
    {"stamina", &CharacterRecord::stamina, Anchor::Start, 688},
    {"perceptionCopy", &CharacterRecord::perceptionCopy, Anchor::Start, 576},
    {"perception", &CharacterRecord::perception, Anchor::Start, 692},
    {"intelligenceCopy", &CharacterRecord::intelligenceCopy, Anchor::Start, 580},
    {"intelligence", &CharacterRecord::intelligence, Anchor::Start, 696},
    {"witsCopy", &CharacterRecord::witsCopy, Anchor::Start, 584},
    {"wits", &CharacterRecord::wits, Anchor::Start, 700},
    {"charismaCopy", &CharacterRecord::charismaCopy, Anchor::Start, 608},
    {"charisma", &CharacterRecord::charisma, Anchor::Start, 724},
    {"manipulationCopy", &CharacterRecord::manipulationCopy, Anchor::Start, 612},
    {"manipulation", &CharacterRecord::manipulation, Anchor::Start, 728},
    {"appearanceCopy", &CharacterRecord::appearanceCopy, Anchor::Start, 616},
    {"appearance", &CharacterRecord::appearance, Anchor::Start, 732},
    {"soakElec", &CharacterRecord::soakElec, Anchor::Start, 792},
    {"soakFire", &CharacterRecord::soakFire, Anchor::Start, 772},
    {"soakSun", &CharacterRecord::soakSun, Anchor::Start, 776},
    {"soakFaith", &CharacterRecord::soakFaith, Anchor::Start, 780},
    {"soakCold", &CharacterRecord::soakCold, Anchor::Start, 784},
    {"carriedFloat788", &CharacterRecord::carriedFloat788, Anchor::Start, 788},
    {"carriedFloat768", &CharacterRecord::carriedFloat768, Anchor::Start, 768},
}};

namespace layout_detail {

constexpr std::uint64_t endOfFixedFields()
{
    std::uint64_t end = 0;
    for (const FieldLayout& field : npfFields) {
        if (field.anchor == Anchor::Start)
            end = std::max<std::uint64_t>(end, field.distance + field.width());
    }
    return end;
}

constexpr std::uint64_t farthestFromEnd()
{
    std::uint64_t distance = 0;
    for (const FieldLayout& field : npfFields)
        distance = field.anchor == Anchor::End ? std::max<std::uint64_t>(distance, field.distance) : distance;
    return distance;
}

constexpr bool everyFieldFitsItsAnchor()
{
    for (const FieldLayout& field : npfFields) {
        if (field.anchor == Anchor::Start ? field.distance < headerSize : field.distance < field.width())
            return false;
    }
    return true;
}

} // namespace layout_detail

// The smallest file that holds every field whole.
inline constexpr std::uint64_t minimumFileSize
    = std::max(layout_detail::endOfFixedFields(), layout_detail::farthestFromEnd());
// From this size on the end-relative fields lie after every fixed one.
inline constexpr std::uint64_t separateFieldsSize
    = layout_detail::endOfFixedFields() + layout_detail::farthestFromEnd();

static_assert(layout_detail::everyFieldFitsItsAnchor(), "a field overlaps the header or lies past the end");
static_assert(minimumFileSize == 796, "the fixed fields no longer end where files begin to hold them all");
static_assert(separateFieldsSize == 906, "the end-relative fields moved");

// Four bytes in the file's byte order, whatever the host's.
void putLittleEndian(std::uint32_t value, std::span<char> out);
std::uint32_t getLittleEndian(std::span<const char> in);

// The field's bytes as the file stores them: a text is cut to the width and
// padded with zeros, a number is four little-endian bytes. out holds at least
// field.width() bytes.
void encodeField(const FieldLayout& field, const CharacterRecord& record, std::span<char> out);

// The field's value from its stored bytes (at least field.width() of them): a
// text ends at its first zero byte.
void decodeField(const FieldLayout& field, std::span<const char> in, CharacterRecord& record);

// True when the first bytes hold the header of the one version the editor understands.
bool isSupportedHeader(std::span<const char> firstBytes);

// Every field from a seekable stream (a file, or bytes in memory): true when
// all of them lay whole inside it. On failure into is left as it was.
bool readFields(std::istream& stream, CharacterRecord& into);

class FileAccess;

// Every field written in place into the open file, all or nothing: nothing is
// written unless it still holds a supported header and every field whole
// (changedSinceRead), and a failed write or flush puts the old bytes back as
// far as the system lets it. Success means the system has flushed the file to
// its device. Bytes outside the fields and the size stay as they are.
FileResult writeFields(FileAccess& file, const CharacterRecord& record);

} // namespace npf

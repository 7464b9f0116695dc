#pragma once

#include "npf/character_record.h"
#include "npf/npf_layout.h"

#include <cstdint>
#include <optional>

namespace cli {

// A field a save would not leave holding the record's value, and the field
// written over its bytes.
struct UnkeptField {
    const npf::FieldLayout& field;
    const npf::FieldLayout& over;
};

// In files shorter than 906 bytes some fields share bytes and the later write
// wins. Finds the first field that a save of the record into a file of
// fileSize bytes would not leave holding the record's value, so that nothing
// is written then.
std::optional<UnkeptField> unkeptField(const npf::CharacterRecord& record, std::uint64_t fileSize);

} // namespace cli

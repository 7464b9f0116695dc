#pragma once

#include "npf/character_record.h"

#include <string>
#include <string_view>

namespace cli {

// The keys a snapshot has beside the record's field names: a float's bit
// pattern ("<field>Bits"), the names of the set flags, and the file a line of
// several came from.
inline constexpr std::string_view bitsSuffix = "Bits";
inline constexpr std::string_view labelsKey = "actorFlagLabels";
inline constexpr std::string_view fileKey = "file";

// One JSON object keyed by the record's field names; the text is pretty-printed.
std::string jsonOf(const npf::CharacterRecord& record);

// The same object on one line, with the file it came from first (JSON Lines).
std::string jsonLineOf(const npf::CharacterRecord& record, const std::string& file);

// A UTF-8 text as a JSON string, quotes and escapes included.
std::string jsonQuoted(std::string_view utf8);

} // namespace cli

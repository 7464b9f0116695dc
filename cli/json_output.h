#pragma once

#include "npf/character_record.h"

#include <string>
#include <string_view>

namespace cli {

// One JSON object keyed by the record's field names; the text is pretty-printed.
std::string jsonOf(const npf::CharacterRecord& record);

// A UTF-8 text as a JSON string, quotes and escapes included.
std::string jsonQuoted(std::string_view utf8);

} // namespace cli

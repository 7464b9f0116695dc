#pragma once

#include "npf/character_record.h"

#include <string>
#include <vector>

namespace cli {

// One "name: old -> new" line for each field whose stored value differs.
std::vector<std::string> differencesBetween(const npf::CharacterRecord& from, const npf::CharacterRecord& to);

} // namespace cli

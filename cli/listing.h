#pragma once

#include "npf/character_record.h"

#include <string>

namespace cli {

// The fifty-one fields, one aligned "name  value" line each, values as the
// editor shows them and with the names of race, model and flags.
std::string listingOf(const npf::CharacterRecord& record);

} // namespace cli

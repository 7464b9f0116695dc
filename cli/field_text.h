#pragma once

#include "editing/actor_flags.h"
#include "npf/character_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Thirty-two bits as "0x" and eight lower-case hex digits.
std::string hexText(std::uint32_t bits);

// A float's bit pattern as "0x" and eight lower-case hex digits, the form that
// scripts hand back to set for values a decimal cannot carry.
std::string bitsText(npf::FloatBits value);
std::optional<npf::FloatBits> parseBitsText(std::string_view text);

// The shortest decimal that reads back to the same float, or "nan", "inf", "-inf".
std::string exactRealText(npf::FloatBits value);

// The name a flag goes by on the command line: its label in the flag list, or
// "bit N" for the four rows whose label is blank.
std::string flagName(int bit);
// The bit of a flag name ("bit N" names any bit); letters match in either case.
std::optional<int> findFlag(std::string_view name);
std::vector<std::string> flagNamesOf(editing::ActorFlags flags);

// Names typed on the command line match whatever the case of their ASCII letters.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The fifty-one fields, one aligned "name  value" line each, values as the
// editor shows them and with the names of race, model and flags.
std::string listingOf(const npf::CharacterRecord& record);

// One JSON object keyed by the record's field names; the text is pretty-printed.
std::string jsonOf(const npf::CharacterRecord& record);

// One "name: old -> new" line for each field whose stored value differs.
std::vector<std::string> differencesBetween(const npf::CharacterRecord& from, const npf::CharacterRecord& to);

} // namespace cli

#pragma once

#include "actor_flags.h"
#include "messages.h"
#include "npf/character_record.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace editing {

// The entries of the Race list; an entry's index is the race value it stands for.
// The window shows them translated; veyrith-npf reads and writes them as they are.
inline constexpr std::array<std::string_view, 5> raceEntries{
    VEYRITH_TRANSLATE_NOOP("editing::messages", "0 - Vampire"),
    VEYRITH_TRANSLATE_NOOP("editing::messages", "1 - Ghoul"),
    VEYRITH_TRANSLATE_NOOP("editing::messages", "2 - Human"),
    VEYRITH_TRANSLATE_NOOP("editing::messages", "3 - Monster"),
    VEYRITH_TRANSLATE_NOOP("editing::messages", "4 - Lupine"),
};
// The extra entry that stands for a race outside the list.
inline constexpr std::string_view unknownRaceEntry = VEYRITH_TRANSLATE_NOOP("editing::messages", "Unknown");

// An entry's race name alone, without its number ("Vampire").
constexpr std::string_view raceNameOf(std::size_t entry)
{
    return raceEntries[entry].substr(raceEntries[entry].find(" - ") + 3);
}

// Whether a race value has an entry of its own in the Race list.
constexpr bool isListedRace(std::int32_t race)
{
    return race >= 0 && race < static_cast<std::int32_t>(raceEntries.size());
}

// Index of a list entry that stands for no choice the editor can map.
inline constexpr int noChoice = -1;

// What the two pages show of a character, each value named after the record
// field it shows. Texts are the file's bytes; reals keep their stored bits.
struct PageValues {
    std::string characterName;
    std::string clanName;
    int raceChoice = noChoice; // index in raceEntries, or any other index for no race
    int modelChoice = noChoice; // ModelTable row, or any other index for no row
    std::string modelId; // shown as it is when no row has it; a save never reads it
    ActorFlags actorFlags = 0;
    std::int32_t cash = 0;

    npf::FloatBits generation;
    npf::FloatBits health;
    npf::FloatBits mana;
    npf::FloatBits blood;
    npf::FloatBits bloodRating;
    npf::FloatBits faith;
    npf::FloatBits humanity;
    std::int32_t totalXp = 0;
    npf::FloatBits strength;
    npf::FloatBits dexterity;
    npf::FloatBits stamina;
    npf::FloatBits perception;
    npf::FloatBits intelligence;
    npf::FloatBits wits;
    npf::FloatBits charisma;
    npf::FloatBits manipulation;
    npf::FloatBits appearance;
    npf::FloatBits soakFire;
    npf::FloatBits soakSun;
    npf::FloatBits soakFaith;
    npf::FloatBits soakCold;
    npf::FloatBits soakElec;
};

// A number a page shows: the record field it comes from and, where the file
// holds the value twice, the copy a save keeps equal to it.
template <class T> struct ShownNumber {
    std::string_view name;
    T PageValues::*value;
    T npf::CharacterRecord::*field;
    T npf::CharacterRecord::*copy;
};

extern const std::array<ShownNumber<std::int32_t>, 2> shownIntegers;
extern const std::array<ShownNumber<npf::FloatBits>, 21> shownReals;

// Loading: the values the pages show for a record.
PageValues pageValuesOf(const npf::CharacterRecord& record);

// Saving: every value the pages show goes into the record, both fields of a
// pair from the one value, with the clan key, the model strings and the flags.
void storePageValues(const PageValues& values, npf::CharacterRecord& record);

// The same, one shown value at a time, for callers that change only some.
void storeCharacterName(const PageValues& values, npf::CharacterRecord& record);
void storeClanName(const PageValues& values, npf::CharacterRecord& record);
void storeRace(const PageValues& values, npf::CharacterRecord& record);
void storeModel(const PageValues& values, npf::CharacterRecord& record);
void storeActorFlags(const PageValues& values, npf::CharacterRecord& record);
template <class T>
void storeNumber(const ShownNumber<T>& number, const PageValues& values, npf::CharacterRecord& record)
{
    record.*number.field = values.*number.value;
    if (number.copy)
        record.*number.copy = values.*number.value;
}

// The value a real field's text stands for, for the editor and veyrith-npf
// alike. A text still exactly as it was shown keeps the value it was shown
// from, so that a save without edits never rounds a stored value to the six
// digits on screen (nor turns a NaN, an infinity or -0 into an error).
std::optional<npf::FloatBits> readRealText(
    std::string_view text, std::string_view shownText, npf::FloatBits shownValue);

} // namespace editing

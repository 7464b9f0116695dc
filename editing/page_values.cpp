#include "page_values.h"

#include "cp1252.h"
#include "model_table.h"
#include "text_conversions.h"

namespace editing {

using npf::CharacterRecord;
using npf::FloatBits;

const std::array<ShownNumber<std::int32_t>, 2> shownIntegers{{
    {"cash", &PageValues::cash, &CharacterRecord::cash, nullptr},
    {"totalXp", &PageValues::totalXp, &CharacterRecord::totalXp, &CharacterRecord::totalXpCopy},
}};

const std::array<ShownNumber<FloatBits>, 21> shownReals{{
    {"generation", &PageValues::generation, &CharacterRecord::generation, nullptr},
    {"health", &PageValues::health, &CharacterRecord::health, &CharacterRecord::healthCopy},
    {"mana", &PageValues::mana, &CharacterRecord::mana, &CharacterRecord::manaCopy},
    {"blood", &PageValues::blood, &CharacterRecord::blood, &CharacterRecord::bloodCopy},
    {"bloodRating", &PageValues::bloodRating, &CharacterRecord::bloodRating, nullptr},
    {"faith", &PageValues::faith, &CharacterRecord::faith, nullptr},
    {"humanity", &PageValues::humanity, &CharacterRecord::humanity, nullptr},
    {"strength", &PageValues::strength, &CharacterRecord::strength, &CharacterRecord::strengthCopy},
    {"dexterity", &PageValues::dexterity, &CharacterRecord::dexterity, &CharacterRecord::dexterityCopy},
    {"stamina", &PageValues::stamina, &CharacterRecord::stamina, &CharacterRecord::staminaCopy},
    {"perception", &PageValues::perception, &CharacterRecord::perception, &CharacterRecord::perceptionCopy},
    {"intelligence", &PageValues::intelligence, &CharacterRecord::intelligence,
        &CharacterRecord::intelligenceCopy},
    {"wits", &PageValues::wits, &CharacterRecord::wits, &CharacterRecord::witsCopy},
    {"charisma", &PageValues::charisma, &CharacterRecord::charisma, &CharacterRecord::charismaCopy},
    {"manipulation", &PageValues::manipulation, &CharacterRecord::manipulation,
        &CharacterRecord::manipulationCopy},
    {"appearance", &PageValues::appearance, &CharacterRecord::appearance, &CharacterRecord::appearanceCopy},
    {"soakFire", &PageValues::soakFire, &CharacterRecord::soakFire, nullptr},
    {"soakSun", &PageValues::soakSun, &CharacterRecord::soakSun, nullptr},
    {"soakFaith", &PageValues::soakFaith, &CharacterRecord::soakFaith, nullptr},
    {"soakCold", &PageValues::soakCold, &CharacterRecord::soakCold, nullptr},
    {"soakElec", &PageValues::soakElec, &CharacterRecord::soakElec, nullptr},
}};

PageValues pageValuesOf(const CharacterRecord& record)
{
    PageValues values;
    values.characterName = record.characterName;
    values.clanName = record.clanName;
    values.raceChoice = isListedRace(record.race) ? record.race : noChoice;
    values.modelChoice = ModelTable::findById(record.modelId).value_or(noChoice);
    values.modelId = record.modelId;
    values.actorFlags = static_cast<ActorFlags>(record.actorFlags);
    for (const auto& number : shownIntegers)
        values.*number.value = record.*number.field;
    for (const auto& number : shownReals)
        values.*number.value = record.*number.field;
    return values;
}

void storeCharacterName(const PageValues& values, CharacterRecord& record)
{
    record.characterName = values.characterName;
    record.characterNameCopy = values.characterName;
}

void storeClanName(const PageValues& values, CharacterRecord& record)
{
    record.clanName = values.clanName;
    record.clanKey = clanKeyOf(values.clanName);
}

void storeRace(const PageValues& values, CharacterRecord& record)
{
    if (isListedRace(values.raceChoice))
        record.race = values.raceChoice;
}

void storeModel(const PageValues& values, CharacterRecord& record)
{
    const ModelRow* row = ModelTable::rowAt(values.modelChoice);
    if (!row)
        return;
    record.modelId = row->modelId;
    record.bodyFile = row->bodyFile;
    record.headFile = row->headFile;
    record.shortCode = row->shortCode;
    record.soundSet = row->soundSet;
}

void storeActorFlags(const PageValues& values, CharacterRecord& record)
{
    record.actorFlags = static_cast<std::int32_t>(values.actorFlags);
}

void storePageValues(const PageValues& values, CharacterRecord& record)
{
    storeCharacterName(values, record);
    storeClanName(values, record);
    storeRace(values, record);
    storeModel(values, record);
    storeActorFlags(values, record);
    for (const auto& number : shownIntegers)
        storeNumber(number, values, record);
    for (const auto& number : shownReals)
        storeNumber(number, values, record);
}

std::optional<FloatBits> readRealText(std::string_view text, std::string_view shownText, FloatBits shownValue)
{
    if (text == shownText)
        return shownValue;
    const auto value = parseReal(text);
    if (!value)
        return std::nullopt;
    return FloatBits::fromValue(*value);
}

} // namespace editing

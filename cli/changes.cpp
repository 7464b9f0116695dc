#include "changes.h"

#include "field_text.h"

#include "editing/cp1252.h"
#include "editing/messages.h"
#include "editing/model_table.h"
#include "editing/text_conversions.h"
#include "npf/npf_layout.h"
#include "npf/overloaded.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

namespace cli {

namespace {

using editing::PageValues;
using npf::CharacterRecord;

constexpr std::string_view raceName = "race";
constexpr std::string_view modelName = "model";
constexpr std::string_view flagsName = "actorFlags";

// Each text with the save step that also fills what derives from it.
struct TextField {
    std::string_view name;
    std::string PageValues::*value;
    void (*store)(const PageValues&, CharacterRecord&);
};
constexpr std::array<TextField, 2> textFields{{
    {"characterName", &PageValues::characterName, editing::storeCharacterName},
    {"clanName", &PageValues::clanName, editing::storeClanName},
}};

ParsedChange rejected(std::string_view field, std::string_view message)
{
    return {std::nullopt, std::string(field) + ": " + std::string(message)};
}

std::string tooLongMessage()
{
    std::string message = editing::messages::textTooLong;
    message.replace(message.find("%1"), 2, std::to_string(npf::textWidth));
    return message;
}

std::string raceMessage()
{
    return std::string(raceName) + ": Please enter a race from 0 to "
        + std::to_string(editing::raceEntries.size() - 1) + " or its name.";
}

std::string modelMessage(std::string_view text)
{
    return std::string(modelName) + ": Unknown model \"" + std::string(text)
        + "\"; veyrith-npf models lists the known ones.";
}

ParsedChange parseText(const TextField& field, std::string_view value)
{
    auto bytes = editing::bytesFromUtf8(value);
    if (!bytes)
        return rejected(field.name, "Windows-1252 cannot hold some characters of this text.");
    if (bytes->size() > npf::textWidth)
        return rejected(field.name, tooLongMessage());
    return {TextChange{field.value, field.store, std::move(*bytes)}, {}};
}

ParsedChange parseRace(std::string_view value)
{
    if (const auto race = editing::parseInteger(value))
        return {RaceChange{*race}, {}};
    for (std::size_t i = 0; i < editing::raceEntries.size(); ++i) {
        const std::string_view entry = editing::raceEntries[i];
        const std::string_view name = entry.substr(entry.find(" - ") + 3);
        if (equalIgnoringCase(value, entry) || equalIgnoringCase(value, name))
            return {RaceChange{static_cast<std::int32_t>(i)}, {}};
    }
    return {std::nullopt, raceMessage()};
}

ParsedChange parseModel(std::string_view value)
{
    const auto& rows = editing::ModelTable::rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (equalIgnoringCase(value, rows[i].displayName))
            return {ModelChange{static_cast<int>(i), std::string(rows[i].modelId)}, {}};
    }
    if (const auto row = editing::ModelTable::findById(value))
        return {ModelChange{*row, std::string(value)}, {}};
    auto bytes = editing::bytesFromUtf8(value);
    if (!bytes)
        return {std::nullopt, modelMessage(value)};
    return {ModelChange{std::nullopt, std::move(*bytes)}, {}};
}

// Decimal (the signed value the file holds, or the unsigned bit set) or 0x hex.
std::optional<editing::ActorFlags> parseFlags(std::string_view value)
{
    const char* const end = value.data() + value.size();
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        editing::ActorFlags flags = 0;
        const auto [stop, error] = std::from_chars(value.data() + 2, end, flags, 16);
        if (error != std::errc{} || stop != end)
            return std::nullopt;
        return flags;
    }
    std::int64_t number = 0;
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (error != std::errc{} || stop != end || value.empty())
        return std::nullopt;
    if (number < std::numeric_limits<std::int32_t>::min()
        || number > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<editing::ActorFlags>(number);
}

ParsedChange parseFlagsValue(std::string_view value)
{
    if (const auto flags = parseFlags(value))
        return {FlagsChange{*flags}, {}};
    return rejected(flagsName, "Please enter a decimal or 0x hexadecimal number of 32 bits.");
}

ParsedChange parseToggle(std::string_view argument)
{
    const bool set = argument.front() == '+';
    const std::string_view name = argument.substr(1);
    if (const auto bit = findFlag(name))
        return {FlagToggle{*bit, set}, {}};
    if (argument.starts_with("--"))
        return {std::nullopt, "Unknown option: " + std::string(argument)};
    return {std::nullopt, "Unknown flag: " + std::string(name) + " (veyrith-npf flags lists them)"};
}

ParsedChange parseAssignment(std::string_view name, std::string_view value)
{
    for (const TextField& field : textFields) {
        if (name == field.name)
            return parseText(field, value);
    }
    if (name == raceName)
        return parseRace(value);
    if (name == modelName)
        return parseModel(value);
    if (name == flagsName)
        return parseFlagsValue(value);
    for (const auto& number : editing::shownIntegers) {
        if (name != number.name)
            continue;
        if (const auto integer = editing::parseInteger(value))
            return {IntegerChange{&number, *integer}, {}};
        return rejected(name, editing::messages::notAnInteger);
    }
    for (const auto& number : editing::shownReals) {
        if (name != number.name)
            continue;
        if (const auto bits = parseBitsText(value))
            return {RealChange{&number, *bits}, {}};
        if (const auto real = editing::parseReal(value))
            return {RealChange{&number, npf::FloatBits::fromValue(*real)}, {}};
        return rejected(name, editing::messages::notANumber);
    }
    return {std::nullopt,
        "Unknown field: " + std::string(name) + " (the fields are " + settableFieldNames() + ")"};
}

void restoreModel(const CharacterRecord& from, CharacterRecord& to)
{
    to.modelId = from.modelId;
    to.bodyFile = from.bodyFile;
    to.headFile = from.headFile;
    to.shortCode = from.shortCode;
    to.soundSet = from.soundSet;
}

} // namespace

ParsedChange parseChange(std::string_view argument)
{
    if (argument.starts_with('+') || argument.starts_with('-'))
        return parseToggle(argument);
    const auto equals = argument.find('=');
    if (equals == std::string_view::npos)
        return {std::nullopt, "Expected FIELD=VALUE, +FLAG or -FLAG, not: " + std::string(argument)};
    return parseAssignment(argument.substr(0, equals), argument.substr(equals + 1));
}

std::string settableFieldNames()
{
    std::string names;
    for (const TextField& field : textFields)
        names += std::string(field.name) + ", ";
    names += std::string(raceName) + ", " + std::string(modelName) + ", " + std::string(flagsName);
    for (const auto& number : editing::shownIntegers)
        names += ", " + std::string(number.name);
    for (const auto& number : editing::shownReals)
        names += ", " + std::string(number.name);
    return names;
}

std::optional<std::string> applyChanges(std::span<const Change> changes, CharacterRecord& record)
{
    CharacterRecord changed = record;
    PageValues values = editing::pageValuesOf(record);
    for (const Change& change : changes) {
        std::optional<std::string> error;
        std::visit(npf::Overloaded{
                       [&](const TextChange& text) {
                           values.*text.value = text.bytes;
                           text.store(values, changed);
                       },
                       [&](const RaceChange& race) {
                           values.raceChoice = race.race;
                           editing::storeRace(values, changed);
                           // A race outside the list survives as read, like the
                           // editor's "Unknown" entry; any other is refused.
                           if (changed.race != race.race) {
                               if (race.race == record.race)
                                   changed.race = record.race;
                               else
                                   error = raceMessage();
                           }
                       },
                       [&](const ModelChange& model) {
                           if (model.row) {
                               values.modelChoice = *model.row;
                               editing::storeModel(values, changed);
                           } else if (model.modelId == record.modelId) {
                               // The editor's extra entry for an identifier it does not know.
                               values.modelChoice = editing::noChoice;
                               restoreModel(record, changed);
                           } else {
                               error = modelMessage(editing::utf8FromBytes(model.modelId));
                           }
                       },
                       [&](const FlagsChange& flags) {
                           values.actorFlags = flags.flags;
                           editing::storeActorFlags(values, changed);
                       },
                       [&](const FlagToggle& toggle) {
                           const editing::ActorFlags bit = editing::actorFlagBit(toggle.bit);
                           values.actorFlags
                               = toggle.set ? (values.actorFlags | bit) : (values.actorFlags & ~bit);
                           editing::storeActorFlags(values, changed);
                       },
                       [&](const IntegerChange& integer) {
                           values.*integer.number->value = integer.value;
                           editing::storeNumber(*integer.number, values, changed);
                       },
                       [&](const RealChange& real) {
                           values.*real.number->value = real.value;
                           editing::storeNumber(*real.number, values, changed);
                       },
                   },
            change);
        if (error)
            return error;
    }
    record = std::move(changed);
    return std::nullopt;
}

} // namespace cli

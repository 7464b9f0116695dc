#include "changes.h"

#include "field_text.h"
#include "messages.h"
#include "number_hints.h"

#include "editing/cp1252.h"
#include "editing/messages.h"
#include "editing/model_table.h"
#include "editing/text_conversions.h"
#include "npf/npf_layout.h"
#include "npf/overloaded.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <functional>
#include <limits>
#include <system_error>
#include <vector>

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

ParsedChange rejected(std::string message)
{
    return {std::nullopt, std::move(message)};
}

// The editor's words for a refused number, then the tool's reason when it has one.
std::string refusedNumber(std::string_view field, std::string_view editorMessage, const std::string& why)
{
    return messages::about(field, editorMessage) + (why.empty() ? "" : " " + why);
}

ParsedChange parseText(const TextField& field, std::string_view value)
{
    auto bytes = editing::bytesFromUtf8(value);
    if (!bytes)
        return rejected(messages::about(field.name, messages::notWindows1252));
    if (bytes->size() > npf::textWidth)
        return rejected(messages::about(field.name, editing::messages::textTooLong));
    return {TextChange{field.value, field.store, std::move(*bytes)}, {}};
}

ParsedChange parseRace(std::string_view value)
{
    if (const auto race = editing::parseInteger(value))
        return {RaceChange{*race}, {}};
    for (std::size_t i = 0; i < editing::raceEntries.size(); ++i) {
        if (editing::equalIgnoringCase(value, editing::raceEntries[i])
            || editing::equalIgnoringCase(value, editing::raceNameOf(i)))
            return {RaceChange{static_cast<std::int32_t>(i)}, {}};
    }
    return rejected(messages::raceRefused(raceName));
}

// A model that is no row, with the display names and identifiers nearest to it.
std::string unknownModel(std::string_view typed)
{
    std::vector<std::string_view> names;
    for (const editing::ModelRow& row : editing::ModelTable::rows())
        names.insert(names.end(), {row.displayName, row.modelId});
    return messages::unknownModel(modelName, typed, nearestNames(typed, names));
}

// A display name in any letter case, an identifier exactly as the table has it,
// or a row's index. Any other text can only be the stored identifier, which the
// editor keeps as its extra entry; that takes the same bytes, letter case included.
ParsedChange parseModel(std::string_view value)
{
    const auto& rows = editing::ModelTable::rows();
    const auto row = [&](int index) {
        return ParsedChange{ModelChange{index, std::string(rows[index].modelId)}, {}};
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (editing::equalIgnoringCase(value, rows[i].displayName))
            return row(static_cast<int>(i));
    }
    if (const auto index = editing::ModelTable::findById(value))
        return row(*index);
    if (const auto index = editing::parseInteger(value); index && editing::ModelTable::rowAt(*index))
        return row(*index);
    auto bytes = editing::bytesFromUtf8(value);
    if (!bytes)
        return rejected(unknownModel(value));
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

ParsedChange parseToggle(std::string_view argument)
{
    const bool set = argument.front() == '+';
    const std::string_view name = argument.substr(1);
    if (const auto bit = editing::findActorFlag(name))
        return {FlagToggle{*bit, set}, {}};
    if (argument.starts_with("--"))
        return rejected(messages::unknownOption(argument));
    std::vector<std::string> flags;
    for (int bit = 0; bit < editing::actorFlagCount; ++bit)
        flags.push_back(editing::actorFlagName(bit));
    const std::vector<std::string_view> names(flags.begin(), flags.end());
    return rejected(messages::unknownFlag(name, nearestNames(name, names)));
}

std::vector<std::string_view> settableNames()
{
    std::vector<std::string_view> names;
    for (const TextField& field : textFields)
        names.push_back(field.name);
    names.insert(names.end(), {raceName, modelName, flagsName});
    for (const auto& number : editing::shownIntegers)
        names.push_back(number.name);
    for (const auto& number : editing::shownReals)
        names.push_back(number.name);
    return names;
}

// A value for a field named exactly as set knows it.
ParsedChange parseNamed(std::string_view name, std::string_view value)
{
    for (const TextField& field : textFields) {
        if (name == field.name)
            return parseText(field, value);
    }
    if (name == raceName)
        return parseRace(value);
    if (name == modelName)
        return parseModel(value);
    if (name == flagsName) {
        if (const auto flags = parseFlags(value))
            return {FlagsChange{*flags}, {}};
        return rejected(messages::about(flagsName, messages::notFlags));
    }
    for (const auto& number : editing::shownIntegers) {
        if (name != number.name)
            continue;
        if (const auto integer = editing::parseInteger(value))
            return {IntegerChange{&number, *integer, clampedNote(name, value)}, {}};
        return rejected(refusedNumber(name, editing::messages::notAnInteger, whyIntegerRefused(value)));
    }
    for (const auto& number : editing::shownReals) {
        if (name != number.name)
            continue;
        // Whether a text shown for some stored value stands for that value
        // can only be told with the file; any other text is checked now.
        const auto bits = parseBitsText(value);
        if (!bits && !editing::parseReal(value) && !editing::showsUntypableReal(value))
            return rejected(refusedNumber(name, editing::messages::notANumber, whyRealRefused(value)));
        return {RealChange{&number, bits, std::string(value)}, {}};
    }
    return rejected(messages::unknownField(name, settableNames()));
}

ParsedChange parseAssignment(std::string_view typedName, std::string_view value)
{
    const ResolvedField field = resolveFieldName(typedName, settableFields());
    if (!field.name)
        return rejected(field.error);
    return parseNamed(*field.name, value);
}

// The record fields whose bytes a change of the field writes, found by making
// one on an empty record, so that they always follow what a change does.
std::vector<std::string_view> fieldsWrittenBy(std::string_view name)
{
    const std::string_view value = name == modelName ? editing::ModelTable::rows().front().modelId : "1";
    const ParsedChange probe = parseNamed(name, value);
    CharacterRecord before;
    CharacterRecord after;
    const bool applied = probe.change && !applyChanges({&*probe.change, 1}, after);
    assert(applied && "the probe of every settable field is a change it takes");
    (void)applied;
    std::vector<std::string_view> written;
    std::array<char, npf::textWidth> a{};
    std::array<char, npf::textWidth> b{};
    for (const npf::FieldLayout& field : npf::npfFields) {
        npf::encodeField(field, before, a);
        npf::encodeField(field, after, b);
        if (a != b)
            written.push_back(field.name);
    }
    return written;
}

} // namespace

bool looksLikeChange(std::string_view argument)
{
    return argument.starts_with('+') || argument.starts_with('-')
        || argument.find('=') != std::string_view::npos;
}

ParsedChange parseChange(std::string_view argument)
{
    if (!looksLikeChange(argument))
        return rejected(messages::notAChange(argument));
    if (argument.starts_with('+') || argument.starts_with('-'))
        return parseToggle(argument);
    const auto equals = argument.find('=');
    return parseAssignment(argument.substr(0, equals), argument.substr(equals + 1));
}

std::span<const SettableField> settableFields()
{
    static const std::vector<SettableField> fields = [] {
        std::vector<SettableField> all;
        for (const std::string_view name : settableNames())
            all.push_back({name, fieldsWrittenBy(name)});
        return all;
    }();
    return fields;
}

std::string settableFieldNames()
{
    const auto names = settableNames();
    return joined({names.begin(), names.end()}, ", ");
}

std::vector<std::string> notesOn(std::span<const Change> changes)
{
    std::vector<std::string> notes;
    for (auto change = changes.begin(); change != changes.end(); ++change) {
        const auto* integer = std::get_if<IntegerChange>(&*change);
        if (!integer || !integer->clampedNote)
            continue;
        const bool replaced = std::any_of(std::next(change), changes.end(), [&](const Change& later) {
            const auto* other = std::get_if<IntegerChange>(&later);
            return other && other->number == integer->number;
        });
        if (!replaced)
            notes.push_back(*integer->clampedNote);
    }
    return notes;
}

std::optional<std::string> applyChanges(std::span<const Change> changes, CharacterRecord& record)
{
    // The pages as a load leaves them, edited by each change in turn; Save's
    // steps for the values named run once all changes are accepted.
    const PageValues shown = editing::pageValuesOf(record);
    PageValues values = shown;
    std::vector<std::function<void(const PageValues&, CharacterRecord&)>> saveSteps;
    for (const Change& change : changes) {
        std::optional<std::string> error;
        std::visit(
            npf::Overloaded{
                [&](const TextChange& text) {
                    values.*text.value = text.bytes;
                    saveSteps.emplace_back(text.store);
                },
                [&](const RaceChange& race) {
                    // A race outside the list may only be the stored one,
                    // which then stays as read, like the editor's "Unknown" entry.
                    if (editing::isListedRace(race.race))
                        values.raceChoice = race.race;
                    else if (race.race == record.race)
                        values.raceChoice = editing::noChoice;
                    else
                        error = messages::raceRefused(raceName);
                    saveSteps.emplace_back(editing::storeRace);
                },
                [&](const ModelChange& model) {
                    // Likewise a model identifier the table does not know.
                    if (model.row)
                        values.modelChoice = *model.row;
                    else if (model.modelId == record.modelId)
                        values.modelChoice = editing::noChoice;
                    else
                        error = unknownModel(editing::utf8FromBytes(model.modelId));
                    saveSteps.emplace_back(editing::storeModel);
                },
                [&](const FlagsChange& flags) {
                    values.actorFlags = flags.flags;
                    saveSteps.emplace_back(editing::storeActorFlags);
                },
                [&](const FlagToggle& toggle) {
                    const editing::ActorFlags bit = editing::actorFlagBit(toggle.bit);
                    values.actorFlags = toggle.set ? (values.actorFlags | bit) : (values.actorFlags & ~bit);
                    saveSteps.emplace_back(editing::storeActorFlags);
                },
                [&](const IntegerChange& integer) {
                    values.*integer.number->value = integer.value;
                    saveSteps.emplace_back([number = integer.number](const auto& v, auto& r) {
                        editing::storeNumber(*number, v, r);
                    });
                },
                [&](const RealChange& real) {
                    const npf::FloatBits stored = shown.*real.number->value;
                    const auto value = real.bits
                        ? real.bits
                        : editing::readRealText(real.text, editing::formatReal(stored.value()), stored);
                    if (!value) {
                        error = refusedNumber(
                            real.number->name, editing::messages::notANumber, whyRealRefused(real.text));
                        return;
                    }
                    values.*real.number->value = *value;
                    saveSteps.emplace_back([number = real.number](const auto& v, auto& r) {
                        editing::storeNumber(*number, v, r);
                    });
                },
            },
            change);
        if (error)
            return error;
    }
    for (const auto& step : saveSteps)
        step(values, record);
    return std::nullopt;
}

} // namespace cli

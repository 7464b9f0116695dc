#include "field_text.h"

#include "editing/cp1252.h"
#include "editing/model_table.h"
#include "editing/page_values.h"
#include "editing/text_conversions.h"
#include "npf/npf_layout.h"
#include "npf/overloaded.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace cli {

namespace {

using npf::CharacterRecord;
using npf::FieldLayout;
using npf::FloatBits;
using Json = nlohmann::ordered_json;

constexpr std::string_view bitPrefix = "bit ";

// Dumping never throws on bad UTF-8; our texts are valid UTF-8 anyway.
std::string dumpJson(const Json& json, int indent = -1)
{
    return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

bool isField(const FieldLayout& field, std::int32_t CharacterRecord::*member)
{
    const auto* integer = std::get_if<std::int32_t CharacterRecord::*>(&field.member);
    return integer && *integer == member;
}

bool isField(const FieldLayout& field, std::string CharacterRecord::*member)
{
    const auto* text = std::get_if<std::string CharacterRecord::*>(&field.member);
    return text && *text == member;
}

char lowerAscii(char character)
{
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a') : character;
}

std::string joined(const std::vector<std::string>& pieces, std::string_view separator)
{
    std::string text;
    for (const auto& piece : pieces) {
        if (!text.empty())
            text += separator;
        text += piece;
    }
    return text;
}

// A text both as typed into set and as parsed by a script's JSON reader
// (through a double) must come back as the very same float.
bool readsBackExactly(const std::string& text, FloatBits value)
{
    const auto typed = editing::parseReal(text);
    if (!typed || FloatBits::fromValue(*typed) != value)
        return false;
    double wide = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, wide);
    return error == std::errc{} && stop == end && FloatBits::fromValue(static_cast<float>(wide)) == value;
}

std::string raceText(std::int32_t race)
{
    const bool listed = race >= 0 && race < static_cast<int>(editing::raceEntries.size());
    return std::string(
        listed ? editing::raceEntries[static_cast<std::size_t>(race)] : editing::unknownRaceEntry);
}

std::string shownText(const FieldLayout& field, const CharacterRecord& record)
{
    return std::visit(npf::Overloaded{
                          [&](std::string CharacterRecord::*member) {
                              std::string text = editing::utf8FromBytes(record.*member);
                              if (isField(field, &CharacterRecord::modelId)) {
                                  if (const auto row = editing::ModelTable::findById(record.modelId))
                                      text += " ("
                                          + std::string(editing::ModelTable::rowAt(*row)->displayName) + ")";
                              }
                              return text;
                          },
                          [&](std::int32_t CharacterRecord::*member) {
                              const std::int32_t value = record.*member;
                              if (isField(field, &CharacterRecord::race))
                                  return editing::formatInteger(value) + " (" + raceText(value) + ")";
                              if (isField(field, &CharacterRecord::actorFlags)) {
                                  const auto flags = static_cast<editing::ActorFlags>(value);
                                  std::string text = std::to_string(flags) + " (" + hexText(flags) + ")";
                                  const auto names = flagNamesOf(flags);
                                  return names.empty() ? text : text + ": " + joined(names, ", ");
                              }
                              return editing::formatInteger(value);
                          },
                          [&](FloatBits CharacterRecord::*member) {
                              const FloatBits value = record.*member;
                              std::string text = editing::formatReal(value.value());
                              if (!std::isfinite(value.value()))
                                  text += " (" + bitsText(value) + ")";
                              return text;
                          },
                      },
        field.member);
}

// The unambiguous form diff compares by: texts quoted, every float exact.
std::string exactText(const FieldLayout& field, const CharacterRecord& record)
{
    return std::visit(npf::Overloaded{
                          [&](std::string CharacterRecord::*member) {
                              return dumpJson(Json(editing::utf8FromBytes(record.*member)));
                          },
                          [&](std::int32_t CharacterRecord::*member) {
                              if (isField(field, &CharacterRecord::actorFlags))
                                  return hexText(static_cast<std::uint32_t>(record.*member));
                              return editing::formatInteger(record.*member);
                          },
                          [&](FloatBits CharacterRecord::*member) {
                              const FloatBits value = record.*member;
                              std::string text = exactRealText(value);
                              if (!std::isfinite(value.value()))
                                  text += " (" + bitsText(value) + ")";
                              return text;
                          },
                      },
        field.member);
}

void addReal(Json& object, const std::string& name, FloatBits value)
{
    if (std::isfinite(value.value())) {
        const std::string shortest = exactRealText(value);
        const char* const end = shortest.data() + shortest.size();
        // A whole number goes in as an integer so that it prints as "60", not "60.0".
        std::int64_t whole = 0;
        const auto [wholeEnd, wholeError] = std::from_chars(shortest.data(), end, whole);
        if (wholeError == std::errc{} && wholeEnd == end && shortest != "-0") {
            object[name] = whole;
        } else {
            double wide = 0;
            std::from_chars(shortest.data(), end, wide);
            object[name] = wide;
        }
        if (readsBackExactly(dumpJson(object[name]), value))
            return;
    } else {
        object[name] = exactRealText(value);
    }
    object[name + "Bits"] = bitsText(value);
}

} // namespace

std::string hexText(std::uint32_t bits)
{
    std::array<char, 16> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "0x%08x", bits);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string bitsText(FloatBits value)
{
    return hexText(value.bits);
}

std::optional<FloatBits> parseBitsText(std::string_view text)
{
    constexpr std::size_t digitCount = 8;
    if (text.size() != 2 + digitCount || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    std::uint32_t bits = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + 2, end, bits, 16);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return FloatBits{bits};
}

std::string exactRealText(FloatBits value)
{
    const float real = value.value();
    if (std::isnan(real))
        return "nan";
    if (std::isinf(real))
        return real < 0 ? "-inf" : "inf";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), real);
    return std::string(buffer.data(), result.ptr);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string flagName(int bit)
{
    const std::string_view label = editing::actorFlagLabels[static_cast<std::size_t>(bit)];
    if (label.find_first_not_of(' ') == std::string_view::npos)
        return std::string(bitPrefix) + std::to_string(bit);
    return std::string(label);
}

std::optional<int> findFlag(std::string_view name)
{
    for (int bit = 0; bit < editing::actorFlagCount; ++bit) {
        if (equalIgnoringCase(name, flagName(bit)))
            return bit;
    }
    if (name.size() > bitPrefix.size() && equalIgnoringCase(name.substr(0, bitPrefix.size()), bitPrefix)) {
        int bit = -1;
        const char* const end = name.data() + name.size();
        const auto [stop, error] = std::from_chars(name.data() + bitPrefix.size(), end, bit);
        if (error == std::errc{} && stop == end && bit >= 0 && bit < editing::actorFlagCount)
            return bit;
    }
    return std::nullopt;
}

std::vector<std::string> flagNamesOf(editing::ActorFlags flags)
{
    std::vector<std::string> names;
    for (int bit = 0; bit < editing::actorFlagCount; ++bit) {
        if (flags & editing::actorFlagBit(bit))
            names.push_back(flagName(bit));
    }
    return names;
}

std::string listingOf(const CharacterRecord& record)
{
    std::size_t width = 0;
    for (const FieldLayout& field : npf::npfFields)
        width = std::max(width, field.name.size());
    std::string listing;
    for (const FieldLayout& field : npf::npfFields) {
        listing += field.name;
        listing.append(width + 2 - field.name.size(), ' ');
        listing += shownText(field, record);
        listing += '\n';
    }
    return listing;
}

std::string jsonOf(const CharacterRecord& record)
{
    Json object = Json::object();
    for (const FieldLayout& field : npf::npfFields) {
        const std::string name(field.name);
        std::visit(npf::Overloaded{
                       [&](std::string CharacterRecord::*member) {
                           object[name] = editing::utf8FromBytes(record.*member);
                       },
                       [&](std::int32_t CharacterRecord::*member) {
                           if (isField(field, &CharacterRecord::actorFlags)) {
                               const auto flags = static_cast<editing::ActorFlags>(record.*member);
                               object[name] = flags;
                               object["actorFlagLabels"] = flagNamesOf(flags);
                           } else {
                               object[name] = record.*member;
                           }
                       },
                       [&](FloatBits CharacterRecord::*member) { addReal(object, name, record.*member); },
                   },
            field.member);
    }
    return dumpJson(object, 2) + '\n';
}

std::vector<std::string> differencesBetween(const CharacterRecord& from, const CharacterRecord& to)
{
    std::vector<std::string> lines;
    for (const FieldLayout& field : npf::npfFields) {
        const std::string before = exactText(field, from);
        const std::string after = exactText(field, to);
        if (before == after)
            continue;
        std::string line = std::string(field.name) + ": " + before + " -> " + after;
        if (isField(field, &CharacterRecord::actorFlags)) {
            const auto old = static_cast<editing::ActorFlags>(from.actorFlags);
            const auto now = static_cast<editing::ActorFlags>(to.actorFlags);
            std::vector<std::string> toggled;
            for (const auto& name : flagNamesOf(now & ~old))
                toggled.push_back("+" + name);
            for (const auto& name : flagNamesOf(old & ~now))
                toggled.push_back("-" + name);
            line += " (" + joined(toggled, ", ") + ")";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace cli

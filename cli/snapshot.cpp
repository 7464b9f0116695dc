#include "snapshot.h"

#include "field_text.h"
#include "json_output.h"
#include "messages.h"
#include "utf16_text.h"

#include "editing/actor_flags.h"
#include "editing/cp1252.h"
#include "npf/file_system.h"
#include "npf/npf_document.h"
#include "npf/npf_layout.h"
#include "npf/overloaded.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <istream>
#include <limits>
#include <set>

namespace cli {

namespace {

using npf::CharacterRecord;
using npf::FieldLayout;
using npf::FloatBits;
using Json = nlohmann::json;

// A snapshot is about two kilobytes; this leaves room for any indentation.
constexpr std::size_t largestSnapshot = 1 << 20;

bool isFloatField(const FieldLayout& field)
{
    return std::holds_alternative<FloatBits CharacterRecord::*>(field.member);
}

bool isKnownKey(const std::string& key)
{
    for (const FieldLayout& field : npf::npfFields) {
        if (key == field.name
            || (isFloatField(field) && key == std::string(field.name) + std::string(bitsSuffix)))
            return true;
    }
    return key == labelsKey || key == fileKey;
}

// A JSON whole number as a 64-bit integer; nothing for fractions and for
// numbers too large for it.
std::optional<std::int64_t> wholeOf(const Json& value)
{
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return std::nullopt;
        return static_cast<std::int64_t>(number);
    }
    if (value.is_number_integer())
        return value.get<std::int64_t>();
    return std::nullopt;
}

// A whole number for an integer field, also when written with a fraction of
// zero (2400.0, as some scripts write every number); 2400.5 is none.
std::optional<std::int64_t> integralOf(const Json& value)
{
    if (!value.is_number_float())
        return wholeOf(value);
    const double number = value.get<double>();
    constexpr double beyondInt64 = 0x1p63;
    if (!(std::fabs(number) < beyondInt64) || std::trunc(number) != number)
        return std::nullopt;
    return static_cast<std::int64_t>(number);
}

// A JSON number as the float a script's reader gets through a double, which
// is how show checks that its decimals read back. Nothing past the largest
// float: a double there rounds to infinity, which a decimal cannot stand for.
std::optional<FloatBits> floatOf(const Json& number)
{
    if (const auto whole = wholeOf(number))
        return FloatBits::fromValue(static_cast<float>(*whole));
    const double wide = number.get<double>();
    constexpr double roundsToInfinity = 0x1.ffffffp127; // halfway from the largest float to 2^128
    if (!(std::fabs(wide) < roundsToInfinity))
        return std::nullopt;
    constexpr double largest = std::numeric_limits<float>::max();
    return FloatBits::fromValue(
        static_cast<float>(std::fabs(wide) > largest ? std::copysign(largest, wide) : wide));
}

// The decimal show prints beside the bits: the shortest that reads back to the
// float, which for a few floats (7.038531e-26) reads through a double as a neighbour.
bool isShownDecimal(const Json& value, FloatBits bits)
{
    const std::string shown = exactRealText(bits);
    double wide = 0;
    const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), wide);
    return error == std::errc{}
    && std::bit_cast<std::uint64_t>(wide) == std::bit_cast<std::uint64_t>(value.get<double>());
}

std::optional<std::string> readText(const std::string& name, const Json& value, std::string& into)
{
    if (!value.is_string())
        return messages::about(name, messages::notText);
    auto bytes = editing::bytesFromUtf8(value.get_ref<const std::string&>());
    if (!bytes)
        return messages::about(name, messages::notWindows1252);
    if (bytes->find('\0') != std::string::npos)
        return messages::about(name, messages::zeroCharacter);
    if (bytes->size() > npf::textWidth)
        return messages::about(name, messages::longerThanText());
    into = std::move(*bytes);
    return std::nullopt;
}

// actorFlags holds the unsigned number show prints; the others are signed.
std::optional<std::string> readInteger(
    const std::string& name, const Json& value, bool flags, std::int32_t& into)
{
    const auto whole = integralOf(value);
    const std::int64_t lowest = flags ? 0 : std::numeric_limits<std::int32_t>::min();
    const std::int64_t highest
        = flags ? std::numeric_limits<std::uint32_t>::max() : std::numeric_limits<std::int32_t>::max();
    if (!whole || *whole < lowest || *whole > highest)
        return messages::about(name, flags ? messages::notUnsigned : messages::notInteger);
    into = static_cast<std::int32_t>(static_cast<std::uint32_t>(*whole));
    return std::nullopt;
}

// The decimal, or the string show prints for a value no decimal carries, and
// the bits when given: with both, they must name the same float.
std::optional<std::string> readReal(const std::string& name, const Json& snapshot, FloatBits& into)
{
    const Json& value = snapshot.at(name);
    std::optional<FloatBits> bits;
    const std::string bitsKey = name + std::string(bitsSuffix);
    if (const auto given = snapshot.find(bitsKey); given != snapshot.end()) {
        if (given->is_string())
            bits = parseBitsText(given->get_ref<const std::string&>());
        if (!bits)
            return messages::notBits(name);
    }
    std::optional<FloatBits> decimal;
    if (value.is_number()) {
        decimal = floatOf(value);
        if (!decimal)
            return messages::about(name, messages::outOfFloatRange);
    } else if (!bits || (value != "nan" && value != "inf" && value != "-inf")) {
        return messages::notReal(name);
    }
    if (!bits) {
        into = *decimal;
        return std::nullopt;
    }
    const bool agree = decimal ? *decimal == *bits || isShownDecimal(value, *bits)
                               : exactRealText(*bits) == value.get_ref<const std::string&>();
    if (!agree)
        return messages::bitsDisagree(name, bitsText(*bits));
    into = *bits;
    return std::nullopt;
}

std::optional<std::string> readField(const FieldLayout& field, const Json& snapshot, CharacterRecord& record)
{
    const std::string name(field.name);
    if (!snapshot.contains(name))
        return messages::about(name, messages::missingKey);
    const Json& value = snapshot.at(name);
    return std::visit(
        npf::Overloaded{
            [&](std::string CharacterRecord::*member) { return readText(name, value, record.*member); },
            [&](std::int32_t CharacterRecord::*member) {
                const bool flags = member == &CharacterRecord::actorFlags;
                return readInteger(name, value, flags, record.*member);
            },
            [&](FloatBits CharacterRecord::*member) { return readReal(name, snapshot, record.*member); },
        },
        field.member);
}

// The labels only describe actorFlags; a list that says otherwise is a hand
// edit gone wrong, and guessing which of the two was meant would be wrong half the time.
std::optional<std::string> checkLabels(const Json& snapshot, const CharacterRecord& record)
{
    const auto labels = snapshot.find(labelsKey);
    if (labels == snapshot.end())
        return std::nullopt;
    const std::string name(labelsKey);
    if (!labels->is_array())
        return messages::about(name, messages::notLabels);
    std::vector<std::string> listed;
    for (const Json& label : *labels) {
        if (!label.is_string())
            return messages::about(name, messages::notLabels);
        listed.push_back(label.get<std::string>());
    }
    const auto expected = editing::actorFlagNamesOf(static_cast<editing::ActorFlags>(record.actorFlags));
    if (listed != expected)
        return messages::labelsDisagree(name, expected.empty() ? "none" : joined(expected, ", "));
    return std::nullopt;
}

std::optional<std::string> checkKeys(const Json& snapshot)
{
    for (const auto& [key, value] : snapshot.items()) {
        if (!isKnownKey(key))
            return messages::about(key, messages::unknownKey);
        if (key == fileKey && !value.is_string())
            return messages::about(key, messages::notText);
    }
    return std::nullopt;
}

// How many characters a text holds as JSON Lines (one object a line), or 0
// when it is not that.
std::size_t charactersInLines(std::string_view text)
{
    std::size_t count = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        if (!Json::parse(line, nullptr, false).is_object())
            return 0;
        ++count;
    }
    return count;
}

// Where the parser stopped, as an editor counts: lines and columns from 1.
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view text, std::size_t byte)
{
    const std::string_view before = text.substr(0, byte == 0 ? 0 : byte - 1);
    const auto line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    return {line, byte - lineStart};
}

// The parser's own words for the fault, without its position, which it counts its own way.
std::string faultOf(const Json::parse_error& error)
{
    const std::string_view what = error.what();
    const auto column = what.find(", column ");
    const auto words = column == std::string_view::npos ? column : what.find(": ", column);
    return words == std::string_view::npos ? std::string() : std::string(what.substr(words + 2));
}

} // namespace

SnapshotText loadSnapshotText(const std::string& source, std::istream& standardInput)
{
    std::ifstream file;
    if (source != "-") {
        // A pipe may stand for a snapshot ("restore <(...) hero.npf"), so only these faults stop it.
        const std::filesystem::path path = npf::pathFromUtf8(source);
        using npf::FileFault;
        if (const FileFault fault = npf::factsOf(path).fault;
            fault == FileFault::missing || fault == FileFault::folder || fault == FileFault::accessDenied)
            return {std::nullopt, messages::about(source, messages::fileFault(fault, false))};
        file.open(npf::systemPathOf(path), std::ios::binary);
    }
    std::istream& in = source == "-" ? standardInput : file;
    if (source != "-" && !file.is_open())
        return {std::nullopt, messages::about(source, messages::snapshotUnreadable)};
    std::string text(largestSnapshot + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad())
        return {std::nullopt, messages::about(source, messages::snapshotUnreadable)};
    text.resize(static_cast<std::size_t>(in.gcount()));
    return {std::move(text), {}};
}

ReadSnapshot readSnapshot(std::string_view bytes, std::string_view name)
{
    if (bytes.size() > largestSnapshot)
        return {std::nullopt, messages::snapshotTooLarge(largestSnapshot)};
    const std::optional<std::string> text = utf8OfMarkedText(bytes);
    if (!text)
        return {std::nullopt, std::string(messages::notUtf16)};

    // The parser keeps the last of two equal keys; a snapshot naming a field
    // twice is refused instead of silently taking one of them.
    std::set<std::string> keys;
    std::string lastKey = "The snapshot";
    std::optional<std::string> repeated;
    const Json::parser_callback_t noteKeys = [&](int depth, Json::parse_event_t event, Json& parsed) {
        if (depth != 1 || event != Json::parse_event_t::key)
            return true;
        lastKey = parsed.get<std::string>();
        if (!keys.insert(lastKey).second && !repeated)
            repeated = lastKey;
        return true;
    };
    Json snapshot;
    try {
        snapshot = Json::parse(*text, noteKeys);
    } catch (const Json::parse_error& error) {
        if (const std::size_t characters = charactersInLines(*text); characters > 1)
            return {std::nullopt, messages::severalCharacters(name, characters)};
        const auto [line, column] = lineAndColumn(*text, error.byte);
        return {std::nullopt, messages::notJson(name, line, column, faultOf(error))};
    } catch (const Json::exception&) { // the parser's one other complaint: a number past any double
        return {std::nullopt, messages::about(lastKey, messages::hugeNumber)};
    }
    if (!snapshot.is_object())
        return {std::nullopt, std::string(messages::notAnObject)};
    if (repeated)
        return {std::nullopt, messages::about(*repeated, messages::givenTwice)};
    if (auto error = checkKeys(snapshot))
        return {std::nullopt, std::move(*error)};

    CharacterRecord record;
    for (const FieldLayout& field : npf::npfFields) {
        if (auto error = readField(field, snapshot, record))
            return {std::nullopt, std::move(*error)};
    }
    if (auto error = checkLabels(snapshot, record))
        return {std::nullopt, std::move(*error)};
    return {std::move(record), {}};
}

} // namespace cli

#include "json_output.h"

#include "field_text.h"

#include "editing/actor_flags.h"
#include "editing/cp1252.h"
#include "editing/text_conversions.h"
#include "npf/overloaded.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace cli {

namespace {

using npf::CharacterRecord;
using npf::FloatBits;
using Json = nlohmann::ordered_json;

// Dumping never throws on bad UTF-8; our texts are valid UTF-8 anyway.
std::string dumpJson(const Json& json, int indent = -1)
{
    return json.dump(indent, ' ', false, Json::error_handler_t::replace);
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

// One key of the object with its value, already as JSON text.
struct Member {
    std::string key;
    std::string value;
};

// Keys are field names and the few of json_output.h: letters and digits,
// which JSON takes inside quotes as they are.
constexpr bool isPlainKey(std::string_view key)
{
    return std::ranges::all_of(key,
        [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}
static_assert(std::ranges::all_of(npf::npfFields, [](const auto& field) { return isPlainKey(field.name); })
        && isPlainKey(bitsSuffix) && isPlainKey(labelsKey) && isPlainKey(fileKey),
    "a key would need escaping");

std::string integerText(std::int64_t value)
{
    std::array<char, 24> buffer{};
    return std::string(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

void addReal(std::vector<Member>& members, const std::string& name, FloatBits value)
{
    if (std::isfinite(value.value())) {
        const std::string shortest = exactRealText(value);
        const char* const end = shortest.data() + shortest.size();
        // A whole number prints as an integer, "60", not "60.0": the shortest
        // text itself. With at most fourteen digits it is exact in a double,
        // so it reads back as it is.
        std::int64_t whole = 0;
        const auto [wholeEnd, wholeError] = std::from_chars(shortest.data(), end, whole);
        if (wholeError == std::errc{} && wholeEnd == end && shortest != "-0") {
            members.push_back({name, shortest});
            return;
        }
        double wide = 0;
        std::from_chars(shortest.data(), end, wide);
        members.push_back({name, dumpJson(wide)});
        if (readsBackExactly(members.back().value, value))
            return;
    } else {
        members.push_back({name, jsonQuoted(exactRealText(value))});
    }
    members.push_back({name + std::string(bitsSuffix), jsonQuoted(bitsText(value))});
}

// The object's keys in output order, each with its value as JSON.
std::vector<Member> membersOf(const CharacterRecord& record)
{
    std::vector<Member> members;
    members.reserve(2 * npf::npfFields.size());
    for (const npf::FieldLayout& field : npf::npfFields) {
        std::string name(field.name);
        std::visit(
            npf::Overloaded{
                [&](std::string CharacterRecord::*member) {
                    members.push_back({std::move(name), jsonQuoted(editing::utf8FromBytes(record.*member))});
                },
                [&](std::int32_t CharacterRecord::*member) {
                    if (isField(field, &CharacterRecord::actorFlags)) {
                        const auto flags = static_cast<editing::ActorFlags>(record.*member);
                        members.push_back({std::move(name), integerText(flags)});
                        members.push_back(
                            {std::string(labelsKey), dumpJson(Json(editing::actorFlagNamesOf(flags)))});
                    } else {
                        members.push_back({std::move(name), integerText(record.*member)});
                    }
                },
                [&](FloatBits CharacterRecord::*member) { addReal(members, name, record.*member); },
            },
            field.member);
    }
    return members;
}

} // namespace

std::string jsonQuoted(std::string_view utf8)
{
    // Printable ASCII stands for itself between quotes, except the quote and
    // the backslash; only other texts need the library's escaping.
    const bool plain
        = std::ranges::all_of(utf8, [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; });
    return plain ? '"' + std::string(utf8) + '"' : dumpJson(Json(utf8));
}

std::string jsonOf(const CharacterRecord& record)
{
    // Indented by the library from the same members, so that both forms agree.
    Json object = Json::object();
    for (const auto& [key, value] : membersOf(record))
        object.get_ref<Json::object_t&>().emplace_back(key, Json::parse(value, nullptr, false));
    return dumpJson(object, 2) + '\n';
}

std::string jsonLineOf(const CharacterRecord& record, const std::string& file)
{
    std::string line = "{\"" + std::string(fileKey) + "\":" + jsonQuoted(file);
    for (const auto& [key, value] : membersOf(record))
        line.append(",\"").append(key).append("\":").append(value);
    return line + "}\n";
}

} // namespace cli

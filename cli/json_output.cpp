#include "json_output.h"

#include "field_text.h"

#include "editing/actor_flags.h"
#include "editing/cp1252.h"
#include "editing/text_conversions.h"
#include "npf/overloaded.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <system_error>

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

// Keys go in at the end without a search: the table names each field once,
// and ordered_json's own insertion looks through every key already there.
void append(Json::object_t& members, std::string name, Json value)
{
    members.emplace_back(std::move(name), std::move(value));
}

void addReal(Json::object_t& members, const std::string& name, FloatBits value)
{
    if (std::isfinite(value.value())) {
        const std::string shortest = exactRealText(value);
        const char* const end = shortest.data() + shortest.size();
        // A whole number goes in as an integer so that it prints as "60", not
        // "60.0". It prints as the shortest text itself, and with at most
        // fourteen digits it is exact in a double, so it reads back as it is.
        std::int64_t whole = 0;
        const auto [wholeEnd, wholeError] = std::from_chars(shortest.data(), end, whole);
        if (wholeError == std::errc{} && wholeEnd == end && shortest != "-0") {
            append(members, name, whole);
            return;
        }
        double wide = 0;
        std::from_chars(shortest.data(), end, wide);
        const bool exact = readsBackExactly(dumpJson(wide), value);
        append(members, name, wide);
        if (exact)
            return;
    } else {
        append(members, name, exactRealText(value));
    }
    append(members, name + std::string(bitsSuffix), bitsText(value));
}

} // namespace

std::string jsonQuoted(std::string_view utf8)
{
    return dumpJson(Json(utf8));
}

namespace {

Json objectOf(const CharacterRecord& record, Json object)
{
    Json::object_t& members = object.get_ref<Json::object_t&>();
    for (const npf::FieldLayout& field : npf::npfFields) {
        std::string name(field.name);
        std::visit(npf::Overloaded{
                       [&](std::string CharacterRecord::*member) {
                           append(members, std::move(name), editing::utf8FromBytes(record.*member));
                       },
                       [&](std::int32_t CharacterRecord::*member) {
                           if (isField(field, &CharacterRecord::actorFlags)) {
                               const auto flags = static_cast<editing::ActorFlags>(record.*member);
                               append(members, std::move(name), flags);
                               append(members, std::string(labelsKey), editing::actorFlagNamesOf(flags));
                           } else {
                               append(members, std::move(name), record.*member);
                           }
                       },
                       [&](FloatBits CharacterRecord::*member) { addReal(members, name, record.*member); },
                   },
            field.member);
    }
    return object;
}

} // namespace

std::string jsonOf(const CharacterRecord& record)
{
    return dumpJson(objectOf(record, Json::object()), 2) + '\n';
}

std::string jsonLineOf(const CharacterRecord& record, const std::string& file)
{
    return dumpJson(objectOf(record, Json{{std::string(fileKey), file}})) + '\n';
}

} // namespace cli

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
    object[name + std::string(bitsSuffix)] = bitsText(value);
}

} // namespace

std::string jsonQuoted(std::string_view utf8)
{
    return dumpJson(Json(utf8));
}

namespace {

Json objectOf(const CharacterRecord& record, Json object)
{
    for (const npf::FieldLayout& field : npf::npfFields) {
        const std::string name(field.name);
        std::visit(npf::Overloaded{
                       [&](std::string CharacterRecord::*member) {
                           object[name] = editing::utf8FromBytes(record.*member);
                       },
                       [&](std::int32_t CharacterRecord::*member) {
                           if (isField(field, &CharacterRecord::actorFlags)) {
                               const auto flags = static_cast<editing::ActorFlags>(record.*member);
                               object[name] = flags;
                               object[std::string(labelsKey)] = editing::actorFlagNamesOf(flags);
                           } else {
                               object[name] = record.*member;
                           }
                       },
                       [&](FloatBits CharacterRecord::*member) { addReal(object, name, record.*member); },
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

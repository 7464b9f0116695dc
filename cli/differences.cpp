#include "differences.h"

#include "field_text.h"
#include "json_output.h"

#include "editing/actor_flags.h"
#include "editing/cp1252.h"
#include "editing/text_conversions.h"
#include "npf/overloaded.h"

namespace cli {

namespace {

using npf::CharacterRecord;
using npf::FieldLayout;

// The unambiguous form diff compares by: texts quoted, every float exact.
std::string exactText(const FieldLayout& field, const CharacterRecord& record)
{
    return std::visit(npf::Overloaded{
                          [&](std::string CharacterRecord::*member) {
                              return jsonQuoted(editing::utf8FromBytes(record.*member));
                          },
                          [&](std::int32_t CharacterRecord::*member) {
                              if (isField(field, &CharacterRecord::actorFlags))
                                  return hexText(static_cast<std::uint32_t>(record.*member));
                              return editing::formatInteger(record.*member);
                          },
                          [&](npf::FloatBits CharacterRecord::*member) {
                              return withBitsWhenNotFinite(exactRealText(record.*member), record.*member);
                          },
                      },
        field.member);
}

} // namespace

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
            for (const auto& name : editing::actorFlagNamesOf(now & ~old))
                toggled.push_back("+" + name);
            for (const auto& name : editing::actorFlagNamesOf(old & ~now))
                toggled.push_back("-" + name);
            line += " (" + joined(toggled, ", ") + ")";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace cli

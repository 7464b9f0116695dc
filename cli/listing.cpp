#include "listing.h"

#include "field_text.h"

#include "editing/cp1252.h"
#include "editing/model_table.h"
#include "editing/page_values.h"
#include "editing/text_conversions.h"
#include "npf/overloaded.h"

#include <algorithm>

namespace cli {

namespace {

using npf::CharacterRecord;
using npf::FieldLayout;
using npf::FloatBits;

std::string raceText(std::int32_t race)
{
    return std::string(editing::isListedRace(race) ? editing::raceEntries[static_cast<std::size_t>(race)]
                                                   : editing::unknownRaceEntry);
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
                                  const auto names = editing::actorFlagNamesOf(flags);
                                  return names.empty() ? text : text + ": " + joined(names, ", ");
                              }
                              return editing::formatInteger(value);
                          },
                          [&](FloatBits CharacterRecord::*member) {
                              const FloatBits value = record.*member;
                              return withBitsWhenNotFinite(editing::formatReal(value.value()), value);
                          },
                      },
        field.member);
}

} // namespace

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

} // namespace cli

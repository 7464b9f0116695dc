#include "editing/model_table.h"
#include "editing/page_values.h"
#include "editing/text_conversions.h"
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

using namespace editing;
using namespace npf;
using Cells = std::array<std::string_view, 6>;

// Cells must be what the game's files hold, odd ones included; identifiers
// match as whole texts, case-sensitively, and each leads back to its own row.
TEST(ModelTable, RowsAndLookups)
{
    const std::pair<int, Cells> rows[] = {
        {0, {"Christof DA", "mp_christof_da", "christof.nod", "christofH.nod", "CHRISTOF", "mpChristof.nag"}},
        {1,
            {"Christof MD", "mp_christof_md", "ChristofMod.nod", "ChristofModH.nod", "CHRIS",
                "mpChristof.nag"}},
        {12, {"Samuel DA", "mp_samuel", "samuel.nod", "samuelH.nod", "SAMUEL", "mpSamuel.nag"}},
        {13, {"Samuel MD", "mp_samuel_da", "SamuelDA.nod", "samuelDAH.nod", "SAMUEL", "mpSamuel.nag"}},
        {18, {"Zil MD", "mp_zil_md", "Zil_MP.nod", "Zil_MPH.nod", "KAZI", "mpSerena.nag"}},
    };
    for (const auto& [index, cells] : rows) {
        const auto& [name, id, body, head, code, sound] = *ModelTable::rowAt(index);
        EXPECT_EQ(cells, (Cells{name, id, body, head, code, sound})) << index;
    }
    EXPECT_EQ(ModelTable::rowAt(-1), nullptr);
    EXPECT_EQ(ModelTable::rowAt(19), nullptr);
    const std::pair<std::string_view, std::optional<int>> lookups[] = {{"mp_erik_md", 3}, {"mp_erik", 2},
        {"MP_ERIK", std::nullopt}, {"mp_erik ", std::nullopt}, {"", std::nullopt}};
    for (const auto& [id, index] : lookups)
        EXPECT_EQ(ModelTable::findById(id), index) << '"' << id << '"';
    for (int index = 0; index < ModelTable::rowCount; ++index)
        EXPECT_EQ(ModelTable::findById(ModelTable::rowAt(index)->modelId), index);
}

TEST(PageValues, LoadMapsRaceAndModelToListEntries)
{
    const std::tuple<std::int32_t, const char*, int, int> rows[]
        = {{0, "mp_lily", 0, 10}, {4, "mp_samuel_da", 4, 13}, {-1, "mp_samuel", noChoice, 12},
            {5, "MP_LILY", noChoice, noChoice}, {2, "", 2, noChoice}};
    for (const auto& [race, modelId, raceChoice, modelChoice] : rows) {
        CharacterRecord record;
        std::tie(record.race, record.modelId) = std::tuple(race, modelId);
        const PageValues values = pageValuesOf(record);
        EXPECT_EQ(std::pair(values.raceChoice, values.modelChoice), std::pair(raceChoice, modelChoice));
    }
}

// A save fills both fields of every pair (found by the file's "...Copy" names
// and spoilt first) from the one shown value, the clan key from the clan name
// and the model strings from the chosen row.
TEST(PageValues, SaveFillsPairsClanKeyAndModelStrings)
{
    CharacterRecord r = npftools::sampleCharacter();
    for (const auto& field : npfFields)
        if (field.name.ends_with("Copy"))
            decodeField(field, std::string(32, 'x'), r);
    PageValues values = pageValuesOf(r);
    std::tie(values.clanName, values.modelChoice, values.strength) = std::tuple("New Clan", 13, FloatBits{9});
    storePageValues(values, r);
    // Each "...Copy" field against its partner; any other field against itself.
    for (const auto& c : npfFields) {
        auto& f = *std::ranges::find(npfFields, c.name.substr(0, c.name.find("Copy")), &FieldLayout::name);
        EXPECT_TRUE(std::visit([&](auto m) { return r.*m == r.*std::get<decltype(m)>(f.member); }, c.member))
            << c.name;
    }
    EXPECT_EQ(r.strength, values.strength);
    EXPECT_EQ(r.clanKey, "newclan");
    EXPECT_EQ((std::array{r.modelId, r.bodyFile, r.headFile, r.shortCode, r.soundSet}),
        (std::array<std::string, 5>{
            "mp_samuel_da", "SamuelDA.nod", "samuelDAH.nod", "SAMUEL", "mpSamuel.nag"}));
}

// No choice, or an extra entry after a list's rows, leaves race and model as read.
TEST(PageValues, ExtraEntriesLeaveRaceAndModelAsRead)
{
    CharacterRecord record = npftools::sampleCharacter();
    std::tie(record.race, record.modelId, record.bodyFile) = std::tuple(9, "mp_custom", "custom.nod");
    const CharacterRecord before = record;
    PageValues values = pageValuesOf(record);
    for (const auto& [race, model] : {std::pair(noChoice, noChoice), std::pair(5, ModelTable::rowCount)}) {
        std::tie(values.raceChoice, values.modelChoice) = std::tie(race, model);
        storePageValues(values, record);
        EXPECT_EQ(record, before);
    }
}

// A text still as shown keeps the stored bits (more digits than shown, NaN);
// an edited one is converted.
TEST(PageValues, ReadRealText)
{
    const FloatBits precise = FloatBits::fromValue(1234.5678F), nan{0x7FC01234};
    const std::tuple<FloatBits, const char*, std::optional<FloatBits>> rows[] = {{precise, nullptr, precise},
        {nan, nullptr, nan}, {precise, "1234.570", FloatBits::fromValue(1234.57F)},
        {precise, "4", FloatBits::fromValue(4)}, {precise, "nan", std::nullopt}};
    for (const auto& [stored, typed, expected] : rows) {
        const std::string shown = formatReal(stored.value());
        EXPECT_EQ(readRealText(typed ? typed : shown, shown, stored), expected) << shown;
    }
}

} // namespace

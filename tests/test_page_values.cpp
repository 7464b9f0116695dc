#include "editing/model_table.h"
#include "editing/page_values.h"
#include "editing/text_conversions.h"
#include "tools/npf_builder.h"

#include <gtest/gtest.h>

namespace {

using editing::PageValues;
using npf::CharacterRecord;
using npf::FloatBits;

TEST(PageValues, LoadMapsRaceAndModelToListEntries)
{
    struct Row {
        std::int32_t race;
        std::string modelId;
        int raceChoice;
        int modelChoice;
    };
    const std::vector<Row> rows{
        {0, "mp_lily", 0, 10},
        {4, "mp_samuel_da", 4, 13},
        {-1, "mp_samuel", editing::noChoice, 12},
        {5, "MP_LILY", editing::noChoice, editing::noChoice},
        {2, "", 2, editing::noChoice},
    };
    for (const auto& row : rows) {
        CharacterRecord record;
        record.race = row.race;
        record.modelId = row.modelId;
        const PageValues values = editing::pageValuesOf(record);
        EXPECT_EQ(values.raceChoice, row.raceChoice) << row.race;
        EXPECT_EQ(values.modelChoice, row.modelChoice) << row.modelId;
    }
}

TEST(PageValues, SaveFillsBothFieldsOfEveryPairFromTheShownValue)
{
    CharacterRecord record = npftools::sampleCharacter();
    record.healthCopy = FloatBits::fromValue(1);
    record.totalXpCopy = 7;
    record.characterNameCopy = "Someone Else";
    record.witsCopy = FloatBits{0x7FC00001};
    PageValues values = editing::pageValuesOf(record);
    editing::storePageValues(values, record);
    EXPECT_EQ(record.healthCopy, record.health);
    EXPECT_EQ(record.totalXpCopy, record.totalXp);
    EXPECT_EQ(record.characterNameCopy, record.characterName);
    EXPECT_EQ(record.witsCopy, record.wits);
    for (const auto& number : editing::shownReals) {
        if (number.copy) {
            EXPECT_EQ(record.*number.copy, record.*number.field) << number.name;
        }
    }
}

TEST(PageValues, SaveDerivesClanKeyAndModelStrings)
{
    CharacterRecord record = npftools::sampleCharacter();
    PageValues values = editing::pageValuesOf(record);
    values.clanName = "New Clan";
    values.modelChoice = 13;
    editing::storePageValues(values, record);
    EXPECT_EQ(record.clanKey, "newclan");
    EXPECT_EQ(record.modelId, "mp_samuel_da");
    EXPECT_EQ(record.bodyFile, "SamuelDA.nod");
    EXPECT_EQ(record.headFile, "samuelDAH.nod");
    EXPECT_EQ(record.shortCode, "SAMUEL");
    EXPECT_EQ(record.soundSet, "mpSamuel.nag");
}

TEST(PageValues, ExtraEntriesLeaveRaceAndModelAsRead)
{
    CharacterRecord record = npftools::sampleCharacter();
    record.race = 9;
    record.modelId = "mp_custom";
    record.bodyFile = "custom.nod";
    const CharacterRecord before = record;
    PageValues values = editing::pageValuesOf(record);
    for (int extra : {editing::noChoice, 5}) {
        values.raceChoice = extra;
        values.modelChoice = extra == 5 ? editing::ModelTable::rowCount : extra;
        editing::storePageValues(values, record);
        EXPECT_EQ(record.race, 9);
        EXPECT_EQ(record.modelId, before.modelId);
        EXPECT_EQ(record.bodyFile, before.bodyFile);
        EXPECT_EQ(record.headFile, before.headFile);
    }
}

TEST(PageValues, UnchangedRealTextKeepsTheStoredBits)
{
    struct Row {
        const char* name;
        FloatBits stored;
        const char* typed; // nullptr: the text shown is left as it is
        std::optional<FloatBits> expected;
    };
    const std::vector<Row> rows{
        {"more digits than shown", FloatBits::fromValue(1234.5678F), nullptr,
            FloatBits::fromValue(1234.5678F)},
        {"quiet NaN", FloatBits{0x7FC01234}, nullptr, FloatBits{0x7FC01234}},
        {"infinity", FloatBits{0x7F800000}, nullptr, FloatBits{0x7F800000}},
        {"retyped as shown rounds", FloatBits::fromValue(1234.5678F), "1234.570",
            FloatBits::fromValue(1234.57F)},
        {"edited", FloatBits::fromValue(3), "4", FloatBits::fromValue(4)},
        {"nan typed over a number", FloatBits::fromValue(3), "nan", std::nullopt},
    };
    for (const auto& row : rows) {
        const std::string shown = editing::formatReal(row.stored.value());
        const std::string text = row.typed ? row.typed : shown;
        EXPECT_EQ(editing::readRealText(text, shown, row.stored), row.expected) << row.name;
    }
}

} // namespace

#include "editing/actor_flags.h"
#include "editing/model_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using editing::ModelTable;

TEST(ModelTable, RowsGiveTheStringsAFileNeeds)
{
    const auto* samuelMd = ModelTable::rowAt(13);
    ASSERT_NE(samuelMd, nullptr);
    EXPECT_EQ(samuelMd->displayName, "Samuel MD");
    EXPECT_EQ(samuelMd->modelId, "mp_samuel_da");
    EXPECT_EQ(samuelMd->bodyFile, "SamuelDA.nod");
    EXPECT_EQ(samuelMd->headFile, "samuelDAH.nod");
    EXPECT_EQ(samuelMd->shortCode, "SAMUEL");
    EXPECT_EQ(samuelMd->soundSet, "mpSamuel.nag");
    EXPECT_EQ(ModelTable::rowAt(12)->modelId, "mp_samuel");
    EXPECT_EQ(ModelTable::rowAt(12)->bodyFile, "samuel.nod");
    EXPECT_EQ(ModelTable::rowAt(1)->shortCode, "CHRIS");
    EXPECT_EQ(ModelTable::rowAt(0)->shortCode, "CHRISTOF");
    EXPECT_EQ(ModelTable::rowAt(18)->displayName, "Zil MD");
    EXPECT_EQ(ModelTable::rowAt(18)->shortCode, "KAZI");
    EXPECT_EQ(ModelTable::rowAt(18)->soundSet, "mpSerena.nag");
    EXPECT_EQ(ModelTable::rowAt(-1), nullptr);
    EXPECT_EQ(ModelTable::rowAt(19), nullptr);
}

TEST(ModelTable, FindByIdMatchesTheWholeIdentifierOnly)
{
    EXPECT_EQ(ModelTable::findById("mp_erik_md"), 3);
    EXPECT_EQ(ModelTable::findById("mp_erik"), 2);
    EXPECT_EQ(ModelTable::findById("mp_kazi"), 8);
    EXPECT_EQ(ModelTable::findById("mp_samuel"), 12);
    EXPECT_EQ(ModelTable::findById("mp_lily"), 10);
    for (const char* unknown : {"MP_ERIK", "mp_erik ", "", "mp_eri", "mp_wilhelm_da"})
        EXPECT_FALSE(ModelTable::findById(unknown)) << '"' << unknown << '"';
}

TEST(ModelTable, EveryIdentifierLeadsBackToItsOwnRowAndFitsTheFile)
{
    std::set<std::string_view> ids;
    for (int i = 0; i < ModelTable::rowCount; ++i) {
        const auto* row = ModelTable::rowAt(i);
        EXPECT_EQ(ModelTable::findById(row->modelId), i);
        EXPECT_TRUE(ids.insert(row->modelId).second);
        EXPECT_TRUE(row->modelId.starts_with("mp_"));
        for (auto cell :
            {row->displayName, row->modelId, row->bodyFile, row->headFile, row->shortCode, row->soundSet})
            EXPECT_TRUE(!cell.empty() && cell.size() <= 18) << cell;
    }
}

TEST(ActorFlags, TwentyEightNamedRowsAndFourBlankOnes)
{
    EXPECT_EQ(editing::actorFlagLabels[0], "INVULNERABLE");
    EXPECT_EQ(editing::actorFlagLabels[3], "NO FEED");
    EXPECT_EQ(editing::actorFlagLabels[27], "ONLY GIB KILL");
    for (int bit = 28; bit < 32; ++bit)
        EXPECT_EQ(editing::actorFlagLabels[static_cast<std::size_t>(bit)], " ");
    EXPECT_EQ(editing::actorFlagBit(31), 0x80000000u);
}

} // namespace

// show, show --json, diff, the two tables and the command line itself,
// all through the built executable.
#include "cli_test_support.h"

#include "npf/npf_layout.h"

#include <nlohmann/json.hpp>

#include <sstream>

namespace {

using npf::FloatBits;

FloatBits bits(std::uint32_t pattern)
{
    return FloatBits{pattern};
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// A character with values that need care when shown: a Windows-1252 letter,
// an unnamed flag, a race and a model the lists do not know, and odd floats.
npf::CharacterRecord awkwardCharacter()
{
    auto record = npftools::sampleCharacter();
    record.characterName = "Zo\xEB \x80";
    record.race = 7;
    record.modelId = "mp_custom";
    record.actorFlags = static_cast<std::int32_t>(0x80008088U);
    record.carriedFloat600 = bits(0x7fc00001);
    record.health = FloatBits::fromValue(0.1F);
    record.healthCopy = FloatBits::fromValue(1.0F / 3.0F);
    record.mana = bits(0xff800000); // -inf
    record.manaCopy = bits(0x80000000); // -0
    record.blood = bits(0x00000001); // smallest subnormal
    return record;
}

TEST_F(CliTest, ShowListsEveryFieldAlignedInTableOrder)
{
    const auto result = run({"show", writeNpf(awkwardCharacter(), 1000)});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), npf::npfFields.size());
    const std::size_t valueColumn = std::string("characterNameCopy  ").size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = std::string(npf::npfFields[i].name);
        EXPECT_EQ(lines[i].substr(0, name.size()), name);
        EXPECT_EQ(lines[i].find_first_not_of(' ', name.size()), valueColumn) << lines[i];
    }
    for (const char* expected : {
             "characterName      Zo\xC3\xAB \xE2\x82\xAC",
             "race               7 (Unknown)",
             "modelId            mp_custom",
             "actorFlags         2147516552 (0x80008088): NO FEED, TALK TO, HUMANITY TRACK, bit 31",
             "carriedFloat600    nan (0x7fc00001)",
             "healthCopy         0.333333",
             "health             0.1",
             "mana               -inf (0xff800000)",
             "totalXp            1850",
         })
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

TEST_F(CliTest, ShowJsonKeysFieldsInTableOrderWithExactFloats)
{
    const auto result = run({"show", "--json", writeNpf(awkwardCharacter(), 1000)});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::ordered_json::parse(result.out);

    std::vector<std::string> fieldKeys;
    for (const auto& [key, value] : json.items()) {
        if (key != "actorFlagLabels" && !key.ends_with("Bits"))
            fieldKeys.push_back(key);
    }
    std::vector<std::string> tableNames;
    for (const auto& field : npf::npfFields)
        tableNames.emplace_back(field.name);
    EXPECT_EQ(fieldKeys, tableNames);

    EXPECT_EQ(json["characterName"], "Zo\xC3\xAB \xE2\x82\xAC");
    EXPECT_EQ(json["actorFlags"], 0x80008088U);
    EXPECT_EQ(json["actorFlagLabels"], nlohmann::json({"NO FEED", "TALK TO", "HUMANITY TRACK", "bit 31"}));
    EXPECT_EQ(json["race"], 7);
    // Non-finite values and -0 carry their bits; values a decimal reproduces do not.
    EXPECT_EQ(json["carriedFloat600"], "nan");
    EXPECT_EQ(json["carriedFloat600Bits"], "0x7fc00001");
    EXPECT_EQ(json["mana"], "-inf");
    EXPECT_EQ(json["manaBits"], "0xff800000");
    EXPECT_EQ(json["manaCopyBits"], "0x80000000");
    EXPECT_FALSE(json.contains("healthBits"));
    EXPECT_FALSE(json.contains("bloodBits"));
    // Shortest decimals, as printed.
    for (const char* line : {"\"health\": 0.1,", "\"healthCopy\": 0.33333334,", "\"blood\": 1e-45,",
             "\"generation\": 9,", "\"carriedFloat768\": 0.5"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
}

TEST_F(CliTest, DiffOfEqualFieldsIsSilentWhateverTheOtherBytes)
{
    const auto a = writeNpf(npftools::buildNpfBytes(awkwardCharacter(), 1000, 1), "a.npf");
    const auto b = writeNpf(npftools::buildNpfBytes(awkwardCharacter(), 1200, 2), "b.npf");
    const auto result = run({"diff", a, b});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, DiffListsEachDifferingFieldOnce)
{
    const auto before = npftools::sampleCharacter();
    auto after = before;
    after.clanName = "Zo\xEB";
    after.actorFlags = 0x00008098; // +NO BLEED
    after.health = bits(0x7fc00001);
    after.carriedFloat600 = bits(0x80000000);
    after.cash = -5;
    auto nanA = before;
    nanA.mana = bits(0x7fc00001);
    auto nanB = before;
    nanB.mana = bits(0x7fc00002);

    struct Row {
        const char* name;
        npf::CharacterRecord a, b;
        std::string expected;
    };
    const std::vector<Row> rows{
        {"several kinds", before, after,
            "clanName: \"Night Heron\" -> \"Zo\xC3\xAB\"\n"
            "actorFlags: 0x00008088 -> 0x00008098 (+NO BLEED)\n"
            "carriedFloat600: 1 -> -0\n"
            "cash: 2400 -> -5\n"
            "health: 60 -> nan (0x7fc00001)\n"},
        {"NaNs that differ only in their bits", nanA, nanB, "mana: nan (0x7fc00001) -> nan (0x7fc00002)\n"},
    };
    for (const auto& row : rows) {
        const auto result = run({"diff", writeNpf(npftools::buildNpfBytes(row.a, 1000), "a.npf"),
            writeNpf(npftools::buildNpfBytes(row.b, 1000), "b.npf")});
        EXPECT_EQ(result.status, 1) << row.name;
        EXPECT_EQ(result.out, row.expected) << row.name;
    }
}

TEST_F(CliTest, TablesPrintOneTabSeparatedRowALine)
{
    const auto models = linesOf(run({"models"}).out);
    ASSERT_EQ(models.size(), 19U);
    EXPECT_EQ(models[13], "13\tSamuel MD\tmp_samuel_da\tSamuelDA.nod\tsamuelDAH.nod\tSAMUEL\tmpSamuel.nag");
    const auto flags = linesOf(run({"flags"}).out);
    ASSERT_EQ(flags.size(), 32U);
    EXPECT_EQ(flags[3], "3\t0x00000008\tNO FEED");
    EXPECT_EQ(flags[28], "28\t0x10000000\tbit 28");
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndHelpWithZero)
{
    const auto file = writeNpf(npftools::sampleCharacter(), 1000);
    struct Row {
        std::vector<std::string> arguments;
        int status;
    };
    const std::vector<Row> rows{
        {{}, 2},
        {{"bogus"}, 2},
        {{"--bogus"}, 2},
        {{"show"}, 2},
        {{"show", file, "extra"}, 2},
        {{"show", "--xml", file}, 2},
        {{"diff", file}, 2},
        {{"set", file}, 2},
        {{"models", "extra"}, 2},
        {{"--help"}, 0},
        {{"show", "--help"}, 0},
        {{"set", "--help"}, 0},
        {{"diff", "--help"}, 0},
        {{"models", "--help"}, 0},
        {{"flags", "--help"}, 0},
    };
    for (const auto& row : rows) {
        const auto result = run(row.arguments);
        const std::string shown = ::testing::PrintToString(row.arguments);
        EXPECT_EQ(result.status, row.status) << shown;
        if (row.status == 0)
            EXPECT_NE(result.out.find("Usage"), std::string::npos) << shown;
        else
            EXPECT_NE(result.err, "") << shown;
    }
}

TEST_F(CliTest, FilesThatCannotBeReadExitWithOne)
{
    auto wrongVersion = npftools::buildNpfBytes(npftools::sampleCharacter(), 1000);
    wrongVersion[4] = 6;
    const auto good = writeNpf(npftools::sampleCharacter(), 1000);
    const auto bad = writeNpf(wrongVersion, "bad.npf");
    const auto shortFile = writeNpf(npftools::buildNpfBytes(npftools::sampleCharacter(), 795), "short.npf");
    const auto missing = (directory / "missing.npf").string();
    const std::string invalid = ": File is not a valid NPF file.\n";

    struct Row {
        std::vector<std::string> arguments;
        std::string err;
    };
    const std::vector<Row> rows{
        {{"show", missing}, missing + invalid},
        {{"show", "--json", bad}, bad + invalid},
        {{"show", directory.string()}, directory.string() + invalid},
        {{"show", shortFile}, shortFile + ": Could not read NPF file.\n"},
        {{"diff", good, bad}, bad + invalid},
        {{"diff", missing, good}, missing + invalid},
        {{"set", bad, "cash=1"}, bad + invalid},
    };
    for (const auto& row : rows) {
        const auto result = run(row.arguments);
        EXPECT_EQ(result.status, 1) << row.err;
        EXPECT_EQ(result.err, row.err);
        EXPECT_EQ(result.out, "");
    }
}

} // namespace

// set through the built executable: which bytes each kind of value changes,
// JSON values fed back, and every rejected value.
#include "cli_test_support.h"

#include "editing/page_values.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <sstream>

namespace {

using npf::CharacterRecord;
using npf::FloatBits;

constexpr std::size_t fileSize = 1000;
constexpr std::uint32_t seed = 7;

// The pairs disagree, so a test sees which partner a change rewrites and that
// fields nobody named keep their stored value.
CharacterRecord storedCharacter()
{
    auto record = npftools::sampleCharacter();
    record.healthCopy = FloatBits::fromValue(55);
    record.manaCopy = FloatBits::fromValue(40);
    record.totalXpCopy = 1700;
    record.characterNameCopy = "Old Copy";
    record.clanKey = "stalekey";
    return record;
}

void setModel(CharacterRecord& r, const char* id, const char* body, const char* head, const char* code,
    const char* sound)
{
    r.modelId = id;
    r.bodyFile = body;
    r.headFile = head;
    r.shortCode = code;
    r.soundSet = sound;
}

struct SetRow {
    const char* name;
    std::vector<std::string> arguments;
    std::function<void(CharacterRecord&)> change;
};

TEST_F(CliTest, SetChangesExactlyTheBytesTheEditorsSaveWouldForThoseFields)
{
    const std::string name32(32, 'n');
    const std::vector<SetRow> rows{
        {"name and its copy", {"characterName=Zoë €"},
            [](auto& r) { r.characterName = r.characterNameCopy = "Zo\xEB \x80"; }},
        {"name of 32 characters", {"characterName=" + name32},
            [&](auto& r) { r.characterName = r.characterNameCopy = name32; }},
        {"empty name", {"characterName="}, [](auto& r) { r.characterName = r.characterNameCopy = ""; }},
        {"clan and its key", {"clanName= New Clan"},
            [](auto& r) {
                r.clanName = " New Clan";
                r.clanKey = "newclan";
            }},
        {"race by number", {"race=3"}, [](auto& r) { r.race = 3; }},
        {"race by name", {"race=lupine"}, [](auto& r) { r.race = 4; }},
        {"model by display name", {"model=Samuel MD"},
            [](auto& r) {
                setModel(r, "mp_samuel_da", "SamuelDA.nod", "samuelDAH.nod", "SAMUEL", "mpSamuel.nag");
            }},
        {"model by identifier", {"model=mp_erik"},
            [](auto& r) { setModel(r, "mp_erik", "erik.nod", "erikH.nod", "ERIK", "mpErik.nag"); }},
        {"flags in hex", {"actorFlags=0x80000001"},
            [](auto& r) { r.actorFlags = static_cast<std::int32_t>(0x80000001U); }},
        {"flags unsigned", {"actorFlags=4294967295"}, [](auto& r) { r.actorFlags = -1; }},
        {"flags signed", {"actorFlags=-2"}, [](auto& r) { r.actorFlags = -2; }},
        {"flag set and cleared", {"+INVULNERABLE", "-talk to", "+bit 31"},
            [](auto& r) { r.actorFlags = static_cast<std::int32_t>(0x80008009U); }},
        {"flags then a flag", {"actorFlags=0", "+NO FEED"}, [](auto& r) { r.actorFlags = 8; }},
        {"a flag then flags", {"+NO BLEED", "actorFlags=0"}, [](auto& r) { r.actorFlags = 0; }},
        {"cash alone", {"cash=-5"}, [](auto& r) { r.cash = -5; }},
        {"cash clamped", {"cash= 99999999999 "}, [](auto& r) { r.cash = 2147483647; }},
        {"experience and its copy", {"totalXp=007"}, [](auto& r) { r.totalXp = r.totalXpCopy = 7; }},
        {"health and its copy", {"health=200"},
            [](auto& r) { r.health = r.healthCopy = FloatBits::fromValue(200); }},
        {"generation alone", {"generation=1d3"}, [](auto& r) { r.generation = FloatBits::fromValue(1000); }},
        {"attribute by its bits", {"strength=0x7fa00001"},
            [](auto& r) { r.strength = r.strengthCopy = FloatBits{0x7fa00001}; }},
        {"soak", {"soakElec=.5"}, [](auto& r) { r.soakElec = FloatBits::fromValue(0.5F); }},
        {"last of two wins", {"cash=1", "cash=2"}, [](auto& r) { r.cash = 2; }},
    };
    for (const auto& row : rows) {
        auto arguments = row.arguments;
        const auto path = writeNpf(storedCharacter(), fileSize, seed);
        arguments.insert(arguments.begin(), {"set", path});
        const auto result = run(arguments);
        EXPECT_EQ(result.status, 0) << row.name;
        EXPECT_EQ(result.err, "") << row.name;
        auto expected = storedCharacter();
        row.change(expected);
        EXPECT_EQ(npftools::readFileBytes(path), npftools::buildNpfBytes(expected, fileSize, seed))
            << row.name;
    }
}

TEST_F(CliTest, SetKeepsARaceOrModelTheListsDoNotKnowWhenNamedAsStored)
{
    auto stored = storedCharacter();
    stored.race = 7;
    setModel(stored, "mp_custom", "c.nod", "cH.nod", "CUSTOM", "c.nag");
    const std::vector<SetRow> rows{
        {"same race", {"race=7"}, [](auto&) {}},
        {"same model", {"model=mp_custom"}, [](auto&) {}},
        {"another model, then the stored one", {"model=Serena", "model=mp_custom", "race=1", "race=7"},
            [](auto&) {}},
    };
    for (const auto& row : rows) {
        auto arguments = row.arguments;
        const auto path = writeNpf(stored, fileSize, seed);
        arguments.insert(arguments.begin(), {"set", path});
        EXPECT_EQ(run(arguments).status, 0) << row.name;
        EXPECT_EQ(npftools::readFileBytes(path), npftools::buildNpfBytes(stored, fileSize, seed)) << row.name;
    }
}

TEST_F(CliTest, JsonValuesFedBackThroughSetReproduceTheBytes)
{
    // Every value the editor shows, with pairs equal as a save leaves them.
    auto source = npftools::sampleCharacter();
    source.characterName = source.characterNameCopy = "\x81\xE9t\xE9 \x80 " + std::string(24, 'x');
    source.clanName = "Les Ombres";
    source.clanKey = "lesombres";
    setModel(source, "mp_wilhem_md", "wilhemMod.nod", "wilhemMODH.nod", "WILHEM", "mpWilhem.nag");
    source.race = 3;
    source.actorFlags = static_cast<std::int32_t>(0xC0000009U);
    source.cash = -2147483647 - 1;
    source.totalXp = source.totalXpCopy = 0;
    const std::vector<std::uint32_t> patterns{
        0x7fc00001,
        0x7f800001,
        0xffc00000,
        0x7f800000,
        0xff800000,
        0x80000000,
        0x00000000,
        0x00000001,
        0x007fffff,
        0x7f7fffff,
        0x3dcccccd,
        0x3eaaaaab,
        0x4b800001,
        0xc2f6e979,
        0x42c80000,
        0x3f800001,
        0x501502f9,
        0x2edbe6ff,
        0xbf7fffff,
        0x00800000,
        0x5f000000,
    };
    for (std::size_t i = 0; i < editing::shownReals.size(); ++i) {
        const auto& number = editing::shownReals[i];
        source.*number.field = FloatBits{patterns[i]};
        if (number.copy)
            source.*number.copy = FloatBits{patterns[i]};
    }
    auto target = npftools::sampleCharacter();
    target.carriedTailInt = source.carriedTailInt;
    target.carriedFloat600 = source.carriedFloat600;
    target.carriedFloat768 = source.carriedFloat768;
    target.carriedFloat788 = source.carriedFloat788;

    const auto sourcePath = writeNpf(npftools::buildNpfBytes(source, fileSize, seed), "source.npf");
    const auto targetPath = writeNpf(npftools::buildNpfBytes(target, fileSize, seed), "target.npf");
    const auto shown = run({"show", "--json", sourcePath});
    ASSERT_EQ(shown.status, 0) << shown.err;

    // What a script does: read the numbers as doubles and print them again.
    const auto json = nlohmann::json::parse(shown.out);
    auto valueOf = [&](const std::string& key) {
        if (json.contains(key + "Bits"))
            return json[key + "Bits"].get<std::string>();
        return json[key].is_string() ? json[key].get<std::string>() : json[key].dump();
    };
    std::vector<std::string> arguments{"set", targetPath, "model=" + valueOf("modelId")};
    for (const char* key : {"characterName", "clanName", "race", "actorFlags"})
        arguments.push_back(std::string(key) + "=" + valueOf(key));
    for (const auto& number : editing::shownIntegers)
        arguments.push_back(std::string(number.name) + "=" + valueOf(std::string(number.name)));
    for (const auto& number : editing::shownReals)
        arguments.push_back(std::string(number.name) + "=" + valueOf(std::string(number.name)));

    const auto result = run(arguments);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(npftools::readFileBytes(targetPath), npftools::readFileBytes(sourcePath));
}

TEST_F(CliTest, RejectedValuesWriteNothingAndSayWhy)
{
    const std::string invalidText = ": Windows-1252 cannot hold some characters of this text.\n";
    const std::string raceText = "race: Please enter a race from 0 to 4 or its name.\n";
    const std::string flagsText = "actorFlags: Please enter a decimal or 0x hexadecimal number of 32 bits.\n";
    struct Row {
        std::vector<std::string> arguments;
        std::string err;
    };
    const std::vector<Row> rows{
        {{"cash=abc"}, "cash: Please enter an integer.\n"},
        {{"totalXp=-0"}, "totalXp: Please enter an integer.\n"},
        {{"health=5", "cash="}, "cash: Please enter an integer.\n"},
        {{"health="}, "health: Please enter a number.\n"},
        {{"mana=-0"}, "mana: Please enter a number.\n"},
        {{"blood=1,5"}, "blood: Please enter a number.\n"},
        {{"faith=nan"}, "faith: Please enter a number.\n"},
        {{"wits=0x7fc0001"}, "wits: Please enter a number.\n"},
        {{"generation=1e39"}, "generation: Please enter a number.\n"},
        {{"characterName=" + std::string(33, 'n')},
            "characterName: Please enter no more than 32 characters.\n"},
        {{"clanName=" + std::string(31, 'c') + "\xC3\xA9\xC3\xA9"},
            "clanName: Please enter no more than 32 characters.\n"},
        {{"characterName=\xE6\x97\xA5"}, "characterName" + invalidText},
        {{"clanName=\xFF"}, "clanName" + invalidText},
        {{"race=5"}, raceText},
        {{"race=Elf"}, raceText},
        {{"model=Nobody"}, "model: Unknown model \"Nobody\"; veyrith-npf models lists the known ones.\n"},
        {{"model=mp_erik "}, "model: Unknown model \"mp_erik \"; veyrith-npf models lists the known ones.\n"},
        {{"actorFlags=0x100000000"}, flagsText},
        {{"actorFlags=-2147483649"}, flagsText},
        {{"actorFlags=eight"}, flagsText},
        {{"+NO FOOD"}, "Unknown flag: NO FOOD (veyrith-npf flags lists them)\n"},
        {{"-bit 32"}, "Unknown flag: bit 32 (veyrith-npf flags lists them)\n"},
        {{"--force"}, "Unknown option: --force\n"},
        {{"health"}, "Expected FIELD=VALUE, +FLAG or -FLAG, not: health\n"},
        {{"healthCopy=1"}, ""},
    };
    for (const auto& row : rows) {
        auto arguments = row.arguments;
        const auto path = writeNpf(storedCharacter(), fileSize, seed);
        const auto before = npftools::readFileBytes(path);
        arguments.insert(arguments.begin(), {"set", path});
        const auto result = run(arguments);
        EXPECT_EQ(result.status, 2) << row.arguments.front();
        if (!row.err.empty())
            EXPECT_EQ(result.err, row.err);
        else
            EXPECT_TRUE(result.err.starts_with("Unknown field: healthCopy (the fields are characterName,"))
                << result.err;
        EXPECT_EQ(npftools::readFileBytes(path), before) << row.arguments.front();
    }
}

TEST_F(CliTest, ValuesAreCheckedBeforeTheFile)
{
    const auto result = run({"set", (directory / "missing.npf").string(), "cash=x"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "cash: Please enter an integer.\n");
}

TEST_F(CliTest, EveryListedFlagAndModelIsAcceptedBySet)
{
    const auto flags = run({"flags"}).out;
    std::istringstream flagLines(flags);
    int bit = 0;
    for (std::string line; std::getline(flagLines, line); ++bit) {
        const auto path = writeNpf(storedCharacter(), fileSize, seed);
        ASSERT_EQ(run({"set", path, "actorFlags=0", "+" + line.substr(line.rfind('\t') + 1)}).status, 0)
            << line;
        auto expected = storedCharacter();
        expected.actorFlags = static_cast<std::int32_t>(editing::actorFlagBit(bit));
        EXPECT_EQ(npftools::readFileBytes(path), npftools::buildNpfBytes(expected, fileSize, seed)) << line;
    }
    EXPECT_EQ(bit, editing::actorFlagCount);

    const auto models = run({"models"}).out;
    std::istringstream modelLines(models);
    for (std::string line; std::getline(modelLines, line);) {
        const auto displayName
            = line.substr(line.find('\t') + 1, line.find('\t', line.find('\t') + 1) - line.find('\t') - 1);
        const auto path = writeNpf(storedCharacter(), fileSize, seed);
        ASSERT_EQ(run({"set", path, "model=" + displayName}).status, 0) << line;
        EXPECT_NE(run({"show", path}).out.find("(" + displayName + ")\n"), std::string::npos) << line;
    }
}

TEST_F(CliTest, FailedSaveSaysSoAndExitsWithOne)
{
    const auto path = writeNpf(storedCharacter(), fileSize, seed);
    const auto before = npftools::readFileBytes(path);
    // Root ignores permission bits; an immutable file stops root too.
    if (std::system(("chattr +i '" + path + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "this file system cannot mark a file immutable";
    const auto result = run({"set", path, "health=1"});
    std::system(("chattr -i '" + path + "'").c_str());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, path + ": File could not be saved.\n");
    EXPECT_EQ(npftools::readFileBytes(path), before);
}

} // namespace

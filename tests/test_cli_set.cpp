// set through the built executable: the bytes each kind of value changes,
// the values it rejects, and show --json values fed back.
#include "cli_test_support.h"

#include <nlohmann/json.hpp>

#include <tuple>

namespace {

using npf::FloatBits;

TEST_F(CliTest, SetChangesExactlyTheNamedFieldsAndTheirPartnersOrNothing)
{
    const auto samuel = [](npf::CharacterRecord& r) {
        std::tie(r.modelId, r.bodyFile, r.headFile, r.shortCode, r.soundSet)
            = std::tuple("mp_samuel_da", "SamuelDA.nod", "samuelDAH.nod", "SAMUEL", "mpSamuel.nag");
    };
    const std::vector<CliRow> rows{
        {{"characterName=é"}, 0, "", "", [](auto& r) { r.characterName = r.characterNameCopy = "\xE9"; }},
        {{"clanName=A b"}, 0, "", "", [](auto& r) { r.clanName = "A b", r.clanKey = "ab"; }},
        {{"race=lupine"}, 0, "", "", [](auto& r) { r.race = 4; }},
        {{"model=Samuel MD"}, 0, "", "", samuel},
        {{"model=mp_samuel_da"}, 0, "", "", samuel},
        // Back to a race and a model the lists do not know, as stored.
        {{"race=1", "race=7", "model=Serena", "model=mp_custom"}, 0, ""},
        {{"actorFlags=0x80000001", "-bit 31", "+no feed"}, 0, "", "", [](auto& r) { r.actorFlags = 9; }},
        {{"totalXp=007", "cash=7"}, 0, "", "", [](auto& r) { r.totalXp = r.totalXpCopy = r.cash = 7; }},
        {{"health=200"}, 0, "", "", [](auto& r) { r.health = r.healthCopy = FloatBits::fromValue(200); }},
        {{"soakElec=0x7fa00001"}, 0, "", "", [](auto& r) { r.soakElec = FloatBits{0x7fa00001}; }},
        {{"health=5", "cash="}, 2, "cash: Please enter an integer.\n"},
        {{"faith=nan"}, 2, "faith: Please enter a number.\n"},
        {{"clanName=" + std::string(33, 'c')}, 2, "clanName: Please enter no more than 32 characters.\n"},
        {{"clanName=\xE6\x97\xA5"}, 2, "clanName: Windows-1252 cannot hold some characters of this text.\n"},
        {{"race=5"}, 2, "race: Please enter a race from 0 to 4 or its name.\n"},
        {{"model=X"}, 2, "model: Unknown model \"X\"; veyrith-npf models lists the known ones.\n"},
        {{"actorFlags=x"}, 2, "actorFlags: Please enter a decimal or 0x hexadecimal number of 32 bits.\n"},
        {{"+NO FOOD"}, 2, "Unknown flag: NO FOOD (veyrith-npf flags lists them)\n"},
        {{"--force"}, 2, "Unknown option: --force\n"},
        {{"health"}, 2, "Expected FIELD=VALUE, +FLAG or -FLAG, not: health\n"},
        {{"healthCopy=1"}, 2, "Unknown field: healthCopy (the fields are characterName, "},
        {{}, 2, "set needs at least one FIELD=VALUE, +FLAG or -FLAG.\n"},
    };
    check({"set", file()}, rows);
}

TEST_F(CliTest, ShowJsonValuesFedBackThroughSetGiveTheSameBytes)
{
    // Pairs equal as a save leaves them, with a signalling NaN, -inf and -0.
    auto source = awkwardCharacter();
    source.health = source.healthCopy = FloatBits{0x7f800001};
    source.manaCopy = source.mana;
    source.blood = source.bloodCopy = FloatBits{0x80000000};
    std::tie(source.race, source.modelId, source.actorFlags) = std::tuple(3, "mp_serena", -1);
    check({"show", "--json", file()}, {{{}, 0, "", "{"}}, source);
    // What a script does: read the numbers as doubles and print them again.
    const auto json = nlohmann::json::parse(out);
    std::vector<std::string> arguments{"model=" + json["modelId"].get<std::string>()};
    for (const std::string key : {"characterName", "race", "actorFlags", "health", "mana", "blood"}) {
        const auto& value = json.contains(key + "Bits") ? json[key + "Bits"] : json[key];
        arguments.push_back(key + "=" + (value.is_string() ? value.get<std::string>() : value.dump()));
    }
    check({"set", file()}, {{arguments, 0, "", "", [&](auto& r) { r = source; }}});
}

} // namespace

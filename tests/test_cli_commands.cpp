// veyrith-npf's commands in process: what they print, the bytes set changes, what they refuse.
#include "cli_test_support.h"

#include "cli/messages.h"

#include <nlohmann/json.hpp>

namespace {

// FILE last; diff compares the two files before it.
const CliRun showOrDiff = [](const auto& a, auto& out, auto& err) {
    return a[0] == "diff" ? cli::diffCharacters(a[1], a[2], out, err)
                          : cli::showCharacter(a.back(), a[1] == "--json", out, err);
};

TEST_F(CliTest, SetChangesTheNamedFieldsAndTheirPartnersOrNothingAndTakesBackWhatShowPrints)
{
    const std::string real = "mana: Please enter a number. ",
                      zero = real + std::string(cli::messages::realZeroOnlyFromZero) + "\n",
                      beyond = real + "It lies beyond the largest float, 3.4028235e+38.\n";
    const std::vector<CliRow> rows{
        {{"characterName=é"}, 0, [](auto& r) { r.characterName = r.characterNameCopy = "\xE9"; }},
        {{"clanName=A b"}, 0, [](auto& r) { r.clanName = "A b", r.clanKey = "ab"; }},
        {{"totalXp=007", "race=lupine"}, 0, [](auto& r) { r.totalXp = r.totalXpCopy = 7, r.race = 4; }},
        {{"model=samuel md"}, 0, fixtures::putSamuelModel},
        {{"model=mp_samuel_da"}, 0, fixtures::putSamuelModel}, {{"model=13"}, 0, fixtures::putSamuelModel},
        // Back to a race and a model the lists do not know, as stored.
        {{"race=1", "race=7", "model=Serena", "model=mp_custom"}, 0},
        {{"actorFlags=0x80000001", "-bit 31", "+no feed", "+BIT 5"}, 0, [](auto& r) { r.actorFlags = 41; }},
        // A real typed as show displays the stored value keeps its bits, as in the editor.
        {{"health=5", "health=1234.57", "mana=-inf"}, 0,
            [](auto& r) { r.healthCopy = r.health, r.manaCopy = r.mana; }},
        // Field names in any letter case; whole numbers past 32 bits stored as the editor stores them.
        {{"Health=5", "SOAKfire=0", "cash=99999999999", "totalXp=-02147483649", "totalXp=-0002147483648"}, 0,
            [](auto& r) {
                r.health = r.healthCopy = npf::FloatBits::fromValue(5), r.soakFire = {};
                r.cash = INT32_MAX, r.totalXp = r.totalXpCopy = INT32_MIN;
            },
            "cash: 99999999999 is stored as 2147483647, the largest the file holds\n"},
        // The limits themselves: no note.
        {{"cash=+002147483647 ", "totalXp=-2147483648"}, 0,
            [](auto& r) { r.cash = INT32_MAX, r.totalXp = r.totalXpCopy = INT32_MIN; }},
        {{"totalXp=-2147483649", "cash= 2147483650 "}, 0,
            [](auto& r) { r.totalXp = r.totalXpCopy = INT32_MIN, r.cash = INT32_MAX; },
            "totalXp: -2147483649 is stored as -2147483648, the smallest the file holds\n"
            "cash:  2147483650  is stored as 2147483647, the largest the file holds\n"},
        {{"health=5", "cash="}, 2, {}, "cash: Please enter an integer.\n"},
        {{"cash=+0"}, 2, {},
            "cash: Please enter an integer. Zero is taken only from a text that begins with 0.\n"},
        // Why a real is refused, after the editor's words.
        {{"mana=-0"}, 2, {}, zero}, {{"mana= .0e7"}, 2, {}, zero}, {{"mana=0.5e+39"}, 2, {}, beyond},
        {{"mana=-e5"}, 2, {}, "mana: Please enter a number.\n"},
        {{"mana=-1D-50"}, 2, {},
            real + "It rounds to zero, which is taken only from a text that begins with 0.\n"},
        {{"mana=0x7fc0001"}, 2, {},
            real + "A bit pattern needs 0x and exactly eight hex digits, such as 0x7fc00000.\n"},
        {{"mana=nan"}, 2, {}, real + std::string(cli::messages::untypableKeptOnly) + "\n"},
        {{"clanName=" + std::string(33, 'c')}, 2, {}, "clanName: Please enter no more than 32 characters.\n"},
        {{"clanName=日"}, 2, {}, "clanName: Windows-1252 cannot hold some characters of this text.\n"},
        {{"race=5"}, 2, {}, "race: Please enter a race from 0 to 4 or its name.\n"},
        // An identifier is taken only as the table or the file has it.
        {{"model=MP_CUSTOM"}, 2, {},
            "model: Unknown model \"MP_CUSTOM\"; veyrith-npf models lists the known ones.\n"},
        {{"model=MP_SAMUEL_DA"}, 2, {},
            "model: Unknown model \"MP_SAMUEL_DA\"; did you mean mp_samuel_da?\n"},
        {{"actorFlags="}, 2, {}, "actorFlags: Please enter a decimal or 0x hexadecimal number of 32 bits.\n"},
        {{"+NOFEED"}, 2, {}, "Unknown flag: NOFEED; did you mean NO FEED?\n"},
        {{"-TALKING"}, 2, {}, "Unknown flag: TALKING (veyrith-npf flags lists them)\n"},
        {{"--force"}, 2, {}, "Unknown option: --force\n"},
        {{"health"}, 2, {}, "Expected FIELD=VALUE, +FLAG or -FLAG, not: health\n"},
        // A slip, a copy, the model strings and a field only restore writes.
        {{"helth=1"}, 2, {}, "Unknown field: helth; did you mean health?\n"},
        {{"bloo=1"}, 2, {}, "Unknown field: bloo; did you mean blood or bloodRating?\n"},
        {{"SOAK=1"}, 2, {}, "Unknown field: SOAK; did you mean soakFire, soakSun or soakFaith?\n"},
        {{"witsCopi=1"}, 2, {}, "Unknown field: witsCopi; did you mean wits?\n"},
        {{"HEALTHCOPY=1"}, 2, {}, "healthCopy: health carries it; set health=VALUE, which writes both.\n"},
        {{"modelId=mp_lily"}, 2, {},
            "modelId: model= sets all five: modelId, shortCode, bodyFile, headFile and soundSet; set "
            "model=VALUE.\n"},
        {{"carriedTailInt=1"}, 2, {},
            "carriedTailInt: set keeps this field as stored, as the editor does; only restore writes it.\n"},
        {{}, 2, {}, "set needs at least one FIELD=VALUE, +FLAG or -FLAG.\n"}};
    check(set, rows);

    // A second file, or a pattern cmd passed on: set says how to run it once for each.
    const CliRun setOn = [](auto& a, auto&, auto& e) {
        return cli::setFields(a[0], {a.begin() + 1, a.end()}, e);
    };
    const std::string eachFile
        = ". To change several, run set once for each (sh, cmd, PowerShell):\n  for f in ";
    check(setOn,
        {{{"a.npf", "party/b.npf", "-NO FEED", "cash=5"}, 2, {},
             "set takes one file; party/b.npf is another file, not a change" + eachFile
                 + "a.npf party/b.npf; do veyrith-npf set \"$f\" -- \"-NO FEED\" cash=5; done\n"
                   "  for %f in (a.npf party/b.npf) do veyrith-npf set \"%~f\" -- \"-NO FEED\" cash=5\n"
                   "  Get-ChildItem a.npf, party/b.npf | ForEach-Object { veyrith-npf set $_.FullName \"--\" "
                   "\"-NO FEED\" cash=5 }\n"},
            {{"old *.npf", "cash=100%"}, 2, {},
                "set takes one file and expands no pattern such as old *.npf" + eachFile
                    + "\"old *.npf\"; do veyrith-npf set \"$f\" CHANGE...; done\n"
                      "  for %f in (\"old *.npf\") do veyrith-npf set \"%~f\" CHANGE...\n"
                      "  Get-ChildItem \"old *.npf\" | ForEach-Object { veyrith-npf set $_.FullName "
                      "CHANGE... }\n"}});

    // show --json values fed back through set give the same bytes (a signalling NaN, -inf, -0).
    auto source = awkwardCharacter();
    source.health = source.healthCopy = npf::FloatBits{0x7f800001}, source.manaCopy = source.mana;
    source.blood = source.bloodCopy = npf::FloatBits{0x80000000};
    std::tie(source.race, source.modelId, source.actorFlags) = std::tuple(3, "mp_serena", -1);
    check(showOrDiff, {{{"show", "--json", file()}, 0, {}, "", "{"}}, source);
    // What a script does: read the numbers as doubles and print them again.
    const auto json = nlohmann::json::parse(out.str());
    std::vector<std::string> arguments{"model=" + json["modelId"].get<std::string>()};
    for (const std::string key : {"characterName", "race", "actorFlags", "health", "mana", "blood"}) {
        const auto& value = json.contains(key + "Bits") ? json[key + "Bits"] : json[key];
        arguments.push_back(key + "=" + (value.is_string() ? value.get<std::string>() : value.dump()));
    }
    check(set, {{arguments, 0, [&](auto& r) { r = source; }}});
}

// In files of 796 to 905 bytes fields share bytes: set refuses, writing
// nothing, a change that would alter another field or be written over.
TEST_F(CliTest, SetNeverChangesAFieldItWasNotGiven)
{
    // Empty texts where fields overlap, so a save's zeros are what the file has.
    auto small = awkwardCharacter();
    small.characterNameCopy = small.headFile = "";
    check(set,
        {{{"generation=5"}, 2, {},
             "generation shares bytes with carriedTailInt in a file of 796 bytes, so the change would alter "
             "carriedTailInt; nothing was written.\n"},
            {{"totalXp=7"}, 2, {},
                "totalXp shares bytes with faith in a file of 796 bytes, so its new value would not be kept; "
                "nothing was written.\n"},
            {{"cash=9", "characterName=Zed"}, 2, {},
                "characterNameCopy shares bytes with dexterity in a file of 796 bytes, so its new "
                "value would not be kept; nothing was written.\n"},
            {{"cash=9"}, 0, [](auto& r) { r.cash = 9; }}},
        small, 796);
}

TEST_F(CliTest, ShowAndDiffPrintTheFieldsAndEveryFailureSaysWhy)
{
    // The same fields in a file of another size and other bytes between the fields.
    const auto same = writeNpf(npftools::buildNpfBytes(awkwardCharacter(), 1200, 2), "same.npf");
    const auto sample = writeNpf(npftools::buildNpfBytes(npftools::sampleCharacter(), size), "sample.npf");
    const auto bad = writeNpf(std::vector<char>{'n', 'p', 'f', 0, 6, 0, 0, 0}, "bad.npf");
    const auto shortFile = writeNpf(npftools::buildNpfBytes(awkwardCharacter(), 795), "short.npf");
    const std::vector<CliRow> rows{
        {{"show", file()}, 0, {}, "", "\ncharacterName      Zo\xC3\xAB \xE2\x82\xAC\n"},
        {{"show", file()}, 0, {}, "", "\nrace               7 (Unknown)\n"},
        {{"show", file()}, 0, {}, "", "\nmana               -inf (0xff800000)\n"},
        {{"show", file()}, 0, {}, "", " 2147516552 (0x80008088): NO FEED, TALK TO, HUMANITY TRACK, bit 31\n"},
        {{"show", "--json", file()}, 0, {}, "", "\"actorFlagLabels\": [\n    \"NO FEED\",\n    \"TALK TO\","},
        {{"show", "--json", file()}, 0, {}, "", "\"healthCopy\": 0.33333334,\n  \"health\": 1234.5677,\n"},
        {{"diff", file(), same}, 0},
        {{"diff", file(), sample}, 1, {}, "", "\nactorFlags: 0x80008088 -> 0x00008088 (-bit 31)\n"},
        // Every way a file fails is named: the header, the size, the path.
        {{"diff", file(), bad}, 2, {}, bad + ": File is not a valid NPF file.\n"},
        {{"show", "--json", shortFile}, 1, {},
            shortFile
                + ": Could not read NPF file. It is shorter than 796 bytes, the least that holds every "
                  "field.\n"},
        {{"diff", "nothing.npf", bad}, 2, {},
            "nothing.npf: No such file.\n" + bad + ": File is not a valid NPF file.\n"},
#ifndef _WIN32
        {{"show", "/dev/null"}, 1, {}, "/dev/null: Not a regular file (a device or a pipe, for instance).\n"},
        {{"show", "/proc/self/mem"}, 1, {},
            "/proc/self/mem: Could not read NPF file. The system reported a read error.\n"}
#endif
    };
    check(showOrDiff, rows);
    // A file that refuses the save, even to root: set says why and writes nothing.
    if (!fixtures::ImmutableFile(same).locked())
        GTEST_SKIP() << "chattr +i is not available here, so no file can refuse root a save";
    const CliRun lockedSet = [&](auto& a, auto&, auto& e) {
        const fixtures::ImmutableFile locked(file());
        return cli::setFields(file(), a, e);
    };
    check(lockedSet,
        {{{"health=1"}, 1, {},
            file() + ": File could not be saved. Permission denied; the file may be read-only.\n"}});
}

} // namespace

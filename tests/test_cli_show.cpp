// show, show --json and diff through the built executable, and the files and
// command lines the tool refuses, a save it cannot do among them.
#include "cli_test_support.h"

namespace {

TEST_F(CliTest, ShowAndDiffPrintTheFieldsAndEveryFailureSaysWhy)
{
    // The same fields in a file of another size and other bytes between the fields.
    const auto same = writeNpf(npftools::buildNpfBytes(awkwardCharacter(), 1200, 2), "same.npf");
    const auto sample = writeNpf(npftools::buildNpfBytes(npftools::sampleCharacter(), size), "sample.npf");
    const auto bad = writeNpf(std::vector<char>{'n', 'p', 'f', 0, 6, 0, 0, 0}, "bad.npf");
    const auto shortFile = writeNpf(npftools::buildNpfBytes(awkwardCharacter(), 795), "short.npf");
    const auto missing = (directory / "missing.npf").string();
    std::vector<CliRow> rows{
        {{"show", file()}, 0, "", "\ncharacterName      Zo\xC3\xAB \xE2\x82\xAC\n"},
        {{"show", file()}, 0, "", "\nrace               7 (Unknown)\n"},
        {{"show", file()}, 0, "", " 2147516552 (0x80008088): NO FEED, TALK TO, HUMANITY TRACK, bit 31\n"},
        {{"show", "--json", file()}, 0, "", "\"actorFlagLabels\": [\n    \"NO FEED\",\n    \"TALK TO\","},
        {{"show", "--json", file()}, 0, "", "\"healthCopy\": 0.33333334,\n  \"health\": 0.1,\n"},
        {{"show", "--json", file()}, 0, "", "\"manaCopy\": -0.0,\n  \"manaCopyBits\": \"0x80000000\","},
        {{"show", "--json", file()}, 0, "", "\"nan\",\n  \"carriedFloat600Bits\": \"0x7fc00001\","},
        {{"diff", file(), same}, 0, ""},
        {{"diff", file(), sample}, 1, "", "\nrace: 7 -> 0\nactorFlags: 0x80008088 -> 0x00008088 (-bit 31)\n"},
        {{"show", missing}, 1, missing + ": File is not a valid NPF file.\n"},
        {{"show", "--json", bad}, 1, bad + ": File is not a valid NPF file.\n"},
        {{"diff", file(), bad}, 1, bad + ": File is not a valid NPF file.\n"},
        {{"show", shortFile}, 1, shortFile + ": Could not read NPF file.\n"},
        {{"set", missing, "cash=x"}, 2, "cash: Please enter an integer.\n"}, // values before the file
        {{"diff", file()}, 2, "FILE_B is required"},
        {{"bogus"}, 2, "not expected: bogus"},
        {{"--help"}, 0, "", "Usage"},
    };
    // Root ignores permission bits; an immutable file stops root too.
    if (std::system(("chattr +i " + quoted(same) + " 2>/dev/null").c_str()) == 0)
        rows.push_back({{"set", same, "health=1"}, 1, same + ": File could not be saved.\n"});
    check({}, rows);
    EXPECT_NE(std::system(("chattr -i " + quoted(same) + " 2>/dev/null").c_str()), -1);
    EXPECT_EQ(npftools::readFileBytes(same), npftools::buildNpfBytes(awkwardCharacter(), 1200, 2));
}

} // namespace

// restore and show of several files through the tool's library.
#include "cli_test_support.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace {

using npf::FloatBits;
using Json = nlohmann::ordered_json;

// Every form show --json has for a value: unassigned Windows-1252 bytes, control
// characters, a 32-byte text, unknown race and model, every kind of float.
npf::CharacterRecord oddCharacter()
{
    auto r = npftools::sampleCharacter();
    r.characterName = "\x81\x8D\x8F\x90\x9D\x80\xFF Zo\xEB" + std::string(21, 'x');
    std::tie(r.characterNameCopy, r.clanName, r.clanKey, r.modelId) = std::tuple("Zo", "\x1F\t", "k", "mp_x");
    std::tie(r.race, r.actorFlags, r.cash) = std::tuple(7, static_cast<std::int32_t>(0x80008088U), 1 << 31);
    r.carriedFloat600 = {0x7fa00001}, r.manaCopy = {0x80000000}, r.mana = {0xff800000}, r.blood = {1};
    r.soakSun = {0x7f800000}, r.bloodCopy = {0x7f7fffff}, r.bloodRating = {0x15ae43fd};
    r.health = {0x3dcccccd}, r.healthCopy = {0x3eaaaaab}; // 0.1 and 1/3: copies that differ
    return r;
}

// The status and what was said on standard error.
auto restore(const std::string& snapshot, const std::string& file, const std::string& source = "-")
{
    std::istringstream in(snapshot);
    std::ostringstream err;
    const int status = cli::restoreCharacter(source, file, in, err);
    return std::pair(status, err.str());
}

// A text as Windows PowerShell 5.1 saves it: UTF-16 behind a byte-order mark.
std::string utf16Of(const std::string& utf8, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    // The path's conversion is the standard library's own UTF-8 to UTF-16.
    for (const char16_t unit : std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).u16string()) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

using RestoreTest = NpfFileTest;

TEST_F(RestoreTest, SnapshotsAndTheirJsonLinesComeBackExactlyInFilesOfEverySize)
{
    const auto bad = (directory / "bad.npf").string();
    // 796 to 905 bytes: end-relative fields share bytes with fixed ones.
    for (const std::size_t size : {796, 851, 905, 906, 3000}) {
        const auto a = writeNpf(npftools::buildNpfBytes(oddCharacter(), size, 1), "a.npf");
        const auto b = writeNpf(npftools::buildNpfBytes(npftools::sampleCharacter(), size, 2), "b.npf");
        const std::string snapshot = shown({a});
        Json line{{"file", a}}; // the same object on one line, its path first
        line.update(Json::parse(snapshot));
        std::ostringstream err, listing;
        const std::string lines = shown({a, bad, b}, 1, &err);
        EXPECT_EQ(lines.substr(0, lines.find('\n') + 1), line.dump() + "\n");
        EXPECT_EQ(lines.find("\n{\"file\":" + Json(b).dump() + ","), lines.find('\n'));
        EXPECT_EQ(err.str(), bad + ": No such file.\n");
        EXPECT_EQ(restore(line.dump(), b), std::pair(0, std::string())) << size;
        EXPECT_EQ(shown({b}), snapshot) << size;
        // Pretty-printed in UTF-16, as Windows PowerShell 5.1 saves it, either byte order.
        const auto c = writeNpf(npftools::buildNpfBytes(npftools::sampleCharacter(), size, 2), "c.npf");
        EXPECT_EQ(restore(utf16Of(line.dump(2), size % 2), c), std::pair(0, std::string())) << size;
        EXPECT_EQ(shown({c}), snapshot) << size;
        EXPECT_EQ(cli::showCharacters({a, b}, false, listing, err), 0);
        EXPECT_NE(listing.str().find("\n\n==> " + b + " <==\ncharacterName "), std::string::npos);
        // The fields as a save writes the source's values; the target's other bytes stay its own.
        npf::NpfDocument read;
        read.setPath(a);
        ASSERT_TRUE(read.readFile());
        EXPECT_EQ(npftools::readFileBytes(b), npftools::buildNpfBytes(read.record, size, 2)) << size;
    }
}

TEST_F(RestoreTest, AnythingWrongInTheSnapshotWritesNothingAndSaysWhere)
{
    const auto file = writeNpf(oddCharacter(), 1000);
    const std::string snapshot = shown({file});
    const auto edited = [&](const std::string& key, const Json& value) {
        auto json = Json::parse(snapshot);
        value.is_null() ? void(json.erase(key)) : void(json[key] = value); // null: leave the key out
        return json.dump();
    };
    const std::string json = file + "-snapshot.json";
    const std::string swapped = file
        + " is a character file, not a snapshot: restore takes the snapshot first, "
        + "then the character file (veyrith-npf restore " + json + " " + file + ").\n";
    struct Row {
        std::string snapshot, err, file = "", source = "-"; // err: the start of the message
        int status = 2;
    };
    const std::vector<Row> rows{
        {"{\n  \"health\": 1,\n  \"mana\" 2\n}",
            "standard input: not JSON at line 3, column 10: syntax error"},
        {snapshot + "\n" + edited("file", "a.npf"), // several characters, pretty-printed: not JSON Lines
            "standard input: not JSON at line "
                + std::to_string(std::count(snapshot.begin(), snapshot.end(), '\n') + 2)
                + ", column 1: syntax error while parsing value - unexpected '{'; expected end of input\n"},
        {"\n" + edited("file", "a.npf") + "\n\n" + edited("file", "b.npf") + "\n",
            "standard input holds 2 characters, one a line; restore takes one"},
        {"{\"cash\": 1, \"cash\": 2}", "cash: given twice.\n"},
        {utf16Of(snapshot, false) + "x",
            "The snapshot begins with a UTF-16 byte-order mark but is not valid"},
        {utf16Of("{\"file\": \"\xF0\x9F\x98\x80\"}", true).erase(24, 2), "The snapshot begins with a UTF-16"},
        {utf16Of(snapshot, true).insert(2, "\xDC\x00"), "The snapshot begins with a UTF-16 byte-order mark"},
        {utf16Of("{\"\xF0\x9F\x98\x80\": 1}", false), "\xF0\x9F\x98\x80: not a key of a snapshot.\n"},
        {"{\"faith\": 1e400}", "faith: holds a number too large to read.\n"},
        {edited("soakSun", nullptr), "soakSun: missing from the snapshot.\n"},
        {edited("cashBits", "0x00000001"), "cashBits: not a key of a snapshot.\n"},
        {edited("race", "7"), "race: expected a whole number from -2147483648 to 2147483647.\n"},
        {edited("race", 7.5), "race: expected a whole number"},
        {edited("cash", 2147483648U), "cash: expected a whole number"},
        {edited("actorFlags", -1), "actorFlags: expected a whole number from 0 to 4294967295.\n"},
        {edited("clanName", std::string(33, 'c')), "clanName: longer than 32 bytes in Windows-1252.\n"},
        {edited("clanName", "\xE6\x97\xA5"), "clanName: Windows-1252 cannot hold some characters"},
        {edited("modelId", std::string("a\0b", 3)), "modelId: a text in the file ends at a zero character"},
        {edited("carriedFloat600Bits", "0x7fa0001"), "carriedFloat600Bits: expected \"0x\" and 8 hex digits"},
        {edited("carriedFloat600Bits", nullptr), "carriedFloat600: expected a number, or \"nan\", \"inf\""},
        {edited("healthBits", "0x3dcccccc"), "health: the value and healthBits (0x3dcccccc) disagree.\n"},
        {edited("manaCopy", 0), "manaCopy: the value and manaCopyBits (0x80000000) disagree.\n"},
        {edited("faith", 3.5e38), "faith: outside the range of a 32-bit float.\n"},
        {edited("actorFlagLabels", {"NO FEED"}), "actorFlagLabels: does not match actorFlags, whose flags"},
        {snapshot, "characterNameCopy: a file of 800", writeNpf(npftools::buildNpfBytes({}, 800), "8.npf")},
        {snapshot, file + "x: No such file.\n", file + "x", "-", 1},
        {snapshot, file + ".json: No such file.\n", file, file + ".json", 1},
        // The arguments swapped, and a character file for the snapshot.
        {"", swapped, json, file},
        {"", file + " is a character file, not a snapshot; show --json prints one.\n", file, file},
        {"npf\5", "standard input is a character file, not a snapshot; show --json prints one.\n"},
    };
    std::ofstream(json) << snapshot;
    for (const auto& row : rows) {
        const auto target = row.file.empty() ? file : row.file;
        const auto before = npftools::readFileBytes(target);
        const auto [status, err] = restore(row.snapshot, target, row.source);
        EXPECT_EQ(std::pair(status, err.substr(0, row.err.size())), std::pair(row.status, row.err))
            << row.snapshot;
        EXPECT_EQ(npftools::readFileBytes(target), before) << row.err;
    }
    // A whole number written with a zero fraction, as some scripts write every number.
    EXPECT_EQ(restore(edited("cash", -2400.0), file), std::pair(0, std::string()));
    EXPECT_NE(shown({file}).find("\"cash\": -2400,"), std::string::npos);
}

} // namespace

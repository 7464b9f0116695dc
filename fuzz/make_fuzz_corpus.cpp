// make_fuzz_corpus OUTPUT_DIR: a few seeds per fuzzer that reach its branches at once.
#include "cli/json_output.h"
#include "editing/cp1252.h"
#include "editing/text_conversions.h"
#include "tools/npf_builder.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    return text.replace(text.find(from), from.size(), to);
}

std::string utf16LittleEndian(std::string_view ascii)
{
    std::string text = "\xFF\xFE";
    for (char c : ascii)
        text += {c, '\0'};
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const auto sample = npftools::sampleCharacter();
    auto wrongVersion = npftools::buildNpfBytes(sample, 1000);
    wrongVersion[4] = 6;
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const auto bytes = [](std::string_view text) { return std::vector<char>(text.begin(), text.end()); };
    // Snapshots as show prints them, a line's character with reals that need their bits.
    npf::CharacterRecord odd = sample;
    odd.characterName = odd.characterNameCopy = "Zo\xEB \x80\x9F";
    odd.actorFlags = -1;
    odd.generation = npf::FloatBits{0x7FC01234};
    odd.health = npf::FloatBits{0x7F800000};
    odd.mana = npf::FloatBits{0x80000000};
    odd.carriedFloat600 = npf::FloatBits{0x00000001};
    const std::string shown = cli::jsonOf(sample);
    const std::string line = cli::jsonLineOf(odd, "party/zo\xC3\xAB.npf");
    // Files one byte too short, just long enough, with the end-relative fields
    // overlapping fixed ones, and apart; texts from the typing rules; every byte.
    const std::vector<std::pair<std::string, std::vector<char>>> seeds{
        {"fuzz_reader/short", npftools::buildNpfBytes(sample, 795)},
        {"fuzz_reader/smallest", npftools::buildNpfBytes(sample, 796)},
        {"fuzz_reader/overlapping", npftools::buildNpfBytes(sample, 850)},
        {"fuzz_reader/apart", npftools::buildNpfBytes(sample, 906)},
        {"fuzz_reader/wrong-version", wrongVersion}, {"fuzz_conversions/integer", bytes(" -0099999999999\t")},
        {"fuzz_conversions/real", bytes("+12.5D-3 ")},
        {"fuzz_conversions/beyond-float", bytes("3.4028236e38")},
        {"fuzz_conversions/shown", bytes(editing::formatReal(1.0F / 3.0F))},
        {"fuzz_conversions/every-byte", bytes(everyByte)},
        {"fuzz_conversions/every-character", bytes(editing::utf8FromBytes(everyByte))},
        {"fuzz_snapshot/shown", bytes(shown)}, {"fuzz_snapshot/line", bytes(line)},
        // Malformed ones, and UTF-16.
        {"fuzz_snapshot/cut", bytes(shown.substr(0, shown.size() / 2))},
        {"fuzz_snapshot/given-twice", bytes(replaced(shown, "\"race\": 0", "\"race\": 0, \"race\": 1"))},
        {"fuzz_snapshot/out-of-range",
            bytes(replaced(replaced(shown, "2400", "2147483648"), "0.5", "3.5e38"))},
        {"fuzz_snapshot/bits-disagree",
            bytes(replaced(line, "\"healthBits\":\"0x7f800000\"", "\"healthBits\":\"0x7f800001\""))},
        {"fuzz_snapshot/labels-disagree", bytes(replaced(shown, "\"NO FEED\",", ""))},
        {"fuzz_snapshot/too-long", bytes(replaced(shown, "Night Heron", std::string(33, 'N')))},
        {"fuzz_snapshot/utf16", bytes(utf16LittleEndian(shown))}};
    for (const auto& [name, content] : seeds) {
        std::filesystem::create_directories((std::filesystem::path(argv[1]) / name).parent_path());
        if (!npftools::writeFileBytes(std::filesystem::path(argv[1]) / name, content))
            return 1;
    }
    return 0;
}

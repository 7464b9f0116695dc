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

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const auto sample = npftools::sampleCharacter();
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const auto bytes = [](std::string_view text) { return std::vector<char>(text.begin(), text.end()); };
    // Snapshots as show prints them, a line's character with reals that need their bits, and one in UTF-16.
    npf::CharacterRecord odd = sample;
    odd.characterName = odd.characterNameCopy = "Zo\xEB \x80\x9F";
    odd.actorFlags = -1;
    odd.generation = npf::FloatBits{0x7FC01234};
    odd.health = npf::FloatBits{0x7F800000};
    odd.mana = npf::FloatBits{0x80000000};
    odd.carriedFloat600 = npf::FloatBits{0x00000001};
    const std::string shown = cli::jsonOf(sample);
    const std::string line = cli::jsonLineOf(odd, "party/zo\xC3\xAB.npf");
    std::string utf16 = "\xFF\xFE";
    for (const char c : shown)
        utf16 += {c, '\0'};
    // Files just long enough, with the end-relative fields overlapping fixed
    // ones, and apart; texts from the typing rules; every byte. Malformed
    // snapshots are left to the fuzzer's mutations and the restore test.
    const std::vector<std::pair<std::string, std::vector<char>>> seeds{
        {"fuzz_reader/smallest", npftools::buildNpfBytes(sample, 796)},
        {"fuzz_reader/overlapping", npftools::buildNpfBytes(sample, 850)},
        {"fuzz_reader/apart", npftools::buildNpfBytes(sample, 906)},
        {"fuzz_conversions/integer", bytes(" -0099999999999\t")},
        {"fuzz_conversions/real", bytes("+12.5D-3 ")},
        {"fuzz_conversions/beyond-float", bytes("3.4028236e38")},
        {"fuzz_conversions/shown", bytes(editing::formatReal(1.0F / 3.0F))},
        {"fuzz_conversions/every-byte", bytes(everyByte)},
        {"fuzz_conversions/every-character", bytes(editing::utf8FromBytes(everyByte))},
        {"fuzz_snapshot/shown", bytes(shown)}, {"fuzz_snapshot/line", bytes(line)},
        {"fuzz_snapshot/utf16", bytes(utf16)}};
    for (const auto& [name, content] : seeds) {
        std::filesystem::create_directories((std::filesystem::path(argv[1]) / name).parent_path());
        if (!npftools::writeFileBytes(std::filesystem::path(argv[1]) / name, content))
            return 1;
    }
    return 0;
}

// Writes the fuzzers' seed corpus: make_fuzz_corpus OUTPUT_DIR. A few inputs
// per target that reach its interesting branches at once; the fuzzer mutates
// from there.
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
    auto wrongVersion = npftools::buildNpfBytes(sample, 1000);
    wrongVersion[4] = 6;
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const auto bytes = [](std::string_view text) { return std::vector<char>(text.begin(), text.end()); };
    // Files one byte too short, just long enough, with the end-relative fields
    // overlapping fixed ones, and apart; texts from the typing rules; every byte.
    const std::vector<std::pair<std::string, std::vector<char>>> seeds{
        {"fuzz_reader/short", npftools::buildNpfBytes(sample, 795)},
        {"fuzz_reader/smallest", npftools::buildNpfBytes(sample, 796)},
        {"fuzz_reader/overlapping", npftools::buildNpfBytes(sample, 850)},
        {"fuzz_reader/apart", npftools::buildNpfBytes(sample, 906)},
        {"fuzz_reader/wrong-version", wrongVersion},
        {"fuzz_conversions/integer", bytes(" -0099999999999\t")},
        {"fuzz_conversions/real", bytes("+12.5D-3 ")},
        {"fuzz_conversions/beyond-float", bytes("3.4028236e38")},
        {"fuzz_conversions/shown", bytes(editing::formatReal(1.0F / 3.0F))},
        {"fuzz_conversions/every-byte", bytes(everyByte)},
        {"fuzz_conversions/every-character", bytes(editing::utf8FromBytes(everyByte))},
    };
    for (const auto& [name, content] : seeds) {
        std::filesystem::create_directories((std::filesystem::path(argv[1]) / name).parent_path());
        if (!npftools::writeFileBytes(std::filesystem::path(argv[1]) / name, content))
            return 1;
    }
    return 0;
}

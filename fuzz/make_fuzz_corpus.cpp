// Writes the fuzzers' seed corpus: make_fuzz_corpus OUTPUT_DIR
// Each target gets a directory of small inputs that reach its interesting
// branches at once; the fuzzer mutates from there.
#include "editing/cp1252.h"
#include "editing/text_conversions.h"
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Seed = std::pair<std::string_view, std::vector<char>>;

std::vector<char> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

// Files at the sizes where the layout changes: too short for the fixed
// fields, just long enough, end-relative fields overlapping fixed ones, and apart.
std::vector<Seed> readerSeeds()
{
    const npf::CharacterRecord sample = npftools::sampleCharacter();

    npf::CharacterRecord unusual = sample;
    unusual.characterName = std::string(32, 'N');
    unusual.clanName = "\x8A\xC9\xFF clan";
    unusual.headFile.clear();
    unusual.race = -7;
    unusual.actorFlags = static_cast<std::int32_t>(0xF0000001U);
    unusual.carriedFloat600 = npf::FloatBits{0x7FA00001}; // a signalling NaN
    unusual.generation = npf::FloatBits{0x80000000}; // -0

    std::vector<char> wrongVersion = npftools::buildNpfBytes(sample, 1000, 3);
    npf::putLittleEndian(4, std::span(wrongVersion).subspan(npf::versionOffset, npf::numberWidth));

    std::vector<char> junkAfterName = npftools::buildNpfBytes(sample, 1024, 4);
    junkAfterName[8 + sample.characterName.size() + 1] = 'j';

    return {
        {"header-only", npftools::buildNpfBytes(sample, npf::headerSize, 1)},
        {"one-byte-short", npftools::buildNpfBytes(sample, npf::minimumFileSize - 1, 1)},
        {"smallest", npftools::buildNpfBytes(sample, npf::minimumFileSize, 1)},
        {"overlapping", npftools::buildNpfBytes(unusual, 850, 2)},
        {"last-overlapping", npftools::buildNpfBytes(sample, 905, 1)},
        {"first-apart", npftools::buildNpfBytes(unusual, 906, 2)},
        {"typical", npftools::buildNpfBytes(sample, 1288, 1)},
        {"wrong-version", wrongVersion},
        {"junk-after-name", junkAfterName},
    };
}

// Field texts from the typing rules: blanks, signs, exponent letters, the
// zero rule, clamping, the 31-character cut and values beyond float range.
std::vector<Seed> conversionSeeds()
{
    const std::vector<std::pair<std::string_view, std::string_view>> texts{
        {"zero", "0"},
        {"leading-zeros", "007"},
        {"blanks", " \t12 \t"},
        {"minus-zero", "-0.0"},
        {"clamped-high", "99999999999"},
        {"clamped-low", "-2147483649"},
        {"exponent-d", "1d3"},
        {"exponent-signed", "+12.5E-3"},
        {"comma", "1,5"},
        {"fraction-only", ".5"},
        {"largest-float", "3.40282347e38"},
        {"beyond-float", "3.4028236e38"},
        {"smallest-float", "1.4013e-45"},
        {"below-float", "1e-46"},
        {"zero-tiny", "0.5e-50"},
        {"cut-at-31", "1234567890123456789012345678901x"},
        {"hex", "0x1p3"},
        {"infinity", "inf"},
    };
    std::vector<Seed> seeds;
    for (const auto& [name, text] : texts)
        seeds.emplace_back(name, bytesOf(text));
    // Shown values whose first four bytes double as float patterns.
    seeds.emplace_back("shown-real", bytesOf(editing::formatReal(1.0F / 3.0F)));
    seeds.emplace_back("shown-tiny", bytesOf(editing::formatReal(1e-42F)));
    return seeds;
}

// Every byte value, a text of every character, and UTF-8 the mapping must refuse.
std::vector<Seed> cp1252Seeds()
{
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    return {
        {"every-byte", bytesOf(everyByte)},
        {"every-character", bytesOf(editing::utf8FromBytes(everyByte))},
        {"sample-name", bytesOf(npftools::sampleCharacter().characterName)},
        {"overlong", bytesOf("\xC0\x80")},
        {"surrogate", bytesOf("\xED\xA0\x80")},
        {"beyond-unicode", bytesOf("\xF4\x90\x80\x80")},
        {"truncated", bytesOf("\xE2\x82")},
        {"outside-code-page", bytesOf("\xC4\x80")},
    };
}

bool writeSeeds(const fs::path& directory, const std::vector<Seed>& seeds)
{
    std::error_code error;
    fs::create_directories(directory, error);
    if (error)
        return false;
    for (const auto& [name, bytes] : seeds) {
        if (!npftools::writeFileBytes(directory / name, bytes))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_corpus OUTPUT_DIR\n");
        return 2;
    }
    const fs::path output = argv[1];
    const bool written = writeSeeds(output / "fuzz_reader", readerSeeds())
        && writeSeeds(output / "fuzz_conversions", conversionSeeds())
        && writeSeeds(output / "fuzz_cp1252", cp1252Seeds());
    return written ? 0 : 1;
}

// Writes COUNT synthetic character files of SIZE bytes into DIRECTORY, for the
// side-by-side figure of bench/show_json.sh: make_party DIRECTORY COUNT SIZE
#include "tools/npf_builder.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

std::size_t numberOf(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t count = argc == 4 ? numberOf(argv[2]) : 0;
    const std::size_t size = argc == 4 ? numberOf(argv[3]) : 0;
    if (count == 0 || size < 796) {
        std::fprintf(stderr, "usage: make_party DIRECTORY COUNT SIZE (SIZE at least 796)\n");
        return 2;
    }
    const std::filesystem::path directory(argv[1]);
    std::filesystem::create_directories(directory);
    npf::CharacterRecord character = npftools::sampleCharacter();
    for (std::size_t i = 0; i < count; ++i) {
        // Fractions as well as whole numbers, so that the JSON has both kinds of real.
        character.health = character.healthCopy
            = npf::FloatBits::fromValue(50.0F + static_cast<float>(i % 97) / 8);
        character.mana = character.manaCopy = npf::FloatBits::fromValue(static_cast<float>(i % 89) / 3);
        character.cash = static_cast<std::int32_t>(i);
        std::string name = std::to_string(i);
        name.insert(0, 5 - std::min<std::size_t>(name.size(), 5), '0');
        const auto bytes = npftools::buildNpfBytes(character, size, static_cast<std::uint32_t>(i));
        if (!npftools::writeFileBytes(directory / (name + ".npf"), bytes))
            return 1;
    }
    return 0;
}

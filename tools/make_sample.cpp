// Writes the bundled sample character: make_sample OUTPUT.npf
#include "npf_builder.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    constexpr const char* usage = "usage: make_sample OUTPUT.npf\n"
                                  "Writes the synthetic sample character to OUTPUT.npf.\n";
    const std::string_view output = argc == 2 ? argv[1] : "";
    if (output == "--help" || output == "-h") {
        std::fputs(usage, stdout);
        return 0;
    }
    // An option is never taken for a file name; ./-name.npf names such a file.
    if (output.empty() || output.front() == '-') {
        std::fputs(usage, stderr);
        return 2;
    }
    // A typical character file is a little over a kilobyte.
    constexpr std::size_t sampleSize = 1288;
    if (!npftools::writeFileBytes(argv[1], npftools::buildNpfBytes(npftools::sampleCharacter(), sampleSize)))
        return 1;
    return 0;
}

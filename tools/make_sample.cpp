// Writes the bundled sample character: make_sample OUTPUT.npf
#include "npf_builder.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUTPUT.npf\n");
        return 2;
    }
    // A typical character file is a little over a kilobyte.
    constexpr std::size_t sampleSize = 1288;
    if (!npftools::writeFileBytes(argv[1], npftools::buildNpfBytes(npftools::sampleCharacter(), sampleSize)))
        return 1;
    return 0;
}

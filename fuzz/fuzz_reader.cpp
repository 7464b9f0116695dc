// The reader and writer on arbitrary file contents: a read is all or nothing,
// and whatever was read is saved in place and reads back the same.
#include "npf/npf_document.h"
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

void require(bool holds, const char* property)
{
    return holds ? void() : (std::fprintf(stderr, "fuzz_reader: %s\n", property), std::abort());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // libFuzzer runs every input in one process: one scratch file, removed at exit.
    static const std::string path = std::filesystem::temp_directory_path()
        / ("veyrith-fuzz-reader-" + std::to_string(::getpid()) + ".npf");
    [[maybe_unused]] static const int removal = std::atexit([] { std::remove(path.c_str()); });
    const std::vector<char> bytes(data, data + size);
    require(npftools::writeFileBytes(path, bytes), "the scratch file could not be written");

    const npf::CharacterRecord known = npftools::sampleCharacter();
    npf::NpfDocument document;
    document.setPath(path);
    document.record = known;
    // Every field lies inside a file of the minimum size, and some outside a smaller one.
    const bool read = document.readFile();
    require(read == (size >= npf::minimumFileSize), "readFile disagrees with the file size");
    require(read || document.record == known, "a failed read changed the record");
    if (!read)
        return 0;

    // The writer refuses a file without the header: "npf", any byte, version 5.
    const bool header
        = size >= 8 && std::memcmp(data, "npf", 3) == 0 && std::memcmp(data + 4, "\5\0\0\0", 4) == 0;
    require(document.saveFile() == header, "saveFile disagrees with the header");
    const std::vector<char> after = npftools::readFileBytes(path);
    require(after.size() == size, "the save changed the file size");
    require(header || after == bytes, "a refused save changed the file");
    npf::NpfDocument reread;
    reread.setPath(path);
    require(reread.readFile() && reread.record == document.record, "the saved file reads back differently");
    return 0;
}

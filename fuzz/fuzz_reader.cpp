// The reader and writer on arbitrary contents, in memory: a read is all or
// nothing, a save agrees with the header check, changes only field bytes, and
// what it wrote reads back the same. The document runs the same code on files.
#include "fuzz_require.h"
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // One stream for every input: building a stream costs more than the reads.
    static std::stringstream file(std::ios::in | std::ios::out | std::ios::binary);
    file.str(bytes);
    file.clear();
    static const npf::CharacterRecord known = npftools::sampleCharacter();
    npf::CharacterRecord record = known;
    const bool read = npf::readFields(file, record);
    require(read == (size >= npf::minimumFileSize), "the read disagrees with the size");
    require(read || record == known, "a failed read changed the record");
    if (!read)
        return 0;

    // The writer refuses a file without the header ("npf", any byte, version 5;
    // the read has shown the file is long enough).
    const bool header = std::memcmp(data, "npf", 3) == 0 && std::memcmp(data + 4, "\5\0\0\0", 4) == 0;
    npftools::MemoryFile saved(bytes);
    require(
        static_cast<bool>(npf::writeFields(saved, record)) == header, "the save disagrees with the header");
    const std::string& after = saved.bytes;
    // The input with the saved field bytes laid over it: the same size, too.
    std::string outsideKept = bytes;
    for (const npf::FieldLayout& field : npf::npfFields)
        outsideKept.replace(
            *field.offsetIn(size), field.width(), after, *field.offsetIn(size), field.width());
    require(after == (header ? outsideKept : bytes), "the save changed a byte outside the fields");
    npf::CharacterRecord reread;
    file.str(after);
    file.clear();
    require(npf::readFields(file, reread) && reread == record, "the saved bytes read back differently");
    return 0;
}

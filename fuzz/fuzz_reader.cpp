// The reader and writer on arbitrary contents, in memory: a read is all or
// nothing, a save agrees with the header check, changes only field bytes, and
// what it wrote reads back the same. The document runs the same code on files.
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace {

void require(bool holds, const char* property)
{
    return holds ? void() : (std::fprintf(stderr, "fuzz_reader: %s\n", property), std::abort());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::stringstream file(bytes, std::ios::in | std::ios::out | std::ios::binary);
    static const npf::CharacterRecord known = npftools::sampleCharacter();
    npf::CharacterRecord record = known;
    const bool read = npf::readFields(file, record);
    require(read == (size >= npf::minimumFileSize), "the read disagrees with the size");
    require(read || record == known, "a failed read changed the record");
    if (!read)
        return 0;

    // The writer refuses a file without the header: "npf", any byte, version 5.
    const bool header
        = size >= 8 && std::memcmp(data, "npf", 3) == 0 && std::memcmp(data + 4, "\5\0\0\0", 4) == 0;
    file.clear();
    require(npf::writeFields(file, record) == header, "the save disagrees with the header");
    const std::string after = file.str();
    require(after.size() == size, "the save changed the size");
    std::string fieldBytes(size, '\0'); // bytes a save may change, independently of the reader
    for (const npf::FieldLayout& field : npf::npfFields)
        std::fill_n(fieldBytes.begin() + static_cast<long>(*field.offsetIn(size)), field.width(), header);
    for (std::size_t i = 0; i < size; ++i)
        require(fieldBytes[i] || after[i] == bytes[i], "the save changed a byte outside the fields");
    npf::CharacterRecord reread;
    require(npf::readFields(file, reread) && reread == record, "the saved bytes read back differently");
    return 0;
}

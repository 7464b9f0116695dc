// The reader and writer on arbitrary file contents: a read is all or nothing,
// and whatever was read is saved in place and reads back the same.
#include "npf/npf_document.h"
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz_reader: %s\n", property);
        std::abort();
    }
}

// libFuzzer runs every input in one process, so one file per process suffices.
class ScratchFile {
public:
    ScratchFile()
        : path((std::filesystem::temp_directory_path()
            / ("veyrith-fuzz-reader-" + std::to_string(::getpid()) + ".npf"))
                   .string())
    {
    }
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    const std::string path;
};

// Written from the header layout rather than with isSupportedHeader, so the
// two can disagree.
bool hasSupportedHeader(const std::vector<char>& bytes)
{
    const std::vector<char> header{'n', 'p', 'f', '?', 5, 0, 0, 0};
    if (bytes.size() < header.size())
        return false;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (i != 3 && bytes[i] != header[i])
            return false;
    }
    return true;
}

std::vector<bool> fieldBytesOf(std::size_t size)
{
    std::vector<bool> inField(size, false);
    for (const npf::FieldLayout& field : npf::npfFields) {
        const auto offset = field.offsetIn(size);
        if (!offset)
            continue;
        for (std::size_t i = *offset; i < std::min<std::size_t>(*offset + field.width(), size); ++i)
            inField[i] = true;
    }
    return inField;
}

bool sameOutsideFields(const std::vector<char>& before, const std::vector<char>& after)
{
    const std::vector<bool> inField = fieldBytesOf(before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!inField[i] && before[i] != after[i])
            return false;
    }
    return true;
}

// What the reader can produce: at most one field's width, ending before any zero byte.
bool textsAsRead(const npf::CharacterRecord& record)
{
    for (const npf::FieldLayout& field : npf::npfFields) {
        if (const auto* text = std::get_if<std::string npf::CharacterRecord::*>(&field.member)) {
            const std::string& value = record.**text;
            if (value.size() > npf::textWidth || value.find('\0') != std::string::npos)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch;
    const std::vector<char> bytes(data, data + size);
    require(npftools::writeFileBytes(scratch.path, bytes), "the scratch file could not be written");

    const npf::CharacterRecord known = npftools::sampleCharacter();
    npf::NpfDocument document;
    document.setPath(scratch.path);
    document.record = known;

    const bool headerAccepted = document.checkHeader();
    require(headerAccepted == hasSupportedHeader(bytes), "checkHeader disagrees with the header bytes");
    require(document.record == known, "checkHeader changed the record");

    // Every field lies inside a file of the minimum size, and some outside a smaller one.
    const bool read = document.readFile();
    require(read == (size >= npf::minimumFileSize), "readFile disagrees with the file size");
    if (!read) {
        require(document.record == known, "a failed read changed the record");
        return 0;
    }
    const npf::CharacterRecord wasRead = document.record;
    require(textsAsRead(wasRead), "a text holds more than the reader can produce");

    // The writer refuses a file whose header it would not have accepted.
    const bool saved = document.saveFile();
    require(saved == headerAccepted, "saveFile disagrees with the header check");
    require(document.record == wasRead, "saveFile changed the record");
    const std::vector<char> after = npftools::readFileBytes(scratch.path);
    require(after.size() == bytes.size(), "the save changed the file size");
    require(saved || after == bytes, "a refused save changed the file");
    require(sameOutsideFields(bytes, after), "the save changed a byte outside the fields");

    npf::NpfDocument fresh;
    fresh.setPath(scratch.path);
    require(fresh.readFile(), "the saved file cannot be read");
    require(fresh.record == wasRead, "the saved file reads back differently");
    return 0;
}

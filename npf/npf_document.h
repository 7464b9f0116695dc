#pragma once

#include "character_record.h"
#include "npf_layout.h"

#include <fstream>
#include <string>

namespace npf {

// The open character file: where it lives and the values read from it. Every
// operation opens and closes its own stream, so no file stays open between two
// commands, and each answers with a plain success flag.
class NpfDocument {
public:
    virtual ~NpfDocument() = default;

    void setPath(std::string path) { filePath = std::move(path); }
    const std::string& path() const { return filePath; }

    // True when the file is a regular file that starts with the supported header.
    bool checkHeader() const;

    // Reads all fields, or none: on failure the record keeps its previous values.
    bool readFile();

    // Writes every field back in place. The file must still be a supported NPF
    // file large enough to hold every field; otherwise nothing is written. The
    // file's size and every byte outside the fields stay as they are.
    bool saveFile();

    CharacterRecord record;

private:
    bool readFields(CharacterRecord& into);
    bool writeFields();
    std::optional<std::uint64_t> measureSize();
    bool readBytes(std::uint64_t offset, std::span<char> out);
    bool writeBytes(std::uint64_t offset, std::span<const char> bytes);

    std::fstream fileStream;
    std::string filePath;
};

} // namespace npf

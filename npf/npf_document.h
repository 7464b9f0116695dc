#pragma once

#include "character_record.h"
#include "file_access.h"
#include "file_system.h"
#include "npf_layout.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace npf {

// The open character file: where it lives and the values read from it. Every
// operation opens and closes its own stream, so no file stays open between two
// commands, and each answers success or the fault that stopped it.
class NpfDocument {
public:
    virtual ~NpfDocument() = default;

    // The path is kept whole; on Windows it is wide, so any file name opens.
    void setPath(std::filesystem::path path) { filePath = std::move(path); }
    const std::filesystem::path& path() const { return filePath; }

    // Succeeds when the file is a regular file that starts with the supported header.
    FileResult checkHeader() const;

    // Reads all fields, or none: on failure the record keeps its previous values.
    FileResult readFile();

    // The file's size at the last successful read.
    std::uint64_t sizeAtRead() const { return readSize; }

    // Writes every field back in place, all or nothing, and has the system put
    // the file on its device before it succeeds. The file must still be a
    // supported NPF file large enough to hold every field; otherwise nothing is
    // written (changedSinceRead). The size and every byte outside the fields
    // stay as they are.
    FileResult saveFile();
    // The same through other calls than the system's (a test's failing ones, say).
    FileResult saveFile(FileAccess& file);

    CharacterRecord record;

private:
    std::filesystem::path filePath;
    std::uint64_t readSize = 0;
};

// Paths travel through text as UTF-8 (command lines, JSON). On POSIX the bytes
// pass through unchanged, so names in other encodings still reach their files;
// on Windows they become the wide name the system opens.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8Of(const std::filesystem::path& path);

} // namespace npf

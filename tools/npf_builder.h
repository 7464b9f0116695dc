#pragma once

#include "npf/character_record.h"
#include "npf/file_access.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace npftools {

// The bytes of a synthetic character file of the given size (at least 8):
// the supported header, the record's fields where the file is large enough to
// hold them, and every other byte pseudo-random from the seed, so that a test
// notices any byte it should not have touched.
std::vector<char> buildNpfBytes(const npf::CharacterRecord& record, std::size_t size, std::uint32_t seed = 1);

// A plausible character: a name, a clan, a known model, stats in the tens and a few flags.
npf::CharacterRecord sampleCharacter();

// A file held in memory, for the writer on any bytes without a disk (the fuzzers).
class MemoryFile final : public npf::FileAccess {
public:
    explicit MemoryFile(std::string content)
        : bytes(std::move(content))
    {
    }
    npf::FileFault open(const std::filesystem::path&) override { return npf::FileFault::none; }
    std::optional<std::uint64_t> size() override { return bytes.size(); }
    npf::Transfer readAt(std::uint64_t offset, std::span<char> into) override;
    npf::Transfer writeAt(std::uint64_t offset, std::span<const char> from) override;
    npf::Transfer::Status flush() override { return npf::Transfer::Status::done; }
    void close() override { }

    std::string bytes;
};

// The system's own calls, for a subclass to count or fail some of them.
class ForwardingFile : public npf::FileAccess {
public:
    npf::FileFault open(const std::filesystem::path& path) override { return file.open(path); }
    std::optional<std::uint64_t> size() override { return file.size(); }
    npf::Transfer readAt(std::uint64_t offset, std::span<char> into) override
    {
        return file.readAt(offset, into);
    }
    npf::Transfer writeAt(std::uint64_t offset, std::span<const char> bytes) override
    {
        return file.writeAt(offset, bytes);
    }
    npf::Transfer::Status flush() override { return file.flush(); }
    void close() override { file.close(); }

private:
    npf::SystemFile file;
};

bool writeFileBytes(const std::filesystem::path& path, const std::vector<char>& bytes);
std::vector<char> readFileBytes(const std::filesystem::path& path);

} // namespace npftools

// Snapshots come from strangers: the snapshot reader on any bytes. It accepts
// with no message or refuses with one, and throws nothing. What it accepts
// must survive a restore: written into a character file of a size that can
// keep it, in memory as the document writes files, the file reads back as the
// same fields, and what show --json prints of it (one object, or one line of
// several) reads back as the same fields again.
#include "cli/json_output.h"
#include "cli/snapshot.h"
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void require(bool holds, const char* property)
{
    return holds ? void() : (std::fprintf(stderr, "fuzz_snapshot: %s\n", property), std::abort());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const cli::ReadSnapshot snapshot = cli::readSnapshot({reinterpret_cast<const char*>(data), size});
    require(
        snapshot.record.has_value() == snapshot.error.empty(), "accepted with a message, or refused without");
    if (!snapshot.record)
        return 0;
    const npf::CharacterRecord& record = *snapshot.record;

    // A file whose fields lie apart keeps any snapshot. Below that size the
    // input picks one, and restore writes only where nothing would be lost.
    constexpr std::uint64_t overlapping = npf::separateFieldsSize - npf::minimumFileSize;
    for (const std::uint64_t fileSize :
        {npf::separateFieldsSize + size % 128, npf::minimumFileSize + size % overlapping}) {
        if (cli::unkeptField(record, fileSize)) {
            require(
                fileSize < npf::separateFieldsSize, "a file whose fields lie apart cannot keep a snapshot");
            continue;
        }
        const auto bytes = npftools::buildNpfBytes(
            npftools::sampleCharacter(), fileSize, static_cast<std::uint32_t>(size));
        static std::stringstream file(std::ios::in | std::ios::out | std::ios::binary);
        file.str(std::string(bytes.begin(), bytes.end()));
        file.clear();
        require(npf::writeFields(file, record), "the restore's save failed");
        npf::CharacterRecord restored;
        require(
            npf::readFields(file, restored) && restored == record, "the restored file holds other fields");
        for (const std::string& shown :
            {cli::jsonOf(restored), cli::jsonLineOf(restored, "party/hero.npf")}) {
            const cli::ReadSnapshot again = cli::readSnapshot(shown);
            require(again.record && *again.record == record,
                "show --json of the restored file reads back otherwise");
        }
    }
    return 0;
}

// The snapshot reader on any bytes: it accepts without a message or refuses
// with one. What it accepts restores (or, where fields share bytes, is refused
// leaving the file), and show --json of the result reads back the same fields.
#include "cli/commands.h"
#include "cli/snapshot.h"
#include "fuzz_require.h"
#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

namespace {

// The character file restore writes into, in a folder of this run's own.
struct ScratchFile {
    ScratchFile() { std::filesystem::create_directories(path.parent_path()); }
    ~ScratchFile() { std::filesystem::remove_all(path.parent_path()); }
    const std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("fuzz_snapshot-" + std::to_string(std::random_device()())) / "hero.npf";
};

// The fields show --json prints of the file: its one object, or the first
// line of several (a raw line break only ends a line).
npf::CharacterRecord shownFields(const std::vector<std::string>& paths)
{
    std::ostringstream out, err;
    require(cli::showCharacters(paths, true, out, err) == cli::success, "show cannot read the restored file");
    const std::string text = out.str();
    const cli::ReadSnapshot shown
        = cli::readSnapshot(paths.size() == 1 ? text : text.substr(0, text.find('\n')));
    require(shown.record.has_value(), "what show --json printed is no snapshot");
    return *shown.record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const cli::ReadSnapshot snapshot = cli::readSnapshot(text);
    require(
        snapshot.record.has_value() == snapshot.error.empty(), "accepted with a message, or refused without");
    if (!snapshot.record)
        return 0;

    static const ScratchFile file;
    const std::string path = file.path.string();
    constexpr std::uint64_t sharing = npf::separateFieldsSize - npf::minimumFileSize;
    for (const std::uint64_t fileSize :
        {npf::separateFieldsSize + size % 128, npf::minimumFileSize + size % sharing}) {
        const auto before = npftools::buildNpfBytes(npftools::sampleCharacter(), fileSize);
        require(npftools::writeFileBytes(path, before), "cannot write the scratch file");
        std::istringstream in(text);
        std::ostringstream err;
        const int status = cli::restoreCharacter("-", path, in, err);
        if (status != cli::success) {
            require(fileSize < npf::separateFieldsSize && status == cli::usageError,
                "restore refused a snapshot that fits the file");
            require(npftools::readFileBytes(path) == before, "a refused restore changed the file");
            continue;
        }
        require(
            shownFields({path}) == *snapshot.record, "show --json of the restored file reads back otherwise");
        require(shownFields({path, path}) == *snapshot.record,
            "a JSON line of the restored file reads back otherwise");
    }
    return 0;
}

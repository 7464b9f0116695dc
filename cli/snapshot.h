#pragma once

#include "npf/character_record.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The text of a snapshot, or why it could not be read.
struct SnapshotText {
    std::optional<std::string> text;
    std::string error;
};

// Reads the snapshot named on the command line ("-" is standard input). Stops
// a little past the largest snapshot it would accept, so that a device or an
// endless pipe cannot fill the memory.
SnapshotText loadSnapshotText(const std::string& source, std::istream& standardInput);

// A snapshot read back: the record it holds, or the message that rejects it.
struct ReadSnapshot {
    std::optional<npf::CharacterRecord> record;
    std::string error;
};

// Reads what show --json printed for one character (or one of its JSON Lines)
// back into the very values it was printed from: texts to their Windows-1252
// bytes, floats to their bits. Every key is checked before anything is taken.
// name is how a fault in the JSON itself calls the snapshot.
ReadSnapshot readSnapshot(std::string_view text, std::string_view name = "The snapshot");

// In files shorter than 906 bytes some fields share bytes and the later write
// wins. Names the first field that a save into a file of fileSize bytes would
// not leave holding the record's value, so that nothing is written then.
std::optional<std::string> unkeptField(const npf::CharacterRecord& record, std::uint64_t fileSize);

} // namespace cli

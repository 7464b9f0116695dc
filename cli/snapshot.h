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
// name is how a fault in the JSON itself calls the snapshot. The text is
// UTF-8, or UTF-16 behind a byte-order mark.
ReadSnapshot readSnapshot(std::string_view bytes, std::string_view name = "The snapshot");

} // namespace cli

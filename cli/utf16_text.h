#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Windows PowerShell 5.1 saves what a command prints (show --json > hero.json)
// as UTF-16 with a byte-order mark. Such a text, little- or big-endian, comes
// back as UTF-8 without the mark; any other text comes back as it is (the JSON
// parser skips a UTF-8 mark itself). Nothing when a text marked as UTF-16 is
// not valid UTF-16: an odd length or a surrogate without its partner.
std::optional<std::string> utf8OfMarkedText(std::string_view bytes);

} // namespace cli

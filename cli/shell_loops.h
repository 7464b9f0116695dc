#pragma once

#include <span>
#include <string>

namespace cli {

// The commands that run set on each file in turn with the same changes, one
// line each for sh, cmd and PowerShell, ready to paste. Where a file or a
// change holds what one of these shells would alter even inside double quotes,
// FILE... or CHANGE... stands for them all.
std::string setLoops(std::span<const std::string> files, std::span<const std::string> changes);

} // namespace cli

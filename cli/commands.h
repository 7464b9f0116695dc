#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// What the tool's exit status tells a script.
enum ExitStatus : int {
    success = 0,
    fileFailure = 1, // a file could not be checked, read or saved
    differencesFound = 1,
    usageError = 2, // also a rejected value
};

int showCharacter(const std::string& path, bool asJson, std::ostream& out, std::ostream& err);

// Checks every argument (at least one) before the file is read, as far as that
// needs no file, and writes only when all of them apply.
int setFields(const std::string& path, const std::vector<std::string>& arguments, std::ostream& err);

int diffCharacters(const std::string& pathA, const std::string& pathB, std::ostream& out, std::ostream& err);

// The two tables, tab-separated, one row a line.
int listModels(std::ostream& out);
int listFlags(std::ostream& out);

} // namespace cli

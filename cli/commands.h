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
    diffTrouble = 2, // diff could not read a file: as diff and cmp, apart from "different"
};

int showCharacter(const std::string& path, bool asJson, std::ostream& out, std::ostream& err);

// show for each file in turn; with several, each is headed by its path (or
// carries it as "file" in JSON Lines). A file that cannot be read is reported
// and the others are still shown.
int showCharacters(const std::vector<std::string>& paths, bool asJson, std::ostream& out, std::ostream& err);

// Writes the fifty-one values of a show --json snapshot (a path, or "-" for
// standardInput) into the file exactly as they stand, without the editor's
// rules. Nothing is written unless the whole snapshot is sound.
int restoreCharacter(
    const std::string& snapshot, const std::string& path, std::istream& standardInput, std::ostream& err);

// Checks every argument (at least one) before the file is read, as far as that
// needs no file, and writes only when all of them apply.
int setFields(const std::string& path, const std::vector<std::string>& arguments, std::ostream& err);

int diffCharacters(const std::string& pathA, const std::string& pathB, std::ostream& out, std::ostream& err);

// The two tables, tab-separated, one row a line.
int listModels(std::ostream& out);
int listFlags(std::ostream& out);

} // namespace cli

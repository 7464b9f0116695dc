#include "commands.h"

#include "changes.h"
#include "differences.h"
#include "field_text.h"
#include "json_output.h"
#include "listing.h"
#include "messages.h"
#include "shared_bytes.h"
#include "shell_loops.h"
#include "snapshot.h"
#include "wildcards.h"

#include "editing/actor_flags.h"
#include "editing/messages.h"
#include "editing/model_table.h"
#include "editing/text_conversions.h"
#include "npf/npf_document.h"
#include "npf/npf_layout.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <variant>

namespace cli {

namespace {

void report(std::ostream& err, const std::string& path, npf::FileResult result, bool saving = false)
{
    err << messages::about(path, messages::fileFault(result.fault, saving)) << '\n';
}

// Reads the file the way the editor opens it: header check first, then every field.
bool load(npf::NpfDocument& document, const std::string& path, std::ostream& err)
{
    document.setPath(npf::pathFromUtf8(path));
    npf::FileResult result = document.checkHeader();
    if (result)
        result = document.readFile();
    if (!result)
        report(err, path, result);
    return static_cast<bool>(result);
}

int save(npf::NpfDocument& document, const std::string& path, std::ostream& err)
{
    const npf::FileResult result = document.saveFile();
    if (!result)
        report(err, path, result, true);
    return result ? success : fileFailure;
}

// An argument of set that is no change but names a file: one that exists, or
// a path, a pattern or a character file's name, as a shell gives "*.npf".
bool namesAFile(std::string_view argument)
{
    const auto endsInNpf = [&] {
        return argument.size() > 4
            && editing::equalIgnoringCase(argument.substr(argument.size() - 4), ".npf");
    };
    return !argument.empty() && !looksLikeChange(argument)
        && (argument.find_first_of("/\\*?") != std::string_view::npos || endsInNpf()
            || npf::factsOf(npf::pathFromUtf8(argument)).fault != npf::FileFault::missing);
}

// set given several files, or a pattern no shell expanded (cmd passes "*.npf"
// on as typed): the message and the loops that do what was meant.
std::optional<std::string> severalFiles(const std::string& path, const std::vector<std::string>& arguments)
{
    std::vector<std::string> files{path};
    std::vector<std::string> changes;
    for (const std::string& argument : arguments)
        (namesAFile(argument) ? files : changes).push_back(argument);
    std::erase_if(changes, [](const std::string& argument) { return !looksLikeChange(argument); });
    const bool pattern = files.size() == 1 && wildcardIn(path)
        && npf::factsOf(npf::pathFromUtf8(path)).fault != npf::FileFault::none;
    if (files.size() == 1 && !pattern)
        return std::nullopt;
    return messages::oneFileOnly(files[pattern ? 0 : 1], pattern) + "\n" + setLoops(files, changes);
}

} // namespace

int showCharacter(const std::string& path, bool asJson, std::ostream& out, std::ostream& err)
{
    npf::NpfDocument document;
    if (!load(document, path, err))
        return fileFailure;
    out << (asJson ? jsonOf(document.record) : listingOf(document.record));
    return success;
}

int showCharacters(const std::vector<std::string>& paths, bool asJson, std::ostream& out, std::ostream& err)
{
    if (paths.size() == 1)
        return showCharacter(paths.front(), asJson, out, err);
    int status = success;
    bool first = true;
    for (const std::string& path : paths) {
        npf::NpfDocument document;
        if (!load(document, path, err)) {
            status = fileFailure;
            continue;
        }
        if (asJson)
            out << jsonLineOf(document.record, path);
        else
            out << (first ? "" : "\n") << "==> " << path << " <==\n" << listingOf(document.record);
        first = false;
    }
    return status;
}

int restoreCharacter(
    const std::string& snapshot, const std::string& path, std::istream& standardInput, std::ostream& err)
{
    const SnapshotText text = loadSnapshotText(snapshot, standardInput);
    if (!text.text) {
        err << text.error << '\n';
        return fileFailure;
    }
    const std::string_view name = snapshot == "-" ? messages::standardInput : snapshot;
    if (text.text->starts_with(npf::headerMagic)) {
        // Swapped arguments, unless FILE is a character file too.
        npf::NpfDocument target;
        target.setPath(npf::pathFromUtf8(path));
        err << (snapshot == "-" || target.checkHeader() ? messages::characterNotSnapshot(name)
                                                        : messages::swappedArguments(snapshot, path))
            << '\n';
        return usageError;
    }
    ReadSnapshot read = readSnapshot(*text.text, name);
    if (!read.record) {
        err << read.error << '\n';
        return usageError;
    }
    npf::NpfDocument document;
    if (!load(document, path, err))
        return fileFailure;
    const std::uint64_t size = document.sizeAtRead();
    if (const auto unkept = unkeptField(*read.record, size)) {
        err << messages::notKept(unkept->field.name, size, unkept->over.name) << '\n';
        return usageError;
    }
    document.record = std::move(*read.record);
    return save(document, path, err);
}

int setFields(const std::string& path, const std::vector<std::string>& arguments, std::ostream& err)
{
    if (const auto message = severalFiles(path, arguments)) {
        err << *message;
        return usageError;
    }
    if (arguments.empty()) {
        err << messages::noChanges << '\n';
        return usageError;
    }
    std::vector<Change> changes;
    for (const std::string& argument : arguments) {
        ParsedChange parsed = parseChange(argument);
        if (!parsed.change) {
            err << parsed.error << '\n';
            return usageError;
        }
        changes.push_back(std::move(*parsed.change));
    }

    npf::NpfDocument document;
    if (!load(document, path, err))
        return fileFailure;
    const npf::CharacterRecord stored = document.record;
    if (const auto error = applyChanges(changes, document.record)) {
        err << *error << '\n';
        return usageError;
    }
    // Where fields share bytes, no field set was not asked to change may change,
    // and no changed one may be lost.
    const std::uint64_t size = document.sizeAtRead();
    if (const auto unkept = unkeptField(document.record, size)) {
        const bool changed = std::visit(
            [&](auto member) { return stored.*member != document.record.*member; }, unkept->field.member);
        err << messages::sharesBytes(unkept->field.name, unkept->over.name, size, changed) << '\n';
        return usageError;
    }
    if (const int status = save(document, path, err); status != success)
        return status;
    for (const std::string& note : notesOn(changes))
        err << note << '\n';
    return success;
}

int diffCharacters(const std::string& pathA, const std::string& pathB, std::ostream& out, std::ostream& err)
{
    npf::NpfDocument a;
    npf::NpfDocument b;
    // Both are read, so that each one that fails is reported.
    const bool readA = load(a, pathA, err);
    if (!load(b, pathB, err) || !readA)
        return diffTrouble;
    const auto lines = differencesBetween(a.record, b.record);
    for (const auto& line : lines)
        out << line << '\n';
    return lines.empty() ? success : differencesFound;
}

int listModels(std::ostream& out)
{
    const auto& rows = editing::ModelTable::rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        out << i << '\t' << row.displayName << '\t' << row.modelId << '\t' << row.bodyFile << '\t'
            << row.headFile << '\t' << row.shortCode << '\t' << row.soundSet << '\n';
    }
    return success;
}

int listFlags(std::ostream& out)
{
    for (int bit = 0; bit < editing::actorFlagCount; ++bit) {
        out << bit << '\t' << hexText(editing::actorFlagBit(bit)) << '\t' << editing::actorFlagName(bit)
            << '\n';
    }
    return success;
}

} // namespace cli

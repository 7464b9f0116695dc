#pragma once

#include "editing/messages.h"
#include "editing/page_values.h"
#include "npf/file_system.h"
#include "npf/npf_layout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Every message veyrith-npf gives on its own. The texts it shares with the
// editor (a file that fails, a value the field checks refuse) are in
// editing/messages.h; the help stays in main.cpp beside the options it
// describes, and CLI11 words its own parse errors.
namespace cli::messages {

// Where a message is about: a file, or the field an argument names.
inline std::string about(std::string_view what, std::string_view message)
{
    return std::string(what) + ": " + std::string(message);
}

inline constexpr std::string_view notWindows1252 = "Windows-1252 cannot hold some characters of this text.";
inline constexpr std::string_view notFlags = "Please enter a decimal or 0x hexadecimal number of 32 bits.";
inline constexpr std::string_view noChanges = "set needs at least one FIELD=VALUE, +FLAG or -FLAG.";

inline std::string raceRefused(std::string_view field)
{
    return about(field,
        "Please enter a race from 0 to " + std::to_string(editing::raceEntries.size() - 1) + " or its name.");
}

// The names with commas, and the word given before the last ("a, b and c").
inline std::string listed(std::span<const std::string_view> names, std::string_view last)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " " + std::string(last) + " " : std::string(", ");
        text += names[i];
    }
    return text;
}

// What a slip was meant to be, after the typed text; otherwise where the
// names are listed.
inline std::string didYouMean(std::span<const std::string_view> nearestFirst, std::string_view otherwise)
{
    return nearestFirst.empty() ? std::string(otherwise)
                                : "; did you mean " + listed(nearestFirst, "or") + "?";
}

inline std::string unknownModel(
    std::string_view field, std::string_view text, std::span<const std::string_view> nearestFirst)
{
    return about(field,
        "Unknown model \"" + std::string(text) + "\""
            + didYouMean(nearestFirst, "; veyrith-npf models lists the known ones."));
}

inline std::string unknownOption(std::string_view argument)
{
    return "Unknown option: " + std::string(argument);
}

inline std::string unknownFlag(std::string_view name, std::span<const std::string_view> nearestFirst)
{
    return "Unknown flag: " + std::string(name) + didYouMean(nearestFirst, " (veyrith-npf flags lists them)");
}

inline std::string notAChange(std::string_view argument)
{
    return "Expected FIELD=VALUE, +FLAG or -FLAG, not: " + std::string(argument);
}

// set given a second file, or a pattern the shell left unexpanded; the loops
// that run it once for each file follow.
inline std::string oneFileOnly(std::string_view extra, bool pattern)
{
    return "set takes one file"
        + (pattern ? " and expands no pattern such as " + std::string(extra)
                   : "; " + std::string(extra) + " is another file, not a change")
        + ". To change several, run set once for each (sh, cmd, PowerShell):";
}

inline std::string unknownField(std::string_view name, std::span<const std::string_view> fields)
{
    return "Unknown field: " + std::string(name) + " (the fields are " + listed(fields, "and") + ")";
}

inline std::string misspeltField(std::string_view name, std::span<const std::string_view> nearestFirst)
{
    return "Unknown field: " + std::string(name) + didYouMean(nearestFirst, "");
}

inline std::string unknownCommand(std::string_view typed, std::span<const std::string_view> nearestFirst)
{
    return "Unknown command: " + std::string(typed) + didYouMean(nearestFirst, "") + "\n";
}

inline std::string carriedBy(std::string_view field, std::string_view writer)
{
    return about(field,
        std::string(writer) + " carries it; set " + std::string(writer) + "=VALUE, which writes both.");
}

inline std::string writtenTogether(
    std::string_view field, std::string_view writer, std::span<const std::string_view> written)
{
    constexpr std::array<std::string_view, 6> allOf{"", "", "both", "all three", "all four", "all five"};
    const std::string all = written.size() < allOf.size() ? std::string(allOf[written.size()])
                                                          : "all " + std::to_string(written.size());
    return about(field,
        std::string(writer) + "= sets " + all + ": " + listed(written, "and") + "; set " + std::string(writer)
            + "=VALUE.");
}

inline std::string neverSet(std::string_view field)
{
    return about(field, "set keeps this field as stored, as the editor does; only restore writes it.");
}

// What the tool adds after the editor's words when it refuses a number.
inline std::string beyondLargestFloat(std::string_view largest)
{
    return "It lies beyond the largest float, " + std::string(largest) + ".";
}
inline constexpr std::string_view zeroOnlyFromZero = "Zero is taken only from a text that begins with 0.";
inline constexpr std::string_view realZeroOnlyFromZero
    = "Zero is taken only from a text that begins with 0, such as 0 or 0.0; -0 is set by its bits, "
      "0x80000000.";
inline constexpr std::string_view roundsToZero
    = "It rounds to zero, which is taken only from a text that begins with 0.";
inline constexpr std::string_view bitsNeedEightDigits
    = "A bit pattern needs 0x and exactly eight hex digits, such as 0x7fc00000.";
inline constexpr std::string_view untypableKeptOnly
    = "nan, inf and -inf are taken only where the stored value shows so; set one by its bits, such as "
      "0x7f800000 for inf.";

// A whole number the editor brought to the nearest end of the file's range.
inline std::string storedClamped(std::string_view field, std::string_view typed, std::int32_t stored)
{
    return about(field,
        std::string(typed) + " is stored as " + std::to_string(stored) + ", the "
            + (stored < 0 ? "smallest" : "largest") + " the file holds");
}

// What restore says about a snapshot; "The snapshot" stands for the key when
// the fault is in no key.
inline constexpr std::string_view standardInput = "standard input";
inline constexpr std::string_view snapshotUnreadable = "Could not read the snapshot.";
inline constexpr std::string_view notUtf16
    = "The snapshot begins with a UTF-16 byte-order mark but is not valid UTF-16.";
inline constexpr std::string_view notAnObject
    = "The snapshot is not one JSON object, as show --json prints it.";
inline constexpr std::string_view hugeNumber = "holds a number too large to read.";
inline constexpr std::string_view givenTwice = "given twice.";
inline constexpr std::string_view unknownKey = "not a key of a snapshot.";
inline constexpr std::string_view missingKey = "missing from the snapshot.";
inline constexpr std::string_view notText = "expected a string.";
inline constexpr std::string_view zeroCharacter
    = "a text in the file ends at a zero character, so it cannot hold one.";
inline constexpr std::string_view notInteger = "expected a whole number from -2147483648 to 2147483647.";
inline constexpr std::string_view notUnsigned = "expected a whole number from 0 to 4294967295.";
inline constexpr std::string_view outOfFloatRange = "outside the range of a 32-bit float.";
inline constexpr std::string_view notLabels = "expected a list of flag names.";

inline std::string snapshotTooLarge(std::size_t limit)
{
    return "The snapshot is larger than " + std::to_string(limit)
        + " bytes; show --json never prints that much.";
}

inline std::string notJson(
    std::string_view snapshot, std::size_t line, std::size_t column, std::string_view fault)
{
    return std::string(snapshot) + ": not JSON at line " + std::to_string(line) + ", column "
        + std::to_string(column) + (fault.empty() ? "." : ": " + std::string(fault));
}

inline std::string severalCharacters(std::string_view snapshot, std::size_t count)
{
    return std::string(snapshot) + " holds " + std::to_string(count)
        + " characters, one a line; restore takes one line of them (sed -n 2p takes the second).";
}

// restore given a character file where the snapshot belongs.
inline std::string swappedArguments(std::string_view snapshot, std::string_view file)
{
    return std::string(snapshot)
        + " is a character file, not a snapshot: restore takes the snapshot first, then "
        + "the character file (veyrith-npf restore " + std::string(file) + " " + std::string(snapshot) + ").";
}

inline std::string characterNotSnapshot(std::string_view snapshot)
{
    return std::string(snapshot) + " is a character file, not a snapshot; show --json prints one.";
}

inline std::string longerThanText()
{
    return "longer than " + std::to_string(npf::textWidth) + " bytes in Windows-1252.";
}

inline std::string notReal(std::string_view field)
{
    return about(field,
        "expected a number, or \"nan\", \"inf\" or \"-inf\" with " + std::string(field) + "Bits beside it.");
}

inline std::string notBits(std::string_view field)
{
    return about(std::string(field) + "Bits", "expected \"0x\" and 8 hex digits.");
}

inline std::string bitsDisagree(std::string_view field, std::string_view bits)
{
    return about(field, "the value and " + std::string(field) + "Bits (" + std::string(bits) + ") disagree.");
}

inline std::string labelsDisagree(std::string_view field, std::string_view flags)
{
    return about(field, "does not match actorFlags, whose flags are: " + std::string(flags) + ".");
}

inline std::string notKept(std::string_view field, std::uint64_t fileSize, std::string_view over)
{
    return about(field,
        "a file of " + std::to_string(fileSize) + " bytes cannot keep this value, since " + std::string(over)
            + " overlaps it there.");
}

// Why a file could not be used: where the editor's words fit (a header that
// is not NPF, a failed read or save) they come first, then the reason.
inline std::string fileFault(npf::FileFault fault, bool saving)
{
    using npf::FileFault;
    std::string reason;
    switch (fault) {
    case FileFault::missing:
        reason = "No such file.";
        break;
    case FileFault::folder:
        reason = "Is a folder.";
        break;
    case FileFault::notRegularFile:
        reason = "Not a regular file (a device or a pipe, for instance).";
        break;
    case FileFault::accessDenied:
        reason = "Permission denied.";
        break;
    default:
        break;
    }
    if (saving)
        return std::string(editing::messages::saveFailed) + (reason.empty() ? "" : " " + reason);
    if (!reason.empty())
        return reason;
    if (fault == FileFault::notNpf)
        return editing::messages::invalidFile;
    return std::string(editing::messages::readFailed)
        + (fault == FileFault::tooShort ? " It is shorter than " + std::to_string(npf::minimumFileSize)
                    + " bytes, the least that holds every field."
                                        : " The system reported a read error.");
}

// set refuses a change where fields share bytes: field would not keep its new
// value, or would change though set was not asked to change it.
inline std::string sharesBytes(
    std::string_view field, std::string_view with, std::uint64_t fileSize, bool fieldChanged)
{
    const std::string shared = std::string(fieldChanged ? field : with) + " shares bytes with "
        + std::string(fieldChanged ? with : field) + " in a file of " + std::to_string(fileSize) + " bytes";
    return shared
        + (fieldChanged ? ", so its new value would not be kept"
                        : ", so the change would alter " + std::string(field))
        + "; nothing was written.";
}

} // namespace cli::messages

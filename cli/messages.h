#pragma once

#include "editing/messages.h"
#include "editing/page_values.h"
#include "npf/file_system.h"
#include "npf/npf_layout.h"

#include <cstdint>
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

inline std::string unknownModel(std::string_view field, std::string_view text)
{
    return about(
        field, "Unknown model \"" + std::string(text) + "\"; veyrith-npf models lists the known ones.");
}

inline std::string unknownOption(std::string_view argument)
{
    return "Unknown option: " + std::string(argument);
}

inline std::string unknownFlag(std::string_view name)
{
    return "Unknown flag: " + std::string(name) + " (veyrith-npf flags lists them)";
}

inline std::string notAChange(std::string_view argument)
{
    return "Expected FIELD=VALUE, +FLAG or -FLAG, not: " + std::string(argument);
}

inline std::string unknownField(std::string_view name, std::string_view fieldNames)
{
    return "Unknown field: " + std::string(name) + " (the fields are " + std::string(fieldNames) + ")";
}

// What restore says about a snapshot; "The snapshot" stands for the key when
// the fault is in no key.
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

inline std::string notJson(std::size_t byte)
{
    return "The snapshot is not JSON (the first fault is at byte " + std::to_string(byte) + ").";
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
        reason = "Is a folder, not a character file.";
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

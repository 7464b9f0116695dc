#pragma once

#include "editing/text_conversions.h"
#include "npf/file_system.h"
#include "npf/npf_layout.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for translation and leaves it as it is, so that the texts below
// need no Qt. lupdate finds them when told
// -tr-function-alias QT_TRANSLATE_NOOP+=VEYRITH_TRANSLATE_NOOP; the window
// translates them where it shows them, in their context.
#define VEYRITH_TRANSLATE_NOOP(context, text) text

// Every text the editor and veyrith-npf both say to the user about a file or a
// value; both show these exact words. The tool's own texts are in cli/messages.h.
namespace editing::messages {

inline constexpr const char* translationContext = "editing::messages";

inline constexpr const char* appCaption = VEYRITH_TRANSLATE_NOOP("editing::messages", "Veyrith");
inline constexpr const char* invalidFile
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "File is not a valid NPF file.");
inline constexpr const char* invalidFileCaption = VEYRITH_TRANSLATE_NOOP("editing::messages", "Invalid file");
inline constexpr const char* readFailed
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Could not read NPF file.");
inline constexpr const char* readFailedCaption = VEYRITH_TRANSLATE_NOOP("editing::messages", "Error");
inline constexpr const char* saved = VEYRITH_TRANSLATE_NOOP("editing::messages", "File saved successfully.");
inline constexpr const char* saveFailed
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "File could not be saved.");
inline constexpr const char* textTooLong
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Please enter no more than 32 characters.");
inline constexpr const char* notAnInteger
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Please enter an integer.");
inline constexpr const char* notANumber
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Please enter a number.");

// Why a file could not be used: the editor's second line under the words
// above, the sentence the tool adds after them.
inline constexpr const char* noSuchFile = VEYRITH_TRANSLATE_NOOP("editing::messages", "No such file.");
inline constexpr const char* isFolder = VEYRITH_TRANSLATE_NOOP("editing::messages", "It is a folder.");
inline constexpr const char* notRegularFile
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Not a regular file (a device or a pipe, for instance).");
inline constexpr const char* permissionDenied
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Permission denied.");
inline constexpr const char* writeDenied
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Permission denied; the file may be read-only.");
inline constexpr const char* shorterThanFields = VEYRITH_TRANSLATE_NOOP(
    "editing::messages", "It is shorter than 796 bytes, the least that holds every field.");
inline constexpr const char* readError
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "The system reported a read error.");
inline constexpr const char* writeError
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "The system reported a write error.");
inline constexpr const char* changedSinceRead = VEYRITH_TRANSLATE_NOOP("editing::messages",
    "The file changed since it was read and no longer holds every field of an NPF file; nothing was "
    "written.");

// The reason for a fault, or nullptr where the words before it say all (a
// header that is not NPF).
constexpr const char* reasonFor(npf::FileFault fault, bool saving)
{
    using npf::FileFault;
    switch (fault) {
    case FileFault::missing:
        return noSuchFile;
    case FileFault::folder:
        return isFolder;
    case FileFault::notRegularFile:
        return notRegularFile;
    case FileFault::accessDenied:
        return saving ? writeDenied : permissionDenied;
    case FileFault::tooShort:
        return shorterThanFields;
    case FileFault::readFailed:
        return readError;
    case FileFault::writeFailed:
        return writeError;
    case FileFault::changedSinceRead:
        return changedSinceRead;
    case FileFault::none:
    case FileFault::notNpf:
        break;
    }
    return nullptr;
}

// Why the field checks refused a number, after "Please enter a number." or
// "Please enter an integer.".
inline constexpr const char* beyondLargestFloat
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "It lies beyond the largest float, 3.4028235e+38.");
inline constexpr const char* zeroOnlyFromZero
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "Zero is taken only from a text that begins with 0.");
inline constexpr const char* roundsToZero = VEYRITH_TRANSLATE_NOOP(
    "editing::messages", "It rounds to zero, which is taken only from a text that begins with 0.");

// The reason for a refusal, or nullptr for a text that is no number at all.
constexpr const char* reasonFor(NumberRefusal refusal)
{
    switch (refusal) {
    case NumberRefusal::Zero:
        return zeroOnlyFromZero;
    case NumberRefusal::RoundsToZero:
        return roundsToZero;
    case NumberRefusal::BeyondLargestFloat:
        return beyondLargestFloat;
    case NumberRefusal::NotANumber:
        break;
    }
    return nullptr;
}

// A whole number brought to the nearest end of the file's range: %1 the
// field, %2 the text as typed, %3 the value stored.
inline constexpr const char* storedAsLargest
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "%1: %2 is stored as %3, the largest the file holds");
inline constexpr const char* storedAsSmallest
    = VEYRITH_TRANSLATE_NOOP("editing::messages", "%1: %2 is stored as %3, the smallest the file holds");

constexpr const char* storedClamped(std::int32_t stored)
{
    return stored < 0 ? storedAsSmallest : storedAsLargest;
}

// The text with %1 to %9 replaced by the arguments in one pass, as the
// editor's QString::arg replaces them, so that an argument's own % stays.
inline std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= arguments.size()) {
            filled += arguments.begin()[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

// The first number written in a text.
constexpr std::size_t numberIn(std::string_view text)
{
    std::size_t number = 0;
    auto digit = text.find_first_of("0123456789");
    for (; digit < text.size() && text[digit] >= '0' && text[digit] <= '9'; ++digit)
        number = number * 10 + static_cast<std::size_t>(text[digit] - '0');
    return number;
}
// The limit stays inside the one literal, so that a translator sees the whole sentence.
static_assert(numberIn(textTooLong) == npf::textWidth, "textTooLong must name the file's text width");
static_assert(numberIn(shorterThanFields) == npf::minimumFileSize,
    "shorterThanFields must name the smallest file that holds every field");

} // namespace editing::messages

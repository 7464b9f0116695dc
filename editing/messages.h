#pragma once

#include "npf/npf_layout.h"

#include <cstddef>
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

} // namespace editing::messages

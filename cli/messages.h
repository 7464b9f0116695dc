#pragma once

#include "editing/page_values.h"

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

} // namespace cli::messages

#pragma once

// Every text the editor and its companion tool say to the user about a file
// or a value. Both programs show these exact words.
namespace editing::messages {

inline constexpr const char* appCaption = "Veyrith";
inline constexpr const char* invalidFile = "File is not a valid NPF file.";
inline constexpr const char* invalidFileCaption = "Invalid file";
inline constexpr const char* readFailed = "Could not read NPF file.";
inline constexpr const char* readFailedCaption = "Error";
inline constexpr const char* saved = "File saved successfully.";
inline constexpr const char* saveFailed = "File could not be saved.";
inline constexpr const char* textTooLong = "Please enter no more than %1 characters.";
inline constexpr const char* notAnInteger = "Please enter an integer.";
inline constexpr const char* notANumber = "Please enter a number.";

} // namespace editing::messages

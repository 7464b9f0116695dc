#pragma once

#include <QString>

#include <filesystem>

// Between the text a user sees of a file's path and the path the file layer
// opens, the way Qt itself reaches files: wide characters on Windows, never the
// local 8-bit code page; elsewhere Qt's own encoding of file names, so every
// file Qt's dialogs and drops name opens as it is.
std::filesystem::path filePathOf(const QString& text);
QString textOfFilePath(const std::filesystem::path& path);

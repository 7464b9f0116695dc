#include "npf_document.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace npf {

namespace {

// Only regular files are ever opened: a FIFO or a device could block the
// editor or answer with bytes that are not a file's.
bool isRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool NpfDocument::checkHeader() const
{
    if (!isRegularFile(filePath))
        return false;
    std::ifstream stream(filePath, std::ios::binary);
    std::array<char, headerSize> header{};
    return stream.read(header.data(), header.size()) && isSupportedHeader(header);
}

bool NpfDocument::readFile()
{
    if (!isRegularFile(filePath))
        return false;
    std::ifstream stream(filePath, std::ios::binary);
    return stream.is_open() && readFields(stream, record);
}

bool NpfDocument::saveFile()
{
    if (!isRegularFile(filePath))
        return false;
    // Opening for update neither creates nor truncates the file.
    std::fstream stream(filePath, std::ios::in | std::ios::out | std::ios::binary);
    if (!stream.is_open())
        return false;
    const bool written = writeFields(stream, record);
    // Closing flushes what is still buffered; a failure there is a failed save.
    stream.close();
    return written && !stream.fail();
}

} // namespace npf

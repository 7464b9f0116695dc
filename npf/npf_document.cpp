#include "npf_document.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace npf {

namespace {

// Why a stream did not open: the C runtime leaves the system's reason in errno.
template <typename Stream>
FileFault openFault(
    Stream& stream, const std::filesystem::path& path, std::ios::openmode mode, FileFault fallback)
{
    errno = 0;
    stream.open(systemPathOf(path), mode);
    if (stream.is_open())
        return FileFault::none;
    return faultOfError(std::error_code(errno, std::generic_category()), fallback);
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

// Only regular files are ever opened: a FIFO or a device could block the
// editor or answer with bytes that are not a file's.
FileResult NpfDocument::checkHeader() const
{
    if (const FileFacts facts = factsOf(filePath); facts.fault != FileFault::none)
        return {facts.fault};
    std::ifstream stream;
    if (const FileFault fault = openFault(stream, filePath, std::ios::binary, FileFault::readFailed);
        fault != FileFault::none)
        return {fault};
    std::array<char, headerSize> header{};
    if (!stream.read(header.data(), header.size()))
        return {stream.bad() ? FileFault::readFailed : FileFault::notNpf};
    return {isSupportedHeader(header) ? FileFault::none : FileFault::notNpf};
}

FileResult NpfDocument::readFile()
{
    const FileFacts facts = factsOf(filePath);
    if (facts.fault != FileFault::none)
        return {facts.fault};
    std::ifstream stream;
    if (const FileFault fault = openFault(stream, filePath, std::ios::binary, FileFault::readFailed);
        fault != FileFault::none)
        return {fault};
    if (!readFields(stream, record))
        return {facts.size < minimumFileSize ? FileFault::tooShort : FileFault::readFailed};
    readSize = facts.size;
    return {};
}

FileResult NpfDocument::saveFile()
{
    if (const FileFacts facts = factsOf(filePath); facts.fault != FileFault::none)
        return {facts.fault};
    // Opening for update neither creates nor truncates the file.
    std::fstream stream;
    const auto mode = std::ios::in | std::ios::out | std::ios::binary;
    if (const FileFault fault = openFault(stream, filePath, mode, FileFault::writeFailed);
        fault != FileFault::none)
        return {fault};
    const bool written = writeFields(stream, record);
    // Closing flushes what is still buffered; a failure there is a failed save.
    stream.close();
    return {written && !stream.fail() ? FileFault::none : FileFault::writeFailed};
}

} // namespace npf

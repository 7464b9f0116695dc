#include "npf_document.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace npf {

namespace {

// Only regular files are ever opened: a FIFO or a device could block the
// editor or answer with bytes that are not a file's. The answer holds the
// file's size, or why it could not be opened; on a failed open the C runtime
// leaves the system's reason in errno.
template <typename Stream>
FileFacts openRegularFile(
    Stream& stream, const std::filesystem::path& path, std::ios::openmode mode, FileFault fallback)
{
    FileFacts facts = factsOf(path);
    if (facts.fault != FileFault::none)
        return facts;
    errno = 0;
    stream.open(systemPathOf(path), mode);
    if (!stream.is_open())
        facts.fault = faultOfError(std::error_code(errno, std::generic_category()), fallback);
    return facts;
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

FileResult NpfDocument::checkHeader() const
{
    std::ifstream stream;
    if (const FileFacts facts = openRegularFile(stream, filePath, std::ios::binary, FileFault::readFailed);
        facts.fault != FileFault::none)
        return {facts.fault};
    std::array<char, headerSize> header{};
    if (!stream.read(header.data(), header.size()))
        return {stream.bad() ? FileFault::readFailed : FileFault::notNpf};
    return {isSupportedHeader(header) ? FileFault::none : FileFault::notNpf};
}

FileResult NpfDocument::readFile()
{
    std::ifstream stream;
    const FileFacts facts = openRegularFile(stream, filePath, std::ios::binary, FileFault::readFailed);
    if (facts.fault != FileFault::none)
        return {facts.fault};
    if (!readFields(stream, record))
        return {facts.size < minimumFileSize ? FileFault::tooShort : FileFault::readFailed};
    readSize = facts.size;
    return {};
}

FileResult NpfDocument::saveFile()
{
    SystemFile file;
    return saveFile(file);
}

FileResult NpfDocument::saveFile(FileAccess& file)
{
    if (const FileFacts facts = factsOf(filePath); facts.fault != FileFault::none)
        return {facts.fault};
    if (const FileFault fault = file.open(filePath); fault != FileFault::none)
        return {fault};
    const FileResult result = writeFields(file, record);
    file.close();
    return result;
}

} // namespace npf

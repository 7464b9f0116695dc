#include "npf_document.h"

#include <array>
#include <filesystem>
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
    if (!stream.read(header.data(), header.size()))
        return false;
    return isSupportedHeader(header);
}

bool NpfDocument::readFile()
{
    if (!isRegularFile(filePath))
        return false;
    fileStream.open(filePath, std::ios::in | std::ios::binary);
    if (!fileStream.is_open())
        return false;
    CharacterRecord read;
    const bool ok = readFields(read);
    fileStream.close();
    if (ok)
        record = std::move(read);
    return ok;
}

bool NpfDocument::readFields(CharacterRecord& into)
{
    const auto size = measureSize();
    if (!size)
        return false;
    std::array<char, textWidth> buffer{};
    for (const FieldLayout& field : npfFields) {
        const auto offset = field.offsetIn(*size);
        const std::span<char> bytes(buffer.data(), field.width());
        if (!offset || !readBytes(*offset, bytes))
            return false;
        decodeField(field, bytes, into);
    }
    return true;
}

bool NpfDocument::saveFile()
{
    if (!isRegularFile(filePath))
        return false;
    // Opening for update neither creates nor truncates the file.
    fileStream.open(filePath, std::ios::in | std::ios::out | std::ios::binary);
    if (!fileStream.is_open())
        return false;
    bool ok = writeFields();
    fileStream.close();
    // Closing flushes the buffered writes; a failure there is a failed save.
    ok = ok && !fileStream.fail();
    fileStream.clear();
    return ok;
}

bool NpfDocument::writeFields()
{
    // The file may have changed since it was read. Write nothing unless it is
    // still an NPF file that holds every field whole.
    const auto size = measureSize();
    std::array<char, headerSize> header{};
    if (!size || *size < minimumFileSize || !readBytes(0, header) || !isSupportedHeader(header))
        return false;

    std::array<char, textWidth> buffer{};
    for (const FieldLayout& field : npfFields) {
        const std::span<char> bytes(buffer.data(), field.width());
        encodeField(field, record, bytes);
        // Every end-relative field lies inside a file of the minimum size.
        if (!writeBytes(*field.offsetIn(*size), bytes))
            return false;
    }
    return fileStream.flush().good();
}

std::optional<std::uint64_t> NpfDocument::measureSize()
{
    if (!fileStream.seekg(0, std::ios::end))
        return std::nullopt;
    const std::streamoff end = fileStream.tellg();
    if (end < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(end);
}

bool NpfDocument::readBytes(std::uint64_t offset, std::span<char> out)
{
    fileStream.seekg(static_cast<std::streamoff>(offset));
    fileStream.read(out.data(), static_cast<std::streamsize>(out.size()));
    return fileStream.good() && fileStream.gcount() == static_cast<std::streamsize>(out.size());
}

bool NpfDocument::writeBytes(std::uint64_t offset, std::span<const char> bytes)
{
    fileStream.seekp(static_cast<std::streamoff>(offset));
    fileStream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return fileStream.good();
}

} // namespace npf

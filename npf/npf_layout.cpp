#include "npf_layout.h"
#include "file_access.h"
#include "overloaded.h"

#include <algorithm>
#include <cassert>
#include <istream>
#include <limits>

namespace npf {

namespace {

std::optional<std::uint64_t> measureSize(std::istream& stream)
{
    if (!stream.seekg(0, std::ios::end))
        return std::nullopt;
    const std::streamoff end = stream.tellg();
    return end < 0 ? std::nullopt : std::optional<std::uint64_t>(end);
}

constexpr std::uint64_t startOfFixedFields()
{
    std::uint64_t start = std::numeric_limits<std::uint64_t>::max();
    for (const FieldLayout& field : npfFields)
        start = field.anchor == Anchor::Start ? std::min<std::uint64_t>(start, field.distance) : start;
    return start;
}

// How far before the end of the file the end-relative fields stop.
constexpr std::uint64_t nearestToEnd()
{
    std::uint64_t distance = std::numeric_limits<std::uint64_t>::max();
    for (const FieldLayout& field : npfFields) {
        if (field.anchor == Anchor::End)
            distance = std::min<std::uint64_t>(distance, field.distance - field.width());
    }
    return distance;
}

// The two regions that hold every field, one from the start of the file and
// one back from its end: the reader takes each with a single read, and never
// more than these, whatever the file's size.
constexpr std::uint64_t fixedRegionStart = startOfFixedFields();
constexpr std::size_t fixedRegionSize = layout_detail::endOfFixedFields() - fixedRegionStart;
constexpr std::uint64_t endRegionDistance = layout_detail::farthestFromEnd();
constexpr std::size_t endRegionSize = endRegionDistance - nearestToEnd();
static_assert(fixedRegionSize == 788 && endRegionSize == 76, "the regions the reader takes moved");

// Where a field's bytes lie among the two regions read.
std::span<const char> bytesOf(
    const FieldLayout& field, std::span<const char> fixedRegion, std::span<const char> endRegion)
{
    return field.anchor == Anchor::Start
        ? fixedRegion.subspan(field.distance - fixedRegionStart, field.width())
        : endRegion.subspan(endRegionDistance - field.distance, field.width());
}

bool readBytes(std::istream& stream, std::uint64_t offset, std::span<char> out)
{
    stream.seekg(static_cast<std::streamoff>(offset));
    stream.read(out.data(), static_cast<std::streamsize>(out.size()));
    return stream.good() && stream.gcount() == static_cast<std::streamsize>(out.size());
}

// A call that moved fewer bytes than asked goes on from where it stopped; an
// interrupted one is asked again.
bool readWhole(FileAccess& file, std::uint64_t offset, std::span<char> into)
{
    while (!into.empty()) {
        const Transfer read = file.readAt(offset, into);
        if (read.status == Transfer::Status::interrupted)
            continue;
        if (read.status == Transfer::Status::failed || read.bytes == 0 || read.bytes > into.size())
            return false;
        offset += read.bytes;
        into = into.subspan(read.bytes);
    }
    return true;
}

bool writeWhole(FileAccess& file, std::uint64_t offset, std::span<const char> bytes)
{
    while (!bytes.empty()) {
        const Transfer written = file.writeAt(offset, bytes);
        if (written.status == Transfer::Status::interrupted)
            continue;
        if (written.status == Transfer::Status::failed || written.bytes == 0 || written.bytes > bytes.size())
            return false;
        offset += written.bytes;
        bytes = bytes.subspan(written.bytes);
    }
    return true;
}

} // namespace

void putLittleEndian(std::uint32_t value, std::span<char> out)
{
    for (std::size_t i = 0; i < numberWidth; ++i)
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t getLittleEndian(std::span<const char> in)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < numberWidth; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(in[i])) << (8 * i);
    return value;
}

void encodeField(const FieldLayout& field, const CharacterRecord& record, std::span<char> out)
{
    assert(out.size() >= field.width());
    std::visit(Overloaded{
                   [&](std::string CharacterRecord::*text) {
                       const std::string& value = record.*text;
                       const std::size_t kept = std::min(value.size(), textWidth);
                       std::fill_n(out.begin(), textWidth, '\0');
                       std::copy_n(value.begin(), kept, out.begin());
                   },
                   [&](std::int32_t CharacterRecord::*integer) {
                       putLittleEndian(static_cast<std::uint32_t>(record.*integer), out);
                   },
                   [&](FloatBits CharacterRecord::*real) { putLittleEndian((record.*real).bits, out); },
               },
        field.member);
}

void decodeField(const FieldLayout& field, std::span<const char> in, CharacterRecord& record)
{
    assert(in.size() >= field.width());
    std::visit(Overloaded{
                   [&](std::string CharacterRecord::*text) {
                       const auto end = std::find(in.begin(), in.begin() + textWidth, '\0');
                       record.*text = std::string(in.begin(), end);
                   },
                   [&](std::int32_t CharacterRecord::*integer) {
                       record.*integer = static_cast<std::int32_t>(getLittleEndian(in));
                   },
                   [&](FloatBits CharacterRecord::*real) { record.*real = FloatBits{getLittleEndian(in)}; },
               },
        field.member);
}

bool isSupportedHeader(std::span<const char> firstBytes)
{
    if (firstBytes.size() < headerSize)
        return false;
    const bool magicMatches = std::equal(headerMagic.begin(), headerMagic.end(), firstBytes.begin());
    const auto version = static_cast<std::int32_t>(getLittleEndian(firstBytes.subspan(versionOffset)));
    return magicMatches && version == supportedVersion;
}

bool readFields(std::istream& stream, CharacterRecord& into)
{
    const auto size = measureSize(stream);
    if (!size || *size < minimumFileSize)
        return false;
    std::array<char, fixedRegionSize> fixedRegion{};
    std::array<char, endRegionSize> endRegion{};
    if (!readBytes(stream, fixedRegionStart, fixedRegion)
        || !readBytes(stream, *size - endRegionDistance, endRegion))
        return false;
    CharacterRecord read;
    for (const FieldLayout& field : npfFields)
        decodeField(field, bytesOf(field, fixedRegion, endRegion), read);
    into = std::move(read);
    return true;
}

FileResult writeFields(FileAccess& file, const CharacterRecord& record)
{
    // The file may have changed since it was read. Write nothing unless it is
    // still an NPF file that holds every field whole.
    const auto size = file.size();
    std::array<char, headerSize> header{};
    if (!size || *size < minimumFileSize || !readWhole(file, 0, header) || !isSupportedHeader(header))
        return {FileFault::writeFailed};

    std::array<char, textWidth> buffer{};
    for (const FieldLayout& field : npfFields) {
        const auto offset = field.offsetIn(*size);
        const std::span<char> bytes(buffer.data(), field.width());
        encodeField(field, record, bytes);
        if (!offset || !writeWhole(file, *offset, bytes))
            return {FileFault::writeFailed};
    }
    return {};
}

} // namespace npf

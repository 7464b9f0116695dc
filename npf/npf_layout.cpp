#include "npf_layout.h"
#include "file_access.h"
#include "overloaded.h"

#include <algorithm>
#include <cassert>
#include <istream>
#include <limits>
#include <vector>

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
// one back from its end: the reader and the writer take each with a single
// call, and never more than these, whatever the file's size.
constexpr std::uint64_t fixedRegionStart = startOfFixedFields();
constexpr std::uint64_t fixedRegionEnd = layout_detail::endOfFixedFields();
constexpr std::uint64_t endRegionDistance = layout_detail::farthestFromEnd();
constexpr std::size_t endRegionSize = endRegionDistance - nearestToEnd();
static_assert(fixedRegionEnd - fixedRegionStart == 788 && endRegionSize == 76, "the regions moved");

// Bytes of a file from offset on.
struct Stretch {
    std::uint64_t offset;
    std::vector<char> bytes;
};

// The regions of a file of fileSize bytes (at least minimumFileSize), zero-filled:
// one stretch where they touch or overlap, up to separateFieldsSize bytes.
std::vector<Stretch> regionsOf(std::uint64_t fileSize)
{
    assert(fileSize >= minimumFileSize);
    const std::uint64_t endStart = fileSize - endRegionDistance;
    const std::uint64_t endStop = endStart + endRegionSize;
    if (endStart <= fixedRegionEnd)
        return {{fixedRegionStart, std::vector<char>(std::max(fixedRegionEnd, endStop) - fixedRegionStart)}};
    return {{fixedRegionStart, std::vector<char>(fixedRegionEnd - fixedRegionStart)},
        {endStart, std::vector<char>(endRegionSize)}};
}

// Where a field's bytes lie among the regions of a file of fileSize bytes.
std::span<char> bytesOf(const FieldLayout& field, std::vector<Stretch>& regions, std::uint64_t fileSize)
{
    const std::uint64_t offset = *field.offsetIn(fileSize);
    Stretch& holder = offset >= regions.back().offset ? regions.back() : regions.front();
    assert(offset + field.width() <= holder.offset + holder.bytes.size());
    return std::span(holder.bytes).subspan(offset - holder.offset, field.width());
}

bool readBytes(std::istream& stream, std::uint64_t offset, std::span<char> out)
{
    stream.seekg(static_cast<std::streamoff>(offset));
    stream.read(out.data(), static_cast<std::streamsize>(out.size()));
    return stream.good() && stream.gcount() == static_cast<std::streamsize>(out.size());
}

// A call that moved fewer bytes than asked goes on from where it stopped; an
// interrupted one is asked again.
template <typename Bytes, typename Call> bool transferWhole(Bytes bytes, std::uint64_t offset, Call call)
{
    while (!bytes.empty()) {
        const Transfer moved = call(offset, bytes);
        if (moved.status == Transfer::Status::interrupted)
            continue;
        if (moved.status == Transfer::Status::failed || moved.bytes == 0 || moved.bytes > bytes.size())
            return false;
        offset += moved.bytes;
        bytes = bytes.subspan(moved.bytes);
    }
    return true;
}

bool readWhole(FileAccess& file, std::uint64_t offset, std::span<char> into)
{
    return transferWhole(
        into, offset, [&](std::uint64_t at, std::span<char> rest) { return file.readAt(at, rest); });
}

bool writeWhole(FileAccess& file, const Stretch& stretch)
{
    return transferWhole(std::span<const char>(stretch.bytes), stretch.offset,
        [&](std::uint64_t at, std::span<const char> rest) { return file.writeAt(at, rest); });
}

bool flushWhole(FileAccess& file)
{
    Transfer::Status status = Transfer::Status::interrupted;
    while (status == Transfer::Status::interrupted)
        status = file.flush();
    return status == Transfer::Status::done;
}

// After a failed write or flush: the save has failed whatever these calls
// answer, so they are tried and their answers left aside.
void putBack(FileAccess& file, std::span<const Stretch> oldRegions)
{
    for (const Stretch& stretch : oldRegions)
        writeWhole(file, stretch);
    flushWhole(file);
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
    std::vector<Stretch> regions = regionsOf(*size);
    for (Stretch& region : regions) {
        if (!readBytes(stream, region.offset, region.bytes))
            return false;
    }
    CharacterRecord read;
    for (const FieldLayout& field : npfFields)
        decodeField(field, bytesOf(field, regions, *size), read);
    into = std::move(read);
    return true;
}

FileResult writeFields(FileAccess& file, const CharacterRecord& record)
{
    // The file may have changed since it was read. Write nothing unless it is
    // still an NPF file that holds every field whole.
    const auto size = file.size();
    if (!size)
        return {FileFault::readFailed};
    if (*size < minimumFileSize)
        return {FileFault::changedSinceRead};
    std::array<char, headerSize> header{};
    if (!readWhole(file, 0, header))
        return {FileFault::readFailed};
    if (!isSupportedHeader(header))
        return {FileFault::changedSinceRead};
    // Every byte the save writes is read before the first write, to be put back on failure.
    std::vector<Stretch> old = regionsOf(*size);
    for (Stretch& region : old) {
        if (!readWhole(file, region.offset, region.bytes))
            return {FileFault::readFailed};
    }

    // What the fifty-one writes in the table's order would leave: where fields
    // share bytes (files under separateFieldsSize bytes), the later one wins.
    std::vector<Stretch> updated = old;
    for (const FieldLayout& field : npfFields)
        encodeField(field, record, bytesOf(field, updated, *size));

    // All or nothing, and on the device before it says so.
    for (std::size_t i = 0; i < updated.size(); ++i) {
        if (!writeWhole(file, updated[i])) {
            putBack(file, std::span(old).first(i + 1)); // the failed write may have left part of its bytes
            return {FileFault::writeFailed};
        }
    }
    if (!flushWhole(file)) {
        putBack(file, old);
        return {FileFault::writeFailed};
    }
    return {};
}

} // namespace npf

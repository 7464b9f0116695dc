#include "shared_bytes.h"

#include <algorithm>
#include <array>
#include <map>

namespace cli {

std::optional<UnkeptField> unkeptField(const npf::CharacterRecord& record, std::uint64_t fileSize)
{
    // The save's writes, in its order, into the bytes they land on, each with its writer.
    std::map<std::uint64_t, std::pair<char, const npf::FieldLayout*>> bytes;
    std::array<char, npf::textWidth> buffer{};
    for (const npf::FieldLayout& field : npf::npfFields) {
        const auto offset = field.offsetIn(fileSize);
        if (!offset)
            return std::nullopt; // the save itself refuses such a file
        npf::encodeField(field, record, buffer);
        for (std::size_t i = 0; i < field.width(); ++i)
            bytes[*offset + i] = {buffer[i], &field};
    }
    std::array<char, npf::textWidth> kept{};
    for (const npf::FieldLayout& field : npf::npfFields) {
        const std::uint64_t start = *field.offsetIn(fileSize);
        for (std::size_t i = 0; i < field.width(); ++i)
            kept[i] = bytes[start + i].first;
        // Read back as the reader would, and stored again: a text's bytes past its end do not count.
        npf::CharacterRecord readBack = record;
        npf::decodeField(field, std::span<const char>(kept.data(), field.width()), readBack);
        npf::encodeField(field, readBack, kept);
        npf::encodeField(field, record, buffer);
        const auto end = buffer.begin() + static_cast<std::ptrdiff_t>(field.width());
        const auto differs = std::mismatch(buffer.begin(), end, kept.begin()).first;
        if (differs == end)
            continue;
        // The field whose write left the first byte that reads back differently.
        return UnkeptField{
            field, *bytes[start + static_cast<std::uint64_t>(differs - buffer.begin())].second};
    }
    return std::nullopt;
}

} // namespace cli

#include "npf/npf_layout.h"
#include "tools/npf_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

using ByteRange = std::pair<std::uint64_t, std::uint64_t>; // first, last (inclusive)

// The bytes the editor must never touch, listed independently of the field
// table so that a wrong offset or width in the table shows up here.
std::vector<ByteRange> opaqueRanges(std::uint64_t size)
{
    std::vector<ByteRange> ranges{{3, 3}, {40, 71}, {108, 119}, {184, 355}, {388, 407}, {440, 475},
        {480, 483}, {488, 489}, {494, 501}, {534, 535}, {544, 563}, {592, 599}, {604, 607}, {620, 631},
        {636, 679}, {704, 707}, {712, 715}, {736, 739}, {748, 751}, {756, 767}};
    ranges.push_back({796, size - 111});
    ranges.push_back({size - 70, size - 67});
    ranges.push_back({size - 34, size - 1});
    return ranges;
}

TEST(NpfLayout, FieldsAndOpaqueBytesTileALargeFileExactly)
{
    const std::uint64_t size = 4096;
    std::vector<int> owners(size, 0);
    for (const auto& field : npf::npfFields) {
        const auto offset = field.offsetIn(size);
        ASSERT_TRUE(offset) << field.name;
        for (std::uint64_t i = *offset; i < *offset + field.width(); ++i)
            ++owners[i];
    }
    for (const auto& [first, last] : opaqueRanges(size))
        for (std::uint64_t i = first; i <= last; ++i)
            ++owners[i];
    for (std::uint64_t i = npf::headerSize; i < size; ++i)
        EXPECT_EQ(owners[i], 1) << "byte " << i << " must belong to exactly one field or be opaque";
}

TEST(NpfLayout, NamesAreUniqueAndFixedFieldsEndAtTheMinimumSize)
{
    std::set<std::string_view> names;
    std::uint64_t fixedEnd = 0;
    for (const auto& field : npf::npfFields) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        if (field.anchor == npf::Anchor::Start)
            fixedEnd = std::max<std::uint64_t>(fixedEnd, field.distance + field.width());
    }
    EXPECT_EQ(fixedEnd, npf::minimumFileSize);
}

TEST(NpfLayout, EndRelativeFieldsOfAThousandByteFile)
{
    const std::vector<std::pair<std::string_view, std::uint64_t>> expected{
        {"characterNameCopy", 890}, {"carriedTailInt", 922}, {"totalXp", 926}, {"headFile", 934}};
    for (const auto& [name, offset] : expected) {
        const auto field = std::find_if(npf::npfFields.begin(), npf::npfFields.end(),
            [wanted = name](const auto& f) { return f.name == wanted; });
        ASSERT_NE(field, npf::npfFields.end());
        EXPECT_EQ(field->offsetIn(1000), offset) << name;
    }
}

TEST(NpfLayout, EndRelativeFieldCannotLieBeforeTheStart)
{
    const auto& nameCopy = npf::npfFields[1];
    ASSERT_EQ(nameCopy.name, "characterNameCopy");
    EXPECT_FALSE(nameCopy.offsetIn(109));
    EXPECT_EQ(nameCopy.offsetIn(110), 0u);
}

TEST(NpfLayout, NumbersAreLittleEndianGoldenBytes)
{
    npf::CharacterRecord record;
    record.cash = 10;
    record.race = -2;
    record.generation = npf::FloatBits{0x7FA01234}; // a signalling NaN pattern
    const auto bytes = npftools::buildNpfBytes(record, 1000);
    const auto at = [&](std::size_t offset) {
        return std::vector<unsigned char>(
            bytes.begin() + static_cast<long>(offset), bytes.begin() + static_cast<long>(offset) + 4);
    };
    EXPECT_EQ(at(490), (std::vector<unsigned char>{10, 0, 0, 0}));
    EXPECT_EQ(at(484), (std::vector<unsigned char>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(at(716), (std::vector<unsigned char>{0x34, 0x12, 0xA0, 0x7F}));
    EXPECT_EQ(at(0), (std::vector<unsigned char>{'n', 'p', 'f', static_cast<unsigned char>(bytes[3])}));
    EXPECT_EQ(at(4), (std::vector<unsigned char>{5, 0, 0, 0}));
}

TEST(NpfLayout, TextsAreCutOrZeroPaddedToThirtyTwoBytes)
{
    struct Row {
        std::string value;
        std::string stored;
    };
    const std::vector<Row> rows{
        {"", std::string(32, '\0')},
        {"Ana", "Ana" + std::string(29, '\0')},
        {std::string(32, 'x'), std::string(32, 'x')},
        {std::string(33, 'y'), std::string(32, 'y')},
    };
    const auto& nameField = npf::npfFields[0];
    for (const auto& row : rows) {
        npf::CharacterRecord record;
        record.characterName = row.value;
        std::string out(32, '?');
        npf::encodeField(nameField, record, out);
        EXPECT_EQ(out, row.stored) << row.value.size();
    }

    npf::CharacterRecord decoded;
    const std::string stored = std::string("abc") + '\0' + std::string(28, 'z');
    npf::decodeField(nameField, stored, decoded);
    EXPECT_EQ(decoded.characterName, "abc");
}

TEST(NpfLayout, HeaderVariants)
{
    const auto header = [](std::vector<unsigned char> bytes) {
        return npf::isSupportedHeader(std::vector<char>(bytes.begin(), bytes.end()));
    };
    EXPECT_TRUE(header({'n', 'p', 'f', 0, 5, 0, 0, 0}));
    EXPECT_TRUE(header({'n', 'p', 'f', 0xEE, 5, 0, 0, 0}));
    EXPECT_FALSE(header({'n', 'p', 'f', 0, 4, 0, 0, 0}));
    EXPECT_FALSE(header({'n', 'p', 'f', 0, 6, 0, 0, 0}));
    EXPECT_FALSE(header({'n', 'p', 'f', 0, 0, 0, 0, 5}));
    EXPECT_FALSE(header({'N', 'P', 'F', 0, 5, 0, 0, 0}));
    EXPECT_FALSE(header({'n', 'p', 0, 0, 5, 0, 0, 0}));
    EXPECT_FALSE(header({'n', 'p', 'f', 0, 5, 0, 0}));
}

} // namespace

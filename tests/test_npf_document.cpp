#include "npf_test_support.h"

#include "npf/npf_layout.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <random>

namespace {

using npf::CharacterRecord;
using npf::FloatBits;
using npf::NpfDocument;
using npftools::buildNpfBytes;
using npftools::readFileBytes;

// A record whose every field holds a distinct value, so a field read or
// written at the wrong place cannot go unnoticed.
CharacterRecord distinctRecord(std::uint32_t seed)
{
    std::mt19937 random(seed);
    CharacterRecord record;
    for (const auto& field : npf::npfFields) {
        std::vector<char> bytes(field.width());
        for (auto& b : bytes)
            b = static_cast<char>(1 + random() % 255); // no zero bytes: texts fill all 32
        npf::decodeField(field, bytes, record);
    }
    return record;
}

class NpfDocumentTest : public NpfFileTest { };

TEST_F(NpfDocumentTest, ReadThenSaveLeavesEveryByteInPlace)
{
    for (const std::size_t size : {796u, 905u, 906u, 1000u, 3u * 1024 * 1024 + 17}) {
        const auto original = buildNpfBytes(distinctRecord(size), size, static_cast<std::uint32_t>(size));
        const auto path = writeNpf(original);
        NpfDocument document;
        document.setPath(path);
        ASSERT_TRUE(document.checkHeader()) << size;
        ASSERT_TRUE(document.readFile()) << size;
        ASSERT_TRUE(document.saveFile()) << size;
        EXPECT_TRUE(readFileBytes(path) == original) << "size " << size;
    }
}

TEST_F(NpfDocumentTest, ReadGivesTheValuesBuiltIntoALargeFile)
{
    const CharacterRecord expected = distinctRecord(3);
    NpfDocument document;
    document.setPath(writeNpf(expected, 2000));
    ASSERT_TRUE(document.readFile());
    EXPECT_EQ(document.record, expected);
}

TEST_F(NpfDocumentTest, SaveWritesOnlyTheFieldsAndKeepsTheSize)
{
    const std::size_t size = 1500;
    const auto original = buildNpfBytes(npftools::sampleCharacter(), size, 99);
    const auto path = writeNpf(original);
    NpfDocument document;
    document.setPath(path);
    ASSERT_TRUE(document.readFile());
    const CharacterRecord changed = distinctRecord(11);
    document.record = changed;
    ASSERT_TRUE(document.saveFile());

    const auto saved = readFileBytes(path);
    EXPECT_EQ(saved, buildNpfBytes(changed, size, 99))
        << "fields land where the table says, nothing else moves";
    NpfDocument reread;
    reread.setPath(path);
    ASSERT_TRUE(reread.readFile());
    EXPECT_EQ(reread.record, changed);
}

TEST_F(NpfDocumentTest, FloatPatternsTravelBitForBit)
{
    CharacterRecord record = npftools::sampleCharacter();
    record.carriedFloat600 = FloatBits{0x7F800001}; // signalling NaN
    record.carriedFloat768 = FloatBits{0xFFC12345}; // negative quiet NaN with payload
    record.carriedFloat788 = FloatBits{0x00000001}; // smallest subnormal
    record.health = FloatBits{0x80000000}; // negative zero
    const auto path = writeNpf(record, 1000);
    NpfDocument document;
    document.setPath(path);
    ASSERT_TRUE(document.readFile());
    EXPECT_EQ(document.record.carriedFloat600.bits, 0x7F800001u);
    EXPECT_EQ(document.record.carriedFloat768.bits, 0xFFC12345u);
    EXPECT_EQ(document.record.carriedFloat788.bits, 0x00000001u);
    EXPECT_EQ(document.record.health.bits, 0x80000000u);
    const auto before = readFileBytes(path);
    ASSERT_TRUE(document.saveFile());
    EXPECT_EQ(readFileBytes(path), before);
}

TEST_F(NpfDocumentTest, TextFields)
{
    auto bytes = buildNpfBytes(npftools::sampleCharacter(), 1000);
    // 32 non-zero bytes, then a name with bytes hidden after its zero.
    std::fill_n(bytes.begin() + 72, 32, 'K');
    const std::string hidden = std::string("Ivo") + '\0' + "rest";
    std::copy(hidden.begin(), hidden.end(), bytes.begin() + 8);
    const auto path = writeNpf(bytes);

    NpfDocument document;
    document.setPath(path);
    ASSERT_TRUE(document.readFile());
    EXPECT_EQ(document.record.clanName, std::string(32, 'K'));
    EXPECT_EQ(document.record.characterName, "Ivo");

    document.record.modelId = ""; // was "mp_serena"
    document.record.soundSet = "x"; // shorter over longer
    document.record.shortCode = std::string(33, 'S') + "T"; // cut to 32
    ASSERT_TRUE(document.saveFile());
    const auto saved = readFileBytes(path);
    const auto field = [&](std::size_t offset) {
        return std::string(saved.begin() + long(offset), saved.begin() + long(offset) + 32);
    };
    EXPECT_EQ(field(72), std::string(32, 'K'));
    EXPECT_EQ(field(8), "Ivo" + std::string(29, '\0')) << "bytes after the first zero are cleared";
    EXPECT_EQ(field(120), std::string(32, '\0'));
    EXPECT_EQ(field(356), "x" + std::string(31, '\0'));
    EXPECT_EQ(field(152), std::string(32, 'S'));
    EXPECT_EQ(saved[184], bytes[184]) << "the byte after a cut text is not touched";
}

TEST_F(NpfDocumentTest, HeaderCheck)
{
    struct Row {
        const char* name;
        std::vector<unsigned char> header;
        bool accepted;
    };
    const std::vector<Row> rows{
        {"version 5, byte 3 anything", {'n', 'p', 'f', 0x99, 5, 0, 0, 0}, true},
        {"version 4", {'n', 'p', 'f', 0, 4, 0, 0, 0}, false},
        {"version 6", {'n', 'p', 'f', 0, 6, 0, 0, 0}, false},
        {"version 5 big-endian", {'n', 'p', 'f', 0, 0, 0, 0, 5}, false},
        {"seven bytes", {'n', 'p', 'f', 0, 5, 0, 0}, false},
        {"empty", {}, false},
    };
    for (const auto& row : rows) {
        NpfDocument document;
        document.setPath(writeNpf(std::vector<char>(row.header.begin(), row.header.end())));
        EXPECT_EQ(document.checkHeader(), row.accepted) << row.name;
    }
    NpfDocument missing;
    missing.setPath((directory / "missing.npf").string());
    EXPECT_FALSE(missing.checkHeader());
}

TEST_F(NpfDocumentTest, ReadNeedsEveryFieldWhole)
{
    const CharacterRecord previous = distinctRecord(5);
    NpfDocument document;
    document.record = previous;

    for (const std::size_t size : {8u, 109u, 795u}) {
        document.setPath(writeNpf(buildNpfBytes(distinctRecord(6), size)));
        EXPECT_TRUE(document.checkHeader()) << size;
        EXPECT_FALSE(document.readFile()) << size;
        EXPECT_EQ(document.record, previous) << "a failed read of " << size << " bytes changes nothing";
    }
    document.setPath(writeNpf(buildNpfBytes(distinctRecord(6), 796)));
    EXPECT_TRUE(document.readFile());
}

TEST_F(NpfDocumentTest, ASecondReadReplacesEveryField)
{
    CharacterRecord first = distinctRecord(8);
    CharacterRecord second; // empty texts, zero numbers
    NpfDocument document;
    document.setPath(writeNpf(first, 1000));
    ASSERT_TRUE(document.readFile());
    document.setPath(writeNpf(second, 1000));
    ASSERT_TRUE(document.readFile());
    EXPECT_EQ(document.record, second);
}

TEST_F(NpfDocumentTest, OnlyRegularFilesAreOpened)
{
    const auto fifo = directory / "pipe.npf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const auto& path : {fifo, directory, std::filesystem::path("/dev/null")}) {
        NpfDocument document;
        document.setPath(path.string());
        EXPECT_FALSE(document.checkHeader()) << path;
        EXPECT_FALSE(document.readFile()) << path;
        EXPECT_FALSE(document.saveFile()) << path;
    }
}

TEST_F(NpfDocumentTest, PathIsKeptWholeWhateverItsLength)
{
    auto deep = directory;
    for (int i = 0; i < 4; ++i)
        deep /= std::string(90, char('a' + i));
    std::filesystem::create_directories(deep);
    const auto path = (deep / "long.npf").string();
    ASSERT_GT(path.size(), 260u);
    ASSERT_TRUE(npftools::writeFileBytes(path, buildNpfBytes(npftools::sampleCharacter(), 1000)));
    NpfDocument document;
    document.setPath(path);
    EXPECT_EQ(document.path(), path);
    EXPECT_TRUE(document.checkHeader());
    EXPECT_TRUE(document.readFile());
    EXPECT_TRUE(document.saveFile());
}

class NpfSaveFailure : public NpfFileTest {
protected:
    // A document that has read its file and holds changed values to write.
    void loadAndChange(NpfDocument& document, const std::string& path)
    {
        document.setPath(path);
        ASSERT_TRUE(document.readFile());
        document.record = distinctRecord(21);
    }
};

TEST_F(NpfSaveFailure, DeletedFileIsNotCreatedAgain)
{
    const auto path = writeNpf(npftools::sampleCharacter(), 1000);
    NpfDocument document;
    loadAndChange(document, path);
    std::filesystem::remove(path);
    EXPECT_FALSE(document.saveFile());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(NpfSaveFailure, FileThatNoLongerHoldsEveryFieldIsNotTouched)
{
    struct Row {
        const char* name;
        std::vector<char> replacement;
    };
    auto badHeader = buildNpfBytes(npftools::sampleCharacter(), 1000, 3);
    badHeader[4] = 6;
    auto notNpf = buildNpfBytes(npftools::sampleCharacter(), 1000, 3);
    notNpf[0] = 'P';
    const std::vector<Row> rows{
        {"truncated to 795 bytes", buildNpfBytes(npftools::sampleCharacter(), 795, 3)},
        {"truncated to 8 bytes", buildNpfBytes(npftools::sampleCharacter(), 8, 3)},
        {"version changed", badHeader},
        {"magic replaced", notNpf},
        {"emptied", {}},
    };
    for (const auto& row : rows) {
        const auto path = writeNpf(npftools::sampleCharacter(), 1000);
        NpfDocument document;
        loadAndChange(document, path);
        ASSERT_TRUE(npftools::writeFileBytes(path, row.replacement));
        EXPECT_FALSE(document.saveFile()) << row.name;
        EXPECT_EQ(readFileBytes(path), row.replacement) << row.name;
    }
}

TEST_F(NpfSaveFailure, SaveReplacesNothingWhenFileCannotBeOpenedForWriting)
{
    const auto path = writeNpf(npftools::sampleCharacter(), 1000);
    NpfDocument document;
    loadAndChange(document, path);
    const auto before = readFileBytes(path);
    // Root ignores permission bits; an immutable file stops root too.
    if (std::system(("chattr +i '" + path + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "this file system cannot mark a file immutable, and permission bits do not stop root";
    const bool saved = document.saveFile();
    std::system(("chattr -i '" + path + "'").c_str());
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFileBytes(path), before);
}

TEST_F(NpfSaveFailure, ResizedFilePlacesEndFieldsAtItsNewEnd)
{
    // The size is measured at each save: another program may have grown the file.
    const auto path = writeNpf(npftools::sampleCharacter(), 1000);
    NpfDocument document;
    loadAndChange(document, path);
    const auto grown = buildNpfBytes(npftools::sampleCharacter(), 1200, 4);
    ASSERT_TRUE(npftools::writeFileBytes(path, grown));
    ASSERT_TRUE(document.saveFile());
    EXPECT_EQ(readFileBytes(path), buildNpfBytes(document.record, 1200, 4));
}

} // namespace

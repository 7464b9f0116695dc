#include "npf_test_support.h"

#include "npf/npf_layout.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <optional>
#include <tuple>

namespace {

using namespace npf;
using namespace npftools;
using namespace std::string_literals;

// Every byte after the header belongs to one field or to the untouched bytes,
// listed here apart from the field table so a wrong offset or width shows.
TEST(NpfLayout, FieldsAndOpaqueBytesTileALargeFileOnce)
{
    const std::uint64_t size = 4096;
    // Opaque ranges, first and last byte; then the fields' ranges.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges{{40, 71}, {108, 119}, {184, 355}, {388, 407},
        {440, 475}, {480, 483}, {488, 489}, {494, 501}, {534, 535}, {544, 563}, {592, 599}, {604, 607},
        {620, 631}, {636, 679}, {704, 707}, {712, 715}, {736, 739}, {748, 751}, {756, 767}, {796, size - 111},
        {size - 70, size - 67}, {size - 34, size - 1}};
    for (const auto& field : npfFields)
        ranges.emplace_back(*field.offsetIn(size), *field.offsetIn(size) + field.width() - 1);
    for (const auto& field : npfFields) // no member is filled from two rows
        EXPECT_EQ(std::ranges::count(npfFields, field.member, &FieldLayout::member), 1) << field.name;
    std::vector<int> owners(size, 0);
    for (const auto& [first, last] : ranges)
        for (auto i = first; i <= last; ++i)
            ++owners[i];
    for (auto i = headerSize; i < size; ++i)
        EXPECT_EQ(owners[i], 1) << "byte " << i;
}

// Every field a value of its own (texts 32 non-zero bytes), and floats any arithmetic would change.
CharacterRecord distinctRecord(std::uint32_t seed)
{
    std::mt19937 random(seed);
    CharacterRecord record;
    for (const auto& field : npfFields) {
        std::string bytes(textWidth, '\0');
        std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(1 + random() % 255); });
        decodeField(field, bytes, record);
    }
    record.carriedFloat600 = FloatBits{0x7F800001}; // signalling NaN
    record.health = FloatBits{0xFFC12345}; // negative quiet NaN with a payload
    return record;
}

// A file holding the record (by default the sample character), its first bytes replaced by head.
std::vector<char> sampleFile(
    std::size_t size, std::vector<char> head = {}, const CharacterRecord& record = sampleCharacter())
{
    auto bytes = buildNpfBytes(record, size, 3);
    std::copy(head.begin(), head.end(), bytes.begin());
    return bytes;
}

class NpfDocumentTest : public NpfFileTest { };

// Texts read up to their first zero and are saved zero-padded or cut to 32
// bytes; numbers are little-endian; end fields of a 1000-byte file at 890-934.
TEST_F(NpfDocumentTest, SavedBytes)
{
    auto bytes = sampleFile(1000);
    std::fill_n(bytes.begin() + 72, 32, 'K'); // a clan name without a zero
    std::ranges::copy("Ivo\0rest"s, bytes.begin() + 8);
    NpfDocument document;
    document.setPath(writeNpf(bytes));
    ASSERT_TRUE(document.readFile());
    auto& r = document.record;
    std::tie(r.modelId, r.soundSet, r.characterNameCopy, r.headFile) = std::tuple("", "x", "Cc", "Hh");
    r.shortCode = std::string(32, 'S') + "T";
    std::tie(r.cash, r.race, r.totalXp, r.carriedTailInt) = std::tuple(10, -2, -3, 0x1020304);
    r.generation = FloatBits{0x7FA01234};
    ASSERT_TRUE(document.saveFile());
    const auto text = [](std::string value) { return value.resize(32, '\0'), value; };
    const std::vector<std::pair<long, std::string>> changes{{8, text("Ivo")}, {120, text("")},
        {356, text("x")}, {152, std::string(32, 'S')}, {490, "\x0A\0\0\0"s}, {484, "\xFE\xFF\xFF\xFF"},
        {716, "\x34\x12\xA0\x7F"}, {890, text("Cc")}, {922, "\x04\x03\x02\x01"}, {926, "\xFD\xFF\xFF\xFF"},
        {934, text("Hh")}};
    for (const auto& [offset, stored] : changes)
        std::ranges::copy(stored, bytes.begin() + offset);
    EXPECT_EQ(readFileBytes(document.path()), bytes);
}

// A read replaces every field or nothing (below 906 bytes end fields overlap
// fixed ones). A save looks at the file again and writes nothing unless it
// still has the header and every field; a save of what was read leaves every
// byte. Each failure says why.
TEST_F(NpfDocumentTest, HeaderSizeReadAndTheSaveLookingAgain)
{
    using enum FileFault;
    const std::vector<std::tuple<const char*, std::size_t, std::vector<char>, FileFault, FileFault>> rows{
        {"any byte 3", 1000, {'n', 'p', 'f', '\x99', 5, 0, 0, 0}, none, none},
        {"version 4", 1000, {'n', 'p', 'f', 0, 4, 0, 0, 0}, notNpf, none},
        {"version 6", 1000, {'n', 'p', 'f', 0, 6, 0, 0, 0}, notNpf, none},
        {"version 5 big-endian", 1000, {'n', 'p', 'f', 0, 0, 0, 0, 5}, notNpf, none},
        {"magic", 1000, {'P'}, notNpf, none}, {"8 bytes", 8, {}, none, tooShort},
        {"795 bytes", 795, {}, none, tooShort}, {"796 bytes", 796, {}, none, none},
        {"905 bytes", 905, {}, none, none}, {"906 bytes", 906, {}, none, none},
        {"1200 bytes", 1200, {}, none, none}, {"3 MiB", 3u * 1024 * 1024 + 17, {}, none, none}};
    for (const auto& [name, size, head, header, read] : rows) {
        SCOPED_TRACE(name);
        // What the file holds.
        const CharacterRecord held = size == 1000 ? CharacterRecord{} : distinctRecord(size);
        const auto original = sampleFile(size, head, held);
        NpfDocument document;
        document.setPath(writeNpf(sampleFile(1000)));
        ASSERT_TRUE(document.readFile() && writeFileBytes(document.path(), original));
        document.record = distinctRecord(21);
        EXPECT_EQ(document.checkHeader().fault, header);
        EXPECT_EQ(document.readFile().fault, read);
        EXPECT_EQ(document.sizeAtRead(), read == none ? size : 1000);
        EXPECT_TRUE(
            read == none ? size < 906 || document.record == held : document.record == distinctRecord(21));
        const bool valid = header == none && read == none;
        EXPECT_EQ(document.saveFile().fault, valid ? none : changedSinceRead);
        EXPECT_TRUE(readFileBytes(document.path()) == original);
    }
}

// The system's own calls, except the failing-th write or flush (counted from
// 1), which answers as a failing disk, a busy system or a signal would.
// Notes which call was which.
class FailingFile : public ForwardingFile {
public:
    enum class Failure { error, shortWrite, interruption };
    enum class Call { write, flush };
    friend void PrintTo(Call call, std::ostream* out) { *out << (call == Call::write ? "write" : "flush"); }
    FailingFile(std::size_t failing, Failure failure)
        : failing(failing)
        , failure(failure)
    {
    }
    Transfer writeAt(std::uint64_t offset, std::span<const char> bytes) override
    {
        calls.push_back(Call::write);
        if (calls.size() != failing)
            return ForwardingFile::writeAt(offset, bytes);
        if (failure == Failure::interruption)
            return {Transfer::Status::interrupted};
        // Half the bytes reach the file; then a failing disk answers an error.
        const Transfer half = ForwardingFile::writeAt(offset, bytes.first((bytes.size() + 1) / 2));
        return failure == Failure::shortWrite ? half : Transfer{};
    }
    Transfer::Status flush() override
    {
        calls.push_back(Call::flush);
        if (calls.size() != failing)
            return ForwardingFile::flush();
        return failure == Failure::interruption ? Transfer::Status::interrupted : Transfer::Status::failed;
    }

    std::vector<Call> calls;

private:
    std::size_t failing;
    Failure failure;
};

// Each write and flush of a save failed in turn: an error leaves the old file
// and a failed save; a short write or an interruption, which the save goes on
// from, the saved file, flushed after its last write. Where the two stretches
// of fields touch or overlap, one write takes both.
TEST_F(NpfDocumentTest, EveryFailingCallLeavesTheOldFileOrTheSavedOne)
{
    using enum FailingFile::Call;
    using enum FailingFile::Failure;
    const std::vector<std::pair<std::size_t, std::vector<FailingFile::Call>>> sizes{{850, {write, flush}},
        {906, {write, flush}}, {907, {write, write, flush}}, {3u * 1024 * 1024 + 17, {write, write, flush}}};
    const std::vector<std::pair<FailingFile::Failure, std::string>> failures{
        {error, "error"}, {shortWrite, "short write"}, {interruption, "interruption"}};
    for (const auto& [size, cleanCalls] : sizes) {
        const auto old = sampleFile(size, {}, distinctRecord(1)),
                   saved = sampleFile(size, {}, distinctRecord(2));
        const auto save = [&](std::size_t failing, FailingFile::Failure failure) {
            NpfDocument document;
            document.setPath(writeNpf(old));
            EXPECT_TRUE(document.readFile());
            document.record = distinctRecord(2);
            FailingFile file(failing, failure);
            const FileFault fault = document.saveFile(file).fault;
            return std::tuple(fault, readFileBytes(document.path()), file.calls);
        };
        const auto [fault, bytes, made] = save(0, error);
        EXPECT_TRUE(fault == FileFault::none && bytes == saved) << size;
        EXPECT_EQ(made, cleanCalls) << size;
        for (std::size_t k = 1; k <= made.size(); ++k) {
            for (const auto& [failure, name] : failures) {
                if (made[k - 1] == flush && failure == shortWrite)
                    continue;
                SCOPED_TRACE(std::to_string(size) + " bytes, call " + std::to_string(k) + ", " + name);
                const auto [fault, bytes, calls] = save(k, failure);
                EXPECT_EQ(fault, failure == error ? FileFault::writeFailed : FileFault::none);
                EXPECT_TRUE(bytes == (failure == error ? old : saved));
                const auto lastFlush = std::ranges::find(calls.rbegin(), calls.rend(), flush);
                EXPECT_TRUE(
                    failure == error || lastFlush < std::ranges::find(calls.rbegin(), calls.rend(), write))
                    << "not flushed after the last write";
            }
        }
    }
}

// Only regular files are opened (a FIFO would block), every other path says
// what it is, nothing is created, and a long path is never cut short.
TEST_F(NpfDocumentTest, OnlyRegularFilesWholePathsAndWhyNot)
{
    using enum FileFault;
    const auto longPath = directory / std::string(250, 'a') / "long.npf"; // over 260 characters
    const auto cut = std::filesystem::path(longPath.native().substr(0, 259));
    std::filesystem::create_directory(longPath.parent_path());
    ASSERT_TRUE(writeFileBytes(longPath, sampleFile(1000)) && writeFileBytes(cut, sampleFile(1000, {'P'})));
    const std::vector<std::pair<std::filesystem::path, FileFault>> rows{
#ifdef _WIN32
        {"NUL", notRegularFile}, {"CON", notRegularFile},
#else
        {"/dev/null", notRegularFile},
        {directory / "fifo", (::mkfifo((directory / "fifo").c_str(), 0600), notRegularFile)},
        {"/proc/self/mem", readFailed}, // a regular file whose first bytes cannot be read
#endif
        {longPath, none}, {directory / "missing.npf", missing}, {directory / "*.npf", missing},
        {directory / "missing" / "a.npf", missing}, {directory, folder}};
    for (const auto& [path, fault] : rows) {
        NpfDocument document;
        document.setPath(path);
        EXPECT_EQ(document.checkHeader().fault, fault) << path;
        EXPECT_EQ(document.readFile().fault, fault == readFailed ? tooShort : fault) << path;
        EXPECT_EQ(document.saveFile().fault, fault == readFailed ? changedSinceRead : fault) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(directory / "missing.npf"));
    EXPECT_EQ(readFileBytes(cut), sampleFile(1000, {'P'}));
    // MinGW cannot list a directory at a long path (it lists the current one), so remove_all would fail.
    EXPECT_TRUE(std::filesystem::remove(longPath) && std::filesystem::remove(longPath.parent_path()));
}

// Full Windows paths of 260 characters or more get the \\?\ form; others are left alone.
TEST(NpfPaths, ExtendedLengthForm)
{
    const std::wstring d(256, L'd'); // with a drive, 259 characters
    const std::vector<std::pair<std::wstring, std::wstring>> rows{{L"C:\\" + d, L"C:\\" + d},
        {L"c:\\" + d + L"x", L"\\\\?\\c:\\" + d + L"x"},
        {L"\\\\server\\share\\" + d, L"\\\\?\\UNC\\server\\share\\" + d},
        {L"\\\\?\\C:\\" + d + L"\\a.npf", L"\\\\?\\C:\\" + d + L"\\a.npf"},
        {L"\\\\.\\pipe\\" + d, L"\\\\.\\pipe\\" + d}};
    for (const auto& [path, expected] : rows)
        EXPECT_TRUE(extendedLengthPath(path) == expected) << std::filesystem::path(path).string();
}

} // namespace

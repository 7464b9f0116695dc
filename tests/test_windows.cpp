// The file layer and veyrith-npf on Windows (under Wine in CI): wide names,
// wildcards, long paths and refused saves.
#include "npf_test_support.h"

#include <nlohmann/json.hpp>
#include <veyrith_version.h>
#include <windows.h>

namespace {

using npf::NpfDocument;
using npf::systemPathOf;
using npftools::buildNpfBytes;
using npftools::readFileBytes;
using npftools::sampleCharacter;

class WindowsTest : public NpfFileTest {
protected:
    // A built program run by cmd from a folder with a wide command line, its
    // standard output (and error, unless sent elsewhere) to a file; output holds what it printed.
    int run(const std::wstring& program, const std::vector<std::wstring>& arguments,
        const std::filesystem::path& folder, const std::wstring& errors = L"2>&1")
    {
        std::wstring line = L"cd /d \"" + folder.native() + L"\" && " + program;
        for (const auto& argument : arguments)
            line += L" \"" + argument + L"\"";
        line += L" >\"" + (directory / "out.txt").native() + L"\" " + errors;
        // 9009: cmd could not start the program, which Wine on a loaded machine does now and then.
        int status = 9009;
        for (int attempt = 0; attempt < 3 && status == 9009; ++attempt)
            status = _wsystem(line.c_str());
        const auto bytes = readFileBytes(directory / "out.txt");
        output.assign(bytes.begin(), bytes.end());
        return status;
    }
    int runTool(const std::vector<std::wstring>& arguments, const std::filesystem::path& folder = {})
    {
        return run(L"\"" + (programs / VEYRITH_NPF_TOOL).native() + L"\"", arguments,
            folder.empty() ? programs : folder);
    }
    const std::filesystem::path programs = std::filesystem::current_path();
    std::string output;
};

// The tool takes names in several scripts on its command line, reaches the files
// through UTF-8 paths, prints UTF-8 and stores Windows-1252.
TEST_F(WindowsTest, NamesOutsideTheCodePage)
{
    const auto folder = directory / L"Zoë-Жук-世界-😀";
    std::filesystem::create_directories(folder);
    const auto original = buildNpfBytes(sampleCharacter(), 1000);
    const auto a = folder / L"Жук.npf", b = folder / L"😀.npf", missing = folder / L"世界-missing.npf";
    ASSERT_TRUE(npftools::writeFileBytes(a, original) && npftools::writeFileBytes(b, original));
    const std::vector<std::tuple<std::vector<std::wstring>, int, std::string>> rows{{{L"diff", a, b}, 0, ""},
        {{L"set", a, L"characterName=Zoë"}, 0, ""}, {{L"show", a}, 0, "characterName      Zo\xC3\xAB\r\n"},
        {{L"diff", a, b}, 1, "characterName: \"Zo\xC3\xAB\" -> \"Mireille Vasquez\"\r\n"},
        {{L"set", a, L"characterName=Жук"}, 2, "characterName: "}, // not in Windows-1252
        {{L"show", missing}, 1, npf::utf8Of(missing) + ": No such file."}};
    for (const auto& [arguments, status, printed] : rows) {
        EXPECT_EQ(runTool(arguments), status) << output;
        EXPECT_NE(output.find(printed), std::string::npos) << output;
    }
    auto named = sampleCharacter();
    named.characterName = named.characterNameCopy = "Zo\xEB";
    EXPECT_EQ(readFileBytes(a), buildNpfBytes(named, 1000));
}

// The tool expands '*' and '?' itself, either slash, ignoring case, in name
// order, past 260 characters too; a pattern matching nothing is a missing file.
TEST_F(WindowsTest, WildcardsAndLongPaths)
{
    const auto folder = directory / L"Zoë-Жук";
    // Absolute and over 260 characters; each name within the 255 bytes of a Linux file system under Wine.
    const std::vector<std::filesystem::path> longFolders{directory / std::wstring(100, L'ж'),
        directory / std::wstring(100, L'ж') / std::wstring(100, L'd'),
        directory / std::wstring(100, L'ж') / std::wstring(100, L'd') / std::wstring(100, L'e')};
    const auto& longFolder = longFolders.back();
    std::filesystem::create_directories(folder);
    for (const auto& level : longFolders)
        ASSERT_TRUE(CreateDirectoryW(systemPathOf(level).c_str(), nullptr)) << GetLastError();
    const auto bytes = buildNpfBytes(sampleCharacter(), 1000);
    for (const wchar_t* name : {L"Жук.npf", L"жаба.npf", L"Zoë.npf", L"😀.npf", L"b.txt"})
        ASSERT_TRUE(npftools::writeFileBytes(folder / name, bytes));
    ASSERT_TRUE(npftools::writeFileBytes(systemPathOf(longFolder / L"a.npf"), bytes));
    const std::wstring relative = (longFolder / L"a.npf").lexically_relative(directory).native();
    const std::wstring driveRelative = directory.root_name().native() + relative;
    const std::wstring rooted = (directory.root_directory() / directory.relative_path() / relative).native();
    const std::string slashed = npf::utf8Of(folder) + "/";
    const auto header = [&](const wchar_t* name) { return "==> " + npf::utf8Of(folder / name) + " <==\r\n"; };
    const auto line = [&](const wchar_t* name) {
        return "{\"file\":" + nlohmann::json(slashed + npf::utf8Of(name)).dump() + ",";
    };
    const std::vector<std::tuple<std::vector<std::wstring>, int, std::vector<std::string>>> rows{
        {{L"show", (folder / L"ж*.NPF").native()}, 0, {header(L"жаба.npf"), header(L"Жук.npf")}},
        {{L"show", L"--json", npf::pathFromUtf8(slashed + "*.npf").native()}, 0,
            {line(L"Zoë.npf"), line(L"жаба.npf"), line(L"Жук.npf"), line(L"😀.npf")}},
        {{L"show", (folder / L"?.npf").native()}, 0, {"characterName      Mireille Vasquez\r\n"}},
        {{L"show", (folder / L"*.xyz").native()}, 1, {npf::utf8Of(folder / L"*.xyz") + ": No such file."}},
        // Relative, drive-relative and rooted paths whose full form is long, run from the test's folder.
        {{L"set", relative, L"cash=5"}, 0, {}}, {{L"show", driveRelative}, 0, {"cash               5\r\n"}},
        {{L"set", rooted, L"cash=6"}, 0, {}},
        {{L"show", relative.substr(0, relative.size() - 5) + L"*.npf"}, 0, {"cash               6\r\n"}}};
    for (const auto& [arguments, status, printed] : rows) {
        EXPECT_EQ(runTool(arguments, directory), status) << output;
        std::size_t at = 0;
        for (const std::string& part : printed) {
            at = output.find(part, at);
            EXPECT_NE(at, std::string::npos) << part << " in order in " << output;
        }
    }
    // remove_all cannot list a folder at a long path.
    EXPECT_TRUE(DeleteFileW(systemPathOf(longFolder / L"a.npf").c_str()));
    for (auto level = longFolders.rbegin(); level != longFolders.rend(); ++level)
        EXPECT_TRUE(RemoveDirectoryW(systemPathOf(*level).c_str()));
}

// A path is resolved by Windows' rules before it gets the \\?\ form: from the
// current folder, with trailing dots and spaces dropped from its last name
// only. One that resolves short, or is in a device form, is left as it is.
TEST_F(WindowsTest, LongPathsResolvedAsWindowsResolvesThem)
{
    const std::wstring d(250, L'd'), here = programs.native();
    const std::vector<std::pair<std::wstring, std::wstring>> rows{
        {d + L"\\x \\.\\y.\\..\\a.npf. ", L"\\\\?\\" + here + L"\\" + d + L"\\x \\a.npf"},
        {L"x \\..\\a.npf", L"x \\..\\a.npf"}, {L"\\\\.\\pipe\\" + d, L"\\\\.\\pipe\\" + d}};
    for (const auto& [path, system] : rows)
        EXPECT_TRUE(systemPathOf(path).native() == system) << npf::utf8Of(systemPathOf(path));
}

#ifdef VEYRITH_LAUNCHER
// Typed as "veyrith", veyrith.com answers for the windowed editor: the text on
// the stream the editor wrote it to, as UTF-8 through a file, and the status.
TEST_F(WindowsTest, LauncherPassesOnTheEditorsAnswers)
{
    const std::string usage = "Usage: veyrith [options] [FILE]\r\nTry --help for more.\r\n";
    const std::vector<std::tuple<std::wstring, std::wstring, int, std::string>> rows{
        {L"--version", L"2>NUL", 0, "veyrith " VEYRITH_VERSION "\r\n"},
        {L"--Zoë", L"2>&1", 2, "Unknown option 'Zo\xC3\xAB'.\r\n" + usage}, {L"--Zoë", L"2>NUL", 2, ""}};
    for (const auto& [argument, errors, status, printed] : rows) {
        EXPECT_EQ(run(L"veyrith", {argument}, programs, errors), status);
        EXPECT_EQ(output, printed);
    }
}
#endif

// A save refused (a file held without sharing, or read-only) says so and leaves every byte.
TEST_F(WindowsTest, RefusedSavesLoseNothing)
{
    const auto original = buildNpfBytes(sampleCharacter(), 1000);
    for (const bool readOnly : {false, true}) {
        NpfDocument document;
        document.setPath(writeNpf(original));
        ASSERT_TRUE(document.readFile());
        document.record.cash = 1;
        const wchar_t* path = document.path().c_str();
        ASSERT_TRUE(!readOnly || SetFileAttributesW(path, FILE_ATTRIBUTE_READONLY));
        // The holder; on a read-only file it should not even open.
        HANDLE holder
            = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (readOnly && holder != INVALID_HANDLE_VALUE) {
            CloseHandle(holder);
            SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
            GTEST_SKIP()
                << "Wine run as root keeps the read-only attribute as permission bits, which root ignores";
        }
        ASSERT_TRUE(readOnly || holder != INVALID_HANDLE_VALUE);
        EXPECT_EQ(document.saveFile().fault, npf::FileFault::accessDenied) << readOnly;
        CloseHandle(holder);
        SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFileBytes(document.path()), original) << readOnly;
    }
}

} // namespace

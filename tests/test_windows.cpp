// The file layer and veyrith-npf on Windows, run under Wine in CI: any file
// name, the tool's wide command line, and the files Windows will not write.
#include "npf_test_support.h"

#include <windows.h>

namespace {

using npf::NpfDocument;
using npftools::buildNpfBytes;
using npftools::readFileBytes;
using npftools::sampleCharacter;

class WindowsTest : public NpfFileTest {
protected:
    // The built tool, run from a wide command line as a console would, its
    // output and messages caught in one file; answers the exit status.
    DWORD runTool(const std::vector<std::wstring>& arguments)
    {
        std::wstring line = L"\"" + (programDirectory() / VEYRITH_NPF_TOOL).native() + L"\"";
        for (const auto& argument : arguments)
            line += L" \"" + argument + L"\"";
        SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
        const auto outPath = directory / "out.txt";
        HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = out;
        PROCESS_INFORMATION process{};
        DWORD status = 99;
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
            WaitForSingleObject(process.hProcess, INFINITE);
            GetExitCodeProcess(process.hProcess, &status);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        CloseHandle(out);
        const auto bytes = readFileBytes(outPath);
        output.assign(bytes.begin(), bytes.end());
        return status;
    }
    static std::filesystem::path programDirectory()
    {
        std::wstring name(MAX_PATH, L'\0');
        name.resize(GetModuleFileNameW(nullptr, name.data(), MAX_PATH));
        return std::filesystem::path(name).parent_path();
    }
    std::string output;
};

// A folder and files named outside any code page: the document reaches them
// through the path made from UTF-8, as the tool does, byte for byte.
TEST_F(WindowsTest, NamesOutsideTheCodePage)
{
    const std::u8string folder = u8"Zoë-Жук-世界-😀";
    for (const std::u8string name : {u8"é", u8"Жук", u8"世界", u8"😀"}) {
        const auto path = directory / folder / (name + u8".npf");
        std::filesystem::create_directories(path.parent_path());
        const auto original = buildNpfBytes(sampleCharacter(), 1000);
        ASSERT_TRUE(npftools::writeFileBytes(path, original));
        NpfDocument document;
        document.setPath(npf::pathFromUtf8(npf::utf8Of(path)));
        EXPECT_TRUE(document.checkHeader() && document.readFile() && document.saveFile());
        EXPECT_EQ(document.record, sampleCharacter());
        EXPECT_EQ(readFileBytes(path), original);
        document.record.cash = 77;
        EXPECT_TRUE(document.saveFile());
        EXPECT_EQ(readFileBytes(path), buildNpfBytes(document.record, 1000));
    }
}

// show, set and diff given such names and a name value on the wide command
// line; the tool prints UTF-8 and stores the name in Windows-1252.
TEST_F(WindowsTest, ToolTakesUnicodeArguments)
{
    const auto folder = directory / L"Zoë-Жук-世界-😀";
    std::filesystem::create_directories(folder);
    const auto a = folder / L"Жук.npf";
    const auto b = folder / L"世界😀.npf";
    for (const auto& path : {a, b})
        ASSERT_TRUE(npftools::writeFileBytes(path, buildNpfBytes(sampleCharacter(), 1000)));
    auto named = sampleCharacter();
    named.characterName = named.characterNameCopy = "Zo\xEB";
    const std::vector<std::tuple<std::vector<std::wstring>, DWORD, std::string>> rows{
        {{L"diff", a, b}, 0, ""},
        {{L"set", a, L"characterName=Zoë"}, 0, ""},
        {{L"show", a}, 0, "characterName      Zo\xC3\xAB\r\n"},
        {{L"diff", a, b}, 1, "characterName: \"Zo\xC3\xAB\" -> \"Mireille Vasquez\"\r\n"},
        {{L"set", a, L"characterName=Жук"}, 2, "characterName: "},
        {{L"show", folder / L"Жук-missing.npf"}, 1, npf::utf8Of(folder / L"Жук-missing.npf") + ": File is not"},
    };
    for (const auto& [arguments, status, printed] : rows) {
        EXPECT_EQ(runTool(arguments), status) << output;
        EXPECT_NE(output.find(printed), std::string::npos) << output;
    }
    EXPECT_EQ(readFileBytes(a), buildNpfBytes(named, 1000));
}

// A save Windows refuses answers false and leaves every byte: a file another
// handle holds without sharing, and one with the read-only attribute.
TEST_F(WindowsTest, RefusedSavesLoseNothing)
{
    const auto original = buildNpfBytes(sampleCharacter(), 1000);
    for (const bool readOnly : {false, true}) {
        NpfDocument document;
        document.setPath(writeNpf(original));
        ASSERT_TRUE(document.readFile());
        document.record.cash = 1;
        const wchar_t* path = document.path().c_str();
        HANDLE holder = INVALID_HANDLE_VALUE;
        if (readOnly) {
            ASSERT_TRUE(SetFileAttributesW(path, FILE_ATTRIBUTE_READONLY));
            holder = CreateFileW(path, GENERIC_WRITE, 7, nullptr, OPEN_EXISTING, 0, nullptr);
            // Wine keeps the attribute as Unix permission bits, which root ignores.
            if (holder != INVALID_HANDLE_VALUE) {
                CloseHandle(holder);
                SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
                GTEST_SKIP() << "the read-only attribute does not stop this user here (Wine run as root)";
            }
        } else {
            holder = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        }
        EXPECT_FALSE(document.saveFile()) << readOnly;
        CloseHandle(holder);
        SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFileBytes(document.path()), original) << readOnly;
    }
}

} // namespace

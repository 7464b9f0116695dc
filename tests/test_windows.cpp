// The file layer and veyrith-npf on Windows, run under Wine in CI: names
// outside any code page, the tool's wide command line, and files Windows
// will not let a save write.
#include "npf_test_support.h"

#include <windows.h>

namespace {

using npf::NpfDocument;
using npftools::buildNpfBytes;
using npftools::readFileBytes;
using npftools::sampleCharacter;

class WindowsTest : public NpfFileTest {
protected:
    // The built tool run by the console's command interpreter from a wide
    // command line; output holds what it printed. The test runs in bin/.
    int runTool(const std::vector<std::wstring>& arguments)
    {
        std::wstring line = VEYRITH_NPF_TOOL;
        for (const auto& argument : arguments)
            line += L" \"" + argument + L"\"";
        const int status = _wsystem((line + L" >\"" + (directory / "out.txt").native() + L"\" 2>&1").c_str());
        const auto bytes = readFileBytes(directory / "out.txt");
        output.assign(bytes.begin(), bytes.end());
        return status;
    }
    std::string output;
};

// A folder and files named in several scripts: the document reaches each
// through the path made from UTF-8, as the tool does, byte for byte; the tool
// takes such names and a name value on its command line, prints UTF-8 and
// stores the name in Windows-1252.
TEST_F(WindowsTest, NamesOutsideTheCodePage)
{
    const auto folder = directory / L"Zoë-Жук-世界-😀";
    std::filesystem::create_directories(folder);
    const auto original = buildNpfBytes(sampleCharacter(), 1000);
    for (const wchar_t* name : {L"é.npf", L"Жук.npf", L"世界.npf", L"😀.npf"}) {
        ASSERT_TRUE(npftools::writeFileBytes(folder / name, original));
        NpfDocument document;
        document.setPath(npf::pathFromUtf8(npf::utf8Of(folder / name)));
        EXPECT_TRUE(document.checkHeader() && document.readFile() && document.saveFile()) << name;
        EXPECT_EQ(document.record, sampleCharacter());
        EXPECT_EQ(readFileBytes(folder / name), original);
    }
    const auto a = folder / L"Жук.npf";
    const auto b = folder / L"😀.npf";
    const auto missing = folder / L"世界-missing.npf";
    const std::vector<std::tuple<std::vector<std::wstring>, int, std::string>> rows{
        {{L"diff", a, b}, 0, ""},
        {{L"set", a, L"characterName=Zoë"}, 0, ""},
        {{L"show", a}, 0, "characterName      Zo\xC3\xAB\r\n"},
        {{L"diff", a, b}, 1, "characterName: \"Zo\xC3\xAB\" -> \"Mireille Vasquez\"\r\n"},
        {{L"set", a, L"characterName=Жук"}, 2, "characterName: "}, // not in Windows-1252
        {{L"show", missing}, 1, npf::utf8Of(missing) + ": No such file."},
    };
    for (const auto& [arguments, status, printed] : rows) {
        EXPECT_EQ(runTool(arguments), status) << output;
        EXPECT_NE(output.find(printed), std::string::npos) << output;
    }
    auto named = sampleCharacter();
    named.characterName = named.characterNameCopy = "Zo\xEB";
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
        EXPECT_FALSE(document.saveFile()) << readOnly;
        CloseHandle(holder);
        SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFileBytes(document.path()), original) << readOnly;
    }
}

} // namespace

// The portable halves of what the programs do only on Windows: expanding
// wildcards, and handing a console whole characters.
#include "cli/wildcards.h"
#include "console/console_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(Wildcards, PatternsMatchWholeCharacters)
{
    const std::vector<std::tuple<std::string, std::string, bool>> rows{{"a.npf", "*.npf", true},
        {"a.npf.bak", "*.npf", false}, {".npf", "*.npf", true}, {"a.npf", "?.npf", true},
        {"ab.npf", "?.npf", false}, {".npf", "?.npf", false},
        {"\xC3\xA9.npf", "?.npf", true}, // é: two bytes, one character
        {"\xF0\x9F\x98\x80.npf", "?.npf", true}, {"\xF0\x9F\x98\x80\xC3\xA9", "??", true},
        {"\xD0\x96\xD1\x83\xD0\xBA.npf", "\xD0\x96*", true}, {"\xD0\x96\xD1\x83\xD0\xBA", "*\xD1\x83?", true},
        {"abcabd", "*ab?", true}, {"abcabd", "a*c*d", true}, {"abcabd", "a*c*e", false},
        {"aaa", "a*a*a*a", false}, {"", "*", true}, {"a", "", false}, {"a*b", "a*b", true}};
    for (const auto& [name, pattern, matches] : rows)
        EXPECT_EQ(cli::matchesWildcard(name, pattern), matches) << name << " ~ " << pattern;
}

// The pattern is the last part of the path in either slash direction; the
// folder stays as typed.
TEST(Wildcards, ArgumentsAreCutBeforeTheirLastPart)
{
    using Cut = std::optional<std::pair<std::string, std::string>>;
    const std::vector<std::pair<std::string, Cut>> rows{{"party\\*.npf", {{"party\\", "*.npf"}}},
        {"party/a?.npf", {{"party/", "a?.npf"}}}, {"C:\\x/y\\*", {{"C:\\x/y\\", "*"}}},
        {"C:*.npf", {{"C:", "*.npf"}}}, {"*.npf", {{"", "*.npf"}}}, {"party\\a.npf", std::nullopt},
        {"p*\\a.npf", std::nullopt}, {"p*/*.npf", std::nullopt}};
    for (const auto& [argument, cut] : rows) {
        const auto wildcard = cli::wildcardIn(argument);
        EXPECT_EQ((wildcard ? Cut{{wildcard->folder, wildcard->pattern}} : std::nullopt), cut) << argument;
    }
}

// Sorted by the compared form, which ignores case where it is upper case; "."
// and ".." are never matches.
TEST(Wildcards, MatchesAreSortedAndKeepTheirFolder)
{
    const std::vector<cli::FolderEntry> entries{{"b.npf", "B.NPF"}, {".", "."}, {"..", ".."},
        {"\xD0\xB6.npf", "\xD0\x96.NPF"}, {"A.npf", "A.NPF"}, {"a.npf", "A.NPF"}, {"c.txt", "C.TXT"}};
    EXPECT_EQ(cli::matchingPaths("p/", "*.NPF", entries),
        (std::vector<std::string>{"p/A.npf", "p/a.npf", "p/b.npf", "p/\xD0\xB6.npf"}));
    EXPECT_EQ(cli::matchingPaths("", "*", entries).size(), 5U);
    EXPECT_TRUE(cli::matchingPaths("", "?", entries).empty());
}

// However the text is cut when it is written or flushed, and across the
// buffer's end, every piece handed on ends on a whole character; only what is
// left at the end goes cut.
TEST(ConsoleText, PiecesEndOnWholeCharacters)
{
    const std::string text = "Zo\xC3\xAB \xD0\x96\xD1\x83\xD0\xBA \xE4\xB8\x96 \xF0\x9F\x98\x80!\xF0\x9F"; // cut at its end
    const std::string longText = std::string(4093, 'a') + text; // the buffer fills after "Zo\xC3"
    for (const std::string& written : {text, longText}) {
        for (const bool flushed : {false, true}) {
            for (std::size_t cut = 1; cut <= 5; ++cut) {
                std::string handedOn;
                {
                    console::TextBuffer buffer([&](std::string_view piece) {
                        EXPECT_NE(static_cast<unsigned char>(piece.front()) & 0xC0, 0x80) << cut << flushed;
                        handedOn += piece;
                    });
                    std::ostream stream(&buffer);
                    for (std::size_t at = 0; at < written.size(); at += cut) {
                        stream << written.substr(at, cut);
                        if (flushed)
                            stream.flush();
                    }
                }
                EXPECT_EQ(handedOn, written) << cut;
            }
        }
    }
}

} // namespace

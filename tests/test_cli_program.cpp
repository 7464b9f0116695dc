// veyrith-npf as a program: the real argument parser, the exit statuses and the help.
#include "cli_test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

namespace {

TEST_F(CliTest, TheProgramParsesItsArgumentsAndAnswersWithItsStatus)
{
    const auto quoted = [](const std::string& s) { return "'" + s + "'"; }; // no argument here holds a quote
    const CliRun program = [&](const auto& arguments, auto& out, auto& err) {
        std::string line
            = quoted(VEYRITH_NPF_TOOL) + " >" + quoted(directory / "out") + " 2>" + quoted(directory / "err");
        for (const auto& argument : arguments)
            line += " " + quoted(argument);
        const int status = std::system(line.c_str());
        out << std::ifstream(directory / "out").rdbuf(), err << std::ifstream(directory / "err").rdbuf();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::vector<CliRow> rows{
        // After "--" every argument is a change, and FILE may follow it.
        {{"set", file(), "-TALK TO", "--", "-NO FEED", "cash=5"}, 0,
            [](auto& r) { r.actorFlags = 0x80008000U, r.cash = 5; }},
        {{"set", "--", file(), "-bit 31"}, 0, [](auto& r) { r.actorFlags = 0x8088; }},
        {{"set", file(), "--", "--help"}, 2, {}, "Unknown option: --help\n"},
        // Values are checked before the file is read.
        {{"set", "missing.npf", "health=x"}, 2, {}, "health: Please enter a number.\n"},
        {{"show", "missing.npf"}, 1, {}, "missing.npf: No such file.\n"},
        {{"diff", file()}, 2, {}, "FILE_B is required\nRun with --help for more information.\n"},
        {{"set", "--help"}, 0, {}, "", " or a race name (Vampire, Ghoul, Human, Monster, Lupine).\n"},
    };
    check(program, rows);
}

// A snapshot piped from show into restore, and show going on past a file it cannot read.
TEST_F(CliTest, RestoreTakesASnapshotFromStandardInput)
{
    const auto a = writeNpf(awkwardCharacter(), 906),
               b = writeNpf(npftools::buildNpfBytes({}, 3000), "b.npf");
    const std::string tool = VEYRITH_NPF_TOOL, bad = (directory / "bad.npf").string();
    const int status = std::system((tool + " show --json '" + a + "' | " + tool + " restore - '" + b + "' && "
        + tool + " show --json '" + bad + "' '" + a + "' >/dev/null 2>&1")
                                       .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    std::ostringstream shownA, shownB, ignored;
    ASSERT_EQ(cli::showCharacters({a}, true, shownA, ignored), 0);
    ASSERT_EQ(cli::showCharacters({b}, true, shownB, ignored), 0);
    EXPECT_EQ(shownB.str(), shownA.str());
}

} // namespace

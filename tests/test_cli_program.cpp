// veyrith-npf as a program: the real argument parser, the exit statuses and the help.
#include "cli_test_support.h"

#include <veyrith_version.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

namespace {

class ProgramTest : public CliTest {
protected:
    const CliRun program = [this](const auto& arguments, auto& out, auto& err) {
        const auto quoted = [](const std::string& s) { return "'" + s + "'"; }; // no argument here holds one
        std::string line
            = quoted(VEYRITH_NPF_TOOL) + " >" + quoted(directory / "out") + " 2>" + quoted(directory / "err");
        for (const auto& argument : arguments)
            line += " " + quoted(argument);
        const int status = std::system(line.c_str());
        out << std::ifstream(directory / "out").rdbuf(), err << std::ifstream(directory / "err").rdbuf();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
};

TEST_F(ProgramTest, TheProgramParsesItsArgumentsAndAnswersWithItsStatus)
{
    const std::vector<CliRow> rows{
        // After "--" every argument is a change, and FILE may follow it.
        {{"set", file(), "-TALK TO", "--", "-NO FEED", "cash=5"}, 0,
            [](auto& r) { r.actorFlags = 0x80008000U, r.cash = 5; }},
        {{"set", "--", file(), "-bit 31"}, 0, [](auto& r) { r.actorFlags = 0x8088; }},
        {{"set", file(), "--", "--help"}, 2, {}, "Unknown option: --help\n"},
        // Values are checked before the file is read.
        {{"set", "missing.npf", "health=x"}, 2, {}, "health: Please enter a number.\n"},
        {{"diff", file()}, 2, {}, "FILE_B is required\nRun with --help for more information.\n"},
    };
    check(program, rows);
}

// What a newcomer reads: the commands when one is unknown, and each command's
// own form and exit statuses, never another command's.
TEST_F(ProgramTest, HelpShowsEachCommandsOwnFormAndStatuses)
{
    struct Row {
        std::vector<std::string> arguments;
        int status;
        std::vector<std::string> shown, notShown = {}; // in what the run printed, out and err together
    };
    const std::string commands = "\nCommands:\n  show ";
    const std::vector<Row> rows{
        {{"frobnicate"}, 2, {"Unknown command: frobnicate\n", commands, "\n  flags "}, {"did you mean"}},
        {{"shwo", "x.npf"}, 2, {"Unknown command: shwo; did you mean show?\n", commands}},
        {{"--version"}, 0, {"veyrith-npf " VEYRITH_VERSION "\n"}},
        {{"set", "--help"}, 0,
            {"Usage: veyrith-npf set [OPTIONS] FILE CHANGE...\n",
                "Exit status: 0 saved; 1 the file could not be",
                " or a race name (Vampire, Ghoul, Human, Monster, Lupine).\n"},
            {"diff"}},
        {{"models", "--help"}, 0,
            {"Usage: veyrith-npf models [OPTIONS]\n", "Exit status: 0 printed; 2 a usage"},
            {"diff", "saved", "CHANGE"}},
        {{"show", "--help"}, 0, {"Exit status: 0 every file shown"}},
        {{"diff", "--help"}, 0, {"Exit status, as diff and cmp give it: 0 no differences;"}},
        {{"restore", "--help"}, 0, {"Exit status: 0 restored; "}},
    };
    for (const auto& row : rows) {
        std::ostringstream out, err;
        EXPECT_EQ(program(row.arguments, out, err), row.status) << row.arguments[0];
        const std::string printed = out.str() + err.str();
        for (const auto& text : row.shown)
            EXPECT_NE(printed.find(text), std::string::npos) << text << " in\n" << printed;
        for (const auto& text : row.notShown)
            EXPECT_EQ(printed.find(text), std::string::npos) << text << " in\n" << printed;
    }
}

// A snapshot piped from show into restore, and show going on past a file it cannot read.
TEST_F(ProgramTest, RestoreTakesASnapshotFromStandardInput)
{
    const auto a = writeNpf(awkwardCharacter(), 906),
               b = writeNpf(npftools::buildNpfBytes({}, 3000), "b.npf");
    const std::string tool = VEYRITH_NPF_TOOL, bad = (directory / "bad.npf").string();
    const int status = std::system((tool + " show --json '" + a + "' | " + tool + " restore - '" + b + "' && "
        + tool + " show --json '" + bad + "' '" + a + "' >/dev/null 2>&1")
                                       .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(shown({b}), shown({a}));
}

} // namespace

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
        {{"show", "missing.npf"}, 1, {}, "missing.npf: File is not a valid NPF file.\n"},
        {{"diff", file()}, 2, {}, "FILE_B is required\nRun with --help for more information.\n"},
        {{"set", "--help"}, 0, {}, "", " or a race name (Vampire, Ghoul, Human, Monster, Lupine).\n"},
    };
    check(program, rows);
}

} // namespace

#include "changes.h"
#include "commands.h"
#include "field_names.h"
#include "messages.h"
#include "utf8_command_line.h"
#include "wildcards.h"

#include "console/console_text.h"
#include "editing/page_values.h"
#include "npf/npf_layout.h"

#include <CLI/CLI.hpp>
#include <veyrith_version.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* toolFooter
    = "Exit status: 0 success; 1 a file could not be checked, read or saved; 2 a usage error or\n"
      "a rejected value (nothing is written then). diff, as diff and cmp: 0 no differences,\n"
      "1 differences found, 2 trouble (a file could not be read, or a usage error).\n"
      "veyrith-npf COMMAND --help shows a command's form.";

// Each command's help names only the statuses it can end with.
constexpr const char* showStatus
    = "Exit status: 0 every file shown; 1 a file could not be read (the others are still\n"
      "shown); 2 a usage error.";
constexpr const char* setStatus
    = "Exit status: 0 saved; 1 the file could not be read or saved; 2 a usage error, a\n"
      "rejected value, or a change fields sharing bytes would not keep (nothing is written\n"
      "then).";
constexpr const char* diffStatus
    = "Exit status, as diff and cmp give it: 0 no differences; 1 differences found; 2 a file\n"
      "could not be read, or a usage error.";
constexpr const char* restoreStatus
    = "Exit status: 0 restored; 1 the snapshot or the file could not be read, or the file\n"
      "could not be saved; 2 a usage error or a rejected snapshot (nothing is written then).";
constexpr const char* tableStatus = "Exit status: 0 printed; 2 a usage error.";

constexpr const char* jsonFooter
    = "--json prints one object keyed by the record's field names, in file-table order.\n"
      "Texts are UTF-8 strings (from Windows-1252). Floats are the shortest decimal that\n"
      "reads back to the same 32-bit value. A float no decimal can carry (\"nan\", \"inf\",\n"
      "\"-inf\" as strings, or -0) has \"<field>Bits\": \"0x........\" beside it: its bit\n"
      "pattern, which set takes back as the value. \"actorFlags\" is the unsigned number,\n"
      "followed by \"actorFlagLabels\", the names of its set flags. With several files,\n"
      "one object a line (JSON Lines), each with \"file\", the path as given, first.\n\n";

constexpr const char* restoreFooter
    = "SNAPSHOT is what show --json printed for one character (or one of its lines for\n"
      "several files), or - for standard input. Every field is written exactly as the\n"
      "snapshot holds it, without the editor's rules: copies stay as they are, and texts,\n"
      "model strings and float bits come back byte for byte. The whole snapshot is\n"
      "checked first; a missing, unknown or malformed key writes nothing.\n\n";

std::string setFooter()
{
    std::string races;
    for (std::size_t entry = 0; entry < editing::raceEntries.size(); ++entry)
        races += (races.empty() ? "" : ", ") + std::string(editing::raceNameOf(entry));
    return "CHANGE is FIELD=VALUE, +FLAG or -FLAG, one or more; after \"--\" every argument\n"
           "is a CHANGE, even one that begins with '-'.\n"
           "FIELD is one of (any letter case): "
        + cli::settableFieldNames() + ".\nTexts: UTF-8 that Windows-1252 can hold, at most "
        + std::to_string(npf::textWidth) + " characters.\nrace: 0 to "
        + std::to_string(editing::raceEntries.size() - 1) + " or a race name (" + races
        + ").\n"
          "model: a display name, a model identifier exactly as the table has it, or a row's\n"
          "index (see the models command); it sets modelId and the four model strings.\n"
          "actorFlags: a decimal or 0x hexadecimal number of 32 bits.\n"
          "cash, totalXp: integers; one past 32 bits is stored as the nearest end of the\n"
          "range, as the editor stores it, and set says so.\n"
          "The other fields: decimal numbers, or 0x and exactly eight hex digits for a\n"
          "float's bit pattern (as show --json prints in <field>Bits).\n"
          "A number typed as show displays the stored one keeps the stored value exactly.\n"
          "+FLAG / -FLAG sets / clears one flag by its label (see the flags command; \"bit N\"\n"
          "names any bit, the unlabelled ones too). Arguments apply from left to right, paired\n"
          "fields (health and healthCopy, ...) change together, and every other field keeps\n"
          "its stored value.\n\n"
          "Examples:\n"
          "  veyrith-npf set hero.npf health=200 \"+NO FEED\"\n"
          "  veyrith-npf set hero.npf -- \"-NO FEED\" cash=5 model=10\n"
          "  for f in *.npf; do veyrith-npf set \"$f\" health=200; done   # one file at a time\n\n"
        + setStatus;
}

// set's changes are no positional of CLI11's, so that a "-FLAG" among them
// keeps its place; the usage line names them all the same.
class Formatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override
    {
        std::string usage = CLI::Formatter::make_usage(app, std::move(name));
        if (app->get_allow_extras())
            usage.insert(usage.find_last_not_of('\n') + 1, " CHANGE...");
        return usage;
    }
    std::string make_positionals(const CLI::App* app) const override
    {
        std::string positionals = CLI::Formatter::make_positionals(app);
        if (app->get_allow_extras()) {
            std::ostringstream change;
            CLI::detail::format_help(
                change, "CHANGE", "FIELD=VALUE, +FLAG or -FLAG, one or more", get_column_width());
            const std::string line = change.str(); // ends its own line
            positionals.insert(
                positionals.find_last_not_of('\n') + 1, "\n" + line.substr(0, line.size() - 1));
        }
        return positionals;
    }
};

// An argument where a command belongs that names none: the nearest commands,
// then every command with what it does.
std::string unknownCommand(const CLI::App& app, const Formatter& formatter, std::string_view typed)
{
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands({}))
        names.push_back(command->get_name());
    const std::vector<std::string_view> views(names.begin(), names.end());
    const auto nearest = cli::nearestNames(typed, views);
    return cli::messages::unknownCommand(typed, nearest)
        + formatter.make_subcommands(&app, CLI::AppFormatMode::Normal)
        + "veyrith-npf COMMAND --help shows a command's form.\n";
}

// The command line cut at set's "--": what CLI11 parses, and the changes after
// it. After "--" every argument is a change, even one that begins with '-';
// CLI11 would take such an argument for an option, and gives up on "--" once
// FILE is filled, so it never sees them. FILE itself may follow "--" when no
// argument before it could be FILE.
struct CommandLine {
    std::vector<const char*> parsed;
    std::vector<std::string> changesAfterSeparator;
};

CommandLine cutAtSetSeparator(int argc, const char* const* argv)
{
    const char* const* const end = argv + argc;
    const bool isSet = argc >= 3 && std::string_view(argv[1]) == "set";
    const char* const* const separator = isSet ? std::find(argv + 2, end, std::string_view("--")) : end;
    CommandLine line{{argv, separator}, {}};
    if (separator == end)
        return line;
    line.changesAfterSeparator.assign(separator + 1, end);
    const bool fileBefore = std::any_of(argv + 2, separator,
        [](std::string_view argument) { return argument == "-" || !argument.starts_with('-'); });
    if (!fileBefore && !line.changesAfterSeparator.empty()) {
        line.parsed.insert(line.parsed.end(), {"--", separator[1]});
        line.changesAfterSeparator.erase(line.changesAfterSeparator.begin());
    }
    return line;
}

} // namespace

int main(int argc, char** argv)
{
    const console::ConsoleStreams consoleStreams;
    CLI::App app{"Inspect, script and compare Veyrith character (NPF) files.", "veyrith-npf"};
    const auto formatter = std::make_shared<Formatter>();
    formatter->label("SUBCOMMAND", "COMMAND");
    app.formatter(formatter);
    app.set_version_flag("--version", "veyrith-npf " VEYRITH_VERSION, "Print the version and exit");
    app.require_subcommand(0, 1);

    std::string file;
    std::string otherFile;
    std::vector<std::string> files;
    std::string snapshot;
    bool asJson = false;

    auto* show = app.add_subcommand("show", "List the fifty-one fields of character files");
    show->add_flag("--json", asJson, "Print the fields as one JSON object");
    show->add_option("FILE", files, "Character files")->required();
    show->footer(std::string(jsonFooter) + showStatus);

    auto* set = app.add_subcommand("set", "Change fields as the editor's Save would, in place");
    set->add_option("FILE", file, "The one character file it changes")->required();
    set->allow_extras(); // FIELD=VALUE, +FLAG, -FLAG (a leading '-' is not an option here)
    set->footer(setFooter());

    auto* diff = app.add_subcommand(
        "diff", "List the fields whose values differ; exit 1 when some do, 2 when a file cannot be read");
    diff->add_option("FILE_A", file, "First character file")->required();
    diff->add_option("FILE_B", otherFile, "Second character file")->required();
    diff->footer(diffStatus);

    auto* restore = app.add_subcommand("restore", "Write a show --json snapshot back into a character file");
    restore->add_option("SNAPSHOT", snapshot, "The snapshot's file, or - for standard input")->required();
    restore->add_option("FILE", file, "Character file")->required();
    restore->footer(std::string(restoreFooter) + restoreStatus);

    auto* models = app.add_subcommand("models",
        "Print the model table: index, display name, identifier, body file, "
        "head file, short code, sound set");
    models->footer(tableStatus);
    auto* flags = app.add_subcommand("flags", "Print the flag table: bit, value, label");
    flags->footer(tableStatus);
    app.footer(toolFooter); // after the commands, which would inherit it
    for (CLI::App* command : app.get_subcommands({}))
        command->group("Commands");

    const cli::Utf8CommandLine arguments(argc, argv);
    const CommandLine line = cutAtSetSeparator(arguments.count(), arguments.values());
    if (line.parsed.size() > 1 && !std::string_view(line.parsed[1]).starts_with('-')) {
        const auto commands = app.get_subcommands({});
        if (std::none_of(commands.begin(), commands.end(),
                [&](const CLI::App* command) { return command->check_name(line.parsed[1]); })) {
            std::cerr << unknownCommand(app, *formatter, line.parsed[1]);
            return cli::usageError;
        }
    }
    try {
        app.parse(static_cast<int>(line.parsed.size()), line.parsed.data());
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? cli::success : cli::usageError;
    }

    if (show->parsed())
        return cli::showCharacters(cli::expandFileArguments(files), asJson, std::cout, std::cerr);
    if (set->parsed()) {
        std::vector<std::string> arguments;
        for (const std::string& argument : set->remaining()) {
            if (argument != "--") // the one CLI11 was given to take FILE after it
                arguments.push_back(argument);
        }
        arguments.insert(
            arguments.end(), line.changesAfterSeparator.begin(), line.changesAfterSeparator.end());
        return cli::setFields(file, arguments, std::cerr);
    }
    if (restore->parsed())
        return cli::restoreCharacter(snapshot, file, std::cin, std::cerr);
    if (diff->parsed())
        return cli::diffCharacters(file, otherFile, std::cout, std::cerr);
    if (models->parsed())
        return cli::listModels(std::cout);
    if (flags->parsed())
        return cli::listFlags(std::cout);
    std::cerr << app.help();
    return cli::usageError;
}

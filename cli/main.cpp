#include "changes.h"
#include "commands.h"
#include "utf8_command_line.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* toolFooter
    = "Exit status: 0 success; 1 a file could not be checked, read or saved, or diff found\n"
      "differences; 2 a usage error or a rejected value (nothing is written then).";

constexpr const char* jsonFooter
    = "--json prints one object keyed by the record's field names, in file-table order.\n"
      "Texts are UTF-8 strings (from Windows-1252). Floats are the shortest decimal that\n"
      "reads back to the same 32-bit value. A float no decimal can carry (\"nan\", \"inf\",\n"
      "\"-inf\" as strings, or -0) has \"<field>Bits\": \"0x........\" beside it: its bit\n"
      "pattern, which set takes back as the value. \"actorFlags\" is the unsigned number,\n"
      "followed by \"actorFlagLabels\", the names of its set flags. With several files,\n"
      "one object a line (JSON Lines), each with \"file\", the path as given, first.";

constexpr const char* restoreFooter
    = "SNAPSHOT is what show --json printed for one character (or one of its lines for\n"
      "several files), or - for standard input. Every field is written exactly as the\n"
      "snapshot holds it, without the editor's rules: copies stay as they are, and texts,\n"
      "model strings and float bits come back byte for byte. The whole snapshot is\n"
      "checked first; a missing, unknown or malformed key writes nothing (exit status 2).";

std::string setFooter()
{
    return "Arguments after FILE: FIELD=VALUE, +FLAG or -FLAG, one or more.\n"
           "FIELD is one of: "
        + cli::settableFieldNames()
        + ".\n"
          "Texts: UTF-8 that Windows-1252 can hold, at most 32 characters.\n"
          "race: 0 to 4 or a race name (Vampire, Ghoul, Human, Monster, Lupine).\n"
          "model: a display name or a model identifier (see the models command).\n"
          "actorFlags: a decimal or 0x hexadecimal number of 32 bits.\n"
          "cash, totalXp: integers; the other fields: decimal numbers, or 0x and exactly\n"
          "eight hex digits for a float's bit pattern (as show --json prints in <field>Bits).\n"
          "+FLAG / -FLAG sets / clears one flag by its label (see the flags command; the\n"
          "unlabelled bits are \"bit 28\" to \"bit 31\"). Arguments apply from left to right,\n"
          "paired fields (health and healthCopy, ...) change together, and every other field\n"
          "keeps its stored value.";
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Inspect, script and compare Veyrith character (NPF) files.", "veyrith-npf"};
    app.footer(toolFooter);
    app.require_subcommand(0, 1);

    std::string file;
    std::string otherFile;
    std::vector<std::string> files;
    std::string snapshot;
    bool asJson = false;

    auto* show = app.add_subcommand("show", "List the fifty-one fields of character files");
    show->add_flag("--json", asJson, "Print the fields as one JSON object");
    show->add_option("FILE", files, "Character files")->required();
    show->footer(jsonFooter);

    auto* set = app.add_subcommand("set", "Change fields as the editor's Save would, in place");
    set->add_option("FILE", file, "Character file")->required();
    set->allow_extras(); // FIELD=VALUE, +FLAG, -FLAG (a leading '-' is not an option here)
    set->footer(setFooter());

    auto* diff = app.add_subcommand("diff", "List the fields whose values differ; exit 1 when some do");
    diff->add_option("FILE_A", file, "First character file")->required();
    diff->add_option("FILE_B", otherFile, "Second character file")->required();

    auto* restore = app.add_subcommand("restore", "Write a show --json snapshot back into a character file");
    restore->add_option("SNAPSHOT", snapshot, "The snapshot's file, or - for standard input")->required();
    restore->add_option("FILE", file, "Character file")->required();
    restore->footer(restoreFooter);

    auto* models = app.add_subcommand("models",
        "Print the model table: index, display name, identifier, body file, "
        "head file, short code, sound set");
    auto* flags = app.add_subcommand("flags", "Print the flag table: bit, value, label");

    try {
        const cli::Utf8CommandLine arguments(argc, argv);
        app.parse(arguments.count(), arguments.values());
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? cli::success : cli::usageError;
    }

    if (show->parsed())
        return cli::showCharacters(files, asJson, std::cout, std::cerr);
    if (set->parsed()) {
        std::vector<std::string> arguments;
        for (const std::string& argument : set->remaining()) {
            if (argument != "--")
                arguments.push_back(argument);
        }
        if (arguments.empty()) {
            std::cerr << "set needs at least one FIELD=VALUE, +FLAG or -FLAG.\n";
            return cli::usageError;
        }
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

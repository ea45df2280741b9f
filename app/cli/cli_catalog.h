#pragma once

#include <ostream>
#include <string_view>

#include "app/cli/cli_args.h"
#include "app/cli/cli_command.h"

namespace fortunara {

// One command of fortunara-cli: what it takes, how it runs and how its usage reads.
struct CommandEntry {
    std::string_view name;
    int (*run)(const CliContext&);
    OptionDeclaration options;
    std::string_view synopsis;  // the command and its options on one line
    std::string_view details;   // what it prints and what the options mean, lines starting with two blanks
};

// The entry of a command, or nullptr when there is no such command.
const CommandEntry* FindCommandEntry(std::string_view name);
// The options and flags of every command together: what a command line without command may hold.
const OptionDeclaration& EveryCommandOption();

// The usage of the whole command line: every command's synopsis.
void PrintUsage(std::ostream& out);
// The usage of one command: its synopsis, and its details when asked for.
void PrintCommandUsage(const CommandEntry& entry, std::ostream& out, bool withDetails = true);

}  // namespace fortunara

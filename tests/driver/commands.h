// The script commands: a table of names, argument counts and the functions
// that run them.
#pragma once

#include <string>
#include <vector>

struct Command {
    const char* name;
    int leastArgs;
    int mostArgs;  // -1: the rest of the line, verbatim
    const char* usage;
    bool (*run)(const std::vector<std::string>& args, const std::string& rest);
};

// The command of this name, or null.
const Command* findCommand(const std::string& name);

// Prints every command's usage line.
void printUsage();

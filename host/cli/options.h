// The options of the stringslist program: each command declares its own as a
// table (name, value, help line), and one parser reads every command's
// arguments by its table, so that an unknown option, a missing value, a
// wrong number of operands and --help get the same answer everywhere:
// --help prints the command's help on standard output (exit 0), a mistake
// says what is wrong and the usage on standard error (exit 2).
#ifndef STRINGSLIST_HOST_CLI_OPTIONS_H
#define STRINGSLIST_HOST_CLI_OPTIONS_H

#include <string>
#include <vector>

struct OptionSpec {
    const char* Name;   // "--cursor", "-i"
    const char* Value;  // what its value is called ("N"); null for a switch
    const char* Help;   // what it does, one line
};

struct CommandSpec {
    const char* Name;      // as typed after "stringslist": "list", "types set"
    const char* Synopsis;  // the usage lines without "stringslist ", LF-separated
    const char* Summary;   // what the command does, one line
    std::vector<OptionSpec> Options;
    const char* Operand;   // one operand's name for messages: "FILE"
    int MinOperands = 0;
    int MaxOperands = 0;  // -1: any number
    // Options stop at the first operand (match's FILEs may begin with "-").
    bool OptionsFirst = false;
    // The last this many arguments are operands whatever they look like (a
    // FILE named "-a"), when TrailingWhen is null or among the options; an
    // option's own name there stands for a forgotten operand unless "--"
    // comes before it.
    int Trailing = 0;
    const char* TrailingWhen = nullptr;
};

struct Arguments {
    std::vector<std::pair<const OptionSpec*, std::string>> Given;  // in order
    std::vector<std::string> Operands;

    bool Has(const char* name) const;
    // The value given last for the option, or null.
    const std::string* Value(const char* name) const;
};

// Reads argv by the command's table. Answers -1 with args filled, or the exit
// status after --help (0) or a mistake (2), which it has said.
int ParseArguments(const CommandSpec& spec, int argc, char** argv, Arguments& args);

// A mistake found after parsing (a value of the wrong form), said the way the
// parser says its own: the message, then the usage. Answers 2.
int UsageError(const CommandSpec& spec, const std::string& message);

// The command's help: usage, summary, options; on standard output.
void PrintHelp(const CommandSpec& spec);

// A whole number from low to high, in base 10 (base 0: also 0x... and 0...
// octal); false for anything else, an empty text or trailing bytes included.
bool ParseNumber(const char* text, long long low, long long high, long long& value, int base = 10);

#endif

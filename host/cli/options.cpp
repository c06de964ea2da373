// The one parser of the program's options; see options.h.
#include "host/cli/options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsHelp(const char* arg)
{
    return !std::strcmp(arg, "--help") || !std::strcmp(arg, "-h");
}

const OptionSpec* FindOption(const CommandSpec& spec, const char* arg)
{
    for (const OptionSpec& option : spec.Options)
        if (!std::strcmp(arg, option.Name))
            return &option;
    return nullptr;
}

// Who speaks in messages: the command, or the program itself.
std::string Who(const CommandSpec& spec)
{
    return *spec.Name ? spec.Name : "stringslist";
}

bool LooksLikeOption(const char* arg)
{
    return arg[0] == '-' && arg[1];
}

void PrintUsage(const CommandSpec& spec, FILE* out)
{
    std::string synopsis = spec.Synopsis;
    const char* lead = "usage: ";
    for (size_t start = 0; start < synopsis.size();) {
        size_t end = synopsis.find('\n', start);
        end = end == std::string::npos ? synopsis.size() : end;
        std::string line = synopsis.substr(start, end - start);
        // A line that begins with a space goes on with the one above it.
        std::fprintf(out, "%s%s%s\n", lead, line[0] == ' ' ? "            " : "stringslist ", line.c_str());
        lead = "       ";
        start = end + 1;
    }
}

std::string OptionWithValue(const OptionSpec& option)
{
    return option.Value ? std::string(option.Name) + " " + option.Value : option.Name;
}

// Where the operands that stand last whatever they look like begin; argc when
// there are none, or when one of them is an option's name with no "--" before it.
int TrailingStart(const CommandSpec& spec, int argc, char** argv)
{
    if (spec.Trailing == 0 || argc < spec.Trailing)
        return argc;
    int start = argc - spec.Trailing;
    if (spec.TrailingWhen) {
        bool given = false;
        for (int i = 0; i < start && std::strcmp(argv[i], "--"); i++)
            given = given || !std::strcmp(argv[i], spec.TrailingWhen);
        if (!given)
            return argc;
    }
    if (start > 0 && !std::strcmp(argv[start - 1], "--"))
        return start;
    for (int i = start; i < argc; i++)
        if (FindOption(spec, argv[i]) || IsHelp(argv[i]))
            return argc;
    return start;
}

int CheckOperandCount(const CommandSpec& spec, const Arguments& args)
{
    int count = static_cast<int>(args.Operands.size());
    if (count < spec.MinOperands)
        return UsageError(spec, Who(spec) + " needs " +
                                    (spec.MaxOperands == 1 || spec.MinOperands == 1 ? "a " : "") + spec.Operand);
    if (spec.MaxOperands >= 0 && count > spec.MaxOperands) {
        std::string extra = args.Operands[size_t(spec.MaxOperands)];
        std::string wanted = spec.MaxOperands == 0 ? std::string("no arguments")
                                                   : (spec.MaxOperands == 1 ? "one " : "at most " +
                                                      std::to_string(spec.MaxOperands) + " ") + spec.Operand;
        return UsageError(spec, Who(spec) + " takes " + wanted + "; \"" + extra +
                                    "\" is one too many (quote a text that holds spaces)");
    }
    return -1;
}

}  // namespace

bool Arguments::Has(const char* name) const
{
    return Value(name) != nullptr;
}

const std::string* Arguments::Value(const char* name) const
{
    const std::string* value = nullptr;
    for (const auto& given : Given)
        if (!std::strcmp(given.first->Name, name))
            value = &given.second;
    return value;
}

int ParseArguments(const CommandSpec& spec, int argc, char** argv, Arguments& args)
{
    args = Arguments();
    int trailing = TrailingStart(spec, argc, argv);
    bool optionsDone = false;
    for (int i = 0; i < argc; i++) {
        const char* arg = argv[i];
        if (optionsDone || i >= trailing || !LooksLikeOption(arg)) {
            args.Operands.push_back(arg);
            optionsDone = optionsDone || spec.OptionsFirst;
            continue;
        }
        if (!std::strcmp(arg, "--")) {
            optionsDone = true;
            continue;
        }
        if (IsHelp(arg)) {
            PrintHelp(spec);
            return 0;
        }
        const OptionSpec* option = FindOption(spec, arg);
        if (!option)
            return UsageError(spec, Who(spec) + " has no option " + arg +
                                        (spec.Options.empty() ? "" : "; its options are in the usage below"));
        if (option->Value && i + 1 >= trailing)
            return UsageError(spec, std::string(arg) + " needs a value: " + OptionWithValue(*option) + "   " +
                                        option->Help);
        args.Given.emplace_back(option, option->Value ? argv[++i] : "");
    }
    return CheckOperandCount(spec, args);
}

int UsageError(const CommandSpec& spec, const std::string& message)
{
    std::fprintf(stderr, "stringslist: %s\n", message.c_str());
    PrintUsage(spec, stderr);
    std::fprintf(stderr, "(stringslist %s%s--help says more)\n", spec.Name, *spec.Name ? " " : "");
    return 2;
}

void PrintHelp(const CommandSpec& spec)
{
    PrintUsage(spec, stdout);
    std::printf("\n%s\n", spec.Summary);
    if (spec.Options.empty())
        return;
    std::printf("\noptions:\n");
    size_t width = 0;
    for (const OptionSpec& option : spec.Options)
        width = std::max(width, OptionWithValue(option).size());
    for (const OptionSpec& option : spec.Options)
        std::printf("  %-*s  %s\n", int(width), OptionWithValue(option).c_str(), option.Help);
}

bool ParseNumber(const char* text, long long low, long long high, long long& value, int base)
{
    char* end = nullptr;
    errno = 0;
    long long number = std::strtoll(text, &end, base);
    if (errno || end == text || *end || number < low || number > high)
        return false;
    value = number;
    return true;
}

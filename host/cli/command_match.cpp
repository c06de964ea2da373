// stringslist match: the lines that a pattern matches, with their groups;
// for people who write file types, and (--porcelain) for machines.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/cli/commands.h"
#include "host/cli/options.h"
#include "host/cli/pattern_command.h"

namespace {

const CommandSpec MatchSpec = {
    "match",
    "match [-i] PATTERN [FILE...]\n"
    "match --porcelain [--mode 0|1] [--from K] PATTERN   (lines on standard input)",
    "The lines of the FILEs (or of standard input) that PATTERN matches, with its groups.",
    {{"-i", nullptr, "literal letters match either case"},
     {"--porcelain", nullptr, "a fixed output for scripts (docs/porcelain.md)"},
     {"--mode", "0|1", "with --porcelain: 0 as -i, 1 exact (default)"},
     {"--from", "K", "with --porcelain: the search starts at offset K of each line"}},
    "PATTERN", 1, -1, true, 1, "--porcelain"};

struct MatchOptions {
    bool Porcelain = false;
    unsigned Mode = 1;
    int From = 0;
    const char* Pattern = nullptr;
    std::vector<std::string> Files;
};

// The porcelain form has no files, so its pattern is always the last argument:
// any text, "--" or "-a" included, can be a pattern there. Answers -1 to go
// on, else the exit status.
int ParseOptions(int argc, char** argv, MatchOptions& o, Arguments& args)
{
    int status = ParseArguments(MatchSpec, argc, argv, args);
    if (status >= 0)
        return status;
    for (const auto& given : args.Given) {
        const std::string& name = given.first->Name;
        long long value = 0;
        if (name == "-i")
            o.Mode = 0;
        else if (name == "--porcelain")
            o.Porcelain = true;
        else if (name == "--mode" && ParseNumber(given.second.c_str(), 0, 1, value))
            o.Mode = static_cast<unsigned>(value);
        else if (name == "--from" && ParseNumber(given.second.c_str(), 0, 1 << 30, value))
            o.From = static_cast<int>(value);
        else
            return UsageError(MatchSpec, name + (name == "--mode" ? " needs 0 or 1" : " needs a number of 0 or more") +
                                             ", not \"" + given.second + "\"");
    }
    o.Pattern = args.Operands[0].c_str();
    o.Files.assign(args.Operands.begin() + 1, args.Operands.end());
    if (o.Porcelain && !o.Files.empty())
        return UsageError(MatchSpec, "match --porcelain reads standard input only: no FILE after its PATTERN");
    return -1;
}

std::string PorcelainRegisters(const int32_t* registers)
{
    std::string text;
    char pair[48];
    for (int n = 0; n < GROUP_COUNT; n++)
        if (registers[n] != -1) {
            std::snprintf(pair, sizeof pair, "%s%d:%d-%d", text.empty() ? "" : " ", n, registers[n],
                          registers[GROUP_COUNT + n]);
            text += pair;
        }
    return text;
}

int RunPorcelain(const MatchOptions& o, PatternNode* pattern)
{
    LineReader reader(stdin, "-");
    std::string line;
    int32_t registers[REGISTER_COUNT];
    while (!std::ferror(stdout) && reader.Next(line)) {  // failed output ends the reading
        int length = static_cast<int>(line.size());
        const char* from = line.data() + (o.From < length ? o.From : length);
        bool found = SearchOrExit(pattern, line.data(), length, from, registers, o.Mode);
        std::string out = found ? PorcelainRegisters(registers) : "nomatch";
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return CloseInput(stdin, "-") ? 0 : 2;
}

// One matching line, grep-like: where, the line with the match highlighted, the groups.
void PrintMatch(const char* file, long number, const char* line, int length, const int32_t* r, bool colour)
{
    if (file)
        std::printf("%s:", file);
    std::printf("%ld:", number);
    std::fwrite(line, 1, r[0], stdout);
    std::printf("%s", colour ? "\033[1;31m" : "");
    std::fwrite(line + r[0], 1, r[GROUP_COUNT] - r[0], stdout);
    std::printf("%s", colour ? "\033[0m" : "");
    std::fwrite(line + r[GROUP_COUNT], 1, length - r[GROUP_COUNT], stdout);
    std::printf("\n");
    for (int n = 1; n < GROUP_COUNT; n++)
        if (r[n] != -1)
            std::printf("    \\%d %d-%d \"%.*s\"\n", n, r[n], r[GROUP_COUNT + n], r[GROUP_COUNT + n] - r[n],
                        line + r[n]);
}

long SearchFile(const MatchOptions& o, PatternNode* pattern, FILE* input, const char* name, const char* label)
{
    bool colour = StandardOutputShowsColour();
    LineReader reader(input, name);
    std::string line;
    int32_t registers[REGISTER_COUNT];
    long number = 0, matched = 0;
    while (!std::ferror(stdout) && reader.Next(line)) {  // failed output ends the reading
        number++;
        int length = SubjectLength(line, false);
        if (SearchOrExit(pattern, line.data(), length, line.data(), registers, o.Mode)) {
            PrintMatch(label, number, line.data(), length, registers, colour);
            matched++;
        }
    }
    return matched;
}

int RunFriendly(const MatchOptions& o, PatternNode* pattern)
{
    std::vector<std::string> files = o.Files.empty() ? std::vector<std::string>{"-"} : o.Files;
    size_t count = files.size();
    long matched = 0;
    bool failed = false;
    for (size_t i = 0; i < count; i++) {
        FILE* input = OpenInput(files[i].c_str());
        if (!input) {
            failed = true;
            continue;
        }
        matched += SearchFile(o, pattern, input, files[i].c_str(), count > 1 ? files[i].c_str() : nullptr);
        failed = !CloseInput(input, files[i].c_str()) || failed;
    }
    return failed ? 2 : matched ? 0 : 1;
}

}  // namespace

int RunMatchCommand(const ProgramOptions&, int argc, char** argv)
{
    MatchOptions o;
    Arguments args;
    int parsed = ParseOptions(argc, argv, o, args);
    if (parsed >= 0)
        return parsed;
    PatternNode* pattern = CompileOrSay(o.Pattern, o.Porcelain);
    if (!pattern)
        return 2;
    int status = o.Porcelain ? RunPorcelain(o, pattern) : RunFriendly(o, pattern);
    FreePattern(pattern);
    return status;
}

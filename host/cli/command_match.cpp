// stringslist match: the lines that a pattern matches, with their groups;
// for people who write file types, and (--porcelain) for machines.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/cli/commands.h"
#include "host/cli/pattern_command.h"

namespace {

const char Usage[] =
    "usage: stringslist match [-i] PATTERN [FILE...]\n"
    "       stringslist match --porcelain [--mode 0|1] [--from K] PATTERN   (lines on standard input)\n";

struct MatchOptions {
    bool Porcelain = false;
    unsigned Mode = 1;
    int From = 0;
    const char* Pattern = nullptr;
    char** Files = nullptr;
    int FileCount = 0;
};

bool ParseNumber(const char* text, int low, int high, int& value)
{
    char* end = nullptr;
    long number = std::strtol(text, &end, 10);
    if (!*text || *end || number < low || number > high)
        return false;
    value = static_cast<int>(number);
    return true;
}

// Takes one option at argv[i], advancing i past its value; false for anything else.
bool ParseOption(int argc, char** argv, int& i, MatchOptions& o)
{
    int value = 0;
    if (!std::strcmp(argv[i], "--porcelain"))
        o.Porcelain = true;
    else if (!std::strcmp(argv[i], "-i"))
        o.Mode = 0;
    else if (!std::strcmp(argv[i], "--mode") && i + 1 < argc && ParseNumber(argv[i + 1], 0, 1, value))
        o.Mode = static_cast<unsigned>(value), i++;
    else if (!std::strcmp(argv[i], "--from") && i + 1 < argc && ParseNumber(argv[i + 1], 0, 1 << 30, value))
        o.From = value, i++;
    else
        return false;
    return true;
}

// The porcelain form has no files, so its pattern is always the last argument:
// any text, "--" or "-a" included, can be a pattern there.
bool ParsePorcelain(int argc, char** argv, MatchOptions& o)
{
    int last = argc - 1;
    for (int i = 0; i < last; i++)
        if (!(!std::strcmp(argv[i], "--") && i == last - 1) && !ParseOption(last, argv, i, o))
            return false;
    o.Pattern = argv[last];
    return o.Porcelain;
}

bool ParseOptions(int argc, char** argv, MatchOptions& o)
{
    if (argc > 0 && ParsePorcelain(argc, argv, o))
        return true;
    o = MatchOptions();
    int i = 0;
    for (; i < argc && argv[i][0] == '-' && argv[i][1]; i++) {
        if (!std::strcmp(argv[i], "--")) {
            i++;
            break;
        }
        if (!ParseOption(argc, argv, i, o))
            return false;
    }
    if (i == argc)
        return false;
    o.Pattern = argv[i];
    o.Files = argv + i + 1;
    o.FileCount = argc - i - 1;
    return !(o.Porcelain && o.FileCount > 0);
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
    LineReader reader(stdin);
    std::string line;
    int32_t registers[REGISTER_COUNT];
    while (reader.Next(line)) {
        int length = static_cast<int>(line.size());
        const char* from = line.data() + (o.From < length ? o.From : length);
        bool found = SearchOrExit(pattern, line.data(), length, from, registers, o.Mode);
        std::string out = found ? PorcelainRegisters(registers) : "nomatch";
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return 0;
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

long SearchFile(const MatchOptions& o, PatternNode* pattern, FILE* input, const char* label)
{
    bool colour = isatty(STDOUT_FILENO);
    LineReader reader(input);
    std::string line;
    int32_t registers[REGISTER_COUNT];
    long number = 0, matched = 0;
    while (reader.Next(line)) {
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
    static char standardInput[] = "-";
    static char* stdinOnly[] = {standardInput};
    char** files = o.FileCount ? o.Files : stdinOnly;
    int count = o.FileCount ? o.FileCount : 1;
    long matched = 0;
    bool failed = false;
    for (int i = 0; i < count; i++) {
        FILE* input = OpenInput(files[i]);
        if (!input) {
            failed = true;
            continue;
        }
        matched += SearchFile(o, pattern, input, count > 1 ? files[i] : nullptr);
        if (input != stdin)
            std::fclose(input);
    }
    return failed ? 2 : matched ? 0 : 1;
}

}  // namespace

int RunMatchCommand(const ProgramOptions&, int argc, char** argv)
{
    MatchOptions o;
    if (!ParseOptions(argc, argv, o)) {
        std::fprintf(stderr, "%s", Usage);
        return 2;
    }
    PatternNode* pattern = CompileOrSay(o.Pattern, o.Porcelain);
    if (!pattern)
        return 2;
    int status = o.Porcelain ? RunPorcelain(o, pattern) : RunFriendly(o, pattern);
    FreePattern(pattern);
    return status;
}

// stringslist expand: a template expanded on each line that a pattern
// matches, as the strings list builds its menu texts; --porcelain for machines.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/cli/commands.h"
#include "host/cli/pattern_command.h"

namespace {

const char Usage[] =
    "usage: stringslist expand PATTERN TEMPLATE [FILE...]\n"
    "       stringslist expand --porcelain PATTERN TEMPLATE   (lines on standard input)\n";

// Expands the template on the line's match; false after no match.
bool ExpandLine(PatternNode* pattern, const char* templ, const char* line, int length, int& status,
                std::string& text)
{
    MatchRegisters registers;
    if (!SearchOrExit(pattern, line, length, line, registers.R, 1))
        return false;
    char* expanded = nullptr;
    int expandedLength = 0;
    status = ExpandTemplate(templ, line, registers, &expanded, &expandedLength);
    text.assign(expanded ? expanded : "", expanded ? expandedLength : 0);
    std::free(expanded);
    return true;
}

int RunPorcelain(PatternNode* pattern, const char* templ)
{
    LineReader reader(stdin);
    std::string line, text, out;
    static const char hex[] = "0123456789abcdef";
    while (reader.Next(line)) {
        int status = 0;
        if (!ExpandLine(pattern, templ, line.data(), static_cast<int>(line.size()), status, text)) {
            std::fputs("nomatch\n", stdout);
            continue;
        }
        out = "status=" + std::to_string(status) + " len=" + std::to_string(text.size()) + " hex=";
        for (unsigned char c : text)
            out += hex[c >> 4], out += hex[c & 15];
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return 0;
}

// Prints FILE:N:text for each matching line; false when the template is malformed.
bool ExpandFile(PatternNode* pattern, const char* templ, FILE* input, const char* label, long& matched)
{
    LineReader reader(input);
    std::string line, text;
    long number = 0;
    while (reader.Next(line)) {
        number++;
        int status = 0;
        if (!ExpandLine(pattern, templ, line.data(), SubjectLength(line, false), status, text))
            continue;
        if (status != 0) {
            std::fprintf(stderr, "stringslist: the template ends with a lone backslash\n");
            return false;
        }
        if (label)
            std::printf("%s:", label);
        std::printf("%ld:", number);
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::printf("\n");
        matched++;
    }
    return true;
}

int RunFriendly(PatternNode* pattern, const char* templ, int fileCount, char** files)
{
    static char standardInput[] = "-";
    static char* stdinOnly[] = {standardInput};
    int count = fileCount ? fileCount : 1;
    files = fileCount ? files : stdinOnly;
    long matched = 0;
    bool failed = false;
    for (int i = 0; i < count && !failed; i++) {
        FILE* input = OpenInput(files[i]);
        failed = !input || !ExpandFile(pattern, templ, input, count > 1 ? files[i] : nullptr, matched);
        if (input && input != stdin)
            std::fclose(input);
    }
    return failed ? 2 : matched ? 0 : 1;
}

}  // namespace

int RunExpandCommand(const ProgramOptions&, int argc, char** argv)
{
    bool porcelain = argc > 0 && !std::strcmp(argv[0], "--porcelain");
    int first = porcelain ? 1 : 0;
    // The porcelain form's pattern and template are its last two arguments, so
    // "--" is a separator there only when two more follow.
    if (first < argc && !std::strcmp(argv[first], "--") && (!porcelain || argc - first == 3))
        first++;
    if (argc - first < 2 || (porcelain && argc - first != 2)) {
        std::fprintf(stderr, "%s", Usage);
        return 2;
    }
    PatternNode* pattern = CompileOrSay(argv[first], porcelain);
    if (!pattern)
        return 2;
    int status = porcelain ? RunPorcelain(pattern, argv[first + 1])
                           : RunFriendly(pattern, argv[first + 1], argc - first - 2, argv + first + 2);
    FreePattern(pattern);
    return status;
}

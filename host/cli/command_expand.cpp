// stringslist expand: a template expanded on each line that a pattern
// matches, as the strings list builds its menu texts; --porcelain for machines.
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

const CommandSpec ExpandSpec = {
    "expand",
    "expand PATTERN TEMPLATE [FILE...]\n"
    "expand --porcelain PATTERN TEMPLATE   (lines on standard input)",
    "TEMPLATE expanded on each line of the FILEs (or of standard input) that PATTERN matches, as the "
    "strings list makes its menu texts.",
    {{"--porcelain", nullptr, "a fixed output for scripts (docs/porcelain.md)"}},
    "a PATTERN and a TEMPLATE", 2, -1, true, 2, "--porcelain"};

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
    LineReader reader(stdin, "-");
    std::string line, text, out;
    static const char hex[] = "0123456789abcdef";
    while (!std::ferror(stdout) && reader.Next(line)) {  // failed output ends the reading
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
    return CloseInput(stdin, "-") ? 0 : 2;
}

// Prints FILE:N:text for each matching line; false when the template is malformed.
bool ExpandFile(PatternNode* pattern, const char* templ, FILE* input, const char* name, const char* label,
                long& matched)
{
    LineReader reader(input, name);
    std::string line, text;
    long number = 0;
    while (!std::ferror(stdout) && reader.Next(line)) {  // failed output ends the reading
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

int RunFriendly(PatternNode* pattern, const char* templ, std::vector<std::string> files)
{
    size_t count = files.empty() ? 1 : files.size();
    if (files.empty())
        files.push_back("-");
    long matched = 0;
    bool failed = false;
    for (size_t i = 0; i < count && !failed; i++) {
        FILE* input = OpenInput(files[i].c_str());
        const char* label = count > 1 ? files[i].c_str() : nullptr;
        failed = !input || !ExpandFile(pattern, templ, input, files[i].c_str(), label, matched);
        failed = (input && !CloseInput(input, files[i].c_str())) || failed;
    }
    return failed ? 2 : matched ? 0 : 1;
}

}  // namespace

int RunExpandCommand(const ProgramOptions&, int argc, char** argv)
{
    Arguments args;
    int status = ParseArguments(ExpandSpec, argc, argv, args);
    if (status >= 0)
        return status;
    bool porcelain = args.Has("--porcelain");
    if (porcelain && args.Operands.size() > 2)
        return UsageError(ExpandSpec, "expand --porcelain reads standard input only: no FILE after its TEMPLATE");
    PatternNode* pattern = CompileOrSay(args.Operands[0].c_str(), porcelain);
    if (!pattern)
        return 2;
    const char* templ = args.Operands[1].c_str();
    status = porcelain ? RunPorcelain(pattern, templ)
                       : RunFriendly(pattern, templ, std::vector<std::string>(args.Operands.begin() + 2, args.Operands.end()));
    FreePattern(pattern);
    return status;
}

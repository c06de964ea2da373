// Checking patterns for people; see pattern_check.h.
#include "host/cli/pattern_check.h"

#include <cstdio>

#include "base/printable.h"

namespace {

void SayWhereItStopped(const std::string& what, const std::string& text, int stopped)
{
    int length = static_cast<int>(text.size());
    std::fprintf(stderr, "stringslist: %s does not compile; the compiler stopped reading %s\n", what.c_str(),
                 !length ? "at once: the pattern is empty" : stopped >= length ? "at its end" : "here:");
    if (!length)
        return;
    // The caret stands under the last character read, as the text is shown.
    size_t column = Printable(text.substr(0, size_t(stopped > 0 ? stopped - 1 : 0))).size();
    std::fprintf(stderr, "  %s\n  %*s^\n", Printable(text).c_str(), int(column), "");
}

}  // namespace

bool PatternCompiles(const std::string& text)
{
    PatternNode* pattern = CompilePattern(text.c_str());
    FreePattern(pattern);
    return pattern != nullptr;
}

bool CheckPattern(const std::string& what, const std::string& text)
{
    int stopped = 0;
    PatternNode* pattern = CompilePatternReporting(text.c_str(), &stopped);
    FreePattern(pattern);
    if (!pattern)
        SayWhereItStopped(what, text, stopped);
    return pattern != nullptr;
}

PatternNode* CompileOrSay(const char* text, bool porcelain)
{
    int stopped = 0;
    PatternNode* pattern = CompilePatternReporting(text, &stopped);
    if (pattern)
        return pattern;
    if (porcelain)
        std::fprintf(stderr, "error\n");
    else
        SayWhereItStopped("the pattern", text, stopped);
    return nullptr;
}

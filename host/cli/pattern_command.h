// What the match and expand commands of stringslist share: reading subject
// lines, compiling the pattern with a clear message, and the option loop.
#ifndef STRINGSLIST_HOST_CLI_PATTERN_COMMAND_H
#define STRINGSLIST_HOST_CLI_PATTERN_COMMAND_H

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "pattern/pattern.h"

// Reads LF-separated lines (the LF not part of the line); a final LF adds no line.
class LineReader {
public:
    explicit LineReader(FILE* file) : File(file) {}
    bool Next(std::string& line)
    {
        line.clear();
        for (;;) {
            if (At == Size) {
                Size = std::fread(Buffer, 1, sizeof Buffer, File);
                At = 0;
                if (Size == 0)
                    return !line.empty();
            }
            const char* start = Buffer + At;
            const char* lf = static_cast<const char*>(std::memchr(start, '\n', Size - At));
            size_t taken = lf ? static_cast<size_t>(lf - start) : Size - At;
            line.append(start, taken);
            At += taken + (lf ? 1 : 0);
            if (lf)
                return true;
        }
    }

private:
    FILE* File;
    char Buffer[65536];
    size_t At = 0, Size = 0;
};

// Compiles the pattern; when it does not compile, says so on standard error:
// `error` alone for machines, else where the compiler stopped reading.
inline PatternNode* CompileOrSay(const char* text, bool porcelain)
{
    int stopped = 0;
    PatternNode* pattern = CompilePatternReporting(text, &stopped);
    if (pattern)
        return pattern;
    if (porcelain) {
        std::fprintf(stderr, "error\n");
    } else {
        int length = static_cast<int>(std::strlen(text));
        std::fprintf(stderr, "stringslist: the pattern does not compile; the compiler stopped reading %s\n",
                     !length ? "at once: the pattern is empty"
                     : stopped >= length ? "at its end" : "here:");
        if (length)
            std::fprintf(stderr, "  %s\n  %*s^\n", text, stopped > 0 ? stopped - 1 : 0, "");
    }
    return nullptr;
}

// Opens FILE, or standard input for "-"; says why not on standard error.
inline FILE* OpenInput(const char* name)
{
    if (!std::strcmp(name, "-"))
        return stdin;
    FILE* file = std::fopen(name, "rb");
    if (!file)
        std::fprintf(stderr, "stringslist: cannot read %s: %s\n", name, std::strerror(errno));
    return file;
}

// SearchLine for the commands; when the line could not be searched (memory
// ran out), says so on standard error and ends the program with status 1.
inline int SearchOrExit(const PatternNode* pattern, const char* line, int length, const char* from,
                        int32_t* registers, unsigned mode)
{
    int found = SearchLineReporting(pattern, line, length, from, registers, mode);
    if (found >= 0)
        return found;
    std::fflush(stdout);
    std::fprintf(stderr, "stringslist: a line of %d characters could not be searched: not enough memory\n", length);
    std::exit(1);
}

// The line as a search subject: a CR before the LF is no part of it.
inline int SubjectLength(const std::string& line, bool porcelain)
{
    size_t length = line.size();
    if (!porcelain && length && line[length - 1] == '\r')
        length--;
    return static_cast<int>(length);
}

#endif

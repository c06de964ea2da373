// What the match and expand commands of stringslist share: reading subject
// lines from their inputs, which are opened and closed with a clear message.
#ifndef STRINGSLIST_HOST_CLI_PATTERN_COMMAND_H
#define STRINGSLIST_HOST_CLI_PATTERN_COMMAND_H

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include "host/cli/pattern_check.h"

// The longest line match and expand read: far above any source line and the
// lines of 10^7 characters the engine is measured on, and a bound on what an
// endless input without a line end (/dev/zero) can make the program hold.
const size_t LongestInputLine = size_t(1) << 26;

// Reads LF-separated lines (the LF not part of the line); a final LF adds no
// line. A line longer than LongestInputLine ends the program with status 1
// and a message naming the input: its memory would grow without bound.
class LineReader {
public:
    LineReader(FILE* file, const char* name) : File(file), Name(name) {}
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
            if (line.size() + taken > LongestInputLine)
                TooLong();
            line.append(start, taken);
            At += taken + (lf ? 1 : 0);
            if (lf)
                return true;
        }
    }

private:
    [[noreturn]] void TooLong() const
    {
        std::fflush(stdout);
        std::fprintf(stderr, "stringslist: %s has a line longer than %zu bytes, the most a line may have here\n",
                     std::strcmp(Name, "-") ? Name : "standard input", LongestInputLine);
        std::exit(1);
    }

    FILE* File;
    const char* Name;
    char Buffer[65536];
    size_t At = 0, Size = 0;
};

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

// Closes an input of OpenInput; false, said on standard error, when reading
// it failed (a folder, a device error): its lines were not all searched.
inline bool CloseInput(FILE* input, const char* name)
{
    bool failed = std::ferror(input) != 0;
    int error = errno;
    if (input != stdin)
        std::fclose(input);
    if (failed)
        std::fprintf(stderr, "stringslist: cannot read %s: %s\n", !std::strcmp(name, "-") ? "standard input" : name,
                     std::strerror(error ? error : EIO));
    return !failed;
}

// Whether standard output is a terminal that shows colour escapes. A Windows
// console shows them only once asked to; one that cannot be asked gets none.
inline bool StandardOutputShowsColour()
{
    if (!isatty(STDOUT_FILENO))
        return false;
#ifdef _WIN32
    HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) &&
           ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) ||
            SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING));
#else
    return true;
#endif
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

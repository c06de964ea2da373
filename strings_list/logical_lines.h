// The lines a file type's pattern searches when the type describes regions
// that are not code or asks for heads split over lines to be joined: copies
// of the editor's lines, each with a second copy of the same length in which
// region text is blanked, and several lines taken as one where the type's
// join openers say a head goes on. Lines are read once, in order (the region
// state runs through them), and kept only while a join may still need them.
#ifndef STRINGSLIST_STRINGS_LIST_LOGICAL_LINES_H
#define STRINGSLIST_STRINGS_LIST_LOGICAL_LINES_H

#include <deque>
#include <string>
#include <vector>

#include "strings_list/regions.h"

struct LogicalLine {
    int Last = -1;       // the editor line it ends on; it begins where it was asked for
    std::string Text;    // the real text, at most LINE_BUFFER_SIZE - 1 characters
    std::string Code;    // the same, region text blanked
    size_t CodeEnd = 0;  // what is searched: Code up to where its last line's code ends
};

class LogicalLines {
public:
    // joinOpeners: words separated by spaces; none: no line is joined.
    LogicalLines(const RegionSyntax& syntax, const char* joinOpeners, int lineCount);

    // The logical line beginning at editor line `first`: the line, and the
    // lines after it while its code so far ends with a join opener or the next
    // line's code begins with one, each after one space and without its
    // indentation, up to the line buffer's size.
    void Joined(int first, LogicalLine& line);
    // Editor line `n` alone.
    void Single(int n, LogicalLine& line);
    // The real text of the line before `n` ("" before the first).
    const std::string& Previous(int n);
    // Nothing before line n - 1 (the line before n) is asked for again.
    void Forget(int n);

private:
    struct Copy {
        std::string Text;
        std::string Code;
        size_t CodeEnd;
    };
    const Copy& Read(int n);
    bool EndsWithOpener(const std::string& code) const;
    bool BeginsWithOpener(const std::string& code) const;

    const RegionSyntax& Syntax;
    std::vector<std::string> Openers;
    int LineCount;
    RegionState State;
    std::deque<Copy> Kept;  // lines First.. read so far
    int First = 0;
};

#endif

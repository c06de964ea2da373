// The regions of a file that are not code, as a file type describes them:
// comments to the end of the line, blocks (comments, long strings, fences)
// that may span lines and may nest, and strings between quote marks. The
// scanner carries its state from one line to the next and writes a copy of
// each line in which region text is blanked, of the same length, so that a
// match in the copy points into the real line.
#ifndef STRINGSLIST_STRINGS_LIST_REGIONS_H
#define STRINGSLIST_STRINGS_LIST_REGIONS_H

#include <array>
#include <string>
#include <vector>

struct RegionDelimiter {
    std::string Text;
    bool AtLineStart = false;  // written with a leading "^": only in a line's first column
};

struct RegionSyntax {
    struct Block {
        RegionDelimiter Open, Close;
        bool Nests;
    };
    struct Quote {
        char Mark;
        char Escape;  // 0: none; the mark itself: a doubled mark stands for one
    };
    std::vector<RegionDelimiter> LineComments;
    std::vector<Block> Blocks;
    std::vector<Quote> Quotes;
    std::array<bool, 256> Opens{};  // by byte: whether a delimiter or a mark begins with it

    bool Empty() const { return LineComments.empty() && Blocks.empty() && Quotes.empty(); }
};

// The words of a type's optional value: separated by spaces, none in null.
std::vector<std::string> ValueWords(const char* text);

// Reads a type's region values, each a list of words separated by spaces:
// line-comment openers ("// #"), block pairs ("/* */ (* *)"), pairs that nest,
// and quote entries (a mark, then its escape character if it has one: "\"\\ '").
// A pair missing its closer and a quote entry of more than two characters are
// left out.
RegionSyntax ReadRegionSyntax(const char* lineComments, const char* blocks, const char* nestedBlocks,
                              const char* quotes);

// Where the scan stands between two lines: in code, or in a block (its number
// in RegionSyntax::Blocks) and how deep.
struct RegionState {
    int Block = -1;
    int Depth = 0;
};

// Scans the length bytes of line from state, leaving state as the next line
// begins, and writes the first min(length, size) of them to code: comments
// and blocks, delimiters included, as spaces; a string's text as spaces
// between its marks, which stay. A string ends at its closing mark or with the
// line. Answers where the line's code ends: past its last byte that is not
// region text (a line that is all comment: 0). What lies beyond is not
// searched, so a long comment never costs a pattern a long run of spaces.
int BlankRegions(const RegionSyntax& syntax, RegionState& state, const char* line, int length, char* code,
                 int size);

#endif

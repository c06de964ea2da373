// The region scanner; see regions.h.
#include "strings_list/regions.h"

#include <cstring>

std::vector<std::string> ValueWords(const char* text)
{
    std::vector<std::string> words;
    for (const char* p = text ? text : ""; *p;) {
        while (*p == ' ')
            p++;
        const char* start = p;
        while (*p && *p != ' ')
            p++;
        if (p > start)
            words.emplace_back(start, p);
    }
    return words;
}

namespace {

RegionDelimiter Delimiter(const std::string& word)
{
    RegionDelimiter delimiter;
    delimiter.AtLineStart = word.size() > 1 && word[0] == '^';
    delimiter.Text = delimiter.AtLineStart ? word.substr(1) : word;
    return delimiter;
}

void AddBlocks(const char* text, bool nests, std::vector<RegionSyntax::Block>& blocks)
{
    std::vector<std::string> words = ValueWords(text);
    for (size_t k = 0; k + 1 < words.size(); k += 2)
        blocks.push_back({Delimiter(words[k]), Delimiter(words[k + 1]), nests});
}

// The line's tail from position i begins with the delimiter.
bool At(const RegionDelimiter& delimiter, const char* line, int length, int i)
{
    size_t size = delimiter.Text.size();
    return (!delimiter.AtLineStart || i == 0) && size <= size_t(length - i) &&
           std::memcmp(line + i, delimiter.Text.data(), size) == 0;
}

struct Writer {
    char* Code;
    int Size;
    int CodeEnd = 0;  // past the last byte copied as code

    // Bytes from to to of text, code.
    void Copy(const char* text, int from, int to)
    {
        if (from < Size)
            std::memcpy(Code + from, text + from, size_t((to < Size ? to : Size) - from));
        CodeEnd = to;
    }
    void Blank(int from, int to) const
    {
        if (from < Size)
            std::memset(Code + from, ' ', size_t((to < Size ? to : Size) - from));
    }
};

// The code at i opens a region: the longest delimiter there wins.
enum OpenKind { OpenNone, OpenLineComment, OpenBlock, OpenQuote };

struct Opening {
    OpenKind Kind = OpenNone;
    int Index = -1;
    size_t Size = 0;
};

Opening FindOpening(const RegionSyntax& syntax, const char* line, int length, int i)
{
    Opening best;
    for (size_t k = 0; k < syntax.LineComments.size(); k++)
        if (At(syntax.LineComments[k], line, length, i) && syntax.LineComments[k].Text.size() > best.Size)
            best = {OpenLineComment, int(k), syntax.LineComments[k].Text.size()};
    for (size_t k = 0; k < syntax.Blocks.size(); k++)
        if (At(syntax.Blocks[k].Open, line, length, i) && syntax.Blocks[k].Open.Text.size() > best.Size)
            best = {OpenBlock, int(k), syntax.Blocks[k].Open.Text.size()};
    for (size_t k = 0; k < syntax.Quotes.size() && best.Size == 0; k++)
        if (line[i] == syntax.Quotes[k].Mark)
            best = {OpenQuote, int(k), 1};
    return best;
}

// From just after the opening mark; answers the position after the string.
int SkipString(const RegionSyntax::Quote& quote, const char* line, int length, int i, Writer& out)
{
    while (i < length) {
        char c = line[i];
        bool doubled = quote.Escape == quote.Mark && c == quote.Mark && i + 1 < length && line[i + 1] == c;
        if ((quote.Escape && quote.Escape != quote.Mark && c == quote.Escape && i + 1 < length) || doubled) {
            out.Blank(i, i + 2);
            i += 2;
        } else if (c == quote.Mark) {
            out.Copy(line, i, i + 1);
            return i + 1;
        } else {
            out.Blank(i, i + 1);
            i++;
        }
    }
    return i;
}

// Inside a block: answers the position after its closer, or the line's end.
int SkipBlock(const RegionSyntax::Block& block, RegionState& state, const char* line, int length, int i,
              const Writer& out)
{
    while (i < length) {
        if (At(block.Close, line, length, i)) {
            int end = i + int(block.Close.Text.size());
            out.Blank(i, end);
            if (--state.Depth == 0) {
                state.Block = -1;
                return end;
            }
            i = end;
        } else if (block.Nests && At(block.Open, line, length, i)) {
            int end = i + int(block.Open.Text.size());
            out.Blank(i, end);
            state.Depth++;
            i = end;
        } else {
            int end = i + 1;  // the run up to where the closer or a nested opener may begin
            char close = block.Close.Text[0], open = block.Nests ? block.Open.Text[0] : close;
            while (end < length && line[end] != close && line[end] != open)
                end++;
            out.Blank(i, end);
            i = end;
        }
    }
    return i;
}

}  // namespace

RegionSyntax ReadRegionSyntax(const char* lineComments, const char* blocks, const char* nestedBlocks,
                              const char* quotes)
{
    RegionSyntax syntax;
    for (const std::string& word : ValueWords(lineComments))
        syntax.LineComments.push_back(Delimiter(word));
    AddBlocks(blocks, false, syntax.Blocks);
    AddBlocks(nestedBlocks, true, syntax.Blocks);
    for (const std::string& word : ValueWords(quotes))
        if (word.size() <= 2)
            syntax.Quotes.push_back({word[0], word.size() == 2 ? word[1] : '\0'});
    for (const RegionDelimiter& d : syntax.LineComments)
        syntax.Opens[static_cast<unsigned char>(d.Text[0])] = true;
    for (const RegionSyntax::Block& b : syntax.Blocks)
        syntax.Opens[static_cast<unsigned char>(b.Open.Text[0])] = true;
    for (const RegionSyntax::Quote& q : syntax.Quotes)
        syntax.Opens[static_cast<unsigned char>(q.Mark)] = true;
    return syntax;
}

int BlankRegions(const RegionSyntax& syntax, RegionState& state, const char* line, int length, char* code,
                 int size)
{
    Writer out{code, size};
    int i = 0;
    while (i < length) {
        if (state.Block >= 0) {
            i = SkipBlock(syntax.Blocks[state.Block], state, line, length, i, out);
            continue;
        }
        Opening opening = FindOpening(syntax, line, length, i);
        switch (opening.Kind) {
        case OpenLineComment:
            out.Blank(i, length);
            i = length;
            break;
        case OpenBlock:
            out.Blank(i, i + int(opening.Size));
            state.Block = opening.Index;
            state.Depth = 1;
            i += int(opening.Size);
            break;
        case OpenQuote:
            out.Copy(line, i, i + 1);
            i = SkipString(syntax.Quotes[opening.Index], line, length, i + 1, out);
            break;
        case OpenNone: {
            int end = i + 1;  // the run of code up to where a region may begin
            while (end < length && !syntax.Opens[static_cast<unsigned char>(line[end])])
                end++;
            out.Copy(line, i, end);
            i = end;
            break;
        }
        }
    }
    return out.CodeEnd;
}

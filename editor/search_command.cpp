// The search command. The confirmed text becomes a pattern of the engine (as
// it stands with "Regular expressions", else with every character the pattern
// language gives a meaning escaped), wrapped in word boundaries for "Whole
// words". The scan goes forward from the character after the cursor, or back
// from the cursor, line by line through the search range; a line of a block is
// searched within its own selection. A match moves the cursor to its start,
// is coloured, and is recorded for the plug-in to keep, which has its colour
// reset at the next editor event; a run without a match leaves no record.
#include "editor/search_command.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "editor/search_dialog.h"
#include "frame/editor_access.h"
#include "frame/host_services.h"
#include "pattern/pattern.h"

namespace {

// Every character escaped, plus "<{", "}>" and the NUL.
enum { PATTERN_BUFFER_SIZE = 2 * (SEARCH_TEXT_SIZE - 1) + 5 };

struct TextMatch {
    int Line;
    int Start;
    int Length;
};

// The searched stretch of one line: columns Start to End - 1 of Text.
struct LineSpan {
    const char* Text;
    int Start;
    int End;
};

// A regular expression must compile as it stands before it is wrapped for
// whole words (README, Guarded behaviour). The text's buffer bounds what the pattern's
// buffer must hold.
PatternNode* CompileSearchText(const char (&text)[SEARCH_TEXT_SIZE], int options)
{
    char source[PATTERN_BUFFER_SIZE];
    size_t length = 0;
    bool wholeWords = options & SearchWholeWords;
    if (wholeWords) {
        std::memcpy(source, "<{", 2);
        length = 2;
    }
    if (options & SearchRegExp) {
        int used = 0;
        PatternNode* plain = CompilePatternMeasuring(text, &used);
        if (!plain || !wholeWords)
            return plain;
        FreePattern(plain);
        std::memcpy(source + length, text, static_cast<size_t>(used));
        length += static_cast<size_t>(used);
    } else {
        length += EscapePatternText(text, source + length);
    }
    if (wholeWords) {
        std::memcpy(source + length, "}>", 2);
        length += 2;
    }
    source[length] = '\0';
    return CompilePattern(source);
}

// Reads a line of the range: the whole of it, or with a block its selection.
LineSpan ReadLineSpan(int line, int blockType)
{
    EditorLineRecord record{};
    record.LineNumber = line;
    EditorControl(EDITOR_GET_LINE, &record);
    LineSpan span{record.Text ? record.Text : "", 0, 0};
    int length = static_cast<int>(strnlen(span.Text, INT_MAX));
    span.End = length;
    if (blockType == 0)
        return span;
    // No selection leaves nothing to search; a negative end selects to the end of the line.
    int start = record.SelectionStart, end = record.SelectionEnd;
    span.Start = start < 0 || start > length ? length : start;
    if (end >= 0 && end < length)
        span.End = end < span.Start ? span.Start : end;
    return span;
}

// The first match in the span that starts at column from or later.
bool FindForward(const PatternNode* pattern, unsigned mode, const LineSpan& span, int from,
                 TextMatch& match)
{
    if (from < span.Start)
        from = span.Start;
    if (from > span.End)
        return false;
    MatchRegisters r;
    if (!SearchLine(pattern, span.Text + span.Start, span.End - span.Start, span.Text + from, r.R, mode))
        return false;
    match.Start = span.Start + r.R[0];
    match.Length = r.R[GROUP_COUNT] - r.R[0];
    return true;
}

// The last match in the span that starts before column limit.
bool FindBackward(const PatternNode* pattern, unsigned mode, const LineSpan& span, int limit,
                  TextMatch& match)
{
    bool found = false;
    TextMatch next{};
    for (int from = span.Start; FindForward(pattern, mode, span, from, next) && next.Start < limit;
         from = next.Start + 1) {
        match = next;
        found = true;
    }
    return found;
}

bool InRange(int line, const SearchRange& range)
{
    return line >= range.Top && line < range.Bottom;
}

// From the character after the cursor to the end of the range; from the
// range's start when the cursor lies outside it.
bool ScanForward(const PatternNode* pattern, unsigned mode, const EditorStateRecord& state,
                 const SearchRange& range, int blockType, TextMatch& match)
{
    int line = state.CursorLine;
    int column = state.CursorColumn;
    int from = column < 0 ? 0 : column == INT_MAX ? INT_MAX : column + 1;
    if (!InRange(line, range)) {
        line = range.Top;
        from = 0;
    }
    for (; line < range.Bottom; line++, from = 0) {
        if (FindForward(pattern, mode, ReadLineSpan(line, blockType), from, match)) {
            match.Line = line;
            return true;
        }
    }
    return false;
}

// Back from the cursor (a match must start before it) to the start of the
// range; from the range's end when the cursor lies outside it.
bool ScanBackward(const PatternNode* pattern, unsigned mode, const EditorStateRecord& state,
                  const SearchRange& range, int blockType, TextMatch& match)
{
    int line = state.CursorLine;
    int limit = state.CursorColumn < 0 ? 0 : state.CursorColumn;
    if (!InRange(line, range)) {
        line = range.Bottom - 1;
        limit = INT_MAX;
    }
    for (; line >= range.Top; line--, limit = INT_MAX) {
        if (FindBackward(pattern, mode, ReadLineSpan(line, blockType), limit, match)) {
            match.Line = line;
            return true;
        }
    }
    return false;
}

// Resets the colour of the recorded stretch before the record is dropped, so
// that it never stays highlighted.
void ClearMatch(SearchMatch& match)
{
    if (match.Line >= 0)
        ColorEditorText(match.Line, match.Start, match.Start + match.Length - 1, 0);
    match = SearchMatch{};
}

// The cursor goes to the match's start, its line half a window below the top.
// An empty match has nothing to colour, so it is not recorded (README, Guarded behaviour).
void ShowMatch(const TextMatch& match, int windowHeight, SearchMatch& recorded)
{
    int top = match.Line - windowHeight / 2;
    SetEditorPosition(match.Line, match.Start, -1, top < 0 ? 0 : top, -1, -1);
    if (match.Length <= 0)
        return;
    ColorEditorText(match.Line, match.Start, match.Start + match.Length - 1, MATCH_COLOR);
    recorded = SearchMatch{match.Line, match.Start, match.Length};
}

// Two lines whatever the text holds (README, Guarded behaviour).
void ReportNotFound(const char* text)
{
    char shown[SEARCH_TEXT_SIZE];
    CopyText(shown, sizeof shown, text);
    for (char* c = shown; (c = std::strchr(c, '\n')) != nullptr;)
        *c = ' ';
    char message[SEARCH_MESSAGE_SIZE];
    std::snprintf(message, sizeof message, "Could not find the string\n\"%s\"", shown);
    ShowMessage(message, "Search", 0x10, "SearchError", 8);
}

}  // namespace

// A block whose first line holds no selection gives an empty range, so
// nothing is found in it. The lines read stop at the end of the file.
int GetSearchRange(const EditorStateRecord& state, SearchRange& range)
{
    range = SearchRange{0, 0, 512, state.LineCount};
    if (state.BlockType == 0)
        return 0;
    range = SearchRange{65535, state.BlockStartLine, 0, state.BlockStartLine};
    for (int line = range.Top; line >= 0 && line < state.LineCount; line++) {
        EditorLineRecord record{};
        record.LineNumber = line;
        EditorControl(EDITOR_GET_LINE, &record);
        if (record.SelectionStart < 0)
            break;
        if (record.SelectionStart < range.Left)
            range.Left = record.SelectionStart;
        if (record.SelectionEnd > range.Right)
            range.Right = record.SelectionEnd;
        range.Bottom = line + 1;
    }
    return state.BlockType;
}

int RunSearch(CSearchDialog* searchDialog, SearchMatch& recorded)
{
    static_assert(int(SEARCH_TEXT_SIZE) == int(WORD_BUFFER_SIZE), "the first search text is the word");
    if (!searchDialog)
        return -1;
    CSearchDialog& dialog = *searchDialog;
    char text[SEARCH_TEXT_SIZE];
    GetWordAtCursor(text);
    int exitItem = dialog.Execute(text);
    if (!dialog.IsConfirmed(exitItem))
        return exitItem;
    CopyText(text, sizeof text, dialog.GetSearchText());

    EditorStateRecord state;
    std::memset(&state, 0, sizeof state);
    EditorControl(EDITOR_GET_INFO, &state);
    SearchRange range;
    int blockType = GetSearchRange(state, range);
    int options = dialog.GetOptions();
    unsigned mode = options & SearchCaseSensitive ? 1 : 0;

    ClearMatch(recorded);
    TextMatch match{-1, -1, -1};
    PatternNode* pattern = CompileSearchText(text, options);
    auto scan = options & SearchReverse ? ScanBackward : ScanForward;
    bool found = pattern && scan(pattern, mode, state, range, blockType, match);
    FreePattern(pattern);
    if (found)
        ShowMatch(match, state.WindowHeight, recorded);
    else
        ReportNotFound(text);
    return exitItem;
}

void ResetMatchColour(const SearchMatch& match)
{
    if (match.Line >= 0) {
        EditorControl(EDITOR_REDRAW, nullptr);
        ColorEditorText(match.Line, match.Start, match.Start + match.Length - 1, 0);
    }
}

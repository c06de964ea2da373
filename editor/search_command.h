// The search command: asks for a pattern with the search dialog, prepared with
// the word under the cursor, and searches the editor's text from the cursor on
// (or back from it) within the selected block or the whole file.
#ifndef STRINGSLIST_EDITOR_SEARCH_COMMAND_H
#define STRINGSLIST_EDITOR_SEARCH_COMMAND_H

class CSearchDialog;
struct EditorStateRecord;

enum {
    SEARCH_TEXT_SIZE = 512,
    SEARCH_MESSAGE_SIZE = 1536,
    MATCH_COLOR = 0xE0,  // black on yellow, set apart from the editor's own selection
};

// Lines Top to Bottom - 1, columns Left to Right. With a block, each line is
// searched within its own selection, which lies inside Left..Right.
struct SearchRange {
    int Left;
    int Top;
    int Right;
    int Bottom;  // one past the last line
};

// The stretch the last search found and coloured. The plug-in keeps it from
// run to run so that its colour can be reset.
struct SearchMatch {
    int Line = -1;  // -1: none recorded
    int Start = -1;
    int Length = -1;
};

// Runs the dialog, searches, and records the match found in `match` (a run
// that finds none, or finds an empty one, leaves no record). Answers the exit
// item of the search dialog, negative when it was cancelled or is missing.
int RunSearch(CSearchDialog* dialog, SearchMatch& match);

// At the next editor event: redraws, and takes the colour off the recorded match.
void ResetMatchColour(const SearchMatch& match);

// The range to search and the block type it was taken from: the selected block
// (its lines from the first on, as long as each holds a selection; none when
// the first holds none), or the whole file with block type 0 when nothing is
// selected.
int GetSearchRange(const EditorStateRecord& state, SearchRange& range);

#endif

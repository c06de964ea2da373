// The strings-list command: scan the editor's lines with the file type's
// pattern and show the matching lines as a menu; choosing one moves the editor.
#ifndef STRINGSLIST_STRINGS_LIST_PROC_LIST_H
#define STRINGSLIST_STRINGS_LIST_PROC_LIST_H

#include <stdint.h>

class CFileTypes;
struct EditorStateRecord;

enum {
    MAX_PROCLIST_ITEMS = 1024,
    LINE_BUFFER_SIZE = 1024,      // a line is searched up to 1023 characters
    // A 511-character template of nothing but %LINE% keywords, each giving up
    // to 10 digits, needs 85 * 10 + 1 bytes.
    KEYWORD_BUFFER_SIZE = 1024,
    MENU_TEXT_SIZE = 128,
};

struct ProcListItem {
    int Line;          // 0-based editor line
    const char* Text;  // the menu text, owned by the run
};

// Lists the edited file's lines with the pattern of its type in fileTypes (an
// empty list when fileTypes is null). chosenLine is the line of the item chosen
// last, kept by the plug-in from run to run: it preselects an item and is set
// to the new choice. Answers chosenLine.
int RunProcList(CFileTypes* fileTypes, int& chosenLine);

// Writes into output (KEYWORD_BUFFER_SIZE bytes) the template with %LINE%,
// %INDEX%, %PERCENT%, %PREV% (previousLine, its backslashes doubled for the
// template expansion) and %% replaced; line and index are 0-based. Answers output.
char* ExpandProcListKeywords(const char* templ, char* output, int line, int index, int totalLines,
                             const char* previousLine = "");

// Moves the set registers down to the lowest numbers, in order; the rest become unset.
void ShiftGroups(int32_t* registers);

// Sorts (when asked), shows the menu, and moves the editor to the chosen item,
// whose line goes to chosenLine.
void ShowProcListMenu(int& chosenLine, ProcListItem* items, int count, uint32_t flags,
                      const EditorStateRecord& state);

// Text order, the ASCII capitals compared as small letters.
int CompareProcListItems(const ProcListItem& a, const ProcListItem& b);

#endif

// Drawing the editor view: the status line (file name, line and column, a
// note), the text rows, and the key bar of the function keys.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_EDITOR_VIEW_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_EDITOR_VIEW_H

#include <string>

class TerminalEditor;

// Sizes the editor's window to the screen (all rows but the status line and
// the key bar), keeps the cursor in it and draws; places the terminal cursor.
void DrawEditorView(TerminalEditor& editor, const std::string& note);

#endif

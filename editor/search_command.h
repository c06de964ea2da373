// The search command: asks for a pattern with the search dialog and searches the editor's text.
#ifndef STRINGSLIST_EDITOR_SEARCH_COMMAND_H
#define STRINGSLIST_EDITOR_SEARCH_COMMAND_H

class CPlugin;

// Answers the exit item of the search dialog, negative when it was cancelled.
int RunSearch(CPlugin* plugin);

#endif

// The strings-list command: scan the editor's lines with the file type's
// pattern and show the matching lines as a menu.
#ifndef STRINGSLIST_STRINGS_LIST_PROC_LIST_H
#define STRINGSLIST_STRINGS_LIST_PROC_LIST_H

class CPlugin;

// Answers the plug-in object's ChosenLine at the end of the command.
int RunProcList(CPlugin* plugin);

#endif

// CPlugin, the one plug-in object: owns the two dialogs and the file-type
// table, keeps what lasts from one command to the next (the search's match,
// the strings list's last choice), and hands each feature what it works on.
#ifndef STRINGSLIST_PLUGIN_PLUGIN_H
#define STRINGSLIST_PLUGIN_PLUGIN_H

#include "editor/search_command.h"

class CSearchDialog;
class CReplaceDialog;
class CFileTypes;

class CPlugin {
public:
    CPlugin();
    ~CPlugin();
    CPlugin(const CPlugin&) = delete;
    CPlugin& operator=(const CPlugin&) = delete;

    // Item 0: the strings list, answering ChosenLine; any other: the search
    // command, answering the search dialog's exit item.
    int RunCommand(int item);
    // Repaints the recorded search match, if any. Always 0.
    int OnEditorInput();

    CSearchDialog* SearchDialog;
    CReplaceDialog* ReplaceDialog;
    CFileTypes* FileTypes;
    SearchMatch Match;  // the search's last match; Line -1: none recorded
    int ChosenLine;     // line of the strings-list item chosen last
};

#endif

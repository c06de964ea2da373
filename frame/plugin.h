// CPlugin, the one plug-in object: owns the two dialogs and the file-type
// table, holds the recorded search match and the strings list's last choice,
// and routes commands to the subsystems that do the work.
#ifndef STRINGSLIST_FRAME_PLUGIN_H
#define STRINGSLIST_FRAME_PLUGIN_H

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
    int MatchLine;    // -1: no match recorded
    int MatchStart;
    int MatchLength;
    int ChosenLine;   // line of the strings-list item chosen last
};

#endif

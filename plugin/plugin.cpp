// CPlugin: builds its parts, releases them, routes a command to the strings
// list or the search with what each works on, and resets the search's
// highlight at the next editor event; see plugin.h.
#include "plugin/plugin.h"

#include <new>

#include "editor/search_dialog.h"
#include "settings/file_types.h"
#include "strings_list/proc_list.h"

CPlugin::CPlugin()
    : SearchDialog(nullptr), ReplaceDialog(nullptr), FileTypes(nullptr), Match(), ChosenLine(0)
{
    // A failed allocation leaves its member null; the rest is still built.
    SearchDialog = new (std::nothrow) CSearchDialog;
    ReplaceDialog = new (std::nothrow) CReplaceDialog;
    FileTypes = new (std::nothrow) CFileTypes;
}

CPlugin::~CPlugin()
{
    delete SearchDialog;
    delete ReplaceDialog;
    delete FileTypes;
}

int CPlugin::RunCommand(int item)
{
    return item == 0 ? RunProcList(FileTypes, ChosenLine) : RunSearch(SearchDialog, Match);
}

int CPlugin::OnEditorInput()
{
    ResetMatchColour(Match);
    return 0;
}

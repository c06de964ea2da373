// CPlugin: builds its parts, releases them, routes a command to the strings
// list or the search, and resets the search's highlight at the next editor
// event; see plugin.h.
#include "frame/plugin.h"

#include <new>

#include "editor/editor_access.h"
#include "editor/search_command.h"
#include "editor/search_dialog.h"
#include "settings/file_types.h"
#include "strings_list/proc_list.h"

CPlugin::CPlugin()
    : SearchDialog(nullptr), ReplaceDialog(nullptr), FileTypes(nullptr),
      MatchLine(-1), MatchStart(-1), MatchLength(-1), ChosenLine(0)
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
    return item == 0 ? RunProcList(this) : RunSearch(this);
}

int CPlugin::OnEditorInput()
{
    if (MatchLine >= 0) {
        EditorControl(EDITOR_REDRAW, nullptr);
        ColorEditorText(MatchLine, MatchStart, MatchStart + MatchLength - 1, 0);
    }
    return 0;
}

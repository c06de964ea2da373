// The configuration menu: the file types as a host menu, edited, copied and
// deleted with the break keys. Every action writes to the registry at once,
// and the menu is built afresh from the registry after each one, so it always
// shows what is stored. Only the last position survives between showings.
#include <iterator>
#include <vector>

#include "frame/host_services.h"
#include "settings/file_types.h"
#include "settings/reg_key.h"
#include "settings/type_names.h"

namespace {

const char DefaultSettings[] = "Default settings";
const int FixedEntries = 2;  // "Default settings" and the separator under it

// Windows virtual-key codes; the menu reports the index of the key pressed.
const int BreakKeys[] = {0x2E /* Del */, 0x2D /* Ins */, 0x73 /* F4 */, 0x0D /* Enter */, 0};

enum MenuAction { EditType, DeleteType, CopyType, NoAction };

// By break code + 1: an entry chosen without a break key, then the keys above.
const MenuAction BreakActions[] = {EditType, DeleteType, CopyType, EditType, EditType};

PluginMenuItem MenuEntry(const char* text)
{
    PluginMenuItem item{};
    CopyText(item.Text, sizeof item.Text, text);
    return item;
}

// The fixed entries, then the types; the entry at the last position is
// marked, none when that position is past the list (its last entry deleted).
std::vector<PluginMenuItem> BuildMenu(CRegKey& fileTypesKey, int lastPosition)
{
    std::vector<PluginMenuItem> items;
    items.push_back(MenuEntry(DefaultSettings));
    items.push_back(MenuEntry(""));
    items.back().Separator = 1;
    for (const std::string& name : ListTypeNames(fileTypesKey))
        if (name != DefaultSettings)  // the fixed entry stands for it
            items.push_back(MenuEntry(name.c_str()));

    if (lastPosition >= FixedEntries && lastPosition < static_cast<int>(items.size()))
        items[lastPosition].Selected = 1;
    return items;
}

int ShowMenu(const std::vector<PluginMenuItem>& items, int* breakCode)
{
    if (!StartupInfo.Menu)
        return -1;
    return StartupInfo.Menu(StartupInfo.ModuleNumber, -1, -1, 0, 1, "ProcList config",
                            "Edit: Del, Ins, F4", "ProcListCfgMenu", BreakKeys, breakCode,
                            items.data(), static_cast<int>(items.size()));
}

MenuAction ActionOf(int breakCode)
{
    int row = breakCode + 1;
    int rows = static_cast<int>(std::size(BreakActions));
    return row >= 0 && row < rows ? BreakActions[row] : NoAction;
}

}  // namespace

int CFileTypes::ConfigMenu()
{
    int lastPosition = 0;
    for (;;) {
        CRegKey fileTypesKey(HKEY_CURRENT_USER, FileTypesPath, 1);
        std::vector<PluginMenuItem> items = BuildMenu(fileTypesKey, lastPosition);
        int breakCode = -1;
        int result = ShowMenu(items, &breakCode);
        if (result < 0)
            return 1;
        lastPosition = result;
        // The separator names no type: acting on its empty name would reach the
        // table key itself (README, Guarded behaviour).
        if (result >= static_cast<int>(items.size()) || items[result].Separator)
            continue;
        const char* name = items[result].Text;
        switch (ActionOf(breakCode)) {
        case EditType:
            EditFileType(fileTypesKey, name, nullptr);
            break;
        case DeleteType:
            fileTypesKey.DeleteSubkey(name);
            break;
        case CopyType:
            EditFileType(fileTypesKey, nullptr, name);
            break;
        case NoAction:
            break;
        }
    }
}

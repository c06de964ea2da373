// The strings-list menu: sort the items when the type asks, open the menu on
// the item on or nearest above the reference line, and move the editor to
// the chosen item, remembering its line for the next run.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/ascii.h"
#include "frame/editor_access.h"
#include "frame/host_services.h"
#include "settings/store_layout.h"
#include "strings_list/proc_list.h"

namespace {

const char MenuHelp[] = "ProcListMenu";
const int NoDistance = 1000000;  // items this far above the reference line never count

// The menu item's copy of a text, cut to what a menu item holds and converted for display.
void FillMenuText(PluginMenuItem& menuItem, const char* text)
{
    size_t length = strnlen(text, MENU_TEXT_SIZE - 1);
    std::memcpy(menuItem.Text, text, length);
    menuItem.Text[length] = '\0';
    EditorTextRecord record{menuItem.Text, static_cast<int>(length)};
    EditorControl(EDITOR_CONVERT_TEXT, &record);
}

int PreselectedIndex(const ProcListItem* items, int count, int referenceLine)
{
    long long best = NoDistance;
    int selected = 0;
    for (int j = 0; j < count; j++) {
        long long d = static_cast<long long>(referenceLine) - items[j].Line;
        if (d >= 0 && d < best) {
            selected = j;
            best = d;
        }
    }
    return selected;
}

void MoveEditor(int& chosenLine, const ProcListItem& item, int windowHeight)
{
    chosenLine = item.Line;
    int top = item.Line - windowHeight / 2;
    SetEditorPosition(item.Line, 0, 0, top < 0 ? 0 : top, 0, -1);
}

}  // namespace

int CompareProcListItems(const ProcListItem& a, const ProcListItem& b)
{
    for (const char *p = a.Text, *q = b.Text;; p++, q++) {
        int d = static_cast<unsigned char>(AsciiLower(*p)) - static_cast<unsigned char>(AsciiLower(*q));
        if (d != 0 || !*p)
            return d;
    }
}

void ShowProcListMenu(int& chosenLine, ProcListItem* items, int count, uint32_t flags,
                      const EditorStateRecord& state)
{
    const char* title = state.FileName ? state.FileName : "";
    if (flags & SortItems)
        std::sort(items, items + count, [](const ProcListItem& a, const ProcListItem& b) {
            return CompareProcListItems(a, b) < 0;
        });
    if (count == 0) {
        char text[] = "No functions were found.";
        ShowMessage(text, title, 0, MenuHelp, 0);
        return;
    }

    std::vector<PluginMenuItem> menu(count, PluginMenuItem{});
    for (int j = 0; j < count; j++)
        FillMenuText(menu[j], items[j].Text);
    int referenceLine = (flags & SelectFromCursor) ? state.CursorLine : chosenLine;
    menu[PreselectedIndex(items, count, referenceLine)].Selected = 1;

    char bottom[64];
    std::snprintf(bottom, sizeof bottom, "Total %i items", count);
    int chosen = StartupInfo.Menu ? StartupInfo.Menu(StartupInfo.ModuleNumber, -1, -1, 0, 1, title,
                                                     bottom, MenuHelp, nullptr, nullptr,
                                                     menu.data(), count)
                                  : -1;
    if (chosen >= 0 && chosen < count)
        MoveEditor(chosenLine, items[chosen], state.WindowHeight);
}

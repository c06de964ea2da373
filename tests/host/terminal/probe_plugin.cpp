// A plug-in for the terminal host's tests: each command drives one host
// service the way the real plug-in does and shows what came back in a
// message box, so the tests read the service's answer off the screen.
//   OpenPlugin(5, 0)  a menu with break keys, a separator and a preselection
//   OpenPlugin(5, 1)  a dialog of every item kind, with edit-field histories
//   OpenPlugin(5, 2)  a warning message box with three buttons
//   OpenPlugin(5, 3)  a colour on line 1 and the cursor moved, cleared by the next key
//   OpenPlugin(5, 4)  two minutes of reading lines, then a menu: a command to abandon
//   Configure         a menu without break keys
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "frame/plugin_interface.h"

namespace {

PluginStartupInfo Host;
bool Coloured;

const char* const MenuStrings[] = {"Probe menu", "Probe dialog", "Probe message", "Probe colour", "Probe slow read"};
const char* const ConfigStrings[] = {"Probe setup"};

void Report(const std::vector<std::string>& lines)
{
    std::vector<const char*> strings = {"Probe result"};
    for (const std::string& line : lines)
        strings.push_back(line.c_str());
    strings.push_back("OK");
    Host.Message(Host.ModuleNumber, 0, "Probe", strings.data(), static_cast<int>(strings.size()), 1);
}

std::vector<PluginMenuItem> Entries()
{
    std::vector<PluginMenuItem> items(30);
    const char* names[] = {"Alpha", "Beta", "", "Gamma", "delta", "Epsilon"};
    for (size_t i = 0; i < items.size(); i++) {
        items[i] = PluginMenuItem{};
        if (i < 6)
            std::strcpy(items[i].Text, names[i]);
        else
            std::snprintf(items[i].Text, sizeof items[i].Text, "Item %02zu", i);
    }
    std::strcpy(items[29].Text, "Item 29, whose text is longer than a small terminal is wide");
    items[2].Separator = 1;
    items[3].Selected = 1;
    return items;
}

void ProbeMenu(bool breakKeys)
{
    static const int Keys[] = {0x2E, 0x2D, 0x73, 0x0D, 0};
    std::vector<PluginMenuItem> items = Entries();
    int breakCode = -2;
    int index = Host.Menu(Host.ModuleNumber, -1, -1, 0, 1, "Probe menu", "Del Ins F4 Enter", "ProbeMenu",
                          breakKeys ? Keys : nullptr, breakKeys ? &breakCode : nullptr, items.data(),
                          static_cast<int>(items.size()));
    Report({"menu index=" + std::to_string(index) + " break=" + std::to_string(breakCode)});
}

PluginDialogItem Item(int type, int x1, int y1, int x2, const char* text)
{
    PluginDialogItem item{};
    item.Type = type;
    item.X1 = x1, item.Y1 = y1, item.X2 = x2, item.Y2 = y1;
    std::strcpy(item.Data, text);
    return item;
}

void ProbeDialog()
{
    std::vector<PluginDialogItem> items = {
        Item(DI_DOUBLE_FRAME, 3, 1, 66, "Probe dialog"),
        Item(DI_LABEL, 5, 2, 65, "&Name"),
        Item(DI_EDIT, 5, 3, 64, "first"),
        Item(DI_LABEL, 5, 4, 65, "&Mask"),
        Item(DI_EDIT, 5, 5, 64, ""),
        Item(DI_LABEL, 5, 6, 64, ""),
        Item(DI_CHECKBOX, 5, 7, 35, "&one"),
        Item(DI_CHECKBOX, 40, 7, 65, "&two"),
        Item(DI_LABEL, 5, 8, 64, ""),
        Item(DI_BUTTON, 24, 9, 33, "Save"),
        Item(DI_BUTTON, 37, 9, 49, "Cancel"),
    };
    items[0].Y2 = 10;
    items[2].Focus = 1;
    items[2].Flags = DIF_HISTORY;
    items[2].History = "ProbeName";
    items[4].Flags = DIF_HISTORY;
    items[4].History = "ProbeMask";
    items[5].Flags = items[8].Flags = DIF_SEPARATOR;
    items[7].Selected = 1;
    items[9].Flags = items[10].Flags = DIF_SEPARATOR;
    items[9].DefaultButton = 1;
    int exit = Host.Dialog(Host.ModuleNumber, -1, -1, 70, 12, "ProbeDialog", items.data(),
                           static_cast<int>(items.size()));
    Report({"dialog exit=" + std::to_string(exit), "name=[" + std::string(items[2].Data) + "]",
            "mask=[" + std::string(items[4].Data) + "]",
            "checks=" + std::to_string(items[6].Selected) + "," + std::to_string(items[7].Selected)});
}

void ProbeMessage()
{
    const char* strings[] = {"Probe question", "Keep the change?", "Second line", "Yes", "No", "Cancel"};
    int answer = Host.Message(Host.ModuleNumber, 1, "Probe", strings, 6, 3);
    Report({"message answer=" + std::to_string(answer)});
}

void ProbeColour()
{
    EditorColorRecord colour{0, 0, 0, 3, 0x4E};
    Host.EditorControl(EDITOR_ADD_COLOR, &colour);
    EditorPositionRecord position{2, 1, -1, -1, -1, -1};
    Host.EditorControl(EDITOR_SET_POSITION, &position);
    Coloured = true;
}

void ProbeSlowRead()
{
    EditorStateRecord state{};
    Host.EditorControl(EDITOR_GET_INFO, &state);
    // Each line costs a millisecond a character, as a search costs in proportion to its text.
    for (int read = 0; read < 30000; read++) {
        EditorLineRecord line{};
        line.LineNumber = read % (state.LineCount > 0 ? state.LineCount : 1);
        Host.EditorControl(EDITOR_GET_LINE, &line);
        std::this_thread::sleep_for(std::chrono::milliseconds(line.Text ? std::strlen(line.Text) : 0));
    }
    ProbeMenu(false);
    EditorPositionRecord position{state.LineCount - 1, 0, -1, -1, -1, -1};
    Host.EditorControl(EDITOR_SET_POSITION, &position);
}

}  // namespace

extern "C" {

PLUGIN_EXPORT void PLUGIN_API SetStartupInfo(const PluginStartupInfo* info)
{
    Host = *info;
}

PLUGIN_EXPORT void PLUGIN_API GetPluginInfo(PluginInfoRecord* info)
{
    *info = PluginInfoRecord{};
    info->StructSize = sizeof *info;
    info->MenuStrings = MenuStrings;
    info->MenuStringsCount = 5;
    info->ConfigStrings = ConfigStrings;
    info->ConfigStringsCount = 1;
}

PLUGIN_EXPORT int PLUGIN_API OpenPlugin(int openFrom, int item)
{
    if (openFrom != OPEN_FROM_EDITOR)
        return -1;
    switch (item) {
    case 0: ProbeMenu(true); break;
    case 1: ProbeDialog(); break;
    case 2: ProbeMessage(); break;
    case 3: ProbeColour(); break;
    case 4: ProbeSlowRead(); break;
    default: break;
    }
    return -1;
}

PLUGIN_EXPORT int PLUGIN_API Configure(int)
{
    ProbeMenu(false);
    return 1;
}

PLUGIN_EXPORT int PLUGIN_API ProcessEditorInput(const void*)
{
    if (Coloured) {
        Host.EditorControl(EDITOR_REDRAW, nullptr);
        EditorColorRecord colour{0, 0, 0, 3, 0};
        Host.EditorControl(EDITOR_ADD_COLOR, &colour);
        Coloured = false;
    }
    return 0;
}

PLUGIN_EXPORT void PLUGIN_API ClosePlugin(int)
{
}

}  // extern "C"

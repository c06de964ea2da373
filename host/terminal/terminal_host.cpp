// The terminal host; see terminal_host.h.
#include "host/terminal/terminal_host.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host/common/plugin_library.h"
#include "host/terminal/terminal_dialog.h"
#include "host/terminal/terminal_editor_view.h"
#include "host/terminal/terminal_keys.h"
#include "host/terminal/terminal_menu.h"
#include "host/terminal/terminal_message.h"
#include "host/terminal/terminal_screen.h"
#include "settings/store_layout.h"

namespace {

std::string Text(const char* s)
{
    return s ? s : "";
}

const std::vector<std::string> ViewKeys = {
    "Arrows, PgUp/PgDn  move",
    "Home, End          line start, end",
    "Ctrl+Home/End      file start, end",
    "Shift+cursor keys  select a block",
    "Ctrl+G             go to a line",
    "F2                 plug-in menu",
    "F3                 search",
    "F9                 plug-in setup",
    "F1                 these keys",
    "F10                quit",
    "",
    "The file is only viewed: nothing is ever written to it.",
};

// A break-key list ends with 0; a list without its end is cut here.
enum { BreakKeysLimit = 256 };

// How long a command works before the status line says so and Esc is looked
// for, and how often Esc is looked for then (a look is a system call).
const std::chrono::milliseconds ProgressAfter(500), LookEvery(50);

}  // namespace

std::vector<std::string> DeclaredStrings(const PluginInfoRecord& info, bool configuration)
{
    const char* const* strings = configuration ? info.ConfigStrings : info.MenuStrings;
    int count = configuration ? info.ConfigStringsCount : info.MenuStringsCount;
    std::vector<std::string> result;
    for (int i = 0; strings && i < count && i < 1000; i++)
        result.push_back(Text(strings[i]));
    return result;
}

TerminalHost::TerminalHost(PluginLibrary& plugin, TerminalEditor& editor) : Plugin(plugin), Editor(editor)
{
    Info.ModuleNumber = 0;
    Info.RegistryRoot = ProgramRegistryRoot;
    LendServices(Info, this);
}

void TerminalHost::Run(const std::string& note)
{
    Note = note;
    Plugin.SetStartupInfo(&Info);
    ScreenLayer view([this] { DrawEditorView(Editor, Note); });
    for (;;) {
        RedrawLayers();
        Key key = ReadKey();
        if (key.Is(KeyResize))
            continue;
        if (!HandleKey(key))
            break;
    }
    Plugin.ClosePlugin(0);
}

bool TerminalHost::HandleKey(const Key& key)
{
    Note.clear();
    EditorKeyEvent event = MakeEditorKeyEvent(key);
    Plugin.ProcessEditorInput(&event);
    if (key.Is(KeyF10) || key.Is(KeyHangUp))
        return false;
    if (Editor.Move(key))
        return true;
    if (key.Is(KeyF1))
        ShowHelp("Keys", ViewKeys);
    else if (key.Is(KeyF2))
        RunPluginCommand(false);
    else if (key.Is(KeyF9))
        RunPluginCommand(true);
    else if (key.Is(KeyF3))
        RunSearch();
    else if (key.IsCtrl('G'))
        GoToLine();
    else if (key.IsCtrl('C') || key.IsCtrl('Q') || key.IsCtrl('X'))
        Note = "F10 quits";
    else if (key.Is(KeyChar) || key.Is(KeyEnter) || key.Is(KeyBackspace) || key.Is(KeyDelete))
        Note = "The file is only viewed here: F1 shows the keys";
    return true;
}

void TerminalHost::RunPluginCommand(bool configuration)
{
    PluginInfoRecord info{};
    Plugin.GetPluginInfo(&info);
    std::vector<std::string> strings = DeclaredStrings(info, configuration);
    if (strings.empty()) {
        Note = configuration ? "The plug-in has nothing to configure" : "The plug-in declares no commands";
        return;
    }
    std::vector<PluginMenuItem> items(strings.size());
    for (size_t i = 0; i < strings.size(); i++) {
        items[i] = PluginMenuItem{};
        std::strncpy(items[i].Text, strings[i].c_str(), sizeof items[i].Text - 1);
    }
    items[0].Selected = 1;
    MenuRequest request;
    request.Flags = MenuShowAmpersand;
    request.Title = configuration ? "Plug-in configuration" : "Plug-in commands";
    request.Items = items.data();
    request.Count = static_cast<int>(items.size());
    MenuResult chosen = RunMenu(request);
    if (chosen.Index < 0)
        return;
    if (configuration)
        Plugin.Configure(chosen.Index);
    else
        OpenPlugin(chosen.Index);
}

void TerminalHost::RunSearch()
{
    // The plug-in's search command answers to any item number but 0.
    OpenPlugin(1);
}

void TerminalHost::OpenPlugin(int item)
{
    Working = Work{true, false, false, std::chrono::steady_clock::now(), {}};
    Plugin.OpenPlugin(OPEN_FROM_EDITOR, item);
    bool abandoned = Working.Abandoned;
    PauseWork();
    Working = Work{};  // F9's boxes, which come outside any command, are never refused
    if (abandoned)
        Note = "Abandoned: the view is as it was";
}

bool TerminalHost::KeepWorking(int line)
{
    if (Working.Abandoned)
        return false;
    auto now = std::chrono::steady_clock::now();
    if (now - Working.Since < ProgressAfter || now - Working.LastLook < LookEvery)
        return true;
    Working.LastLook = now;
    if (EscPressed()) {
        Working.Abandoned = true;
        return false;
    }
    Working.Shown = true;
    Note = "Working: line " + std::to_string(std::max(line, 0) + 1) + " of " + std::to_string(Editor.LineCount()) +
           "; Esc abandons";
    RedrawLayers();
    return true;
}

void TerminalHost::PauseWork()
{
    if (Working.Shown)
        Note.clear(), RedrawLayers();
    Working.Shown = false;
    Working.Since = std::chrono::steady_clock::now();
}

void TerminalHost::GoToLine()
{
    PluginDialogItem items[2] = {};
    items[0].Type = DI_DOUBLE_FRAME;
    items[0].X1 = 3, items[0].Y1 = 1, items[0].X2 = 32, items[0].Y2 = 3;
    std::strcpy(items[0].Data, "Go to line");
    items[1].Type = DI_EDIT;
    items[1].X1 = 5, items[1].Y1 = 2, items[1].X2 = 29, items[1].Y2 = 2;
    items[1].Focus = 1;
    items[1].Flags = DIF_HISTORY;
    items[1].History = "LineNumber";
    DialogRequest request{-1, -1, 36, 5, "GoToLine", items, 2, ProgramRegistryRoot};
    if (RunDialog(request) < 0)
        return;
    char* end = nullptr;
    long line = std::strtol(items[1].Data, &end, 10);
    long column = 1;
    if (end && *end == ',')
        column = std::strtol(end + 1, &end, 10);
    if (end == items[1].Data || (end && *end) || line < 1 || column < 1) {
        Note = std::string("Not a line number: ") + items[1].Data;
        return;
    }
    Editor.GoTo(static_cast<int>(std::min(line, 1L << 30)) - 1, static_cast<int>(std::min(column, 1L << 30)) - 1);
}

int TerminalHost::Menu(int x, int y, int maxHeight, unsigned flags, const char* title, const char* bottom,
                       const char* help, const int* breakKeys, int* breakCode, const PluginMenuItem* items,
                       int count)
{
    if (Working.Abandoned)
        return -1;
    PauseWork();
    MenuRequest request;
    request.X = x, request.Y = y, request.MaxHeight = maxHeight, request.Flags = flags;
    request.Title = Text(title), request.Bottom = Text(bottom), request.Help = Text(help);
    for (int k = 0; breakKeys && k < BreakKeysLimit && breakKeys[k]; k++)
        request.BreakKeys.push_back(breakKeys[k]);
    request.Items = items;
    request.Count = items ? std::max(0, count) : 0;
    MenuResult result = RunMenu(request);
    if (breakCode)
        *breakCode = result.BreakCode;
    return result.Index;
}

int TerminalHost::Dialog(int x1, int y1, int x2, int y2, const char* help, PluginDialogItem* items, int count)
{
    if (Working.Abandoned)
        return -1;
    PauseWork();
    DialogRequest request{x1, y1, x2, y2, Text(help), items, items ? std::max(0, count) : 0, ProgramRegistryRoot};
    return RunDialog(request);
}

int TerminalHost::Message(unsigned flags, const char* help, const char* const* strings, int count, int buttons)
{
    if (!strings || count <= 0 || Working.Abandoned)
        return -1;
    PauseWork();
    buttons = std::max(0, std::min(buttons, count - 1));
    std::vector<std::string> lines, captions;
    for (int i = 1; i < count; i++)
        (i < count - buttons ? lines : captions).push_back(Text(strings[i]));
    (void)help;
    return RunMessage(flags, Text(strings[0]), lines, captions);
}

int TerminalHost::EditorControl(int command, void* record)
{
    if (!record && command != EDITOR_REDRAW)
        return 0;
    if (command == EDITOR_GET_LINE && Working.Running) {
        auto* line = static_cast<EditorLineRecord*>(record);
        if (!KeepWorking(line->LineNumber)) {
            line->Text = "";
            line->SelectionStart = line->SelectionEnd = -1;
            return 1;
        }
    }
    // An abandoned command changes nothing in the view, whatever it does on its way out.
    bool changesView = command == EDITOR_SET_POSITION || command == EDITOR_ADD_COLOR || command == EDITOR_REDRAW;
    if (Working.Abandoned && changesView)
        return 1;
    return Editor.Control(command, record);
}

// The scripted host: records every service call the plug-in makes and
// answers from the script; see scripted_host.h.
#include "host/scripted/scripted_host.h"

#include <cstring>

namespace {

std::string Text(const char* s)
{
    return s ? s : "";
}

}  // namespace

int MenuCall::SelectedIndex() const
{
    for (size_t i = 0; i < Items.size(); i++)
        if (Items[i].Selected)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> MenuCall::Texts() const
{
    std::vector<std::string> texts;
    for (const PluginMenuItem& item : Items)
        texts.emplace_back(item.Text, strnlen(item.Text, sizeof item.Text));
    return texts;
}

ScriptedHost::ScriptedHost() = default;

ScriptedHost::~ScriptedHost() = default;

const PluginStartupInfo* ScriptedHost::StartupInfo(const char* registryRoot)
{
    Info = PluginStartupInfo{};
    Info.ModuleNumber = 7;
    if (registryRoot) {
        Root = registryRoot;
        Info.RegistryRoot = Root.c_str();
    }
    LendServices(Info, this);
    return &Info;
}

void ScriptedHost::ClearCalls()
{
    Calls.clear();
    Menus.clear();
    Dialogs.clear();
    Messages.clear();
    EditorCalls.clear();
}

int ScriptedHost::Menu(int x, int y, int maxHeight, unsigned flags, const char* title,
                         const char* bottom, const char* help, const int* breakKeys,
                         int* breakCode, const PluginMenuItem* items, int count)
{
    MenuCall call{x, y, maxHeight, flags, Text(title), Text(bottom), Text(help), {}, breakCode != nullptr, {}};
    for (const int* key = breakKeys; key && *key; key++)
        call.BreakKeys.push_back(*key);
    if (items && count > 0)
        call.Items.assign(items, items + count);
    Calls.push_back({HostCall::Menu, Menus.size()});
    Menus.push_back(call);

    MenuAnswer answer{-1};
    if (!MenuAnswers.empty()) {
        answer = MenuAnswers.front();
        MenuAnswers.pop_front();
    }
    if (breakCode)
        *breakCode = answer.BreakCode;
    return answer.Index;
}

int ScriptedHost::Dialog(int x1, int y1, int x2, int y2, const char* help,
                           PluginDialogItem* items, int count)
{
    DialogCall call{x1, y1, x2, y2, Text(help), {}, {}};
    for (int i = 0; items && i < count; i++) {
        call.Items.push_back(items[i]);
        bool history = items[i].Type == DI_EDIT && (items[i].Flags & DIF_HISTORY);
        call.Histories.push_back(history ? Text(items[i].History) : "");
    }
    Calls.push_back({HostCall::Dialog, Dialogs.size()});
    Dialogs.push_back(call);

    if (DialogAnswers.empty())
        return -1;
    DialogAnswer answer = DialogAnswers.front();
    DialogAnswers.pop_front();
    return answer(items, count);
}

int ScriptedHost::Message(unsigned flags, const char* help, const char* const* strings, int count,
                            int buttons)
{
    MessageCall call{flags, Text(help), {}, buttons};
    for (int i = 0; strings && i < count; i++)
        call.Strings.push_back(Text(strings[i]));
    Calls.push_back({HostCall::Message, Messages.size()});
    Messages.push_back(call);

    if (MessageAnswers.empty())
        return 0;
    int answer = MessageAnswers.front();
    MessageAnswers.pop_front();
    return answer;
}

int ScriptedHost::EditorControl(int command, void* record)
{
    EditorCall call;
    call.Command = command;
    EditorState& e = Editor;
    switch (command) {
    case EDITOR_GET_LINE: {
        auto* line = static_cast<EditorLineRecord*>(record);
        int n = line->LineNumber;
        call.Line = n;
        bool inside = n >= 0 && n < static_cast<int>(e.Lines.size());
        line->Text = inside ? e.Lines.CString(static_cast<size_t>(n)) : "";
        bool selected = inside && n < static_cast<int>(e.Selection.size()) && e.Selection[n].first >= 0;
        line->SelectionStart = selected ? e.Selection[n].first : -1;
        line->SelectionEnd = selected ? e.Selection[n].second : -1;
        break;
    }
    case EDITOR_GET_INFO: {
        auto* state = static_cast<EditorStateRecord*>(record);
        state->FileName = e.FileName.c_str();
        state->WindowHeight = e.WindowHeight;
        state->LineCount = static_cast<int>(e.Lines.size());
        state->CursorLine = e.CursorLine;
        state->CursorColumn = e.CursorColumn;
        state->BlockType = e.BlockType;
        state->BlockStartLine = e.BlockStartLine;
        break;
    }
    case EDITOR_SET_POSITION: {
        call.Position = *static_cast<EditorPositionRecord*>(record);
        call.Line = call.Position.Line;
        // -1 leaves a value as it is.
        if (call.Position.Line >= 0)
            e.CursorLine = call.Position.Line;
        if (call.Position.Column >= 0)
            e.CursorColumn = call.Position.Column;
        if (call.Position.TopScreenLine >= 0)
            e.TopScreenLine = call.Position.TopScreenLine;
        if (call.Position.LeftColumn >= 0)
            e.LeftColumn = call.Position.LeftColumn;
        break;
    }
    case EDITOR_CONVERT_TEXT: {
        auto* text = static_cast<EditorTextRecord*>(record);
        if (text->Text && text->Length > 0)
            call.Text.assign(text->Text, text->Length);
        break;
    }
    case EDITOR_ADD_COLOR:
        call.Color = *static_cast<EditorColorRecord*>(record);
        call.Line = call.Color.Line;
        break;
    default:
        break;
    }
    Calls.push_back({HostCall::Editor, EditorCalls.size()});
    EditorCalls.push_back(call);
    return 1;
}

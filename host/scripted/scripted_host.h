// A host for tests and for the stringslist program: an in-memory editor lent
// to the plug-in through the editor control service, and menus, dialogs and
// message boxes answered from a script. Every call is copied as it arrives
// (the plug-in's buffers are transient) and kept in order.
//
// The services are plain functions without a context argument, so one
// ScriptedHost is active at a time: the one whose StartupInfo was handed out last.
#ifndef STRINGSLIST_HOST_SCRIPTED_SCRIPTED_HOST_H
#define STRINGSLIST_HOST_SCRIPTED_SCRIPTED_HOST_H

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "frame/plugin_interface.h"
#include "host/common/host_services.h"
#include "host/common/text_lines.h"

struct EditorState {
    std::string FileName;
    TextLines Lines;
    int CursorLine = 0;
    int CursorColumn = 0;
    int WindowHeight = 25;
    int TopScreenLine = 0;
    int LeftColumn = 0;
    int BlockType = 0;  // 0: no block selected
    int BlockStartLine = 0;
    // Selected columns per line, start and end; lines beyond the vector, and a
    // start of -1, hold no selection.
    std::vector<std::pair<int, int>> Selection;
};

struct MenuCall {
    int X, Y, MaxHeight;
    unsigned Flags;
    std::string Title, Bottom, Help;
    std::vector<int> BreakKeys;  // up to the terminating 0
    bool HasBreakCode;
    std::vector<PluginMenuItem> Items;
    int SelectedIndex() const;   // the item with the selected flag, -1 if none
    std::vector<std::string> Texts() const;
};

struct DialogCall {
    int X1, Y1, X2, Y2;
    std::string Help;
    std::vector<PluginDialogItem> Items;  // as the plug-in passed them
    std::vector<std::string> Histories;   // per item, "" when it has none
};

struct MessageCall {
    unsigned Flags;
    std::string Help;
    std::vector<std::string> Strings;  // title, lines, buttons
    int Buttons;
};

struct EditorCall {
    int Command = 0;
    int Line = 0;                  // GetLine, SetPosition, AddColor
    EditorPositionRecord Position{};
    EditorColorRecord Color{};
    std::string Text;              // ConvertText
};

struct HostCall {
    enum Kind { Menu, Dialog, Message, Editor } Kind;
    size_t Index;  // into the list of its kind
};

// Answers: a menu's chosen index and break code (-1: none).
struct MenuAnswer {
    int Index;
    int BreakCode = -1;
};
// A dialog answer may edit the items (as a user would) and returns the exit item.
using DialogAnswer = std::function<int(PluginDialogItem* items, int count)>;

class ScriptedHost : public HostServices {
public:
    ScriptedHost();
    ~ScriptedHost() override;

    // The block to hand to SetStartupInfo; makes this host the active one.
    const PluginStartupInfo* StartupInfo(const char* registryRoot);

    EditorState Editor;

    // The script. When a queue is empty: menus and dialogs are cancelled (-1),
    // message boxes answer their first button (0).
    std::deque<MenuAnswer> MenuAnswers;
    std::deque<DialogAnswer> DialogAnswers;
    std::deque<int> MessageAnswers;

    // What the plug-in did, in order.
    std::vector<HostCall> Calls;
    std::vector<MenuCall> Menus;
    std::vector<DialogCall> Dialogs;
    std::vector<MessageCall> Messages;
    std::vector<EditorCall> EditorCalls;  // commands other than GetInfo and GetLine too
    void ClearCalls();

    int Menu(int x, int y, int maxHeight, unsigned flags, const char* title, const char* bottom,
             const char* help, const int* breakKeys, int* breakCode, const PluginMenuItem* items,
             int count) override;
    int Dialog(int x1, int y1, int x2, int y2, const char* help, PluginDialogItem* items, int count) override;
    int Message(unsigned flags, const char* help, const char* const* strings, int count, int buttons) override;
    int EditorControl(int command, void* record) override;

private:
    PluginStartupInfo Info{};
    std::string Root;
};

#endif

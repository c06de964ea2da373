// The terminal host: lends the plug-in its services (menu, dialog, message
// box, editor control) over the editor view and runs the view's key loop.
// Every key pressed in the view goes to ProcessEditorInput first; F2, F3 and
// F9 reach the plug-in's commands, F1 shows the keys, F10 quits.
// A command that reads lines for long shows its progress and Esc abandons it.
//
// The services are plain functions without a context argument, so one
// TerminalHost is active at a time.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_HOST_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_HOST_H

#include <chrono>
#include <string>
#include <vector>

#include "frame/plugin_interface.h"
#include "host/common/host_services.h"
#include "host/terminal/terminal_editor.h"

class PluginLibrary;

class TerminalHost : public HostServices {
public:
    TerminalHost(PluginLibrary& plugin, TerminalEditor& editor);

    // Hands the plug-in its startup block, runs the view until F10, closes
    // the plug-in. The screen must be open.
    void Run(const std::string& note);

    int Menu(int x, int y, int maxHeight, unsigned flags, const char* title, const char* bottom,
             const char* help, const int* breakKeys, int* breakCode, const PluginMenuItem* items,
             int count) override;
    int Dialog(int x1, int y1, int x2, int y2, const char* help, PluginDialogItem* items, int count) override;
    int Message(unsigned flags, const char* help, const char* const* strings, int count, int buttons) override;
    int EditorControl(int command, void* record) override;

private:
    PluginLibrary& Plugin;
    TerminalEditor& Editor;
    PluginStartupInfo Info{};
    std::string Note;  // shown in the status line until the next key

    // A plug-in command at work. After half a second of reading lines the
    // status line says so, and Esc, looked for between the lines it reads,
    // abandons it: from then on every line reads as empty, every box is
    // answered as cancelled and the view takes no change, so the command ends
    // at once and leaves the view as it was. The plug-in is not told; it sees
    // empty lines and a cancelled box, which it already handles. Keys typed
    // meanwhile, but Esc, are kept for the boxes that follow.
    struct Work {
        bool Running = false, Abandoned = false, Shown = false;
        std::chrono::steady_clock::time_point Since, LastLook;
    };
    Work Working;
    void OpenPlugin(int item);
    bool KeepWorking(int line);  // at each line read: false once abandoned
    void PauseWork();            // a box opens: the time it is open does not count

    bool HandleKey(const Key& key);
    void RunPluginCommand(bool configuration);
    void RunSearch();
    void GoToLine();
};

// The strings a plug-in declares: its plug-in menu or its configuration menu.
std::vector<std::string> DeclaredStrings(const PluginInfoRecord& info, bool configuration);

#endif

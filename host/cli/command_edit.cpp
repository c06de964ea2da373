// stringslist edit FILE: the file in a full-screen terminal view, with the
// plug-in's commands on F2, F3 and F9. Everything that can go wrong before
// the screen opens is said on standard error, with a non-zero exit.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "host/cli/commands.h"
#include "host/cli/options.h"
#include "host/common/plugin_library.h"
#include "host/terminal/terminal_editor.h"
#include "host/terminal/terminal_file.h"
#include "host/terminal/terminal_host.h"
#include "host/terminal/terminal_screen.h"
#include "host/terminal/terminal_text.h"
#include "platform/registry_store.h"

namespace {

const CommandSpec EditSpec = {
    "edit", "edit FILE\nFILE",
    "FILE in a full-screen terminal view with the plug-in: F2 the strings list, F3 the search, F9 the "
    "file types, F10 quits. The file is never written.",
    {}, "FILE", 1, 1, false, 1};

bool CheckTerminal()
{
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO))
        return true;
    std::fprintf(stderr, "stringslist: edit needs a terminal, and standard input and output are not both one; "
                         "for the strings list as text use: stringslist list FILE\n");
    return false;
}

bool CheckStore()
{
    // The plug-in would read a broken store as empty and its writes would fail
    // one by one; say what is wrong before anything else happens.
    RegFileDocument store;
    std::string error;
    if (ReadRegistryStore(store, error))
        return true;
    std::fprintf(stderr, "stringslist: the registry store cannot be read: %s\n"
                         "It is left as it is; repair or move it and start again.\n", error.c_str());
    return false;
}

int View(const ProgramOptions& options, const std::string& path)
{
    ViewedFile file;
    std::string error;
    if (!ReadViewedFile(path, file, error)) {
        std::fprintf(stderr, "stringslist: %s\n", error.c_str());
        return 1;
    }
    if (!CheckTerminal() || !CheckStore())
        return 1;
    PluginLibrary plugin;
    if (!LoadPlugin(options, plugin))
        return 1;
    TerminalEditor editor;
    editor.FileName = path;
    editor.Lines = std::move(file.Lines);
    editor.Utf8 = LocaleIsUtf8();
    if (!OpenScreen(error)) {
        std::fprintf(stderr, "stringslist: %s\n", error.c_str());
        return 1;
    }
    std::string note = file.Binary ? "binary file: control bytes show as ^X, others as <xx>"
                       : editor.Lines.empty() ? "empty file" : "";
    {
        TerminalHost host(plugin, editor);
        host.Run(note);
    }
    CloseScreen();
    return 0;
}

}  // namespace

int RunEditCommand(const ProgramOptions& options, int argc, char** argv)
{
    Arguments args;
    int status = ParseArguments(EditSpec, argc, argv, args);
    if (status >= 0)
        return status;
    std::setlocale(LC_ALL, "");
    try {
        return View(options, args.Operands[0]);
    } catch (const std::exception& e) {
        CloseScreen();
        std::fprintf(stderr, "stringslist: %s\n", e.what());
        return 1;
    }
}

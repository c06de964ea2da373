// stringslist edit FILE: the file in a full-screen terminal view, with the
// plug-in's commands on F2, F3 and F9. Everything that can go wrong before
// the screen opens is said on standard error, with a non-zero exit.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "host/cli/commands.h"
#include "host/cli/options.h"
#include "host/cli/types_commands.h"
#include "host/common/plugin_library.h"
#include "host/terminal/terminal_editor.h"
#include "host/terminal/terminal_file.h"
#include "host/terminal/terminal_host.h"
#include "host/terminal/terminal_screen.h"
#include "host/terminal/terminal_text.h"
#include "platform/registry_store.h"
#include "settings/store_layout.h"

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

// A store that has never held a table of file types lists nothing: before the
// screen opens, offer what `types import --shipped` does. Either answer leaves
// the table there, so the question comes once per store; a table emptied by
// hand is never refilled unasked.
void OfferShippedTypes()
{
    const std::string root = ProgramRegistryRoot;
    RegFileDocument tree;
    if (!ReadTypes(root, tree) || !tree.Keys.empty())
        return;
    std::printf("There are no file types in %s yet, so the strings list (F2) would find nothing.\n"
                "Import the file types shipped with stringslist, as \"stringslist types import --shipped\" "
                "does? [Y/n] ",
                TypesPlace(root).c_str());
    std::fflush(stdout);
    char answer[64] = "";
    bool yes = std::fgets(answer, sizeof answer, stdin) && std::strchr("Yy\n", answer[0]);
    if (yes) {
        char shipped[] = "--shipped";
        char* argv[] = {shipped, nullptr};
        if (RunTypesImport(1, argv, root) != 0) {
            std::printf("The file types were not imported. Press Enter to view the file.");
            std::fflush(stdout);
            std::fgets(answer, sizeof answer, stdin);
        }
        return;
    }
    std::printf("None imported, and you will not be asked again; \"stringslist types import --shipped\" "
                "imports them later.\n");
    ChangeTypes(
        root,
        [&](RegFileDocument& store, bool& changed) -> LONG {
            store.Keys.push_back(RegFileKey{TypesTablePath(root), {}});
            changed = true;
            return ERROR_SUCCESS;
        },
        "keep the empty table of file types");
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
    OfferShippedTypes();
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

// stringslist: a host for the plug-in and a tool for people who write file types.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "host/cli/commands.h"
#include "host/common/plugin_library.h"
#include "settings/store_layout.h"

namespace {

#ifdef _WIN32
const char PluginFileName[] = "stringslist.dll";
#else
const char PluginFileName[] = "libstringslist.so";
#endif

struct Command {
    const char* Name;
    int (*Run)(const ProgramOptions&, int, char**);
    const char* Usage;
};

int RunHelpCommand(const ProgramOptions&, int, char**);

const Command Commands[] = {
    {"info", RunInfoCommand, "info                      what the plug-in declares to a host"},
    {"match", RunMatchCommand, "match [-i] PATTERN [FILE...]   lines that the pattern matches"},
    {"expand", RunExpandCommand, "expand PATTERN TEMPLATE [FILE...]   a template expanded on matching lines"},
    {"list", RunListCommand,
     "list [--porcelain] [--cursor N] [--height H] [--choose K] [--root KEY] FILE   the strings list of a file"},
    {"types", RunTypesCommand, "types list|export|import|set|delete   the file types (stringslist types --help)"},
#ifndef _WIN32
    {"edit", RunEditCommand, "edit FILE                 the file in a terminal editor with the plug-in"},
#endif
    {"help", RunHelpCommand, "help                      this text"},
};

void PrintUsage(FILE* out)
{
    std::fprintf(out, "usage: stringslist [--plugin PATH] COMMAND [ARGS]\n"
#ifndef _WIN32
                      "       stringslist FILE          (same as: stringslist edit FILE)\n"
#endif
                      "       stringslist --version\n\ncommands:\n");
    for (const Command& c : Commands)
        std::fprintf(out, "  %s\n", c.Usage);
    std::fprintf(out, "\nKEY: the key below HKEY_CURRENT_USER where the host keeps plug-in settings "
                      "(default: %s)\n", ProgramRegistryRoot);
}

int RunHelpCommand(const ProgramOptions&, int, char**)
{
    PrintUsage(stdout);
    return 0;
}

// A lone argument that is no command: a FILE for the editor, or a mistake.
int RunLoneArgument(const ProgramOptions& options, char* arg)
{
    if (access(arg, F_OK) != 0) {
        std::fprintf(stderr, "stringslist: %s: no such file, nor a command (stringslist help lists them)\n", arg);
        return 1;
    }
    if (access(arg, R_OK) != 0) {
        std::fprintf(stderr, "stringslist: cannot read %s: %s\n", arg, std::strerror(errno));
        return 1;
    }
#ifdef _WIN32
    return RunListCommand(options, 1, &arg);  // no terminal editor here: the strings list, printed
#else
    return RunEditCommand(options, 1, &arg);
#endif
}

}  // namespace

std::string ProgramDirectory()
{
    char path[4096];
#ifdef _WIN32
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return ".";
    path[n] = '\0';
    char* slash = std::strrchr(path, '\\');
#else
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    path[n] = '\0';
    char* slash = std::strrchr(path, '/');
#endif
    return slash ? std::string(path, slash) : ".";
}

bool LoadPlugin(const ProgramOptions& options, PluginLibrary& library)
{
    std::string error;
    if (!options.PluginPath.empty()) {
        if (library.Load(options.PluginPath, error))
            return true;
        std::fprintf(stderr, "stringslist: %s\n", error.c_str());
        return false;
    }
    // Beside the program, in an installation's lib/stringslist/, or in the build tree's lib/.
    std::string dir = ProgramDirectory();
    for (const std::string& path : {dir + "/" + PluginFileName, dir + "/../lib/stringslist/" + PluginFileName,
                                    dir + "/../lib/" + PluginFileName}) {
        if (access(path.c_str(), F_OK) == 0) {
            if (library.Load(path, error))
                return true;
            std::fprintf(stderr, "stringslist: %s\n", error.c_str());
            return false;
        }
    }
    std::fprintf(stderr, "stringslist: cannot find the plug-in %s beside %s; name it with --plugin PATH\n",
                 PluginFileName, dir.c_str());
    return false;
}

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Output is the same bytes as elsewhere: no CR added before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    ProgramOptions options;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; i++) {
        if (!std::strcmp(argv[i], "--plugin") && i + 1 < argc) {
            options.PluginPath = argv[++i];
        } else if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            PrintUsage(stdout);
            return 0;
        } else if (!std::strcmp(argv[i], "--version")) {
            std::printf("stringslist %s\n", STRINGSLIST_VERSION);
            return 0;
        } else {
            std::fprintf(stderr, "stringslist: unknown option %s\n", argv[i]);
            PrintUsage(stderr);
            return 2;
        }
    }
    if (i == argc) {
        PrintUsage(stderr);
        return 2;
    }
    for (const Command& c : Commands)
        if (!std::strcmp(argv[i], c.Name))
            return c.Run(options, argc - i - 1, argv + i + 1);
#ifdef _WIN32
    if (!std::strcmp(argv[i], "edit")) {
        std::fprintf(stderr, "stringslist: the terminal editor is not part of stringslist.exe; "
                             "the strings list as text: stringslist list FILE\n");
        return 2;
    }
#endif
    if (i == argc - 1)
        return RunLoneArgument(options, argv[i]);
    std::fprintf(stderr, "stringslist: unknown command %s\n", argv[i]);
    PrintUsage(stderr);
    return 2;
}

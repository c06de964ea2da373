// stringslist: a host for the plug-in and a tool for people who write file types.
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#include "host/cli/commands.h"
#include "host/common/plugin_library.h"

namespace {

struct Command {
    const char* Name;
    int (*Run)(const ProgramOptions&, int, char**);
    const char* Usage;
};

const Command Commands[] = {
    {"info", RunInfoCommand, "info                      what the plug-in declares to a host"},
    {"match", RunMatchCommand, "match [-i] PATTERN [FILE...]   lines that the pattern matches"},
    {"expand", RunExpandCommand, "expand PATTERN TEMPLATE [FILE...]   a template expanded on matching lines"},
    {"list", RunListCommand, "list [--porcelain] [--cursor N] [--height H] [--choose K] FILE   the strings list of a file"},
    {"types", RunTypesCommand, "types list|export|import|set|delete   the file types in the store"},
    {"edit", RunEditCommand, "edit FILE                 the file in a terminal editor with the plug-in"},
};

void PrintUsage(FILE* out)
{
    std::fprintf(out, "usage: stringslist [--plugin PATH] COMMAND [ARGS]\n\ncommands:\n");
    for (const Command& c : Commands)
        std::fprintf(out, "  %s\n", c.Usage);
}

std::string ProgramDirectory()
{
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    path[n] = '\0';
    char* slash = std::strrchr(path, '/');
    return slash ? std::string(path, slash) : ".";
}

}  // namespace

bool LoadPlugin(const ProgramOptions& options, PluginLibrary& library)
{
    std::string error;
    if (!options.PluginPath.empty()) {
        if (library.Load(options.PluginPath, error))
            return true;
        std::fprintf(stderr, "stringslist: %s\n", error.c_str());
        return false;
    }
    // Beside the program, or in the build tree's lib/ next to its bin/.
    std::string dir = ProgramDirectory();
    for (const std::string& path : {dir + "/libstringslist.so", dir + "/../lib/libstringslist.so"}) {
        if (access(path.c_str(), F_OK) == 0) {
            if (library.Load(path, error))
                return true;
            std::fprintf(stderr, "stringslist: %s\n", error.c_str());
            return false;
        }
    }
    std::fprintf(stderr, "stringslist: cannot find the plug-in libstringslist.so beside %s; "
                         "name it with --plugin PATH\n", dir.c_str());
    return false;
}

int main(int argc, char** argv)
{
    ProgramOptions options;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; i++) {
        if (!std::strcmp(argv[i], "--plugin") && i + 1 < argc) {
            options.PluginPath = argv[++i];
        } else if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            PrintUsage(stdout);
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
    // stringslist FILE: the short form of edit FILE.
    if (access(argv[i], F_OK) == 0)
        return RunEditCommand(options, argc - i, argv + i);
    std::fprintf(stderr, "stringslist: unknown command %s\n", argv[i]);
    PrintUsage(stderr);
    return 2;
}

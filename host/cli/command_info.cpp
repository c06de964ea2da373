// stringslist info: what the plug-in declares to a host (GetPluginInfo).
#include <cstdio>

#include "host/cli/commands.h"
#include "host/common/plugin_library.h"

namespace {

void PrintStrings(const char* label, const char* const* strings, int count)
{
    std::printf("%s:", label);
    for (int i = 0; strings && i < count; i++)
        std::printf(" \"%s\"", strings[i] ? strings[i] : "");
    std::printf("\n");
}

}  // namespace

int RunInfoCommand(const ProgramOptions& options, int argc, char**)
{
    if (argc != 0) {
        std::fprintf(stderr, "usage: stringslist info\n");
        return 2;
    }
    PluginLibrary library;
    if (!LoadPlugin(options, library))
        return 1;
    PluginInfoRecord info{};
    library.GetPluginInfo(&info);
    std::printf("record size: %d\nflags: %u\n", info.StructSize, info.Flags);
    PrintStrings("plug-in menu", info.MenuStrings, info.MenuStringsCount);
    PrintStrings("configuration menu", info.ConfigStrings, info.ConfigStringsCount);
    return 0;
}

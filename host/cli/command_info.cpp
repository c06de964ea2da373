// stringslist info: what the plug-in declares to a host (GetPluginInfo).
#include <cstdio>
#include <string>
#include <vector>

#include "host/cli/commands.h"
#include "host/cli/options.h"
#include "host/common/plugin_library.h"

namespace {

const CommandSpec InfoSpec = {"info", "info", "What the plug-in declares to a host when it is loaded.", {}, "", 0, 0};

void PrintStrings(const char* label, const char* const* strings, int count)
{
    std::printf("%s", label);
    if (!strings || count <= 0)
        std::printf(" nothing");
    for (int i = 0; strings && i < count; i++)
        std::printf("%s\"%s\"", i ? ", " : " ", strings[i] ? strings[i] : "");
    std::printf("\n");
}

// The bits set in flags, as "2, 4 and 8".
std::string BitList(unsigned flags)
{
    std::vector<std::string> bits;
    for (unsigned bit = 1; bit; bit <<= 1)
        if (flags & bit)
            bits.push_back(std::to_string(bit));
    std::string text;
    for (size_t i = 0; i < bits.size(); i++)
        text += (i == 0 ? "" : i + 1 == bits.size() ? " and " : ", ") + bits[i];
    return text;
}

}  // namespace

int RunInfoCommand(const ProgramOptions& options, int argc, char** argv)
{
    Arguments args;
    int status = ParseArguments(InfoSpec, argc, argv, args);
    if (status >= 0)
        return status;
    PluginLibrary library;
    if (!LoadPlugin(options, library))
        return 1;
    PluginInfoRecord info{};
    library.GetPluginInfo(&info);
    std::printf("The plug-in fills a record of %d bytes and declares:\n", info.StructSize);
    PrintStrings("  in the host's plug-in menu:", info.MenuStrings, info.MenuStringsCount);
    PrintStrings("  among the configuration entries:", info.ConfigStrings, info.ConfigStringsCount);
    if (info.Flags)
        std::printf("  flags %u: the host's bits %s\n", info.Flags, BitList(info.Flags).c_str());
    else
        std::printf("  no flags\n");
    return 0;
}

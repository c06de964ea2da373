// stringslist types export: the file types below a root as a REGEDIT4 file,
// CRLF on every system, that a Windows registry editor imports as it stands
// into that root.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/cli/commands.h"
#include "host/cli/type_store.h"
#include "host/cli/types_commands.h"

const CommandSpec TypesExportSpec = {
    "types export", "types export [--root KEY] [FILE]",
    "The file types as a REGEDIT4 file (standard output when no FILE is given), for a registry editor "
    "or types import.",
    {RootOption}, "FILE", 0, 1};

int RunTypesExport(int argc, char** argv, std::string root)
{
    Arguments args;
    int status = ParseTypesArguments(TypesExportSpec, argc, argv, args, root);
    if (status >= 0)
        return status;
    RegFileDocument store;
    if (!ReadTypes(root, store))
        return 1;
    RegKeyPath table = TypesTablePath(root);
    RegFileDocument exported;
    exported.Keys.push_back(RegFileKey{table, {}});
    for (const RegFileKey& key : store.Keys)
        if (key.Path.size() > table.size() && IsRegPathAtOrBelow(key.Path, table))
            exported.Keys.push_back(key);
    // Line ends as a Windows registry editor writes them, and as the shipped files have them.
    std::string text;
    for (char c : FormatRegFile(exported))
        text += c == '\n' ? "\r\n" : std::string(1, c);
    if (args.Operands.empty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);  // checked when the program ends
        return 0;
    }
    const std::string& file = args.Operands[0];
    FILE* out = std::fopen(file.c_str(), "wb");
    bool written = out && std::fwrite(text.data(), 1, text.size(), out) == text.size();
    int error = errno;
    if (out && std::fclose(out) != 0 && written)
        written = false, error = errno;
    if (!written)
        return Fail("cannot write " + file + ": " + std::strerror(error));
    std::printf("Exported %zu file types to %s.\n", exported.Keys.size() - 1, file.c_str());
    return 0;
}

// stringslist types export: the file types below a root as a REGEDIT4 file,
// CRLF on every system, that a Windows registry editor imports as it stands
// into that root.
#include <cstdio>
#include <string>

#include "host/cli/commands.h"
#include "host/cli/type_store.h"
#include "host/cli/types_commands.h"
#include "platform/whole_file.h"

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
    std::string error;
    if (!ReplaceWholeFile(file, text, error))  // a full disk must not cut the backup it replaces
        return Fail(error);
    std::printf("Exported %zu file types to %s.\n", exported.Keys.size() - 1, file.c_str());
    return 0;
}

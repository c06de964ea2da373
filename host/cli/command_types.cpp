// stringslist types: the file types in the registry, listed, exported,
// imported from .reg files, set and deleted. The types live where the plug-in
// finds them: below HKEY_CURRENT_USER\<root>, root being this program's own
// unless --root names the host's. Every change is one read-modify-write of the
// tree; in the store file an import lands whole or not at all.
#include <cstring>
#include <string>

#include "host/cli/commands.h"
#include "host/cli/type_store.h"
#include "host/cli/types_commands.h"
#include "settings/store_layout.h"

namespace {

struct Subcommand {
    const CommandSpec* Spec;
    int (*Run)(int argc, char** argv, std::string root);
};

const Subcommand Subcommands[] = {
    {&TypesListSpec, RunTypesList},     {&TypesExportSpec, RunTypesExport}, {&TypesImportSpec, RunTypesImport},
    {&TypesSetSpec, RunTypesSet},       {&TypesDeleteSpec, RunTypesDelete},
};

// The table of `types` itself; its usage is every subcommand's, read from
// their tables at run time (they are built in other files).
const CommandSpec& TypesSpec()
{
    static const std::string synopses = [] {
        std::string text;
        for (const Subcommand& s : Subcommands)
            text += (text.empty() ? "" : "\n") + std::string(s.Spec->Synopsis);
        return text;
    }();
    static const CommandSpec spec = {
        "types", synopses.c_str(),
        "The file types of the strings list, where the plug-in reads them: below HKEY_CURRENT_USER\\KEY\\"
        "RegExp\\FileTypes. stringslist types SUBCOMMAND --help says more of each.",
        {RootOption}, "subcommand (list, export, import, set or delete)", 1, -1, true};
    return spec;
}

}  // namespace

int ParseTypesArguments(const CommandSpec& spec, int argc, char** argv, Arguments& args, std::string& root)
{
    int status = ParseArguments(spec, argc, argv, args);
    if (status >= 0)
        return status;
    const std::string* given = args.Value(RootOption.Name);
    return given && !ParseRegistryRoot(*given, root) ? 2 : -1;
}

int RunTypesCommand(const ProgramOptions&, int argc, char** argv)
{
    // Options of `types` stand before the subcommand: the rest is the subcommand's.
    int first = 0;
    while (first < argc && argv[first][0] == '-' && argv[first][1])
        first += !std::strcmp(argv[first], RootOption.Name) && first + 1 < argc ? 2 : 1;
    Arguments args;
    std::string root = ProgramRegistryRoot;
    int status = ParseTypesArguments(TypesSpec(), first < argc ? first + 1 : argc, argv, args, root);
    if (status >= 0)
        return status;
    const std::string& name = args.Operands[0];
    for (const Subcommand& s : Subcommands)
        if (name == std::strchr(s.Spec->Name, ' ') + 1)
            return s.Run(argc - first - 1, argv + first + 1, root);
    return UsageError(TypesSpec(), "types has no subcommand " + name);
}

// The subcommands of `stringslist types`, one file each; command_types.cpp
// picks one by name. Each reads its arguments (those after its name) by its
// own option table and works on the types below root, the --root KEY given
// before the subcommand or the program's own; its own --root overrides it.
#ifndef STRINGSLIST_HOST_CLI_TYPES_COMMANDS_H
#define STRINGSLIST_HOST_CLI_TYPES_COMMANDS_H

#include <string>

#include "host/cli/options.h"

int RunTypesList(int argc, char** argv, std::string root);
int RunTypesExport(int argc, char** argv, std::string root);
int RunTypesImport(int argc, char** argv, std::string root);
int RunTypesSet(int argc, char** argv, std::string root);
int RunTypesDelete(int argc, char** argv, std::string root);

// The subcommands' tables, for the help of `types`.
extern const CommandSpec TypesListSpec, TypesExportSpec, TypesImportSpec, TypesSetSpec, TypesDeleteSpec;

// Parses by spec and takes --root into root; answers -1 to go on, else the exit status.
int ParseTypesArguments(const CommandSpec& spec, int argc, char** argv, Arguments& args, std::string& root);

#endif

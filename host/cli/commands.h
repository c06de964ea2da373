// The commands of the stringslist program, one file each; main() picks one by name.
#ifndef STRINGSLIST_HOST_CLI_COMMANDS_H
#define STRINGSLIST_HOST_CLI_COMMANDS_H

#include <string>

#include "host/cli/type_store.h"

// Options shared by every command, taken before the command name.
struct ProgramOptions {
    std::string PluginPath;  // --plugin PATH; empty: beside the program
};

// Each command gets the arguments after its name and answers the exit status.
int RunInfoCommand(const ProgramOptions& options, int argc, char** argv);
int RunMatchCommand(const ProgramOptions& options, int argc, char** argv);
int RunExpandCommand(const ProgramOptions& options, int argc, char** argv);
int RunListCommand(const ProgramOptions& options, int argc, char** argv);
int RunTypesCommand(const ProgramOptions& options, int argc, char** argv);
int RunEditCommand(const ProgramOptions& options, int argc, char** argv);

// A failure said on standard error as "stringslist: MESSAGE"; answers 1.
int Fail(const std::string& message);

// The folder of the running program.
std::string ProgramDirectory();
// A path joined to a folder, tidied and with the system's separator.
std::string JoinPath(const std::string& folder, const std::string& relative);

// Finds and loads the plug-in, or says why not on standard error.
class PluginLibrary;
bool LoadPlugin(const ProgramOptions& options, PluginLibrary& library);

#endif

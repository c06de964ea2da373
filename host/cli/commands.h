// The commands of the stringslist program, one file each; main() picks one by name.
#ifndef STRINGSLIST_HOST_CLI_COMMANDS_H
#define STRINGSLIST_HOST_CLI_COMMANDS_H

#include <string>
#include <vector>

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

// The flags of a file type, decimal or 0x..., as the 4 data bytes of its value;
// false for anything else.
bool ParseTypeFlags(const char* text, std::string& data);
// Whether a file type's text (of option NAME) fits what the plug-in reads; says why not.
bool CheckTypeText(const char* option, const std::string& text);

// The folder of the running program.
std::string ProgramDirectory();

// --root KEY: a key below HKEY_CURRENT_USER (a leading hive name is dropped).
// False, with the reason on standard error, for a text that is no such key.
bool ParseRegistryRoot(const std::string& text, std::string& root);

// Where the file types below root are, for messages: the registry key, or
// the store file (and the root, when it is not the program's own).
std::string TypesPlace(const std::string& root);

// The types' table key below root: HKEY_CURRENT_USER\root\RegExp\FileTypes.
std::vector<std::string> TypesTablePath(const std::string& root);

// How to fill an empty table of file types below root, as a line for people.
std::string ImportAdvice(const std::string& root);

// Finds and loads the plug-in, or says why not on standard error.
class PluginLibrary;
bool LoadPlugin(const ProgramOptions& options, PluginLibrary& library);

#endif

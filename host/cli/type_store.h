// The file types in the registry, as the program's commands see them: where a
// root's types are (--root KEY), what to tell a user about that place, and
// the checks that keep what is written readable by the plug-in. Over
// platform/registry_tree.h, which reads and changes the keys themselves.
#ifndef STRINGSLIST_HOST_CLI_TYPE_STORE_H
#define STRINGSLIST_HOST_CLI_TYPE_STORE_H

#include <string>
#include <vector>

#include "host/cli/options.h"
#include "platform/reg_file.h"
#include "platform/registry_tree.h"

// Reads the types' table below root; false after saying why not.
bool ReadTypes(const std::string& root, RegFileDocument& tree);
// One change of the table below root (see ChangeRegistryTree); answers 0, or 1
// after saying "cannot WHAT: why".
int ChangeTypes(const std::string& root, const RegistryTreeChange& change, const std::string& what);

// --root KEY, as every command that reads or writes types takes it.
extern const OptionSpec RootOption;

// --root KEY: a key below HKEY_CURRENT_USER (a leading hive name is dropped).
// False, with the reason on standard error, for a text that is no such key.
bool ParseRegistryRoot(const std::string& text, std::string& root);

// The root's key, hive first: HKEY_CURRENT_USER\root.
RegKeyPath RootKeyPath(const std::string& root);
// The types' table key below root: HKEY_CURRENT_USER\root\RegExp\FileTypes.
RegKeyPath TypesTablePath(const std::string& root);
// A type's key: the table's path and the type's name.
RegKeyPath TypeKeyPath(const std::string& root, const std::string& name);

// The type keys of a tree read below the table, in the order the plug-in tries them.
std::vector<const RegFileKey*> TypeKeys(const RegFileDocument& tree, const std::string& root);

// Where the file types below root are, for messages: the registry key, or
// the store file (and the root, when it is not the program's own).
std::string TypesPlace(const std::string& root);

// Whether the root's key is there (when it cannot be read, it is taken to be).
bool RootExists(const std::string& root);

// How to fill an empty table of file types below root, as a line for people.
std::string ImportAdvice(const std::string& root);

// The flags of a file type, decimal or 0x..., as the 4 data bytes of its value;
// false for anything else.
bool ParseTypeFlags(const char* text, std::string& data);
// Whether a file type's text (of option NAME) fits what the plug-in reads; says why not.
bool CheckTypeText(const char* option, const std::string& text);
// The optional values of a type (README, File types) as options of the
// commands that give a type: --line-comment WORDS and so on, one per value.
struct OptionalValueOption {
    OptionSpec Option;
    const char* Value;  // the value's name in the type's key
};
extern const OptionalValueOption OptionalValueOptions[5];
// A command's options with those of the optional values between first and last.
std::vector<OptionSpec> WithOptionalValues(std::vector<OptionSpec> first, std::vector<OptionSpec> last);
// The optional value an option gives, or null.
const char* OptionalValueOf(const char* option);
// What the plug-in would leave out of a text of the optional value NAME, for
// people ("" when it reads all of it): a block's opener without its closer, a
// quote word of more than two characters.
std::string OptionalValueProblem(const char* name, const std::string& text);

// Whether NAME can be a type's key name (and, for writing, one the plug-in
// reads); says why not.
bool CheckTypeName(const std::string& name, bool forWriting);

// The longest text the plug-in reads whole; its pattern, RX, may be longer.
const size_t ValueTextLimit = 511;
const size_t PatternTextLimit = 4095;
// The longest text of the value NAME that the plug-in reads whole.
size_t TextLimit(const std::string& valueName);

// Removes the key at path and every key below it; answers whether there was one.
bool RemoveType(RegFileDocument& tree, const RegKeyPath& path);

// The value of that name in a key, or null.
const RegFileValue* FindValue(const RegFileKey& key, const char* name);
// The bytes a registry read gives for a value, whatever its type: a REG_SZ
// text comes with its NUL.
std::string ValueBytes(const RegFileValue& value);
// Whether the plug-in, reading the value NAME into its buffer, takes it as empty.
bool TextTooLong(const std::string& bytes, const std::string& valueName);
// A text value of the key as the plug-in reads it, whatever its registry
// type: up to its first NUL, empty when missing or too long.
std::string TypeText(const RegFileKey& key, const char* name);

// The type the plug-in picks for a file, by its own rule
// (settings/file_type_lookup.h); null when none is.
const RegFileKey* TypeForFile(const RegFileDocument& tree, const std::string& root, const std::string& fileName);

// The values of a type that the plug-in compiles as patterns (the mask, the
// RX) and that do not compile; they are named in the list.
std::vector<const char*> BrokenPatterns(const RegFileKey& type);

#endif

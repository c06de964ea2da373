// A key of HKEY_CURRENT_USER with everything below it, read whole and changed
// whole: how the programs manage file types, on Windows in the real registry,
// elsewhere in the stand-in's store file. Paths are full, the hive first.
#ifndef STRINGSLIST_PLATFORM_REGISTRY_TREE_H
#define STRINGSLIST_PLATFORM_REGISTRY_TREE_H

#include <functional>
#include <string>
#include <vector>

#include "platform/reg_file.h"
#include "platform/registry.h"

// The keys at and below top, parents first; a missing top is an empty tree.
// On failure answers false with a message for people in error.
bool ReadRegistryTree(const RegKeyPath& top, RegFileDocument& tree, std::string& error);

// Reads the tree, lets `change` edit it (keys at and below top only) and
// writes back what differs. `change` answers a registry status and sets
// `changed` when there is something to write. Answers the status, or the
// failure to read or write with error set; on failure nothing is written
// where the platform can promise it (the store file: always).
typedef std::function<LONG(RegFileDocument& tree, bool& changed)> RegistryTreeChange;
LONG ChangeRegistryTree(const RegKeyPath& top, const RegistryTreeChange& change, std::string& error);

// Where the tree lives, for messages: the store file, or the key itself.
std::string RegistryTreePlace(const RegKeyPath& top);

#endif

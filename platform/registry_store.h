// The file behind the registry stand-in (not on Windows): one REGEDIT4 file at
// ${XDG_CONFIG_HOME:-$HOME/.config}/stringslist/registry.reg.
//
// Invariant: the file on disk is always a whole, parseable store or missing.
// A change re-reads the file under an exclusive lock (flock on registry.reg.lock),
// applies itself, writes the whole store to registry.reg.tmp, flushes it and
// renames it over the old file. Readers need no lock: a rename is atomic. A file
// that cannot be parsed is never overwritten: every change to it fails. A store
// that is a symbolic link is read and rewritten where the link leads (the link
// stays); one that leads nowhere, or that is a directory, is an error.
#ifndef STRINGSLIST_PLATFORM_REGISTRY_STORE_H
#define STRINGSLIST_PLATFORM_REGISTRY_STORE_H

#ifndef _WIN32

#include <functional>
#include <string>

#include "platform/reg_file.h"
#include "platform/registry.h"

// The store's path; "" when neither XDG_CONFIG_HOME nor HOME says where it is.
std::string RegistryStorePath();
// Where the store of a configuration folder (as XDG_CONFIG_HOME names one) is.
std::string RegistryStorePathIn(const std::string& configHome);

// Reads the store afresh: keys sorted parents first, every parent of a key
// present as a key of its own. A missing file is an empty store. On failure
// answers false with error "FILE:LINE: what was expected" or the system's reason.
bool ReadRegistryStore(RegFileDocument& document, std::string& error);

// One read-modify-write under the lock. `change` edits the freshly read store
// and answers a registry status; it sets `changed` when there is something to
// write. Nothing is written unless it answers ERROR_SUCCESS with changed set.
// Answers the status, or the failure to read or write with error set.
typedef std::function<LONG(RegFileDocument& document, bool& changed)> RegistryStoreChange;
LONG ChangeRegistryStore(const RegistryStoreChange& change, std::string& error);

// Why the last store access of a registry function failed; "" after a success.
std::string RegistryStoreError();

// For tests: called after the temporary file is written and flushed, before
// it is renamed over the store (a crash there must leave the old store whole).
extern void (*RegistryStoreBeforeRename)();

#endif

#endif

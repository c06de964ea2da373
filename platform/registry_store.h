// The file behind the registry stand-in (not on Windows): one REGEDIT4 file at
// ${XDG_CONFIG_HOME:-$HOME/.config}/stringslist/registry.reg.
//
// Invariant: the file on disk is always a whole, parseable store or missing.
// A change re-reads the file under an exclusive lock (flock on registry.reg.lock),
// applies itself and replaces the file whole (whole_file.h: registry.reg.tmp,
// flushed, renamed over the old file). Readers need no lock: a rename is atomic.
// A file that cannot be parsed is never overwritten: every change to it fails. A
// store that is a symbolic link is read and rewritten where the link leads (the
// link stays); one that leads nowhere, or that is not a regular file, is an error.
//
// Reads are parsed once a process: the parsed store is kept, with its file held
// open, while that file's device, inode, links, size and modification and
// change times stay as they were read (a file renamed over or changed shows
// at once) and the path still leads to it (looked at every 20 ms at most: a
// folder moved or a link turned elsewhere shows within that). A file changed
// within a clock tick of being read could keep all of these, so such a file
// is read again until it is older.
#ifndef STRINGSLIST_PLATFORM_REGISTRY_STORE_H
#define STRINGSLIST_PLATFORM_REGISTRY_STORE_H

#ifndef _WIN32

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/reg_file.h"
#include "platform/registry.h"

// The store's path; "" when neither XDG_CONFIG_HOME nor HOME says where it is.
std::string RegistryStorePath();
// Where the store of a configuration folder (as XDG_CONFIG_HOME names one) is.
std::string RegistryStorePathIn(const std::string& configHome);

// The store as read: keys sorted parents first, every parent of a key (below
// its hive) present as a key of its own; keys found and subkeys listed in
// enumeration order without a scan.
class RegistryStoreSnapshot {
public:
    explicit RegistryStoreSnapshot(RegFileDocument sortedWithParents);
    const RegFileDocument& Document() const { return Store; }
    // The first key of that path, or nullptr.
    const RegFileKey* Find(const std::vector<std::string>& path) const;
    // The subkeys of that path in enumeration order, as indexes of Document().Keys.
    const std::vector<size_t>& Subkeys(const std::vector<std::string>& path) const;

private:
    RegFileDocument Store;
    std::vector<std::vector<size_t>> SubkeysOf;                          // a key's, by index
    std::vector<std::pair<std::string, std::vector<size_t>>> HiveSubkeys;  // a hive's, by folded name
};

// The store, read afresh only when the file changed. A missing file is an
// empty store. On failure answers false with error "FILE:LINE: what was
// expected" or the system's reason.
bool ReadRegistryStore(std::shared_ptr<const RegistryStoreSnapshot>& store, std::string& error);
// The same, as a copy of the document.
bool ReadRegistryStore(RegFileDocument& document, std::string& error);

// One read-modify-write under the lock. `change` edits the freshly read store
// and answers a registry status; it sets `changed` when there is something to
// write. Nothing is written unless it answers ERROR_SUCCESS with changed set.
// Answers the status, or the failure to read or write with error set.
typedef std::function<LONG(RegFileDocument& document, bool& changed)> RegistryStoreChange;
LONG ChangeRegistryStore(const RegistryStoreChange& change, std::string& error);

// Why the last store access of a registry function failed; "" after a success.
std::string RegistryStoreError();

#endif

#endif

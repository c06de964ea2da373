// The registry tree over the stand-in's store file: one read of the file, or
// one read-modify-write under its lock, so a change lands whole or not at all.
#include "platform/registry_tree.h"

#include <algorithm>

#include "platform/registry_store.h"

namespace {

void KeepBelow(const RegKeyPath& top, const RegFileDocument& store, RegFileDocument& tree)
{
    tree.Keys.clear();
    for (const RegFileKey& key : store.Keys)
        if (IsRegPathAtOrBelow(key.Path, top))
            tree.Keys.push_back(key);
}

}  // namespace

bool ReadRegistryTree(const RegKeyPath& top, RegFileDocument& tree, std::string& error)
{
    std::shared_ptr<const RegistryStoreSnapshot> store;
    if (!ReadRegistryStore(store, error))
        return false;
    KeepBelow(top, store->Document(), tree);
    return true;
}

LONG ChangeRegistryTree(const RegKeyPath& top, const RegistryTreeChange& change, std::string& error)
{
    return ChangeRegistryStore(
        [&](RegFileDocument& store, bool& changed) -> LONG {
            RegFileDocument tree;
            KeepBelow(top, store, tree);
            LONG status = change(tree, changed);
            if (status != ERROR_SUCCESS || !changed)
                return status;
            auto below = [&](const RegFileKey& key) { return IsRegPathAtOrBelow(key.Path, top); };
            store.Keys.erase(std::remove_if(store.Keys.begin(), store.Keys.end(), below), store.Keys.end());
            for (const RegFileKey& key : tree.Keys)
                if (below(key))
                    store.Keys.push_back(key);
            return ERROR_SUCCESS;
        },
        error);
}

std::string RegistryTreePlace(const RegKeyPath&)
{
    return RegistryStorePath();
}

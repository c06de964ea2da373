// Edit-field histories in the registry store; see terminal_history.h.
#include "host/terminal/terminal_history.h"

#include <algorithm>
#include <string>

#include "host/terminal/terminal_edit_line.h"
#include "platform/reg_file.h"
#include "platform/registry.h"
#include "platform/registry_store.h"

namespace {

std::vector<std::string> HistoryPath(const std::string& root, const std::string& name)
{
    return SplitRegPath("HKEY_CURRENT_USER\\" + root + "\\History\\" + name);
}

const RegFileValue* FindValue(const RegFileKey& key, const std::string& name)
{
    for (const RegFileValue& value : key.Values)
        if (value.Type == REG_SZ && SameRegName(value.Name, name))
            return &value;
    return nullptr;
}

// The entries "0", "1", ... up to the first missing one.
std::vector<std::string> EntriesOf(const RegFileKey& key)
{
    std::vector<std::string> entries;
    for (int n = 0; n < HistoryLimit; n++) {
        const RegFileValue* value = FindValue(key, std::to_string(n));
        if (!value)
            break;
        entries.push_back(value->Data.substr(0, value->Data.find('\0')));
    }
    return entries;
}

bool IsEntryName(const std::string& name)
{
    for (int n = 0; n < HistoryLimit; n++)
        if (name == std::to_string(n))
            return true;
    return false;
}

}  // namespace

std::vector<std::string> LoadHistory(const std::string& root, const std::string& name)
{
    // Read from the store as it stands: opening the key through the registry
    // functions would create it, and showing a dialog should write nothing.
    RegFileDocument store;
    std::string error;
    if (name.empty() || !ReadRegistryStore(store, error))
        return {};
    std::vector<std::string> path = HistoryPath(root, name);
    for (const RegFileKey& key : store.Keys)
        if (SameRegPath(key.Path, path))
            return EntriesOf(key);
    return {};
}

void RememberHistory(const std::string& root, const std::string& name, const std::string& text)
{
    if (name.empty() || text.empty())
        return;
    std::vector<std::string> path = HistoryPath(root, name);
    // One change of the store for the whole list, not one a value.
    auto change = [&](RegFileDocument& store, bool& changed) -> LONG {
        auto found = std::find_if(store.Keys.begin(), store.Keys.end(),
                                  [&](const RegFileKey& key) { return SameRegPath(key.Path, path); });
        if (found == store.Keys.end())
            found = store.Keys.insert(store.Keys.end(), RegFileKey{path, {}});
        std::vector<std::string> entries = EntriesOf(*found);
        entries.erase(std::remove(entries.begin(), entries.end(), text), entries.end());
        entries.insert(entries.begin(), text);
        if (entries.size() > HistoryLimit)
            entries.resize(HistoryLimit);
        std::vector<RegFileValue>& values = found->Values;
        values.erase(std::remove_if(values.begin(), values.end(),
                                    [](const RegFileValue& v) { return IsEntryName(v.Name); }),
                     values.end());
        for (size_t n = 0; n < entries.size(); n++)
            values.push_back({std::to_string(n), REG_SZ, entries[n]});
        changed = true;
        return ERROR_SUCCESS;
    };
    std::string error;
    ChangeRegistryStore(change, error);
}

bool HistoryRecall::Older(EditLine& line)
{
    if (Position + 1 >= static_cast<int>(Entries.size()))
        return false;
    if (Position < 0)
        Typed = line.Text();
    line.SetText(Entries[++Position]);
    return true;
}

bool HistoryRecall::Newer(EditLine& line)
{
    if (Position < 0)
        return false;
    Position--;
    line.SetText(Position < 0 ? Typed : Entries[Position]);
    return true;
}

// The registry tree in Windows' own registry: read by enumerating keys and
// values, changed by writing back only what differs from what was read.
#include "platform/registry_tree.h"

#include <algorithm>

namespace {

const char CurrentUserHive[] = "HKEY_CURRENT_USER";

std::string SubkeyOf(const RegKeyPath& path)
{
    return JoinRegPath(RegKeyPath(path.begin() + 1, path.end()));
}

std::string StatusText(LONG status)
{
    char text[256] = "";
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, DWORD(status), 0,
                             text, sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == '.'))
        text[--n] = '\0';
    return n ? std::string(text) : "error " + std::to_string(status);
}

std::string Failure(const char* what, const RegKeyPath& path, LONG status)
{
    return std::string("cannot ") + what + " " + JoinRegPath(path) + ": " + StatusText(status);
}

class OpenKey {
public:
    ~OpenKey()
    {
        if (Key)
            RegCloseKey(Key);
    }
    HKEY Key = nullptr;
};

// The key's values and, recursively, its subkeys, appended parents first.
LONG ReadKey(HKEY key, const RegKeyPath& path, RegFileDocument& tree, std::string& error)
{
    RegFileKey read{path, {}};
    for (DWORD i = 0;; i++) {
        char name[16384];
        DWORD nameSize = sizeof name, type = 0, dataSize = 0;
        LONG status = RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        std::string data(dataSize, '\0');
        if (status == ERROR_SUCCESS) {
            nameSize = sizeof name;
            status = RegEnumValueA(key, i, name, &nameSize, nullptr, &type,
                                   reinterpret_cast<BYTE*>(&data[0]), &dataSize);
        }
        if (status != ERROR_SUCCESS)
            return (error = Failure("read", path, status)), status;
        data.resize(dataSize);
        if (type == REG_SZ && !data.empty() && data.back() == '\0')
            data.pop_back();  // stored texts keep no NUL, as in a .reg file
        read.Values.push_back(RegFileValue{std::string(name, nameSize), type, data});
    }
    tree.Keys.push_back(read);
    for (DWORD i = 0;; i++) {
        char name[256];
        DWORD nameSize = sizeof name;
        LONG status = RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        OpenKey child;
        if (status == ERROR_SUCCESS)
            status = RegOpenKeyExA(key, name, 0, KEY_READ, &child.Key);
        if (status != ERROR_SUCCESS)
            return (error = Failure("read", path, status)), status;
        RegKeyPath childPath = path;
        childPath.push_back(std::string(name, nameSize));
        status = ReadKey(child.Key, childPath, tree, error);
        if (status != ERROR_SUCCESS)
            return status;
    }
}

LONG ReadTree(const RegKeyPath& top, RegFileDocument& tree, std::string& error)
{
    tree.Keys.clear();
    if (top.empty() || !SameRegName(top[0], CurrentUserHive))
        return (error = "only keys of HKEY_CURRENT_USER are managed here"), ERROR_INVALID_PARAMETER;
    OpenKey key;
    LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, SubkeyOf(top).c_str(), 0, KEY_READ, &key.Key);
    if (status == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    if (status != ERROR_SUCCESS)
        return (error = Failure("open", top, status)), status;
    return ReadKey(key.Key, top, tree, error);
}

const RegFileKey* FindKey(const RegFileDocument& tree, const RegKeyPath& path)
{
    for (const RegFileKey& key : tree.Keys)
        if (SameRegPath(key.Path, path))
            return &key;
    return nullptr;
}

const RegFileValue* FindValue(const RegFileKey* key, const std::string& name)
{
    if (key)
        for (const RegFileValue& value : key->Values)
            if (SameRegName(value.Name, name))
                return &value;
    return nullptr;
}

// Deletes the keys that are gone, deepest first (a key with subkeys cannot go).
LONG DeleteGoneKeys(const RegFileDocument& before, const RegFileDocument& after, std::string& error)
{
    std::vector<RegKeyPath> gone;
    for (const RegFileKey& key : before.Keys)
        if (!FindKey(after, key.Path))
            gone.push_back(key.Path);
    std::sort(gone.begin(), gone.end(), [](const RegKeyPath& a, const RegKeyPath& b) { return a.size() > b.size(); });
    for (const RegKeyPath& path : gone) {
        LONG status = RegDeleteKeyA(HKEY_CURRENT_USER, SubkeyOf(path).c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
            return (error = Failure("delete", path, status)), status;
    }
    return ERROR_SUCCESS;
}

LONG WriteKey(const RegFileKey& key, const RegFileKey* old, std::string& error)
{
    OpenKey open;
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, SubkeyOf(key.Path).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &open.Key, nullptr);
    if (status != ERROR_SUCCESS)
        return (error = Failure("create", key.Path, status)), status;
    for (size_t i = 0; old && i < old->Values.size(); i++) {
        const std::string& name = old->Values[i].Name;
        if (!FindValue(&key, name) && (status = RegDeleteValueA(open.Key, name.c_str())) != ERROR_SUCCESS)
            return (error = Failure("write", key.Path, status)), status;
    }
    for (const RegFileValue& value : key.Values) {
        const RegFileValue* was = FindValue(old, value.Name);
        if (was && was->Type == value.Type && was->Data == value.Data)
            continue;
        std::string data = value.Type == REG_SZ ? value.Data + '\0' : value.Data;
        status = RegSetValueExA(open.Key, value.Name.c_str(), 0, value.Type,
                                reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
        if (status != ERROR_SUCCESS)
            return (error = Failure("write", key.Path, status)), status;
    }
    return ERROR_SUCCESS;
}

}  // namespace

bool ReadRegistryTree(const RegKeyPath& top, RegFileDocument& tree, std::string& error)
{
    return ReadTree(top, tree, error) == ERROR_SUCCESS;
}

LONG ChangeRegistryTree(const RegKeyPath& top, const RegistryTreeChange& change, std::string& error)
{
    RegFileDocument before;
    LONG status = ReadTree(top, before, error);
    if (status != ERROR_SUCCESS)
        return status;
    RegFileDocument after = before;
    bool changed = false;
    status = change(after, changed);
    if (status != ERROR_SUCCESS || !changed)
        return status;
    status = DeleteGoneKeys(before, after, error);
    for (size_t i = 0; status == ERROR_SUCCESS && i < after.Keys.size(); i++)
        if (IsRegPathAtOrBelow(after.Keys[i].Path, top))
            status = WriteKey(after.Keys[i], FindKey(before, after.Keys[i].Path), error);
    return status;
}

std::string RegistryTreePlace(const RegKeyPath& top)
{
    return JoinRegPath(top);
}

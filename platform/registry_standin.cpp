// The seven registry functions outside Windows, over the store file of
// registry_store.h. A key handle is a key path, not a position in a loaded
// file: every call looks at the store as it is on disk now (a read sees the
// last parse while the file is unchanged; a change reads it under the lock),
// so handles stay valid while another process rewrites the file. Names
// compare without regard to ASCII case and subkeys enumerate in folded
// upper-case order, as the Windows registry does.
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <set>

#include "platform/registry.h"
#include "platform/registry_store.h"

struct RegistryKey {
    std::vector<std::string> Path;  // "HKEY_CURRENT_USER" first
};

namespace {

typedef std::vector<std::string> KeyPath;

const char CurrentUserHive[] = "HKEY_CURRENT_USER";
const size_t MaxKeyNameLength = 255;  // the Windows registry's limit

std::mutex Guard;  // over the two statics below
std::set<HKEY> OpenKeys;
std::string LastStoreError;

void NoteStoreAccess(bool ok, const std::string& error)
{
    std::lock_guard<std::mutex> lock(Guard);
    LastStoreError = ok ? "" : error;
}

// The key path of a handle; false for a handle that is not open.
bool KeyPathOf(HKEY key, KeyPath& path)
{
    if (key == HKEY_CURRENT_USER) {
        path = {CurrentUserHive};
        return true;
    }
    std::lock_guard<std::mutex> lock(Guard);
    if (!OpenKeys.count(key))
        return false;
    path = key->Path;
    return true;
}

// A name may hold any byte but the backslash; line ends cannot be stored in
// the file's key and value lines, so they are refused.
bool StorableName(const std::string& name)
{
    return name.find_first_of("\r\n") == std::string::npos;
}

// parent + the components of subKey; false for an empty component or an
// unstorable name.
bool AppendSubkeyPath(KeyPath& path, const char* subKey)
{
    if (!subKey[0])
        return true;
    for (const std::string& name : SplitRegPath(subKey)) {
        if (name.empty() || name.size() > MaxKeyNameLength || !StorableName(name))
            return false;
        path.push_back(name);
    }
    return true;
}

typedef std::shared_ptr<const RegistryStoreSnapshot> Snapshot;

bool IsHive(const KeyPath& path)
{
    return path.size() == 1 && SameRegName(path[0], CurrentUserHive);
}

bool KeyExists(const RegistryStoreSnapshot& store, const KeyPath& path)
{
    return IsHive(path) || store.Find(path);
}

// In a change, the store being changed is searched key by key: the change
// costs a whole write anyway.
RegFileKey* FindKey(RegFileDocument& document, const KeyPath& path)
{
    for (RegFileKey& key : document.Keys)
        if (SameRegPath(key.Path, path))
            return &key;
    return nullptr;
}

bool KeyExists(RegFileDocument& document, const KeyPath& path)
{
    return IsHive(path) || FindKey(document, path);
}

bool HasSubkeys(const RegFileDocument& document, const KeyPath& path)
{
    return std::any_of(document.Keys.begin(), document.Keys.end(), [&](const RegFileKey& key) {
        return key.Path.size() == path.size() + 1 && IsRegPathAtOrBelow(key.Path, path);
    });
}

// The hive itself holds values too, though no .reg line may have named it.
RegFileKey* FindOrAddHive(RegFileDocument& document, const KeyPath& path)
{
    RegFileKey* key = FindKey(document, path);
    if (!key && path.size() == 1 && KeyExists(document, path)) {
        document.Keys.push_back(RegFileKey{path, {}});
        key = &document.Keys.back();
    }
    return key;
}

const RegFileValue* FindValue(const RegFileKey& key, const std::string& name)
{
    for (const RegFileValue& value : key.Values)
        if (SameRegName(value.Name, name))
            return &value;
    return nullptr;
}

RegFileValue* FindValue(RegFileKey& key, const std::string& name)
{
    return const_cast<RegFileValue*>(FindValue(static_cast<const RegFileKey&>(key), name));
}

LONG ReadStore(Snapshot& store)
{
    std::string error;
    bool ok = ReadRegistryStore(store, error);
    NoteStoreAccess(ok, error);
    return ok ? ERROR_SUCCESS : ERROR_BADDB;
}

LONG ChangeStore(const RegistryStoreChange& change)
{
    std::string error;
    LONG status = ChangeRegistryStore(change, error);
    NoteStoreAccess(error.empty(), error);
    return status;
}

HKEY NewHandle(const KeyPath& path)
{
    HKEY key = new RegistryKey{path};
    std::lock_guard<std::mutex> lock(Guard);
    OpenKeys.insert(key);
    return key;
}

// Runs a registry function's body; no exception leaves a registry function.
template <typename Body> LONG Guarded(Body body)
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_INVALID_DATA;
    }
}

// The preamble of every function on an open key: the key's path, or
// ERROR_INVALID_HANDLE; the body runs guarded.
template <typename Body> LONG OnKey(HKEY key, Body body)
{
    return Guarded([&]() -> LONG {
        KeyPath path;
        if (!KeyPathOf(key, path))
            return ERROR_INVALID_HANDLE;
        return body(path);
    });
}

// The key exists already (a read), or is created with its parents (a change).
LONG CreateKey(const KeyPath& path, DWORD& disposition)
{
    Snapshot store;
    LONG status = ReadStore(store);
    if (status != ERROR_SUCCESS)
        return status;
    disposition = REG_OPENED_EXISTING_KEY;
    if (KeyExists(*store, path))
        return ERROR_SUCCESS;
    return ChangeStore([&](RegFileDocument& fresh, bool& changed) {
        if (!KeyExists(fresh, path)) {
            fresh.Keys.push_back(RegFileKey{path, {}});  // parents follow when the store is written
            changed = true;
            disposition = REG_CREATED_NEW_KEY;
        }
        return ERROR_SUCCESS;
    });
}

// The stored data as RegQueryValueExA gives it: a text with its NUL.
std::string QueriedData(const RegFileValue& value)
{
    return value.Type == REG_SZ ? value.Data + '\0' : value.Data;
}

LONG CopyOut(const RegFileValue& value, LPDWORD type, LPBYTE data, LPDWORD dataSize)
{
    std::string bytes = QueriedData(value);
    if (type)
        *type = value.Type;
    if (!dataSize)
        return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    DWORD room = *dataSize;
    *dataSize = DWORD(bytes.size());
    if (!data)
        return ERROR_SUCCESS;
    if (room < bytes.size())
        return ERROR_MORE_DATA;
    std::memcpy(data, bytes.data(), bytes.size());
    return ERROR_SUCCESS;
}

// The value as the store keeps it: a text loses the one NUL that ends it.
RegFileValue StoredValue(const char* name, DWORD type, const BYTE* data, DWORD size)
{
    RegFileValue value{name ? name : "", type, std::string(reinterpret_cast<const char*>(data), size)};
    if (type == REG_SZ && !value.Data.empty() && value.Data.back() == '\0')
        value.Data.pop_back();
    return value;
}

}  // namespace

std::string RegistryStoreError()
{
    std::lock_guard<std::mutex> lock(Guard);
    return LastStoreError;
}

extern "C" {

LONG RegCreateKeyExA(HKEY parent, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                     PHKEY result, LPDWORD disposition)
{
    if (!result || !subKey)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    return OnKey(parent, [&](KeyPath& path) -> LONG {
        if (!AppendSubkeyPath(path, subKey))
            return ERROR_INVALID_PARAMETER;
        DWORD how = 0;
        LONG status = CreateKey(path, how);
        if (status != ERROR_SUCCESS)
            return status;
        *result = NewHandle(path);
        if (disposition)
            *disposition = how;
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY key)
{
    if (key == HKEY_CURRENT_USER)
        return ERROR_SUCCESS;
    std::lock_guard<std::mutex> lock(Guard);
    if (!OpenKeys.erase(key))
        return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize)
{
    return OnKey(key, [&](KeyPath& path) -> LONG {
        if (reserved)
            return ERROR_INVALID_PARAMETER;
        Snapshot store;
        LONG status = ReadStore(store);
        if (status != ERROR_SUCCESS)
            return status;
        const RegFileKey* stored = store->Find(path);
        if (!stored)
            return IsHive(path) ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
        const RegFileValue* value = FindValue(*stored, name ? name : "");
        return value ? CopyOut(*value, type, data, dataSize) : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD dataSize)
{
    return OnKey(key, [&](KeyPath& path) -> LONG {
        if ((!data && dataSize) || (name && !StorableName(name)))
            return ERROR_INVALID_PARAMETER;
        RegFileValue value = StoredValue(name, type, data, dataSize);
        return ChangeStore([&](RegFileDocument& document, bool& changed) -> LONG {
            RegFileKey* stored = FindOrAddHive(document, path);
            if (!stored)
                return ERROR_KEY_DELETED;
            RegFileValue* old = FindValue(*stored, value.Name);
            changed = !old || old->Type != value.Type || old->Data != value.Data;
            if (old) {
                old->Type = value.Type;  // the name keeps the case it was created with
                old->Data = value.Data;
            } else {
                stored->Values.push_back(value);
            }
            return ERROR_SUCCESS;
        });
    });
}

LONG RegDeleteValueA(HKEY key, LPCSTR name)
{
    return OnKey(key, [&](KeyPath& path) -> LONG {
        std::string valueName = name ? name : "";
        return ChangeStore([&](RegFileDocument& document, bool& changed) -> LONG {
            RegFileKey* stored = FindKey(document, path);
            if (!stored)
                return KeyExists(document, path) ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
            RegFileValue* value = FindValue(*stored, valueName);
            if (!value)
                return ERROR_FILE_NOT_FOUND;
            stored->Values.erase(stored->Values.begin() + (value - stored->Values.data()));
            changed = true;
            return ERROR_SUCCESS;
        });
    });
}

LONG RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPSTR keyClass,
                   LPDWORD classSize, PFILETIME)
{
    return OnKey(key, [&](KeyPath& path) -> LONG {
        if (!name || !nameSize || reserved)
            return ERROR_INVALID_PARAMETER;
        Snapshot store;
        LONG status = ReadStore(store);
        if (status != ERROR_SUCCESS)
            return status;
        if (!KeyExists(*store, path))
            return ERROR_KEY_DELETED;
        const std::vector<size_t>& subkeys = store->Subkeys(path);
        if (index >= subkeys.size())
            return ERROR_NO_MORE_ITEMS;
        const std::string& found = store->Document().Keys[subkeys[index]].Path.back();
        if (found.size() + 1 > *nameSize)
            return ERROR_MORE_DATA;  // the buffer is left alone: never overrun
        std::memcpy(name, found.c_str(), found.size() + 1);
        *nameSize = DWORD(found.size());
        if (keyClass && classSize && *classSize)
            keyClass[0] = '\0';
        if (classSize)
            *classSize = 0;
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteKeyA(HKEY key, LPCSTR subKey)
{
    return OnKey(key, [&](KeyPath& path) -> LONG {
        if (!subKey || !subKey[0])
            return ERROR_INVALID_PARAMETER;
        if (!AppendSubkeyPath(path, subKey))
            return ERROR_FILE_NOT_FOUND;
        return ChangeStore([&](RegFileDocument& document, bool& changed) -> LONG {
            RegFileKey* stored = FindKey(document, path);
            if (!stored)
                return ERROR_FILE_NOT_FOUND;
            if (HasSubkeys(document, path))
                return ERROR_ACCESS_DENIED;  // as Windows: only a key without subkeys goes
            document.Keys.erase(document.Keys.begin() + (stored - document.Keys.data()));
            changed = true;
            return ERROR_SUCCESS;
        });
    });
}

}  // extern "C"

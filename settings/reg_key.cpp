// CRegKey over the seven registry functions. A read takes the stored bytes
// whatever the value's type, so a type stored by another tool reads as it is,
// and always leaves the caller a usable result: a NUL-terminated text or a
// number (README, Guarded behaviour, for the sizes).
#include "settings/reg_key.h"

#include <cstdio>
#include <vector>

#include "frame/host_services.h"

namespace {

const int PathSize = 512;

}  // namespace

CRegKey::CRegKey(HKEY parent, const char* subKey, int prefix) : Key(nullptr)
{
    Open(parent, prefix ? GetRegistryRoot() : nullptr, subKey);
}

CRegKey::CRegKey(HKEY parent, const char* root, const char* subKey) : Key(nullptr)
{
    Open(parent, root ? root : "", subKey);
}

// Without a root the path is subKey alone.
void CRegKey::Open(HKEY parent, const char* root, const char* subKey)
{
    char path[PathSize];
    if (!subKey)
        subKey = "";
    int length = root ? std::snprintf(path, sizeof path, "%s\\%s", root, subKey)
                      : std::snprintf(path, sizeof path, "%s", subKey);
    if (length < 0 || length >= PathSize)
        return;  // a path cut short would name another key: refuse it
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) == ERROR_SUCCESS)
        Key = key;
}

CRegKey::~CRegKey()
{
    CloseKey();
}

void CRegKey::CloseKey()
{
    if (Key)
        RegCloseKey(Key);
    Key = nullptr;
}

// A value longer than the buffer reads as the empty text rather than a cut
// one: a cut pattern would search for something else than what was stored.
bool CRegKey::ReadString(const char* name, char* buffer, int size)
{
    if (size <= 0)
        return true;
    buffer[0] = '\0';
    DWORD type = REG_NONE;  // received, not looked at
    DWORD count = DWORD(size);
    LONG status = RegQueryValueExA(Key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &count);
    bool fits = count < DWORD(size) || (count == DWORD(size) && buffer[size - 1] == '\0');
    if (status != ERROR_SUCCESS || !fits)
        buffer[0] = '\0';
    else
        buffer[count < DWORD(size) ? count : size - 1] = '\0';  // the stored text may lack its NUL
    bool there = status == ERROR_SUCCESS || status == ERROR_MORE_DATA;
    return !there || fits;
}

int CRegKey::ReadDword(const char* name, DWORD* value)
{
    *value = 0;
    DWORD type = REG_NONE;  // received, not looked at
    DWORD count = sizeof *value;
    LONG status = RegQueryValueExA(Key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &count);
    if (status != ERROR_SUCCESS)
        *value = 0;  // the registry leaves the buffer undefined when the value is longer
    return int(count);
}

LONG CRegKey::WriteString(const char* name, const char* text)
{
    if (!text || !text[0])
        return RegDeleteValueA(Key, name);
    DWORD length = 0;
    while (text[length])
        length++;
    return RegSetValueExA(Key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), length);
}

LONG CRegKey::WriteDword(const char* name, DWORD value)
{
    return RegSetValueExA(Key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG CRegKey::CopyValue(const char* name, CRegKey& target)
{
    DWORD type = REG_NONE, size = 0;
    LONG status = RegQueryValueExA(Key, name, nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return status;
    std::vector<BYTE> data(size + 1);  // never empty, so data() is a buffer
    status = RegQueryValueExA(Key, name, nullptr, &type, data.data(), &size);
    if (status != ERROR_SUCCESS)
        return status;
    return RegSetValueExA(target.Key, name, 0, type, data.data(), size);
}

int CRegKey::EnumSubkey(DWORD index, char* name, DWORD size)
{
    DWORD count = size;  // fresh for every call: the registry overwrites it
    LONG status = RegEnumKeyExA(Key, index, name, &count, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS && size > 0)
        name[0] = '\0';
    return status == ERROR_SUCCESS;
}

LONG CRegKey::DeleteSubkey(const char* name)
{
    return RegDeleteKeyA(Key, name);
}

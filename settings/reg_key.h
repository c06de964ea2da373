// CRegKey: one registry key, created or opened by the constructor and closed
// by the destructor, for the length of one operation. No status is examined:
// a key that failed to open makes every later call fail quietly.
#ifndef STRINGSLIST_SETTINGS_REG_KEY_H
#define STRINGSLIST_SETTINGS_REG_KEY_H

#include "platform/registry.h"

class CRegKey {
public:
    // With a non-zero prefix flag the path is "<registry root>\<subKey>".
    CRegKey(HKEY parent, const char* subKey, int prefix);
    // The path "<root>\<subKey>", for a root other than the plug-in's (null reads as "").
    CRegKey(HKEY parent, const char* root, const char* subKey);
    ~CRegKey();
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    void CloseKey();
    // Empties the buffer first; a missing value reads as "". False when the
    // value is there but does not fit the buffer with a NUL (it reads as "").
    bool ReadString(const char* name, char* buffer, int size);
    // Zeroes the value first; a missing value reads as 0.
    int ReadDword(const char* name, DWORD* value);
    // An empty text deletes the value.
    LONG WriteString(const char* name, const char* text);
    LONG WriteDword(const char* name, DWORD value);
    // Writes the value of that name, as stored whatever its length and type, into target.
    LONG CopyValue(const char* name, CRegKey& target);
    // 1 when the registry gave the name of subkey `index`.
    int EnumSubkey(DWORD index, char* name, DWORD size);
    LONG DeleteSubkey(const char* name);

    HKEY Key;

private:
    void Open(HKEY parent, const char* root, const char* subKey);
};

#endif

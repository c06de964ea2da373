// The registry functions the settings use. On Windows, Windows' own; elsewhere
// a stand-in with the same names and signatures over one REGEDIT4 file, so
// that CRegKey is written once.
#ifndef STRINGSLIST_PLATFORM_REGISTRY_H
#define STRINGSLIST_PLATFORM_REGISTRY_H

#ifdef _WIN32
#include <windows.h>
#else
#include <stdint.h>

typedef int32_t LONG;
typedef uint32_t DWORD;
typedef DWORD* LPDWORD;
typedef DWORD REGSAM;
typedef unsigned char BYTE;
typedef BYTE* LPBYTE;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef struct RegistryKey* HKEY;
typedef HKEY* PHKEY;
typedef struct FileTimeStandIn* PFILETIME;
typedef void* LPSECURITY_ATTRIBUTES;

#define HKEY_CURRENT_USER ((HKEY)(uintptr_t)0x80000001u)

enum {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_NOT_ENOUGH_MEMORY = 8,
    ERROR_INVALID_DATA = 13,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_MORE_DATA = 234,
    ERROR_NO_MORE_ITEMS = 259,
    ERROR_BADDB = 1009,
    ERROR_KEY_DELETED = 1018,
    ERROR_WRITE_FAULT = 29,
};

enum { REG_NONE = 0, REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4 };
enum { REG_OPTION_NON_VOLATILE = 0 };
enum { REG_CREATED_NEW_KEY = 1, REG_OPENED_EXISTING_KEY = 2 };
enum { KEY_ALL_ACCESS = 0xF003F };

#ifdef __cplusplus
extern "C" {
#endif
LONG RegCreateKeyExA(HKEY parent, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition);
LONG RegCloseKey(HKEY key);
LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);
LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
LONG RegDeleteValueA(HKEY key, LPCSTR name);
LONG RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                   LPSTR keyClass, LPDWORD classSize, PFILETIME lastWrite);
LONG RegDeleteKeyA(HKEY key, LPCSTR subKey);
#ifdef __cplusplus
}
#endif
#endif

#endif

// File types for tests, written with the registry functions themselves (the
// real ones under Wine, the stand-in natively) below a root of their own,
// "Software\stringslist-tests\<unique>", which is removed again at the end.
// Natively the whole test program works in a fresh store in a temporary
// XDG_CONFIG_HOME, so the user's store is never touched.
#ifndef STRINGSLIST_TESTS_SUPPORT_TEST_TYPES_H
#define STRINGSLIST_TESTS_SUPPORT_TEST_TYPES_H

#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "tests/support/registry_fixture.h"
#include "tests/support/temporary_store.h"

class TestTypes {
public:
    // The bits of "Flags", as the registry layout fixes them.
    enum : uint32_t { SelectFromCursor = 1, SortItems = 2, ShiftUnusedParameters = 4 };
    enum : uint32_t { NoFlags = 0xFFFFFFFFu };  // leave "Flags" out

    TestTypes()
    {
        UseTemporaryStore();
        static int counter;
        Root = "Software\\stringslist-tests\\t" + std::to_string(ProcessId()) + "-" +
               std::to_string(++counter);
    }
    ~TestTypes() { DeleteKeyTree(HKEY_CURRENT_USER, Root); }
    TestTypes(const TestTypes&) = delete;
    TestTypes& operator=(const TestTypes&) = delete;

    // The registry root to hand to the plug-in.
    const char* RegistryRoot() const { return Root.c_str(); }

    // Writes one type, over any of the same name; an empty text removes its value.
    void Add(const std::string& name, const std::string& mask, const std::string& rx,
             const std::string& present = "", uint32_t flags = 0)
    {
        HKEY key = OpenType(name);
        if (!key)
            return;
        SetString(key, "FileMask", mask);
        SetString(key, "RX", rx);
        SetString(key, "Present", present);
        DWORD value = flags;
        if (flags == NoFlags)
            RegDeleteValueA(key, "Flags");
        else
            RegSetValueExA(key, "Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           sizeof value);
        RegCloseKey(key);
    }

    // Stores one value of a type as another tool may have: any registry type, any bytes.
    void SetValue(const std::string& name, const char* value, DWORD type, const std::string& bytes)
    {
        HKEY key = OpenType(name);
        if (!key)
            return;
        RegSetValueExA(key, value, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }

    void Remove(const std::string& name)
    {
        DeleteKeyTree(HKEY_CURRENT_USER, Root + "\\RegExp\\FileTypes\\" + name);
    }

private:
    HKEY OpenType(const std::string& name)
    {
        HKEY key = nullptr;
        std::string path = Root + "\\RegExp\\FileTypes\\" + name;
        return RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS
                   ? key
                   : nullptr;
    }

    static void SetString(HKEY key, const char* name, const std::string& text)
    {
        if (text.empty())
            RegDeleteValueA(key, name);
        else
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1));
    }

    std::string Root;
};

#endif

#include "tests/settings/config_registry.h"

#include <cstring>

const char Missing[] = "<missing>";

namespace {

HKEY CreateKey(HKEY parent, const std::string& path)
{
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
    EXPECT_EQ(status, ERROR_SUCCESS) << path;
    return status == ERROR_SUCCESS ? key : nullptr;
}

std::vector<std::string> SubkeyNames(HKEY key)
{
    std::vector<std::string> names;
    char name[1024];
    for (DWORD index = 0;; index++) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        names.push_back(name);
    }
}

std::string GetString(HKEY key, const char* name)
{
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return Missing;
    std::vector<char> text(size + 1, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return Missing;
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << name;
    return std::string(text.data(), strnlen(text.data(), size));
}

}  // namespace

void ConfigTest::SetUp()
{
    Root = Types.RegistryRoot();
    TablePath = Root + "\\RegExp\\FileTypes";
    Start(Root.c_str());
}

void ConfigTest::PutType(const std::string& name, const std::string& mask, const std::string& rx,
                         const std::string& present, int flags)
{
    Types.Add(name, mask, rx, present, flags < 0 ? TestTypes::NoFlags : static_cast<uint32_t>(flags));
}

StoredType ConfigTest::ReadType(const std::string& name)
{
    HKEY key = CreateKey(HKEY_CURRENT_USER, TablePath + "\\" + name);
    StoredType stored;
    if (!key)
        return stored;
    stored.FileMask = GetString(key, "FileMask");
    stored.RX = GetString(key, "RX");
    stored.Present = GetString(key, "Present");
    DWORD type = 0, size = sizeof stored.Flags;
    stored.HasFlags = RegQueryValueExA(key, "Flags", nullptr, &type,
                                       reinterpret_cast<BYTE*>(&stored.Flags), &size) == ERROR_SUCCESS;
    if (stored.HasFlags) {
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    }
    RegCloseKey(key);
    return stored;
}

std::string ConfigTest::TypeValue(const std::string& name, const char* value)
{
    HKEY key = CreateKey(HKEY_CURRENT_USER, TablePath + "\\" + name);
    std::string text = key ? GetString(key, value) : Missing;
    if (key)
        RegCloseKey(key);
    return text;
}

std::vector<std::string> ConfigTest::StoredNames(const std::string& below)
{
    HKEY key = CreateKey(HKEY_CURRENT_USER, below.empty() ? TablePath : TablePath + "\\" + below);
    if (!key)
        return {};
    std::vector<std::string> names = SubkeyNames(key);
    RegCloseKey(key);
    return names;
}

std::string ConfigTest::TableValue(const char* name)
{
    HKEY key = CreateKey(HKEY_CURRENT_USER, TablePath);
    if (!key)
        return Missing;
    std::string text = GetString(key, name);
    RegCloseKey(key);
    return text;
}

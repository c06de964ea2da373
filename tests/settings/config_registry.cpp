#include "tests/settings/config_registry.h"

#include <cstdlib>
#include <cstring>

#ifndef _WIN32
#include <filesystem>
#endif

#include "tests/platform/registry_fixture.h"

const char Missing[] = "<missing>";

namespace {

const char TestsKey[] = "Software\\stringslist-tests";

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

void SetString(HKEY key, const char* name, const std::string& text)
{
    if (!text.empty())
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size()));
}

std::string GetString(HKEY key, const char* name)
{
    char text[2048] = "";
    DWORD type = 0, size = sizeof text - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS)
        return Missing;
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << name;
    return std::string(text, strnlen(text, size));
}

}  // namespace

void ConfigTest::SetUp()
{
    const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    Root = std::string(TestsKey) + "\\config-" + test + "-" + std::to_string(ProcessId());
    TablePath = Root + "\\RegExp\\FileTypes";
#ifndef _WIN32
    const char* home = std::getenv("XDG_CONFIG_HOME");
    HadConfigHome = home != nullptr;
    SavedConfigHome = home ? home : "";
    std::string pattern = (std::filesystem::temp_directory_path() / "stringslist-config-XXXXXX").string();
    std::vector<char> dir(pattern.begin(), pattern.end());
    dir.push_back('\0');
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    ConfigHome = dir.data();
    setenv("XDG_CONFIG_HOME", ConfigHome.c_str(), 1);
#endif
    DeleteKeyTree(HKEY_CURRENT_USER, Root);  // left over from a run that crashed
    Start(Root.c_str());
}

void ConfigTest::TearDown()
{
    PluginTest::TearDown();
    DeleteKeyTree(HKEY_CURRENT_USER, Root);
#ifndef _WIN32
    std::error_code ignored;
    std::filesystem::remove_all(ConfigHome, ignored);
    if (HadConfigHome)
        setenv("XDG_CONFIG_HOME", SavedConfigHome.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
#endif
}

void ConfigTest::PutType(const std::string& name, const std::string& mask, const std::string& rx,
                         const std::string& present, int flags)
{
    HKEY key = CreateKey(HKEY_CURRENT_USER, TablePath + "\\" + name);
    ASSERT_NE(key, nullptr);
    SetString(key, "FileMask", mask);
    SetString(key, "RX", rx);
    SetString(key, "Present", present);
    if (flags >= 0) {
        DWORD value = static_cast<DWORD>(flags);
        RegSetValueExA(key, "Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    RegCloseKey(key);
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

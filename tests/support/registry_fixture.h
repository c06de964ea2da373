// A fixture for tests of the registry layer on both targets. Each test gets a
// key of its own below HKCU\Software\stringslist-tests, removed afterwards:
// under Wine in the real registry, natively in a fresh stand-in store
// (XDG_CONFIG_HOME pointed at a new temporary directory).
#ifndef STRINGSLIST_TESTS_SUPPORT_REGISTRY_FIXTURE_H
#define STRINGSLIST_TESTS_SUPPORT_REGISTRY_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry.h"

#ifndef _WIN32
#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <unistd.h>
#else
#include <process.h>
#endif

// Deletes a key and everything below it with the seven functions alone.
inline void DeleteKeyTree(HKEY parent, const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    std::vector<std::string> names;
    char name[512];
    for (DWORD size = sizeof name; RegEnumKeyExA(key, DWORD(names.size()), name, &size, nullptr, nullptr,
                                                 nullptr, nullptr) == ERROR_SUCCESS;
         size = sizeof name)
        names.push_back(name);
    RegCloseKey(key);
    for (const std::string& child : names)
        DeleteKeyTree(parent, path + "\\" + child);
    RegDeleteKeyA(parent, path.c_str());
}

inline int ProcessId()
{
#ifdef _WIN32
    return _getpid();
#else
    return getpid();
#endif
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        // In memory where there is a tmpfs: every change of the store is flushed to disk.
        std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/stringslist-registry-XXXXXX";
        std::vector<char> dir(pattern.begin(), pattern.end());
        dir.push_back('\0');
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        ConfigDir = dir.data();
        setenv("XDG_CONFIG_HOME", dir.data(), 1);
#endif
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        TestKey = std::string("Software\\stringslist-tests\\") + test->test_suite_name() + "-" + test->name() +
                  "-" + std::to_string(ProcessId());
        DeleteKeyTree(HKEY_CURRENT_USER, TestKey);
    }

    void TearDown() override
    {
        DeleteKeyTree(HKEY_CURRENT_USER, TestKey);
#ifndef _WIN32
        nftw(ConfigDir.c_str(), [](const char* path, const struct stat*, int, struct FTW*) { return remove(path); },
             16, FTW_DEPTH | FTW_PHYS);
        unsetenv("XDG_CONFIG_HOME");
#endif
    }

    // Creates or opens a key below the test's own key ("" is the test key).
    HKEY Open(const std::string& subKey = "")
    {
        std::string path = subKey.empty() ? TestKey : TestKey + "\\" + subKey;
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS)
            << path;
        return key;
    }

    std::vector<std::string> Subkeys(HKEY key)
    {
        std::vector<std::string> names;
        char name[256];
        DWORD size = sizeof name;
        while (RegEnumKeyExA(key, DWORD(names.size()), name, &size, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS) {
            names.push_back(name);
            size = sizeof name;
        }
        return names;
    }

    std::string TestKey;   // below HKEY_CURRENT_USER
    std::string ConfigDir; // natively: the store's XDG_CONFIG_HOME
};

#endif

// The seven registry functions as CRegKey and the file-type table rely on
// them, run on both targets: under Wine against the real registry, natively
// against the stand-in. What Windows and Wine do alike is tested here; what
// only the stand-in promises is in registry_store_test.cpp.
#include <cstring>

#include "tests/support/registry_fixture.h"

namespace {

using RegistryFunctionsTest = RegistryTest;

LONG SetText(HKEY key, const char* name, const std::string& text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()), DWORD(text.size()));
}

LONG SetNumber(HKEY key, const char* name, DWORD value)
{
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// The text of a string value up to its first NUL, or "<status N>".
std::string QueryText(HKEY key, const char* name)
{
    char buffer[1024];
    DWORD type = REG_NONE, size = sizeof buffer;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (status != ERROR_SUCCESS)
        return "<status " + std::to_string(status) + ">";
    if (type != REG_SZ)
        return "<type " + std::to_string(type) + ">";
    return std::string(buffer, strnlen(buffer, size));
}

TEST_F(RegistryFunctionsTest, CreateMakesEveryMissingKeyAndOpensAnExistingOneInAnyCase)
{
    HKEY deep = Open("One\\Two\\Three");
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(SetText(deep, "v", "deep"), ERROR_SUCCESS);
    RegCloseKey(deep);

    HKEY top = Open();
    EXPECT_EQ(Subkeys(top), std::vector<std::string>{"One"});
    RegCloseKey(top);

    HKEY again = nullptr;
    DWORD disposition = 0;
    std::string path = TestKey + "\\ONE\\two\\THREE";
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &again,
                              &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(QueryText(again, "V"), "deep");
    RegCloseKey(again);

    HKEY one = Open("one");
    EXPECT_EQ(Subkeys(one), std::vector<std::string>{"Two"}) << "names keep the case they were created with";
    RegCloseKey(one);
}

TEST_F(RegistryFunctionsTest, TextsAndNumbersReadBackAsWritten)
{
    HKEY key = Open();
    ASSERT_EQ(SetText(key, "RX", "abc"), ERROR_SUCCESS);
    ASSERT_EQ(SetNumber(key, "Flags", 0x80000005u), ERROR_SUCCESS);

    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    DWORD type = REG_NONE, size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(key, "RX", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_GE(size, 3u);
    EXPECT_LE(size, 4u);
    EXPECT_EQ(std::string(buffer, 3), "abc");

    DWORD number = 0;
    size = sizeof number;
    ASSERT_EQ(RegQueryValueExA(key, "Flags", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(number, 0x80000005u);
    RegCloseKey(key);
}

TEST_F(RegistryFunctionsTest, ATooSmallBufferGetsMoreDataAndTheSizeNeeded)
{
    HKEY key = Open();
    ASSERT_EQ(SetText(key, "Present", "a longer text"), ERROR_SUCCESS);
    char buffer[8];
    DWORD type = REG_NONE, size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "Present", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_MORE_DATA);
    EXPECT_GE(size, 13u);

    DWORD needed = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Present", nullptr, nullptr, nullptr, &needed), ERROR_SUCCESS);
    EXPECT_GE(needed, 13u);
    RegCloseKey(key);
}

TEST_F(RegistryFunctionsTest, ValueNamesIgnoreCaseAndKeepTheirFirstSpelling)
{
    HKEY key = Open();
    ASSERT_EQ(SetText(key, "FileMask", "one"), ERROR_SUCCESS);
    ASSERT_EQ(SetText(key, "FILEMASK", "two"), ERROR_SUCCESS);
    EXPECT_EQ(QueryText(key, "filemask"), "two");

    EXPECT_EQ(RegDeleteValueA(key, "fileMASK"), ERROR_SUCCESS);
    EXPECT_EQ(QueryText(key, "FileMask"), "<status 2>");
    EXPECT_EQ(RegDeleteValueA(key, "FileMask"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryFunctionsTest, SubkeysEnumerateOnceEachInFoldedOrder)
{
    // Created out of order, in mixed case; no name holds [ \ ] ^ _ or a
    // backquote, which Wine (folding to lower case) would sort differently.
    const char* created[] = {"GAMMA", "c++", "beta", "Delta1", "C", "alpha", "delta0", "c#", "B.2", "b 1"};
    HKEY key = Open();
    for (const char* name : created)
        RegCloseKey(Open(name));
    std::vector<std::string> expected = {"alpha", "b 1", "B.2", "beta", "C", "c#", "c++", "delta0", "Delta1",
                                         "GAMMA"};
    EXPECT_EQ(Subkeys(key), expected);

    char name[64];
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key, DWORD(expected.size()), name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
}

TEST_F(RegistryFunctionsTest, ANameLongerThanTheEnumerationBufferFailsWithoutOverrun)
{
    HKEY key = Open();
    RegCloseKey(Open(std::string(70, 'n')));
    char buffer[80];
    std::memset(buffer, '#', sizeof buffer);
    DWORD size = 64;
    EXPECT_NE(RegEnumKeyExA(key, 0, buffer, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer + 64, 16), std::string(16, '#'));

    size = 71;
    EXPECT_EQ(RegEnumKeyExA(key, 0, buffer, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer), std::string(70, 'n'));
    EXPECT_EQ(size, 70u);
    RegCloseKey(key);
}

TEST_F(RegistryFunctionsTest, OnlyAKeyWithoutSubkeysIsDeleted)
{
    HKEY key = Open();
    RegCloseKey(Open("Parent\\Child"));
    EXPECT_NE(RegDeleteKeyA(key, "Parent"), ERROR_SUCCESS);
    EXPECT_EQ(Subkeys(key), std::vector<std::string>{"Parent"});

    EXPECT_EQ(RegDeleteKeyA(key, "PARENT\\child"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(key, "parent"), ERROR_SUCCESS);
    EXPECT_TRUE(Subkeys(key).empty());
    EXPECT_NE(RegDeleteKeyA(key, "Parent"), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryFunctionsTest, AHandleSeesWhatAnotherHandleChanged)
{
    HKEY first = Open("Type");
    HKEY second = Open("TYPE");
    ASSERT_EQ(SetText(second, "RX", "written"), ERROR_SUCCESS);
    EXPECT_EQ(QueryText(first, "RX"), "written");
    RegCloseKey(second);
    RegCloseKey(first);
}

TEST_F(RegistryFunctionsTest, ADeletedKeyCanNoLongerBeRead)
{
    HKEY parent = Open();
    HKEY type = Open("Gone");
    ASSERT_EQ(SetText(type, "RX", "x"), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyA(parent, "Gone"), ERROR_SUCCESS);
    EXPECT_NE(QueryText(type, "RX"), "x");
    EXPECT_NE(SetText(type, "RX", "y"), ERROR_SUCCESS);
    EXPECT_TRUE(Subkeys(parent).empty()) << "a write through a stale handle must not bring the key back";
    RegCloseKey(type);
    RegCloseKey(parent);
}

TEST_F(RegistryFunctionsTest, PrintableTextsRoundTripWithQuotesAndBackslashes)
{
    HKEY key = Open();
    const std::string texts[] = {"\\", "\"", "a\\\"b", "^\\s*#\\s*define\\s+(\\w+)", "ends with \\", " spaced "};
    for (const std::string& text : texts) {
        ASSERT_EQ(SetText(key, "t", text), ERROR_SUCCESS) << text;
        EXPECT_EQ(QueryText(key, "t"), text);
    }
    RegCloseKey(key);
}

}  // namespace

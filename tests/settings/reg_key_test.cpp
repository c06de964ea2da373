// CRegKey on both targets: what the file-type lookup and the configuration
// rely on — a value of any type read as its bytes, texts always NUL-terminated
// and empty rather than cut, missing values read as "" and 0, an empty text
// deletes, paths that do not fit are refused, enumeration sees every name once
// whatever its length.
#include <cstring>
#include <string>

#include "frame/host_services.h"
#include "settings/reg_key.h"
#include "tests/support/registry_fixture.h"

namespace {

class RegKeyTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        SetRoot(TestKey);
    }

    void SetRoot(const std::string& root)
    {
        PluginStartupInfo info{};
        info.RegistryRoot = root.c_str();
        CopyStartupInfo(&info);
    }

    std::string Read(CRegKey& key, const char* name, int size = 512)
    {
        std::vector<char> buffer(size + 8, '#');
        key.ReadString(name, buffer.data(), size);
        EXPECT_NE(std::memchr(buffer.data(), '\0', size), nullptr) << "unterminated text";
        EXPECT_EQ(std::string(buffer.data() + size, 8), std::string(8, '#')) << "written past the buffer";
        return buffer.data();
    }
};

TEST_F(RegKeyTest, TextsAndNumbersReadBackAndMissingOnesReadEmpty)
{
    CRegKey table(HKEY_CURRENT_USER, "RegExp\\FileTypes", 1);
    ASSERT_NE(table.Key, nullptr);
    CRegKey type(table.Key, "C", 0);
    ASSERT_NE(type.Key, nullptr);

    EXPECT_EQ(type.WriteString("RX", "abc"), ERROR_SUCCESS);
    EXPECT_EQ(Read(type, "RX"), "abc");
    EXPECT_EQ(Read(type, "Present"), "");

    DWORD flags = 99;
    type.ReadDword("Flags", &flags);
    EXPECT_EQ(flags, 0u);
    EXPECT_EQ(type.WriteDword("Flags", 7), ERROR_SUCCESS);
    type.ReadDword("FLAGS", &flags);
    EXPECT_EQ(flags, 7u);
}

TEST_F(RegKeyTest, AnEmptyTextDeletesTheValue)
{
    CRegKey key(HKEY_CURRENT_USER, "T", 1);
    key.WriteString("FileMask", "\\.c$");
    EXPECT_EQ(key.WriteString("FileMask", ""), ERROR_SUCCESS);
    EXPECT_EQ(Read(key, "FileMask"), "");
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key.Key, "FileMask", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegKeyTest, ATextLongerThanTheBufferReadsEmptyAndOneThatFitsReadsWhole)
{
    CRegKey key(HKEY_CURRENT_USER, "T", 1);
    std::string text(511, 'p');
    key.WriteString("RX", text.c_str());
    EXPECT_EQ(Read(key, "RX", 512), text);
    EXPECT_EQ(Read(key, "RX", 511), "") << "a cut pattern would search for something else";
    char buffer[511];
    EXPECT_FALSE(key.ReadString("RX", buffer, sizeof buffer)) << "the caller is told it did not fit";
    EXPECT_TRUE(key.ReadString("Missing", buffer, sizeof buffer)) << "a missing value is not too long";
    EXPECT_EQ(Read(key, "RX", 255), "");
    key.WriteString("RX", std::string(254, 'q').c_str());
    EXPECT_EQ(Read(key, "RX", 255), std::string(254, 'q'));
}

// Stores bytes under any type, as another tool may have; the byte after them
// is not a NUL, so the registry adds none of its own.
void Store(CRegKey& key, const char* name, DWORD type, const std::string& bytes)
{
    std::string data = bytes + 'x';
    ASSERT_EQ(RegSetValueExA(key.Key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             DWORD(bytes.size())),
              ERROR_SUCCESS);
}

TEST_F(RegKeyTest, AValueOfAnyTypeReadsAsItsBytes)
{
    CRegKey key(HKEY_CURRENT_USER, "T", 1);
    key.WriteDword("RX", 0x41414141);
    EXPECT_EQ(Read(key, "RX"), "AAAA");
    Store(key, "RX", REG_EXPAND_SZ, std::string("%HOME%\\w") + '\0');
    EXPECT_EQ(Read(key, "RX"), "%HOME%\\w");
    Store(key, "RX", REG_BINARY, "^#");
    EXPECT_EQ(Read(key, "RX"), "^#");

    const struct {
        DWORD Type;
        std::string Bytes;
        DWORD Value;
    } numbers[] = {
        {REG_DWORD, std::string("\x07\0\0\0", 4), 7},
        {REG_BINARY, std::string("\x05\0\0\0", 4), 5},
        {REG_BINARY, "\x06", 6},                                // shorter: the rest stays 0
        {REG_BINARY, std::string("\x07\0\0\0\0", 5), 0},       // longer than 4 bytes: 0
        {REG_SZ, std::string("abc", 3) + '\0', 0x00636261},
    };
    for (const auto& n : numbers) {
        Store(key, "Flags", n.Type, n.Bytes);
        DWORD flags = 99;
        key.ReadDword("Flags", &flags);
        EXPECT_EQ(flags, n.Value) << "type " << n.Type << ", " << n.Bytes.size() << " bytes";
    }
}

// A 512-byte buffer holds 511 characters and the NUL, whether or not the
// stored data ends with one; a 512th character empties the text.
TEST_F(RegKeyTest, ATextReadsWholeUpTo511CharactersAndEmptyFrom512)
{
    CRegKey key(HKEY_CURRENT_USER, "T", 1);
    for (DWORD type : {DWORD(REG_SZ), DWORD(REG_EXPAND_SZ), DWORD(REG_BINARY)}) {
        for (size_t length : {511, 512}) {
            for (bool nul : {false, true}) {
                std::string text(length, 'p');
                Store(key, "RX", type, nul ? text + '\0' : text);
                EXPECT_EQ(Read(key, "RX", 512), length == 511 ? text : "")
                    << "type " << type << ", " << length << (nul ? " with" : " without") << " a NUL";
            }
        }
    }
}

TEST_F(RegKeyTest, APathThatDoesNotFitIsRefusedNotCut)
{
    // root + "\" + path: 511 characters fit the 512-byte buffer, 512 do not.
    // Names of at most 100 characters, well inside every registry's limit.
    std::string root = TestKey + "\\" + std::string(100, 'a');
    std::string fill;
    while (root.size() + 1 + fill.size() < 511)
        fill += fill.size() % 101 == 100 ? '\\' : 'b';
    SetRoot(root);
    {
        CRegKey tooLong(HKEY_CURRENT_USER, (fill + "c").c_str(), 1);
        EXPECT_EQ(tooLong.Key, nullptr) << "512 characters";
        CRegKey bare(HKEY_CURRENT_USER, (root + "\\" + fill + "c").c_str(), 0);
        EXPECT_EQ(bare.Key, nullptr) << "512 characters without the prefix";
    }
    HKEY rootKey = Open(std::string(100, 'a'));
    EXPECT_TRUE(Subkeys(rootKey).empty()) << "nothing made of a cut path";
    RegCloseKey(rootKey);
#ifndef _WIN32
    // Wine's A functions refuse paths this long themselves (about 260 characters).
    CRegKey fits(HKEY_CURRENT_USER, fill.c_str(), 1);
    EXPECT_NE(fits.Key, nullptr) << "511 characters";
#endif
}

TEST_F(RegKeyTest, AFailedOpenReadsEmptyAndZeroAndWritesNothing)
{
    SetRoot(std::string(600, 'r'));
    CRegKey key(HKEY_CURRENT_USER, "RegExp\\FileTypes", 1);
    EXPECT_EQ(key.Key, nullptr);
    EXPECT_EQ(Read(key, "RX"), "");
    DWORD flags = 3;
    key.ReadDword("Flags", &flags);
    EXPECT_EQ(flags, 0u);
    EXPECT_NE(key.WriteString("RX", "x"), ERROR_SUCCESS);
    char name[64] = "stale";
    EXPECT_EQ(key.EnumSubkey(0, name, sizeof name), 0);
    EXPECT_STREQ(name, "");
}

TEST_F(RegKeyTest, EnumerationSeesNamesOfEveryLengthOnceThenEnds)
{
    CRegKey table(HKEY_CURRENT_USER, "RegExp\\FileTypes", 1);
    // Short names after long ones: a byte count reused from an earlier call
    // would cut the enumeration short.
    std::vector<std::string> names = {"A", std::string(63, 'B'), "C", std::string(40, 'D'), "E"};
    for (const std::string& name : names)
        CRegKey type(table.Key, name.c_str(), 0);
    std::vector<std::string> seen;
    char name[64];
    for (DWORD i = 0; table.EnumSubkey(i, name, sizeof name); i++)
        seen.push_back(name);
    EXPECT_EQ(seen, names);
}

TEST_F(RegKeyTest, ANameTooLongForTheBufferEndsTheEnumeration)
{
    CRegKey table(HKEY_CURRENT_USER, "RegExp\\FileTypes", 1);
    CRegKey(table.Key, "A", 0);
    CRegKey(table.Key, std::string(64, 'B').c_str(), 0);
    char name[64];
    EXPECT_EQ(table.EnumSubkey(0, name, sizeof name), 1);
    EXPECT_EQ(table.EnumSubkey(1, name, sizeof name), 0);
    EXPECT_STREQ(name, "");
}

TEST_F(RegKeyTest, DeleteSubkeyAndCloseTwice)
{
    CRegKey table(HKEY_CURRENT_USER, "RegExp\\FileTypes", 1);
    CRegKey(table.Key, "Gone", 0);
    EXPECT_EQ(table.DeleteSubkey("gone"), ERROR_SUCCESS);
    char name[64];
    EXPECT_EQ(table.EnumSubkey(0, name, sizeof name), 0);

    table.CloseKey();
    EXPECT_EQ(table.Key, nullptr);
    table.CloseKey();  // and the destructor after it: nothing left to close
    EXPECT_EQ(table.Key, nullptr);
}

}  // namespace

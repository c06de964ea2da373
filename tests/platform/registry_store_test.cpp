// What only the stand-in promises: where the store lives, that a file it
// cannot parse is reported and never overwritten, that two processes writing
// at once lose nothing, that a crash before the rename leaves the old store
// whole, and that handles are key paths that survive the file being replaced.
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

#include "platform/registry_store.h"
#include "platform/whole_file.h"
#include "tests/support/registry_fixture.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool Exists(const std::string& path)
{
    struct stat s;
    return stat(path.c_str(), &s) == 0;
}

// The files this process has open (0 where /proc does not tell).
size_t OpenFiles()
{
    size_t n = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir))
            n++;
        closedir(dir);
    }
    return n;
}

LONG SetText(HKEY key, const std::string& name, const std::string& text)
{
    return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                          DWORD(text.size()));
}

// The data of a value as queried (a text with its NUL), or "<status N>".
std::string Query(HKEY key, const std::string& name)
{
    std::string buffer(4096, '\0');
    DWORD size = DWORD(buffer.size());
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&buffer[0]), &size);
    return status == ERROR_SUCCESS ? buffer.substr(0, size) : "<status " + std::to_string(status) + ">";
}

RegFileDocument ParseStore(const std::string& path)
{
    RegFileDocument document;
    std::string error;
    EXPECT_TRUE(ParseRegFile(ReadFile(path), path, RegFileComplete, document, error)) << error;
    return document;
}

class RegistryStoreTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        Store = ConfigDir + "/stringslist/registry.reg";
        unlink(Store.c_str());  // each test starts without a store file
    }

    std::string Store;
};

TEST_F(RegistryStoreTest, AMissingFileIsAnEmptyStoreThatReadsDoNotCreate)
{
    EXPECT_EQ(RegistryStorePath(), Store);
    std::string base = TestKey;
    HKEY key = nullptr;
    char name[64];
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(HKEY_CURRENT_USER, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "x"), "<status 2>");
    EXPECT_FALSE(Exists(Store));

    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (base + "\\Type").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(SetText(key, "RX", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
    RegFileDocument document = ParseStore(Store);
    ASSERT_FALSE(document.Keys.empty());
    EXPECT_EQ(JoinRegPath(document.Keys.back().Path), "HKEY_CURRENT_USER\\" + base + "\\Type");
    EXPECT_EQ(RegistryStoreError(), "");
}

TEST_F(RegistryStoreTest, WithoutXdgConfigHomeTheStoreIsUnderHome)
{
    const char* home = std::getenv("HOME");
    std::string savedHome = home ? home : "";
    setenv("HOME", ConfigDir.c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(RegistryStorePath(), ConfigDir + "/.config/stringslist/registry.reg");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryStorePath(), ConfigDir + "/.config/stringslist/registry.reg");
    EXPECT_EQ(SetText(HKEY_CURRENT_USER, "v", "x"), ERROR_SUCCESS);
    EXPECT_TRUE(Exists(ConfigDir + "/.config/stringslist/registry.reg"));
    setenv("HOME", savedHome.c_str(), 1);
}

struct BadStore {
    const char* What;
    std::string Bytes;
    const char* Said;
};

TEST_F(RegistryStoreTest, AFileThatCannotBeParsedIsReportedAndLeftUntouched)
{
    std::string whole = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\T]\n\"Flags\"=dword:00000100\n\n";
    std::string binary;
    for (int i = 0; i < 512; i++)
        binary += char(i * 7);
    const BadStore cases[] = {
        {"cut in a value", whole.substr(0, whole.size() - 4), ":4: expected a line end"},
        {"cut in a key line", whole.substr(0, 20), ":3: expected a line end"},
        {"binary", binary, ":1: "},
        {"malformed", "REGEDIT4\n\n[HKEY_CURRENT_USER\\T]\nthis is no value\n", ":4: expected [PATH]"},
        {"empty", "", ":1: expected the header line"},
        {"odd UTF-16", std::string("\xFF\xFE\x52\x00\x45", 5), ":1: expected UTF-16"},
    };
    mkdir((ConfigDir + "/stringslist").c_str(), 0700);
    size_t openFiles = OpenFiles();
    for (const BadStore& c : cases) {
        WriteFile(Store, c.Bytes);
        HKEY key = nullptr;
        EXPECT_EQ(Query(HKEY_CURRENT_USER, "x"), "<status 1009>") << c.What;
        EXPECT_NE(RegistryStoreError().find(Store + c.Said), std::string::npos) << c.What << ": "
                                                                                  << RegistryStoreError();
        EXPECT_NE(SetText(HKEY_CURRENT_USER, "x", "y"), ERROR_SUCCESS) << c.What;
        EXPECT_NE(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS)
            << c.What;
        EXPECT_NE(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\T"), ERROR_SUCCESS) << c.What;
        EXPECT_NE(RegistryStoreError().find("left as it is"), std::string::npos) << c.What;
        EXPECT_EQ(ReadFile(Store), c.Bytes) << c.What;
        EXPECT_FALSE(Exists(Store + ".tmp")) << c.What;
    }
    EXPECT_EQ(OpenFiles(), openFiles) << "a failed read left the store open";
}

TEST_F(RegistryStoreTest, AHandleIsAPathThatSurvivesTheFileBeingReplaced)
{
    HKEY key = Open("Type");
    ASSERT_EQ(SetText(key, "RX", "inside"), ERROR_SUCCESS);
    // Another program replaces the whole file, spelling the key in another case.
    std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + FoldRegName(TestKey) + "\\TYPE]\n\"rx\"=\"outside\"\n\n";
    WriteFile(Store + ".new", text);
    ASSERT_EQ(rename((Store + ".new").c_str(), Store.c_str()), 0);
    EXPECT_EQ(Query(key, "RX"), std::string("outside", 8));
    ASSERT_EQ(SetText(key, "Present", "p"), ERROR_SUCCESS);
    EXPECT_EQ(Query(key, "RX"), std::string("outside", 8));
    EXPECT_EQ(Query(key, "Present"), std::string("p", 2));
    RegCloseKey(key);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE) << "a closed handle is refused, not used";
}

TEST_F(RegistryStoreTest, ValuesOfOtherTypesAreKeptWhenTheStoreIsRewritten)
{
    std::string path = "HKEY_CURRENT_USER\\" + TestKey;
    mkdir((ConfigDir + "/stringslist").c_str(), 0700);
    WriteFile(Store, "REGEDIT4\n\n; written by hand\n[" + path + "]\n\"Exp\"=hex(2):25,50,25,00\n"
                     "\"Multi\"=hex(7):61,00,62,00,00\n\"Q\"=hex(b):01,02,03,04,05,06,07,08\n"
                     "\"Bin\"=hex:\n\"Short\"=hex(4):01\n@=\"default\"\n\n");
    HKEY key = Open();
    ASSERT_EQ(SetText(key, "RX", "new"), ERROR_SUCCESS);
    RegCloseKey(key);
    RegFileDocument document = ParseStore(Store);
    ASSERT_FALSE(document.Keys.empty());
    const RegFileKey& stored = document.Keys.back();
    std::vector<RegFileValue> expected = {
        {"Exp", 2, std::string("%P%\0", 4)}, {"Multi", 7, std::string("a\0b\0\0", 5)},
        {"Q", 11, "\x01\x02\x03\x04\x05\x06\x07\x08"}, {"Bin", 3, ""}, {"Short", 4, "\x01"},
        {"", 1, "default"}, {"RX", 1, "new"},
    };
    ASSERT_EQ(stored.Values.size(), expected.size());
    for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_EQ(stored.Values[i].Name, expected[i].Name);
        EXPECT_EQ(stored.Values[i].Type, expected[i].Type) << expected[i].Name;
        EXPECT_EQ(stored.Values[i].Data, expected[i].Data) << expected[i].Name;
    }
}

TEST_F(RegistryStoreTest, EveryByteButNulSurvivesInTextsAndNames)
{
    std::string allBytes;
    for (int c = 1; c < 256; c++)
        allBytes += char(c);
    std::string keyName, valueName;
    for (int c = 1; c < 256; c++)
        if (c != '\\' && c != '\r' && c != '\n') {
            keyName += char(c);
            valueName += char(c);
        }
    valueName += '\\';  // value names may hold the backslash too
    HKEY parent = Open();
    HKEY key = Open(keyName);
    ASSERT_EQ(SetText(key, valueName, allBytes), ERROR_SUCCESS);
    EXPECT_EQ(Query(key, valueName), allBytes + '\0');
    EXPECT_EQ(Subkeys(parent), std::vector<std::string>{keyName});
    ParseStore(Store);
    RegCloseKey(key);
    RegCloseKey(parent);
}

TEST_F(RegistryStoreTest, LineEndsInNamesAreRefused)
{
    HKEY key = Open();
    HKEY bad = nullptr;
    EXPECT_EQ(RegCreateKeyExA(key, "a\nb", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &bad, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(SetText(key, "a\rb", "x"), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(Subkeys(key).empty());
    RegCloseKey(key);
}

TEST_F(RegistryStoreTest, PunctuationSortsByItsUpperCaseFolding)
{
    HKEY key = Open();
    for (const char* name : {"_x", "a", "`", "Z", "[", "^", "b"})
        RegCloseKey(Open(name));
    EXPECT_EQ(Subkeys(key), (std::vector<std::string>{"a", "b", "Z", "[", "^", "_x", "`"}));
    RegCloseKey(key);
}

struct OutsideChange {
    const char* What;
    int AgeMs;  // how old the store is when first read: a younger one is read at every call
    std::function<void(const std::string& store, const std::string& text)> Write;
    int SeenAfterMs;  // a change of where the path leads is looked for once a grain
};

TEST_F(RegistryStoreTest, AChangeByAnotherProgramIsSeenByTheNextRead)
{
    std::string folder = ConfigDir + "/stringslist";
    const OutsideChange changes[] = {
        {"rewritten in place at once", 0, [](const std::string& store, const std::string& text) { WriteFile(store, text); }, 0},
        {"rewritten in place later", 50, [](const std::string& store, const std::string& text) { WriteFile(store, text); }, 0},
        {"replaced by a rename", 50,
         [](const std::string& store, const std::string& text) {
             WriteFile(store + ".new", text);
             rename((store + ".new").c_str(), store.c_str());
         },
         0},
        {"its folder moved away and made anew", 50,
         [&](const std::string& store, const std::string& text) {
             rename(folder.c_str(), (folder + ".old").c_str());
             mkdir(folder.c_str(), 0700);
             WriteFile(store, text);
         },
         30},
    };
    for (const OutsideChange& c : changes) {
        HKEY key = Open();
        ASSERT_EQ(SetText(key, "RX", "old-AA"), ERROR_SUCCESS);
        usleep(c.AgeMs * 1000);
        EXPECT_EQ(Query(key, "RX"), std::string("old-AA", 7)) << c.What;
        std::string text = ReadFile(Store);
        text.replace(text.find("old-AA"), 6, "new-BB");  // the same size: only times or the inode tell
        c.Write(Store, text);
        usleep(c.SeenAfterMs * 1000);
        EXPECT_EQ(Query(key, "RX"), std::string("new-BB", 7)) << c.What;
        RegCloseKey(key);
        std::system(("rm -rf '" + folder + ".old'").c_str());
    }
}

struct NotAStore {
    const char* What;
    std::function<void(const std::string& store)> Make;
    const char* Said;
};

TEST_F(RegistryStoreTest, OnlyARegularFileIsAStore)
{
    const NotAStore cases[] = {
        {"a FIFO", [](const std::string& store) { mkfifo(store.c_str(), 0600); }, "is a FIFO, not a regular file"},
        {"a link to an endless device", [](const std::string& store) { symlink("/dev/zero", store.c_str()); },
         "(/dev/zero) is a character device, not a regular file"},
        {"a directory", [](const std::string& store) { mkdir(store.c_str(), 0700); }, "is a directory, not a file"},
    };
    mkdir((ConfigDir + "/stringslist").c_str(), 0700);
    for (const NotAStore& c : cases) {
        c.Make(Store);
        struct stat before, after;
        lstat(Store.c_str(), &before);
        EXPECT_EQ(Query(HKEY_CURRENT_USER, "x"), "<status 1009>") << c.What;
        EXPECT_NE(RegistryStoreError().find(Store + " " + c.Said), std::string::npos) << RegistryStoreError();
        EXPECT_NE(SetText(HKEY_CURRENT_USER, "x", "y"), ERROR_SUCCESS) << c.What;
        EXPECT_NE(RegistryStoreError().find(c.Said), std::string::npos) << RegistryStoreError();
        ASSERT_EQ(lstat(Store.c_str(), &after), 0) << c.What;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.What << " was replaced";
        std::system(("rm -rf '" + Store + "'").c_str());
    }
}

TEST_F(RegistryStoreTest, ARewriteKeepsModeAndOwnerAndLeavesHardLinksTheOldStore)
{
    HKEY key = Open();
    ASSERT_EQ(SetText(key, "RX", "before"), ERROR_SUCCESS);
    std::string old = ReadFile(Store), other = ConfigDir + "/other.reg";
    uid_t owner = getuid() == 0 ? 65534 : getuid();  // root writes a user's store
    gid_t group = getuid() == 0 ? 65534 : getgid();
    ASSERT_EQ(chown(Store.c_str(), owner, group), 0);
    ASSERT_EQ(chmod(Store.c_str(), 0644), 0);
    ASSERT_EQ(link(Store.c_str(), other.c_str()), 0);

    ASSERT_EQ(SetText(key, "RX", "after"), ERROR_SUCCESS);
    struct stat info;
    ASSERT_EQ(stat(Store.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_gid, group);
    EXPECT_EQ(Query(key, "RX"), std::string("after", 6));
    EXPECT_EQ(ReadFile(other), old) << "the other name keeps the old store";
    RegCloseKey(key);
}

// Runs body in a child process; answers its exit status.
template <typename Body> pid_t Spawn(Body body)
{
    pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    return pid;
}

int ExitStatus(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(RegistryStoreTest, TwoProcessesWritingAtOnceLoseNothing)
{
    const int Writes = 1000;
    auto writer = [&](const std::string& type) {
        return [=] {
            HKEY key = nullptr;
            std::string path = TestKey + "\\" + type;
            if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                nullptr) != ERROR_SUCCESS)
                return 1;
            for (int i = 0; i < Writes; i++)
                if (SetText(key, "V" + std::to_string(i), type + std::to_string(i)) != ERROR_SUCCESS)
                    return 2;
            return 0;
        };
    };
    pid_t first = Spawn(writer("C"));
    pid_t second = Spawn(writer("Python"));
    ASSERT_EQ(ExitStatus(first), 0);
    ASSERT_EQ(ExitStatus(second), 0);

    RegFileDocument document = ParseStore(Store);
    for (const std::string type : {"C", "Python"}) {
        HKEY key = Open(type);
        int found = 0;
        for (int i = 0; i < Writes; i++)
            found += Query(key, "V" + std::to_string(i)) == type + std::to_string(i) + '\0';
        EXPECT_EQ(found, Writes) << type;
        RegCloseKey(key);
    }
}

TEST_F(RegistryStoreTest, ACrashBeforeTheRenameLeavesTheOldStoreWhole)
{
    HKEY key = Open();
    ASSERT_EQ(SetText(key, "RX", "before"), ERROR_SUCCESS);
    std::string old = ReadFile(Store);

    pid_t child = Spawn([&] {
        WholeFileBeforeRename = [] { _exit(42); };
        SetText(key, "RX", "after");
        return 0;
    });
    ASSERT_EQ(ExitStatus(child), 42);
    EXPECT_EQ(ReadFile(Store), old);
    EXPECT_TRUE(Exists(Store + ".tmp")) << "the crash came after the temporary file was written";
    EXPECT_EQ(Query(key, "RX"), std::string("before", 7));

    // The dead writer's lock is gone with it; the next change goes through.
    ASSERT_EQ(SetText(key, "Present", "next"), ERROR_SUCCESS);
    EXPECT_EQ(Query(key, "RX"), std::string("before", 7));
    EXPECT_EQ(Query(key, "Present"), std::string("next", 5));
    EXPECT_FALSE(Exists(Store + ".tmp"));
    RegCloseKey(key);
}

}  // namespace

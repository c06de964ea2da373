// Replacing a file whole: what it does to each kind of target, and that a
// write that fails half way (a full disk) leaves the old file as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/whole_file.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        Dir = fs::temp_directory_path() / ("stringslist-whole-file-" + std::string(test->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    // The names in the folder, so that a temporary left behind shows.
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(Dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path Dir;
};

struct Target {
    const char* What;
    const char* Name;  // the file, below the test's folder
    std::function<void(const fs::path& file)> Make;
    const char* Said;  // in the message; "" when the call succeeds
};

TEST_F(WholeFileTest, EachKindOfTargetIsWrittenOrRefused)
{
    const Target targets[] = {
        {"a new file", "out.reg", [](const fs::path&) {}, ""},
        {"an old file", "out.reg", [](const fs::path& file) { WriteFile(file, "old bytes"); }, ""},
        {"a directory", "out.reg", [](const fs::path& file) { fs::create_directory(file); }, "is a directory"},
        {"a missing folder", "missing/out.reg", [](const fs::path&) {}, "cannot create"},
    };
    for (const Target& t : targets) {
        fs::path file = Dir / t.Name;
        t.Make(file);
        std::string error;
        bool written = ReplaceWholeFile(file.string(), "new", error);
        EXPECT_EQ(written, !t.Said[0]) << t.What << ": " << error;
        EXPECT_NE(error.find(t.Said), std::string::npos) << t.What << ": " << error;
        if (written) {
            EXPECT_EQ(ReadFile(file), "new") << t.What;
        }
        std::vector<std::string> left = fs::exists(file) ? std::vector<std::string>{"out.reg"} : std::vector<std::string>{};
        EXPECT_EQ(Names(), left) << t.What << ": a temporary stayed";
        fs::remove_all(file);
    }
}

#ifndef _WIN32
TEST_F(WholeFileTest, ALinkIsWrittenWhereItLeadsAndADeviceInPlace)
{
    fs::path file = Dir / "real.reg", link = Dir / "link.reg";
    WriteFile(file, "old");
    fs::create_symlink(file, link);
    std::string error;
    ASSERT_TRUE(ReplaceWholeFile(link.string(), "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(file), "new");
    EXPECT_TRUE(ReplaceWholeFile("/dev/null", "new", error)) << error;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(WholeFileTest, AnOldFileKeepsItsModeAndAFullDiskItsBytes)
{
    fs::path file = Dir / "out.reg";
    WriteFile(file, "old bytes");
    chmod(file.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(ReplaceWholeFile(file.string(), "new", error)) << error;
    struct stat info;
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A disk that takes 1 KiB a file, in a child so that the limit stays there.
    pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit = {1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string ignored;
        _exit(ReplaceWholeFile(file.string(), std::string(4096, 'x'), ignored) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "the cut write was reported as done";
    EXPECT_EQ(ReadFile(file), "new");
    EXPECT_EQ(Names(), std::vector<std::string>{"out.reg"}) << "the temporary stayed";
}
#endif

}  // namespace

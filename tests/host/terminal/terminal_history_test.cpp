// Edit-field histories in the registry store: newest first, no duplicates,
// bounded, and reading never writes the store.
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "host/terminal/terminal_history.h"

namespace {

class HistoryTest : public ::testing::Test {
protected:
    std::string Directory;

    void SetUp() override
    {
        char pattern[] = "/tmp/terminal-history-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Directory = pattern;
        setenv("XDG_CONFIG_HOME", Directory.c_str(), 1);
    }

    void TearDown() override { std::system(("rm -rf '" + Directory + "'").c_str()); }

    bool StoreExists() const
    {
        struct stat status;
        return stat((Directory + "/stringslist/registry.reg").c_str(), &status) == 0;
    }
};

const char Root[] = "Software\\stringslist";

TEST_F(HistoryTest, ReadingAnEmptyStoreWritesNothing)
{
    EXPECT_TRUE(LoadHistory(Root, "SearchText").empty());
    EXPECT_FALSE(StoreExists());
}

TEST_F(HistoryTest, KeepsNewestFirstWithoutDuplicates)
{
    RememberHistory(Root, "SearchText", "alpha");
    RememberHistory(Root, "SearchText", "beta");
    RememberHistory(Root, "SearchText", "alpha");
    RememberHistory(Root, "SearchText", "");
    RememberHistory(Root, "ReplaceText", "other");
    EXPECT_EQ(LoadHistory(Root, "SearchText"), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(LoadHistory(Root, "searchtext"), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(LoadHistory(Root, "ReplaceText"), (std::vector<std::string>{"other"}));
}

TEST_F(HistoryTest, DropsTheOldestPastTheLimit)
{
    for (int i = 0; i < HistoryLimit + 5; i++)
        RememberHistory(Root, "RegExpHistory", "text " + std::to_string(i));
    std::vector<std::string> entries = LoadHistory(Root, "RegExpHistory");
    ASSERT_EQ(entries.size(), static_cast<size_t>(HistoryLimit));
    EXPECT_EQ(entries.front(), "text " + std::to_string(HistoryLimit + 4));
    EXPECT_EQ(entries.back(), "text 5");
}

}  // namespace

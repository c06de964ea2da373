// Menu filtering and entry texts: the indices a filter leaves are the
// caller's, separators drop out once a filter is typed.
#include <cstring>
#include <gtest/gtest.h>

#include "host/terminal/terminal_menu.h"

namespace {

std::vector<PluginMenuItem> Items(const std::vector<const char*>& texts)
{
    std::vector<PluginMenuItem> items(texts.size());
    for (size_t i = 0; i < texts.size(); i++) {
        items[i] = PluginMenuItem{};
        if (texts[i])
            std::strcpy(items[i].Text, texts[i]);
        else
            items[i].Separator = 1;
    }
    return items;
}

TEST(MenuTest, FilterKeepsTheCallersIndices)
{
    std::vector<PluginMenuItem> items = Items({"Default settings", nullptr, "C", "C++", "Pascal", "cmake"});
    struct Case {
        std::string Filter;
        std::vector<int> Shown;
    } cases[] = {
        {"", {0, 1, 2, 3, 4, 5}},
        {"c", {2, 3, 4, 5}},  // ASCII case ignored; the separator drops out
        {"C+", {3}},
        {"SET", {0}},
        {"zzz", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterMenuEntries(items.data(), static_cast<int>(items.size()), 0, c.Filter), c.Shown)
            << c.Filter;
}

TEST(MenuTest, AmpersandsMarkHotkeysUnlessShown)
{
    std::vector<PluginMenuItem> items = Items({"&Save && quit"});
    EXPECT_EQ(MenuEntryText(items[0], 0), "Save & quit");
    EXPECT_EQ(MenuEntryText(items[0], MenuShowAmpersand), "&Save && quit");
    // A filter reads the text as shown.
    EXPECT_EQ(FilterMenuEntries(items.data(), 1, 0, "e &"), (std::vector<int>{0}));
}

TEST(MenuTest, EntryTextStopsAtItsBufferEvenWithoutNul)
{
    PluginMenuItem item{};
    std::memset(item.Text, 'x', sizeof item.Text);
    EXPECT_EQ(MenuEntryText(item, MenuShowAmpersand).size(), sizeof item.Text);
}

}  // namespace

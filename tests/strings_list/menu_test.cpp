// The strings-list menu through the exports: order, preselection, the menu
// call itself, and where a choice moves the editor.
#include <string>
#include <vector>

#include "tests/support/strings_list_fixture.h"

namespace {

class MenuTest : public StringsListTest {
protected:
    // Items on lines 10, 40 and 90 (0-based), of a 120-line file.
    void ThreeItems(uint32_t flags, int cursorLine = 0)
    {
        std::vector<std::string> lines(120, "-");
        lines[10] = "fn ten";
        lines[40] = "fn forty";
        lines[90] = "fn ninety";
        Types.Add("T", "\\.t$", "^fn (\\w+)", "\\1", flags);
        Editor("a.t", lines, cursorLine);
    }

    int Selected() const { return Host.Menus.empty() ? -2 : Host.Menus.back().SelectedIndex(); }
};

TEST_F(MenuTest, MenuCallCarriesTitleBottomAndHelp)
{
    ThreeItems(0);
    RunList();
    ASSERT_EQ(Host.Menus.size(), 1u);
    const MenuCall& m = Host.Menus[0];
    EXPECT_EQ(m.X, -1);
    EXPECT_EQ(m.Y, -1);
    EXPECT_EQ(m.MaxHeight, 0);
    EXPECT_EQ(m.Flags, 1u);
    EXPECT_EQ(m.Title, "a.t");
    EXPECT_EQ(m.Bottom, "Total 3 items");
    EXPECT_EQ(m.Help, "ProcListMenu");
    EXPECT_TRUE(m.BreakKeys.empty());
    EXPECT_FALSE(m.HasBreakCode);
    for (const PluginMenuItem& item : m.Items) {
        EXPECT_EQ(item.Checked, 0);
        EXPECT_EQ(item.Separator, 0);
    }
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(MenuTest, EveryMenuTextIsConvertedForDisplayInMenuOrder)
{
    ThreeItems(SortItems);
    RunList();
    std::vector<std::string> converted;
    for (const EditorCall& c : EditorWrites()) {
        EXPECT_EQ(c.Command, EDITOR_CONVERT_TEXT);
        converted.push_back(c.Text);
    }
    EXPECT_EQ(converted, (std::vector<std::string>{"forty", "ninety", "ten"}));
}

TEST_F(MenuTest, CursorPreselectsTheItemOnOrNearestAboveIt)
{
    struct Case {
        int Cursor;
        int Selected;
    };
    for (Case c : {Case{55, 1}, Case{40, 1}, Case{5, 0}, Case{10, 0}, Case{89, 1}, Case{119, 2}}) {
        ThreeItems(SelectFromCursor, c.Cursor);
        RunList();
        EXPECT_EQ(Selected(), c.Selected) << "cursor " << c.Cursor;
        int marked = 0;
        for (const PluginMenuItem& item : Host.Menus.back().Items)
            marked += item.Selected;
        EXPECT_EQ(marked, 1);
    }
}

TEST_F(MenuTest, ItemsAMillionLinesAboveNeverCount)
{
    std::vector<std::string> lines(1000002, "");
    lines[0] = "fn first";
    lines[1] = "fn second";
    Types.Add("T", "\\.t$", "^fn (\\w+)", "\\1", SelectFromCursor);
    Editor("a.t", lines, 1000001);
    RunList();
    EXPECT_EQ(Selected(), 0);  // "second" lies 1,000,000 lines above: too far
    Editor("a.t", lines, 1000000);
    RunList();
    EXPECT_EQ(Selected(), 1);
}

TEST_F(MenuTest, WithoutSelectFromCursorTheLastChoiceIsPreselected)
{
    ThreeItems(0, 55);
    RunList();
    EXPECT_EQ(Selected(), 0);  // nothing chosen yet: ChosenLine is 0
    Host.MenuAnswers.push_back({2});
    RunList();
    EXPECT_EQ(Positions(), (std::vector<int>{90}));
    Host.Editor.CursorLine = 12;
    RunList();
    EXPECT_EQ(Selected(), 2);
}

TEST_F(MenuTest, TheLastChoiceIsOneValueForEveryFile)
{
    ThreeItems(0);
    Host.MenuAnswers.push_back({1});
    RunList();
    Types.Add("U", "\\.u$", "^(\\w+)", "\\1");
    Editor("b.u", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p",
                   "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "aa", "bb", "cc", "dd", "ee",
                   "ff", "gg", "hh", "ii", "jj", "kk", "ll", "mm", "nn", "oo", "pp"});
    RunList();
    EXPECT_EQ(Selected(), 40);
}

TEST_F(MenuTest, SortingFoldsCapitalsOnly)
{
    Types.Add("T", "\\.t$", "^\\S+$", "", SortItems);
    Editor("a.t", {"beta", "Alpha", "_init", "zed", "Zebra", "\xe9t\xe9", "alph", "[x]"});
    RunList();
    // "_" (0x5F) and "[" (0x5B) sort before the letters once capitals are folded;
    // bytes above 0x7F after them.
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"[x]", "_init", "alph", "Alpha", "beta", "Zebra",
                                                     "zed", "\xe9t\xe9"}));
}

TEST_F(MenuTest, SortedMenuStillPreselectsByLine)
{
    ThreeItems(SortItems | SelectFromCursor, 95);
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"forty", "ninety", "ten"}));
    EXPECT_EQ(Selected(), 1);  // ninety, line 90
    Host.MenuAnswers.push_back({2});
    RunList();
    EXPECT_EQ(Positions(), (std::vector<int>{10}));
}

TEST_F(MenuTest, ChoosingMovesTheEditorWithTheLineMidWindow)
{
    struct Case {
        int ItemLine, Height, Top;
    };
    for (Case c : {Case{3, 20, 0}, Case{100, 20, 90}, Case{100, 21, 90}, Case{7, 1, 7}, Case{9, 18, 0}}) {
        std::vector<std::string> lines(110, "-");
        lines[c.ItemLine] = "fn item";
        Types.Add("T", "\\.t$", "^fn");
        Editor("a.t", lines, 50, 17);
        Host.Editor.WindowHeight = c.Height;
        Host.MenuAnswers.push_back({0});
        RunList();
        std::vector<EditorCall> writes = EditorWrites();
        ASSERT_EQ(writes.size(), 2u);
        EXPECT_EQ(writes[0].Command, EDITOR_CONVERT_TEXT);
        EXPECT_EQ(writes[1].Command, EDITOR_SET_POSITION);
        const EditorPositionRecord& p = writes[1].Position;
        EXPECT_EQ(p.Line, c.ItemLine);
        EXPECT_EQ(p.Column, 0);
        EXPECT_EQ(p.TabColumn, 0);
        EXPECT_EQ(p.TopScreenLine, c.Top) << "line " << c.ItemLine << " height " << c.Height;
        EXPECT_EQ(p.LeftColumn, 0);
        EXPECT_EQ(p.Overtype, -1);
    }
}

TEST_F(MenuTest, CancellingChangesNothing)
{
    ThreeItems(0);
    Host.MenuAnswers.push_back({1});
    RunList();
    Host.MenuAnswers.push_back({-1});
    RunList();
    EXPECT_TRUE(Positions().empty());
    RunList();
    EXPECT_EQ(Selected(), 1);  // still the choice before the cancelled menu
}

TEST_F(MenuTest, AnswerOutsideTheMenuMovesNothing)
{
    ThreeItems(0);
    Host.MenuAnswers.push_back({3});
    RunList();
    EXPECT_TRUE(Positions().empty());
}

}  // namespace

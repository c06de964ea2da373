// The strings-list scan through the exports: which lines become items, what
// their texts are, and where the scan stops.
#include <string>
#include <vector>

#include "tests/support/strings_list_fixture.h"

namespace {

class ScanTest : public StringsListTest {};

std::vector<std::string> Numbered(int count, const std::string& text)
{
    return std::vector<std::string>(count, text);
}

TEST_F(ScanTest, TemplateTurnsAMatchIntoItsText)
{
    std::vector<std::string> lines(20, "int x;");
    lines[11] = "struct point {";
    lines[15] = "  struct size {";
    Types.Add("C", "\\.c$", "^struct\\s+(\\w+)", "%LINE%: \\1");
    Editor("shapes.c", lines);
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"12: point"}));

    Types.Add("C", "\\.c$", "struct\\s+(\\w+)");  // the same type without a template
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"struct point {", "  struct size {"}));
}

TEST_F(ScanTest, OneItemPerLineFromTheLeftmostMatch)
{
    Types.Add("T", "\\.t$", "(\\d+)", "\\1");
    Editor("a.t", {"x 12 y 34 z 56", "none", "7"});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"12", "7"}));
    EXPECT_EQ(Host.Menus[0].Bottom, "Total 2 items");
}

TEST_F(ScanTest, KeywordsCountLinesItemsAndPercent)
{
    std::vector<std::string> lines = Numbered(200, "-");
    lines[0] = lines[57] = lines[199] = "fn";
    Types.Add("T", "\\.t$", "^fn", "%LINE% %INDEX% %PERCENT% %line%:\\0");
    Editor("a.t", lines);
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"1 1 0% 1:fn", "58 2 28% 58:fn", "200 3 99% 200:fn"}));
}

TEST_F(ScanTest, IndexFollowsScanOrderWhenTheMenuIsSorted)
{
    Types.Add("T", "\\.t$", "^(\\w+)", "\\1 #%INDEX%", SortItems);
    Editor("a.t", {"beta", "Alpha", "_init", "gamma"});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"Alpha #2", "beta #1", "gamma #3"}));
}

TEST_F(ScanTest, PercentInTheLineIsNeverAKeyword)
{
    Types.Add("T", "\\.t$", "^(.*)$", "[\\1] 100%% %bogus%");
    Editor("a.t", {"50% %LINE% done"});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"[50% %LINE% done] 100% "}));
}

TEST_F(ScanTest, ShiftedGroupsFollowTheAlternativeThatMatched)
{
    Types.Add("T", "\\.t$", "(a)|(b)", "[\\1][\\2]", ShiftUnusedParameters);
    Editor("a.t", {"b", "a"});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"[b][]", "[a][]"}));

    Types.Add("T", "\\.t$", "(a)|(b)", "[\\1][\\2]", 0);
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"[][b]", "[a][]"}));
}

TEST_F(ScanTest, ExpansionErrorListsTheItemWithAnEmptyText)
{
    Types.Add("T", "\\.t$", "^x", "\\0 and a lone backslash\\");
    Editor("a.t", {"x1", "y", "x2"});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Host.Menus[0].Bottom, "Total 2 items");
}

TEST_F(ScanTest, EmptyOrBrokenPatternFindsNothing)
{
    Editor("a.t", {"anything", "at all"});
    for (const char* rx : {"", "a**", "[abc", "\\"}) {
        Types.Add("T", "\\.t$", rx, "\\0");
        RunList();
        ExpectNothingFound("a.t");
    }
}

TEST_F(ScanTest, EmptyFileShowsOnlyTheMessage)
{
    Types.Add("T", "\\.t$", "^", "\\0");
    Editor("empty.t", {});
    RunList();
    ExpectNothingFound("empty.t");
}

TEST_F(ScanTest, NoTypeForTheFileFindsNothing)
{
    Types.Add("T", "\\.t$", "^", "\\0");
    Editor("notes.txt", {"a line"});
    RunList();
    ExpectNothingFound("notes.txt");
}

TEST_F(ScanTest, TheThousandTwentyFourthItemEndsTheScanWithAWarning)
{
    Types.Add("T", "\\.t$", "^x", "%LINE%");
    for (int matching : {1023, 1024, 1100}) {
        std::vector<std::string> lines = Numbered(matching, "x");
        lines.push_back("y");
        Editor("a.t", lines);
        RunList();
        int shown = matching < 1024 ? matching : 1024;
        ASSERT_EQ(Host.Menus.size(), 1u) << matching;
        EXPECT_EQ(Host.Menus[0].Items.size(), static_cast<size_t>(shown));
        EXPECT_EQ(Host.Menus[0].Bottom, "Total " + std::to_string(shown) + " items");
        EXPECT_EQ(Host.Menus[0].Texts().back(), std::to_string(shown));
        if (matching < 1024) {
            EXPECT_TRUE(Host.Messages.empty());
            continue;
        }
        ASSERT_EQ(Host.Messages.size(), 1u);
        EXPECT_EQ(Host.Messages[0].Strings,
                  (std::vector<std::string>{"Warning", "Can be only 1024 items", "OK"}));
        EXPECT_EQ(Host.Messages[0].Help, "No topic");
        EXPECT_EQ(Host.Messages[0].Flags, 0u);
        // The warning comes before the menu, and no line after the 1024th is read.
        int lastRead = -1;
        for (const EditorCall& c : Host.EditorCalls)
            if (c.Command == EDITOR_GET_LINE)
                lastRead = c.Line;
        EXPECT_EQ(lastRead, 1023);
        bool warnedFirst = false;
        for (const HostCall& c : Host.Calls) {
            if (c.Kind == HostCall::Message)
                warnedFirst = true;
            if (c.Kind == HostCall::Menu) {
                EXPECT_TRUE(warnedFirst);
            }
        }
    }
}

TEST_F(ScanTest, LongLinesAreSearchedUpTo1023Characters)
{
    std::string longLine = std::string(1022, '-') + "AB" + std::string(500, '-') + "tail";
    Types.Add("T", "\\.t$", "A(B?)", "[\\0]");
    Editor("a.t", {longLine, std::string(1030, '-') + "AB"});
    RunList();
    // The B at column 1023 lies beyond the searched part; the second line's match entirely so.
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"[A]"}));

    // The line is searched where the host keeps it: its end and a word's end
    // are at the cut, not at the B that follows it in memory.
    Types.Add("T", "\\.t$", "(A)>$", "[\\1]");
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"[A]"}));

    Types.Add("T", "\\.t$", "A");  // no template: the item is the whole line, the menu shows 127 bytes
    RunList();
    ASSERT_EQ(MenuTexts().size(), 1u);
    EXPECT_EQ(MenuTexts()[0], longLine.substr(0, 127));
    std::vector<EditorCall> writes = EditorWrites();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].Command, EDITOR_CONVERT_TEXT);
    EXPECT_EQ(writes[0].Text, longLine.substr(0, 127));
}

TEST_F(ScanTest, LongestValuesTheDialogSavesAreUsedWhole)
{
    // Cut at 254 characters, each of these would make a different pattern or template.
    std::string rx = "^" + std::string(300, 'a') + "(\\w+)";
    std::string present;
    while (present.size() < 500)
        present += "%X%";
    present += "<\\1>";
    std::string mask;
    for (int i = 0; i < 126; i++)
        mask += "z?";
    mask += "\\x2et";  // cut at 254 characters, a "\x" without digits: no match
    for (int i = 0; i < 100; i++)
        mask += "z?";
    mask += "$";
    ASSERT_LE(rx.size(), 511u);
    ASSERT_LE(present.size(), 511u);
    ASSERT_LE(mask.size(), 511u);
    Types.Add("T", mask, rx, present);
    Editor("a.t", {std::string(300, 'a') + "foo", std::string(260, 'a')});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"<foo>"}));
}

TEST_F(ScanTest, TheTableIsReadAfreshAtEveryRun)
{
    Editor("a.t", {"one", "two"});
    RunList();
    ExpectNothingFound("a.t");
    Types.Add("T", "\\.t$", "^t");
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"two"}));
    Types.Remove("T");
    RunList();
    ExpectNothingFound("a.t");
}

}  // namespace

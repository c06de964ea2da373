// The search command through the plug-in's exports: the dialog it opens, the
// scan from the cursor through the search range, what a match does to the
// editor and the record that editor events repaint, and the failure message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/plugin_fixture.h"

namespace {

using ::testing::ElementsAre;

// Check boxes of the search dialog, as option bits: item 4 + bit number.
enum { RegExp = 1, Reverse = 2, Case = 4, Whole = 8 };
enum { SearchField = 2, SearchButton = 9, CancelButton = 10 };
const int SearchItem = 1;  // any item but 0 runs the search command

struct Position {
    int Line, Column, Top;
    bool operator==(const Position& o) const { return Line == o.Line && Column == o.Column && Top == o.Top; }
};

std::ostream& operator<<(std::ostream& out, const Position& p)
{
    return out << "{line " << p.Line << ", column " << p.Column << ", top " << p.Top << "}";
}

class SearchCommandTest : public PluginTest {
protected:
    // One run of the command: the user types text, sets the check boxes to
    // options and leaves the dialog through exitItem.
    void Search(const std::string& text, int options, int exitItem = SearchButton)
    {
        Host.ClearCalls();
        Host.DialogAnswers.push_back([=](PluginDialogItem* items, int count) {
            if (count != 11)
                return -1;
            std::snprintf(items[SearchField].Data, sizeof items[SearchField].Data, "%s", text.c_str());
            for (int bit = 0; bit < 4; bit++)
                items[4 + bit].Selected = (options >> bit) & 1;
            return exitItem;
        });
        EXPECT_EQ(OpenPlugin(OPEN_FROM_EDITOR, SearchItem), -1);
    }

    // Where the last run put the cursor, {-1, -1, -1} when it did not move it.
    Position Moved() const
    {
        for (const EditorCall& c : EditorWrites())
            if (c.Command == EDITOR_SET_POSITION)
                return {c.Position.Line, c.Position.Column, c.Position.TopScreenLine};
        return {-1, -1, -1};
    }

    // Repeats the search and follows the cursor, as a user pressing the key again.
    std::vector<Position> SearchAll(const std::string& text, int options, int limit = 20)
    {
        std::vector<Position> found;
        for (int run = 0; run < limit; run++) {
            Search(text, options);
            if (!Host.Messages.empty())
                break;
            found.push_back(Moved());
        }
        return found;
    }

    void ExpectNotFound(const std::string& shown)
    {
        ASSERT_EQ(Host.Messages.size(), 1u);
        const MessageCall& m = Host.Messages[0];
        EXPECT_THAT(m.Strings, ElementsAre("Search", "Could not find the string", "\"" + shown + "\"", "OK"));
        EXPECT_EQ(m.Help, "SearchError");
        EXPECT_EQ(m.Flags, 11u);
        EXPECT_EQ(Moved(), (Position{-1, -1, -1}));
    }

    // The colour commands sent by the last run or event: {line, start, end, colour}.
    std::vector<std::vector<int>> Colours() const
    {
        std::vector<std::vector<int>> colours;
        for (const EditorCall& c : EditorWrites())
            if (c.Command == EDITOR_ADD_COLOR)
                colours.push_back({c.Color.Line, c.Color.StartColumn, c.Color.EndColumn, c.Color.Color});
        return colours;
    }

    std::vector<int> EventCommands()
    {
        Host.ClearCalls();
        EXPECT_EQ(ProcessEditorInput(), 0);
        std::vector<int> commands;
        for (const EditorCall& c : Host.EditorCalls)
            commands.push_back(c.Command);
        return commands;
    }
};

TEST_F(SearchCommandTest, DialogStartsWithTheWordUnderTheCursor)
{
    struct {
        int Column;
        const char* Word;
    } cases[] = {{4, "foo(bar)"}, {1, ""}, {11, "baz"}, {14, "baz"}};
    for (auto c : cases) {
        Editor("a.c", {"  foo(bar) baz"}, 0, c.Column);
        Search("", 0, CancelButton);
        ASSERT_EQ(Host.Dialogs.size(), 1u);
        EXPECT_STREQ(Host.Dialogs[0].Items[SearchField].Data, c.Word) << c.Column;
        EXPECT_EQ(Host.Dialogs[0].Help, "Search");
    }
    Editor("a.c", {" " + std::string(2000, 'w')}, 0, 1500);
    Search("", 0, CancelButton);
    EXPECT_EQ(std::string(Host.Dialogs[0].Items[SearchField].Data), std::string(511, 'w'));
}

TEST_F(SearchCommandTest, CancelOrEscapeDoesNothingMore)
{
    Editor("a.c", {"foo foo"}, 0, 0);
    Search("foo", 0);
    ASSERT_EQ(Moved(), (Position{0, 4, 0}));

    for (int exit : {int(CancelButton), -1}) {
        Search("foo", 0, exit);
        EXPECT_TRUE(Host.Messages.empty()) << exit;
        EXPECT_TRUE(EditorWrites().empty()) << exit;
        // Only the reads of the word under the cursor.
        for (const EditorCall& c : Host.EditorCalls)
            EXPECT_TRUE(c.Command == EDITOR_GET_INFO || c.Command == EDITOR_GET_LINE);
        // The earlier match is still recorded.
        EXPECT_THAT(EventCommands(), ElementsAre(EDITOR_REDRAW, EDITOR_ADD_COLOR));
    }
}

TEST_F(SearchCommandTest, SearchButtonAndEnterInTheFieldBothSearch)
{
    for (int exit : {SearchButton, SearchField}) {
        Editor("a.c", {"x", "one two"}, 0, 0);
        Search("two", 0, exit);
        EXPECT_EQ(Moved(), (Position{1, 4, 0})) << exit;
    }
}

TEST_F(SearchCommandTest, MatchMovesColoursAndIsRepaintedOnEveryEvent)
{
    Editor("a.c", {"int a;", "", "    value = other;"}, 0, 0);
    Search("other", 0);
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(Moved(), (Position{2, 12, 0}));
    auto colours = Colours();
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(std::vector<int>(colours[0].begin(), colours[0].begin() + 3), std::vector<int>({2, 12, 16}));
    EXPECT_NE(colours[0][3], 0) << "a visible colour";

    for (int event = 0; event < 2; event++) {
        EXPECT_THAT(EventCommands(), ElementsAre(EDITOR_REDRAW, EDITOR_ADD_COLOR));
        EXPECT_THAT(Colours(), ElementsAre(std::vector<int>({2, 12, 16, 0})));
    }
}

TEST_F(SearchCommandTest, TopLineIsHalfAWindowAboveTheMatch)
{
    std::vector<std::string> lines(200, "....");
    lines[3] = lines[100] = lines[199] = "hit";
    Editor("a.c", lines, 0, 0);
    Host.Editor.WindowHeight = 21;
    EXPECT_EQ(SearchAll("hit", 0), (std::vector<Position>{{3, 0, 0}, {100, 0, 90}, {199, 0, 189}}));
}

TEST_F(SearchCommandTest, ForwardFromTheCharacterAfterTheCursor)
{
    Editor("a.c", {"foo foo", "  foo", "", "xfoo"}, 0, 0);
    // The match under the cursor is passed over; every repeat finds the next one.
    EXPECT_EQ(SearchAll("foo", 0), (std::vector<Position>{{0, 4, 0}, {1, 2, 0}, {3, 1, 0}}));
    ExpectNotFound("foo");

    Editor("a.c", {"foo foo"}, 0, 3);
    Search("foo", 0);
    EXPECT_EQ(Moved(), (Position{0, 4, 0}));
    Editor("a.c", {"afoo"}, 0, 0);
    Search("foo", 0);
    EXPECT_EQ(Moved(), (Position{0, 1, 0}));
}

TEST_F(SearchCommandTest, ReverseFindsTheNearestMatchBeforeTheCursor)
{
    Editor("a.c", {"foo foo", "  foo", "", "foofoo x"}, 3, 6);
    EXPECT_EQ(SearchAll("foo", Reverse), (std::vector<Position>{{3, 3, 0}, {3, 0, 0}, {1, 2, 0}, {0, 4, 0}, {0, 0, 0}}));
    ExpectNotFound("foo");
}

TEST_F(SearchCommandTest, CaseSensitiveOrNot)
{
    Editor("a.c", {"", "Foo FOO foo"}, 0, 0);
    EXPECT_EQ(SearchAll("foo", Case), (std::vector<Position>{{1, 8, 0}}));
    Editor("a.c", {"", "Foo FOO foo"}, 0, 0);
    EXPECT_EQ(SearchAll("foo", 0), (std::vector<Position>{{1, 0, 0}, {1, 4, 0}, {1, 8, 0}}));
    Editor("a.c", {"", "Foo FOO foo"}, 0, 0);
    EXPECT_EQ(SearchAll("f\\w+", RegExp), (std::vector<Position>{{1, 0, 0}, {1, 4, 0}, {1, 8, 0}}));
}

TEST_F(SearchCommandTest, LiteralTextFindsItsMetacharacters)
{
    // Every character the pattern language gives a meaning, searched as it stands.
    const std::string text = "a.b(c)*{d}@+#?|^$<e>[f]\\g";
    Editor("a.c", {"aXb(c)", "  " + text + " ", "a.b"}, 0, 0);
    Search(text, 0);
    EXPECT_EQ(Moved(), (Position{1, 2, 0}));
    auto colours = Colours();
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(colours[0][2], 2 + static_cast<int>(text.size()) - 1);

    Editor("a.c", {"", "aXb", "a.b"}, 0, 0);
    EXPECT_EQ(SearchAll("a.b", Case), (std::vector<Position>{{2, 0, 0}}));
    Editor("a.c", {"", "aXb", "a.b"}, 0, 0);
    EXPECT_EQ(SearchAll("a.b", Case | RegExp), (std::vector<Position>{{1, 0, 0}, {2, 0, 0}}));
    Editor("a.c", {"", "x) y}"}, 0, 0);
    EXPECT_EQ(SearchAll("y}", Case), (std::vector<Position>{{1, 3, 0}}));
}

TEST_F(SearchCommandTest, WholeWords)
{
    Editor("a.c", {"", "foobar barfoo foo_x foo9 (foo) foo"}, 0, 0);
    // The underscore is no word character, a digit is.
    EXPECT_EQ(SearchAll("foo", Case | Whole), (std::vector<Position>{{1, 14, 0}, {1, 26, 0}, {1, 31, 0}}));
    Editor("a.c", {"", "foobar barfoo foo_x foo9 (foo) foo"}, 0, 0);
    EXPECT_EQ(SearchAll("fo+", Case | Whole | RegExp), (std::vector<Position>{{1, 14, 0}, {1, 26, 0}, {1, 31, 0}}));
    // A lazy repetition is stretched to the word's end rather than cut short.
    Editor("a.c", {"", "x foobar"}, 0, 0);
    Search("f\\w#", Case | Whole | RegExp);
    EXPECT_THAT(Colours(), ElementsAre(ElementsAre(1, 2, 7, ::testing::Ne(0))));
    // A bar stays within the word test; a closing brace that closes no group ends the pattern.
    Editor("a.c", {"", "ab ac"}, 0, 0);
    EXPECT_EQ(SearchAll("ab|c", Case | Whole | RegExp), (std::vector<Position>{{1, 0, 0}, {1, 3, 0}}));
    Editor("a.c", {"", "foox foo}x foo"}, 0, 0);
    EXPECT_EQ(SearchAll("foo}x", Case | Whole | RegExp), (std::vector<Position>{{1, 5, 0}, {1, 11, 0}}));
}

TEST_F(SearchCommandTest, PatternThatDoesNotCompileIsNotFound)
{
    Editor("a.c", {"a**", "[abc"}, 0, 0);
    for (const char* text : {"a**", "[abc", "x\\"}) {
        Search(text, RegExp | Case);
        ExpectNotFound(text);
        Search(text, RegExp | Case | Whole);
        ExpectNotFound(text);
    }
}

TEST_F(SearchCommandTest, EmptySearchTextIsNotFound)
{
    Editor("a.c", {"abc"}, 0, 0);
    for (int options : {0, int(RegExp), int(Whole), RegExp | Whole}) {
        Search("", options);
        ExpectNotFound("");
    }
}

TEST_F(SearchCommandTest, FailureMessageKeepsToTwoLines)
{
    Editor("a.c", {"abc"}, 0, 0);
    Search("a\nb\n\nc\n", 0);
    ExpectNotFound("a b  c ");

    std::string longText(511, 'q');
    Search(longText, 0);
    ExpectNotFound(longText);
}

TEST_F(SearchCommandTest, FailedSearchClearsTheRecord)
{
    Editor("a.c", {"abc abc"}, 0, 0);
    Search("abc", 0);
    ASSERT_EQ(Moved(), (Position{0, 4, 0}));
    Search("abc", 0);
    ExpectNotFound("abc");
    // The old stretch is reset once, and no editor event repaints it again.
    EXPECT_THAT(Colours(), ElementsAre(std::vector<int>({0, 4, 6, 0})));
    EXPECT_TRUE(EventCommands().empty());
}

TEST_F(SearchCommandTest, NewMatchReplacesTheRecord)
{
    Editor("a.c", {"ab ab"}, 0, 0);
    Search("ab", 0);
    Search("ab", Reverse);
    EXPECT_EQ(Moved(), (Position{0, 0, 0}));
    auto colours = Colours();
    ASSERT_EQ(colours.size(), 2u);
    EXPECT_EQ(colours[0], std::vector<int>({0, 3, 4, 0}));
    EXPECT_EQ(std::vector<int>(colours[1].begin(), colours[1].begin() + 3), std::vector<int>({0, 0, 1}));
    EventCommands();
    EXPECT_THAT(Colours(), ElementsAre(std::vector<int>({0, 0, 1, 0})));
}

TEST_F(SearchCommandTest, EmptyMatchMovesTheCursorButRecordsNothing)
{
    Editor("a.c", {"abc", "de"}, 0, 0);
    Search("$", RegExp);
    EXPECT_EQ(Moved(), (Position{0, 3, 0}));
    EXPECT_TRUE(Colours().empty());
    EXPECT_TRUE(EventCommands().empty());
    Search("$", RegExp);
    EXPECT_EQ(Moved(), (Position{1, 2, 0}));
}

TEST_F(SearchCommandTest, BlockLimitsTheSearch)
{
    // Lines 1 to 3 are selected: from column 4 of line 1 to column 2 of line 3.
    Editor("a.c", {"key", "key key", "key", "key key", "key"}, 0, 0);
    Host.Editor.BlockType = 1;
    Host.Editor.BlockStartLine = 1;
    Host.Editor.Selection = {{-1, -1}, {4, 7}, {0, 3}, {0, 2}, {-1, -1}};
    // The cursor before the block: from the block's start; outside its selection nothing is found.
    EXPECT_EQ(SearchAll("key", 0), (std::vector<Position>{{1, 4, 0}, {2, 0, 0}}));
    ExpectNotFound("key");
    // The cursor after the block: backwards from the block's end.
    Host.Editor.CursorLine = 4;
    EXPECT_EQ(SearchAll("key", Reverse), (std::vector<Position>{{2, 0, 0}, {1, 4, 0}}));
}

TEST_F(SearchCommandTest, SelectionEdgesAreTheSubjectsEdges)
{
    Editor("a.c", {"", "xfoo barx", ""}, 0, 0);
    Host.Editor.BlockType = 2;
    Host.Editor.BlockStartLine = 1;
    Host.Editor.Selection = {{-1, -1}, {1, 8}};
    EXPECT_EQ(SearchAll("^foo", RegExp | Case), (std::vector<Position>{{1, 1, 0}}));
    Host.Editor.CursorLine = 0;
    EXPECT_EQ(SearchAll("bar$", RegExp | Case), (std::vector<Position>{{1, 5, 0}}));
    // A negative selection end reaches the end of the line.
    Host.Editor.CursorLine = 0;
    Host.Editor.Selection = {{-1, -1}, {5, -1}};
    EXPECT_EQ(SearchAll("x", Case), (std::vector<Position>{{1, 8, 0}}));
}

TEST_F(SearchCommandTest, BlockWhoseFirstLineHoldsNoSelectionFindsNothing)
{
    // Lines after the first may hold a selection: the block ends at its first line all the same.
    const std::vector<std::pair<int, int>> later = {{-1, -1}, {-1, -1}, {0, 3}};
    for (int start : {1, -5, 99}) {
        for (const auto& selection : {std::vector<std::pair<int, int>>{}, later}) {
            Editor("a.c", {"", "key", "key"}, 0, 0);
            Host.Editor.BlockType = 1;
            Host.Editor.BlockStartLine = start;
            Host.Editor.Selection = selection;
            Search("key", 0);
            SCOPED_TRACE(start);
            ExpectNotFound("key");
            EXPECT_TRUE(EditorWrites().empty());
        }
    }
}

TEST_F(SearchCommandTest, LongLinesAreSearchedWhole)
{
    std::string line(3000, '-');
    line.replace(2500, 6, "needle");
    Editor("a.c", {line, "needle"}, 0, 0);
    EXPECT_EQ(SearchAll("needle", 0), (std::vector<Position>{{0, 2500, 0}, {1, 0, 0}}));
    Editor("a.c", {line}, 0, 2999);
    EXPECT_EQ(SearchAll("ne+dle", RegExp | Reverse), (std::vector<Position>{{0, 2500, 0}}));
}

TEST_F(SearchCommandTest, LongestSearchTextIsFound)
{
    std::string text(511, '.');  // escaped, it doubles
    Editor("a.c", {"", "x" + text}, 0, 0);
    EXPECT_EQ(SearchAll(text, Whole), (std::vector<Position>{}));
    Editor("a.c", {"", "x" + text}, 0, 0);
    EXPECT_EQ(SearchAll(text, 0), (std::vector<Position>{{1, 1, 0}}));
}

TEST_F(SearchCommandTest, SecondRunKeepsTheCheckBoxesAndStartsFromTheNewWord)
{
    Editor("a.c", {"alpha beta", "beta"}, 0, 7);
    Host.DialogAnswers.push_back([](PluginDialogItem* items, int) {
        items[5].Selected = 0;  // "Re&verse search" cleared
        return SearchButton;
    });
    OpenPlugin(OPEN_FROM_EDITOR, SearchItem);
    EXPECT_EQ(Moved(), (Position{1, 0, 0}));
    Host.ClearCalls();
    OpenPlugin(OPEN_FROM_EDITOR, SearchItem);  // the script is empty: Escape
    ASSERT_EQ(Host.Dialogs.size(), 1u);
    EXPECT_EQ(Host.Dialogs[0].Items[5].Selected, 0);
    EXPECT_EQ(Host.Dialogs[0].Items[4].Selected, 1);
    EXPECT_STREQ(Host.Dialogs[0].Items[SearchField].Data, "beta");
}

}  // namespace

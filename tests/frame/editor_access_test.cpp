// Message boxes and the word under the cursor, over a scripted host.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "frame/editor_access.h"
#include "frame/host_services.h"
#include "host/scripted/scripted_host.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class EditorAccessTest : public ::testing::Test {
protected:
    void SetUp() override { CopyStartupInfo(Host.StartupInfo("Software\\t")); }

    std::string WordAt(const std::string& line, int column)
    {
        Host.Editor.Lines = {"first line", line};
        Host.Editor.CursorLine = 1;
        Host.Editor.CursorColumn = column;
        char buffer[WORD_BUFFER_SIZE];
        std::memset(buffer, 'X', sizeof buffer);
        return GetWordAtCursor(buffer);
    }

    ScriptedHost Host;
};

TEST_F(EditorAccessTest, MessageTextIsCutIntoLinesFollowedByTheButtons)
{
    char text[] = "Could not find the string\n\"abc\"";
    EXPECT_EQ(ShowMessage(text, "Search", 0x10, "SearchError", 8), 1);
    ASSERT_EQ(Host.Messages.size(), 1u);
    const MessageCall& m = Host.Messages[0];
    EXPECT_THAT(m.Strings, ElementsAre("Search", "Could not find the string", "\"abc\"", "OK"));
    EXPECT_EQ(m.Buttons, 1);
    EXPECT_EQ(m.Flags, 11u);
    EXPECT_EQ(m.Help, "SearchError");
}

TEST_F(EditorAccessTest, EmptyPiecesAreLinesToo)
{
    char text[] = "a\n\nb\n";
    ShowMessage(text, "T", 0, "h", 0);
    EXPECT_THAT(Host.Messages[0].Strings, ElementsAre("T", "a", "", "b", "", "OK"));
}

TEST_F(EditorAccessTest, NullTextShowsTitleAndButtons)
{
    ShowMessage(nullptr, "T", 4, "h", 0);
    EXPECT_THAT(Host.Messages[0].Strings, ElementsAre("T", "Yes", "No"));
}

TEST_F(EditorAccessTest, ButtonResultsFollowTheButtonSet)
{
    struct Case {
        int Type;
        std::vector<std::string> Buttons;
        std::vector<int> Results;
    } cases[] = {
        {0, {"OK"}, {1}},
        {1, {"OK", "Cancel"}, {1, 2}},
        {2, {"Abort", "Retry", "Ignore"}, {3, 4, 5}},
        {3, {"Yes", "No", "Cancel"}, {6, 7, 2}},
        {4, {"Yes", "No"}, {6, 7}},
        {5, {"Retry", "Cancel"}, {4, 2}},
    };
    for (const Case& c : cases) {
        for (size_t answer = 0; answer < c.Results.size(); answer++) {
            Host.ClearCalls();
            Host.MessageAnswers = {static_cast<int>(answer)};
            EXPECT_EQ(ShowMessage(nullptr, "T", c.Type, "h", 0), c.Results[answer]) << c.Type;
            std::vector<std::string> expected = {"T"};
            expected.insert(expected.end(), c.Buttons.begin(), c.Buttons.end());
            EXPECT_THAT(Host.Messages[0].Strings, ElementsAreArray(expected));
            EXPECT_EQ(Host.Messages[0].Buttons, static_cast<int>(c.Buttons.size()));
        }
        Host.MessageAnswers = {-1};
        EXPECT_EQ(ShowMessage(nullptr, "T", c.Type, "h", 0), 0) << "dismissed";
        Host.MessageAnswers = {static_cast<int>(c.Buttons.size())};
        EXPECT_EQ(ShowMessage(nullptr, "T", c.Type, "h", 0), 0) << "answer past the buttons";
    }
}

TEST_F(EditorAccessTest, TypeBitsAddHostFlags)
{
    struct {
        int Type, HostFlags;
        unsigned Sent;
    } cases[] = {{0, 0, 0}, {0x10, 0, 3}, {0x20, 0, 1}, {0x30, 0, 3}, {0x40, 0, 0}, {0x10, 8, 11}, {0x20, 4, 5}};
    for (auto c : cases) {
        Host.ClearCalls();
        ShowMessage(nullptr, "T", c.Type, "h", c.HostFlags);
        EXPECT_EQ(Host.Messages[0].Flags, c.Sent) << c.Type;
    }
}

TEST_F(EditorAccessTest, NeverMoreThanEightStrings)
{
    char text[] = "1\n2\n3\n4\n5\n6\n7\n8\n9";
    ShowMessage(text, "T", 3, "h", 0);  // three buttons leave room for four lines
    EXPECT_THAT(Host.Messages[0].Strings, ElementsAre("T", "1", "2", "3", "4", "Yes", "No", "Cancel"));
}

TEST_F(EditorAccessTest, TypeOutsideTheTableShowsOK)
{
    for (int type : {6, 15, 0x1F}) {
        Host.ClearCalls();
        Host.MessageAnswers = {0};
        EXPECT_EQ(ShowMessage(nullptr, "T", type, "h", 0), 1);
        EXPECT_THAT(Host.Messages[0].Strings, ElementsAre("T", "OK"));
    }
}

TEST_F(EditorAccessTest, WordAtCursor)
{
    struct {
        const char* Line;
        int Column;
        const char* Word;
    } cases[] = {
        {"  foo(bar) baz", 4, "foo(bar)"},
        {"  foo(bar) baz", 2, "foo(bar)"},
        {"  foo(bar) baz", 9, "foo(bar)"},
        {"  foo(bar) baz", 1, ""},
        {"  foo(bar) baz", 10, ""},
        {"  foo(bar) baz", 11, "baz"},
        {"  foo(bar) baz", 14, "baz"},    // on the NUL: the word before it
        {"  foo(bar) baz", 400, "baz"},   // beyond the end: as on the NUL
        {"abc def", 7, "def"},
        {"abc\tdef", 0, "abc"},
        {"word", -3, "word"},
        {"", 0, ""},
        {"", 5, ""},
        {"   ", 3, ""},                   // on the NUL after blanks: no word
        {"\t\vx", 2, "x"},
    };
    for (auto c : cases)
        EXPECT_EQ(WordAt(c.Line, c.Column), c.Word) << '"' << c.Line << "\" at " << c.Column;
}

TEST_F(EditorAccessTest, LongWordIsCutToTheBuffer)
{
    std::string word(2000, 'w');
    EXPECT_EQ(WordAt(" " + word + " tail", 1500), std::string(WORD_BUFFER_SIZE - 1, 'w'));
}

TEST_F(EditorAccessTest, PositionAndColourCommandsCarryTheirValues)
{
    SetEditorPosition(40, 0, 0, 28, 0, -1);
    ColorEditorText(4, 10, 12, 0);
    ASSERT_EQ(Host.EditorCalls.size(), 2u);
    const EditorPositionRecord& p = Host.EditorCalls[0].Position;
    EXPECT_EQ(Host.EditorCalls[0].Command, EDITOR_SET_POSITION);
    EXPECT_EQ(std::vector<int>({p.Line, p.Column, p.TabColumn, p.TopScreenLine, p.LeftColumn, p.Overtype}),
              std::vector<int>({40, 0, 0, 28, 0, -1}));
    const EditorColorRecord& c = Host.EditorCalls[1].Color;
    EXPECT_EQ(Host.EditorCalls[1].Command, EDITOR_ADD_COLOR);
    EXPECT_EQ(std::vector<int>({c.Line, c.Item, c.StartColumn, c.EndColumn, c.Color}),
              std::vector<int>({4, 0, 10, 12, 0}));
}

}  // namespace

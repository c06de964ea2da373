// The editor the terminal host lends the plug-in: its control commands and
// its cursor keys, on an editor without a screen.
#include <gtest/gtest.h>

#include "frame/plugin_interface.h"
#include "host/terminal/terminal_editor.h"

namespace {

class EditorTest : public ::testing::Test {
protected:
    TerminalEditor Editor;

    void SetUp() override
    {
        Editor.FileName = "main.c";
        std::vector<std::string> lines;
        for (int i = 0; i < 100; i++)
            lines.push_back("line " + std::to_string(i));
        lines[10] = "short";
        lines[11] = "a much longer line";
        Editor.Lines = TextLines(lines);
        Editor.Utf8 = true;
        Editor.ViewHeight = 20;
        Editor.ViewWidth = 10;
    }

    void Press(int code) { Editor.Move({code, {}}); }

    void SetPosition(EditorPositionRecord p) { Editor.Control(EDITOR_SET_POSITION, &p); }
};

TEST_F(EditorTest, AnswersInfoAndLines)
{
    Editor.GoTo(42, 3);
    EditorStateRecord state{};
    Editor.Control(EDITOR_GET_INFO, &state);
    EXPECT_STREQ(state.FileName, "main.c");
    EXPECT_EQ(state.WindowHeight, 20);
    EXPECT_EQ(state.LineCount, 100);
    EXPECT_EQ(state.CursorLine, 42);
    EXPECT_EQ(state.CursorColumn, 3);
    EXPECT_EQ(state.BlockType, 0);

    EditorLineRecord line{};
    line.LineNumber = 11;
    Editor.Control(EDITOR_GET_LINE, &line);
    EXPECT_STREQ(line.Text, "a much longer line");
    EXPECT_LT(line.SelectionStart, 0);
    line.LineNumber = -1;  // the cursor line
    Editor.Control(EDITOR_GET_LINE, &line);
    EXPECT_STREQ(line.Text, "line 42");
    line.LineNumber = 100;
    Editor.Control(EDITOR_GET_LINE, &line);
    EXPECT_STREQ(line.Text, "");
}

TEST_F(EditorTest, SetPositionMovesWhatIsGivenAndKeepsTheCursorInView)
{
    SetPosition({60, 0, 0, 50, 0, -1});
    EXPECT_EQ(Editor.CursorLine, 60);
    EXPECT_EQ(Editor.TopLine, 50);
    SetPosition({-1, 4, -1, -1, -1, -1});
    EXPECT_EQ(Editor.CursorLine, 60);
    EXPECT_EQ(Editor.CursorColumn, 4);
    SetPosition({500, 99, 0, 0, 0, -1});  // past the end: the last line, its end
    EXPECT_EQ(Editor.CursorLine, 99);
    EXPECT_EQ(Editor.CursorColumn, 7);
    EXPECT_EQ(Editor.TopLine, 80);
    SetPosition({5, 0, 0, 95, 0, -1});  // a top that would show empty rows
    EXPECT_EQ(Editor.TopLine, 5);
}

TEST_F(EditorTest, ColoursAddAndColourZeroRemoves)
{
    Editor.AddColor(3, 2, 6, 0x4E);
    Editor.AddColor(3, 4, 5, 0x1F);
    EXPECT_EQ(Editor.ColorAt(3, 1), 0);
    EXPECT_EQ(Editor.ColorAt(3, 3), 0x4E);
    EXPECT_EQ(Editor.ColorAt(3, 4), 0x1F);
    EXPECT_EQ(Editor.ColorAt(3, 6), 0x4E);
    EditorColorRecord reset{3, 0, 0, 10, 0};
    Editor.Control(EDITOR_ADD_COLOR, &reset);
    for (int c = 0; c < 10; c++)
        EXPECT_EQ(Editor.ColorAt(3, c), 0);
    Editor.AddColor(500, 0, 3, 0x4E);  // no such line
    Editor.AddColor(4, 5, 2, 0x4E);    // an empty stretch
    EXPECT_EQ(Editor.ColorAt(4, 3), 0);
}

TEST_F(EditorTest, CursorKeysMoveWithinTheText)
{
    Editor.GoTo(9, 6);
    Press(KeyDown);  // "short": clamped to its end
    EXPECT_EQ(Editor.CursorColumn, 5);
    Press(KeyDown);  // back to the column wanted
    EXPECT_EQ(Editor.CursorColumn, 6);
    Press(KeyHome);
    Press(KeyLeft);  // to the end of the line above
    EXPECT_EQ(Editor.CursorLine, 10);
    EXPECT_EQ(Editor.CursorColumn, 5);
    Press(KeyRight);
    EXPECT_EQ(Editor.CursorLine, 11);
    EXPECT_EQ(Editor.CursorColumn, 0);
    Press(KeyEnd);
    EXPECT_EQ(Editor.CursorColumn, 18);
    EXPECT_EQ(Editor.LeftColumn, 9);  // the view scrolled right
    Press(KeyPageDown);
    EXPECT_EQ(Editor.CursorLine, 30);
    Press(KeyCtrlEnd);
    EXPECT_EQ(Editor.CursorLine, 99);
    EXPECT_EQ(Editor.TopLine, 80);
    Press(KeyCtrlHome);
    EXPECT_EQ(Editor.CursorLine, 0);
    EXPECT_EQ(Editor.CursorColumn, 0);
    EXPECT_EQ(Editor.LeftColumn, 0);
    EXPECT_FALSE(Editor.Move({KeyF2, {}}));
}

TEST_F(EditorTest, ShiftSelectsAStreamBlockThePlugInCanRead)
{
    auto selection = [this](int n) {
        EditorLineRecord line{};
        line.LineNumber = n;
        Editor.Control(EDITOR_GET_LINE, &line);
        return std::make_pair(line.SelectionStart, line.SelectionEnd);
    };
    auto block = [this] {
        EditorStateRecord state{};
        Editor.Control(EDITOR_GET_INFO, &state);
        return std::make_pair(state.BlockType, state.BlockStartLine);
    };
    Editor.GoTo(2, 3);
    EXPECT_EQ(block(), std::make_pair(0, 0));
    Editor.Move({KeyDown, {}, true});
    Editor.Move({KeyDown, {}, true});
    EXPECT_EQ(block(), std::make_pair(1, 2));
    EXPECT_EQ(selection(1), std::make_pair(-1, -1));
    EXPECT_EQ(selection(2), std::make_pair(3, 6));
    EXPECT_EQ(selection(3), std::make_pair(0, 6));
    EXPECT_EQ(selection(4), std::make_pair(0, 3));
    EXPECT_EQ(selection(5), std::make_pair(-1, -1));

    Editor.Move({KeyF2, {}});  // not a cursor key: the block stays
    EXPECT_EQ(block().first, 1);
    Editor.Move({KeyRight, {}});  // a cursor key without Shift drops it
    EXPECT_EQ(block().first, 0);
    EXPECT_EQ(selection(3), std::make_pair(-1, -1));

    // Upwards, and ending at the start of a line, which then holds nothing.
    Editor.GoTo(8, 0);
    Editor.Move({KeyUp, {}, true});
    EXPECT_EQ(block(), std::make_pair(1, 7));
    EXPECT_EQ(selection(7), std::make_pair(0, 6));
    EXPECT_EQ(selection(8), std::make_pair(-1, -1));
}

TEST(EmptyEditorTest, HasNoLinesAndACursorThatStays)
{
    TerminalEditor editor;
    for (int code : {KeyDown, KeyUp, KeyRight, KeyLeft, KeyEnd, KeyCtrlEnd, KeyPageDown})
        editor.Move({code, {}});
    EXPECT_EQ(editor.CursorLine, 0);
    EXPECT_EQ(editor.CursorColumn, 0);
    EditorStateRecord state{};
    editor.Control(EDITOR_GET_INFO, &state);
    EXPECT_EQ(state.LineCount, 0);
    EditorLineRecord line{};
    editor.Control(EDITOR_GET_LINE, &line);
    EXPECT_STREQ(line.Text, "");
}

}  // namespace

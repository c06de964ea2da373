// The editor the terminal host lends the plug-in: the file's lines, the
// cursor and the window over them, the colours the plug-in added, and the
// editor control service that reads and moves them. It never writes the file.
//
// Columns are byte offsets in a line, as the plug-in counts them; only the
// view's left edge is a screen column. The cursor stays on a line that exists
// (line 0 of an empty file) and at most one past the line's last byte.
//
// Cursor keys with Shift select a stream block from where they started to the
// cursor; a cursor key without Shift drops it. The plug-in sees the block as
// its block type, first line and each line's selected columns.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_EDITOR_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_EDITOR_H

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/common/text_lines.h"
#include "host/terminal/terminal_keys.h"

struct ColorSpan {
    int Start, End;  // byte columns, End included
    int Color;
};

class TerminalEditor {
public:
    std::string FileName;
    TextLines Lines;
    bool Utf8 = false;        // how lines are laid out on the screen

    int CursorLine = 0;
    int CursorColumn = 0;
    int TopLine = 0;
    int LeftColumn = 0;       // screen column at the view's left edge
    int ViewHeight = 1;       // text rows
    int ViewWidth = 1;
    bool RedrawRequested = false;

    int LineCount() const { return static_cast<int>(Lines.size()); }
    std::string_view Line(int n) const;  // empty past the text

    // The editor control service: one command and its record.
    int Control(int command, void* record);

    // Cursor keys, with Shift selecting; false for any other key.
    bool Move(const Key& key);
    // The selected columns of a line, start included, end not; false when the
    // line holds no part of the block.
    bool SelectionOf(int line, int& start, int& end) const;
    bool HasSelection() const;
    // 0-based line and byte column, clamped to the text; the view follows.
    void GoTo(int line, int column);
    void KeepCursorVisible();

    // A colour over a stretch of a line; colour 0 is the normal colour and
    // removes what was there.
    void AddColor(int line, int start, int end, int color);
    // The colour of a byte, 0 when it has none.
    int ColorAt(int line, int column) const;

private:
    std::map<int, std::vector<ColorSpan>> Colors;
    int WantedScreenColumn = -1;  // kept across Up and Down
    bool Selecting = false;       // the block runs from the anchor to the cursor
    int AnchorLine = 0, AnchorColumn = 0;

    int ScreenColumnOfCursor() const;
    void MoveVertically(int lines);
    void MoveHorizontally(int direction);
    bool MoveCursor(int code);
    void SetPosition(const struct EditorPositionRecord& position);
    void FillLine(struct EditorLineRecord& line) const;
    void FillState(struct EditorStateRecord& state) const;
};

#endif

// The editor model and its control service; see terminal_editor.h.
#include "host/terminal/terminal_editor.h"

#include <algorithm>

#include "frame/plugin_interface.h"
#include "host/terminal/terminal_text.h"

std::string_view TerminalEditor::Line(int n) const
{
    return n >= 0 && n < LineCount() ? Lines[static_cast<size_t>(n)] : std::string_view();
}

int TerminalEditor::Control(int command, void* record)
{
    switch (command) {
    case EDITOR_GET_LINE: FillLine(*static_cast<EditorLineRecord*>(record)); return 1;
    case EDITOR_GET_INFO: FillState(*static_cast<EditorStateRecord*>(record)); return 1;
    case EDITOR_SET_POSITION: SetPosition(*static_cast<EditorPositionRecord*>(record)); return 1;
    case EDITOR_REDRAW: RedrawRequested = true; return 1;
    case EDITOR_CONVERT_TEXT: return 1;  // the terminal shows the host's character set as it is
    case EDITOR_ADD_COLOR: {
        auto* color = static_cast<EditorColorRecord*>(record);
        AddColor(color->Line < 0 ? CursorLine : color->Line, color->StartColumn, color->EndColumn,
                 color->Color);
        return 1;
    }
    default: return 0;
    }
}

void TerminalEditor::FillLine(EditorLineRecord& line) const
{
    // -1 names the cursor line, as editors do; other lines past the text read as empty.
    int n = line.LineNumber < 0 ? CursorLine : line.LineNumber;
    line.Text = n >= 0 && n < LineCount() ? Lines.CString(static_cast<size_t>(n)) : "";
    int start = -1, end = -1;
    if (!SelectionOf(n, start, end))
        start = end = -1;
    line.SelectionStart = start;
    line.SelectionEnd = end;
}

void TerminalEditor::FillState(EditorStateRecord& state) const
{
    state.FileName = FileName.c_str();
    state.Reserved8 = ViewWidth;
    state.WindowHeight = ViewHeight;
    state.LineCount = LineCount();
    state.CursorLine = CursorLine;
    state.CursorColumn = CursorColumn;
    // Screen column of the cursor, top line, left column, insert mode.
    state.Reserved28[0] = ScreenColumnOfCursor();
    state.Reserved28[1] = TopLine;
    state.Reserved28[2] = LeftColumn;
    state.Reserved28[3] = 0;
    // A stream block, from its first line.
    state.BlockType = HasSelection() ? 1 : 0;
    state.BlockStartLine = HasSelection() ? std::min(AnchorLine, CursorLine) : 0;
}

void TerminalEditor::SetPosition(const EditorPositionRecord& p)
{
    // -1 leaves a value as it is.
    int line = p.Line >= 0 ? p.Line : CursorLine;
    int column = CursorColumn;
    if (p.Column >= 0)
        column = p.Column;
    else if (p.TabColumn >= 0)
        column = LayOutText(Line(line), Utf8).ByteAtColumn(p.TabColumn);
    if (p.TopScreenLine >= 0)
        TopLine = p.TopScreenLine;
    if (p.LeftColumn >= 0)
        LeftColumn = p.LeftColumn;
    GoTo(line, column);
}

void TerminalEditor::GoTo(int line, int column)
{
    CursorLine = std::max(0, std::min(line, LineCount() - 1));
    CursorColumn = std::max(0, std::min(column, static_cast<int>(Line(CursorLine).size())));
    WantedScreenColumn = -1;
    KeepCursorVisible();
}

int TerminalEditor::ScreenColumnOfCursor() const
{
    return LayOutText(Line(CursorLine), Utf8).ColumnOfByte(CursorColumn);
}

void TerminalEditor::KeepCursorVisible()
{
    int height = std::max(1, ViewHeight), width = std::max(1, ViewWidth);
    TopLine = std::max(0, std::min(TopLine, LineCount() - height));
    if (CursorLine < TopLine)
        TopLine = CursorLine;
    if (CursorLine >= TopLine + height)
        TopLine = CursorLine - height + 1;
    int column = ScreenColumnOfCursor();
    LeftColumn = std::max(0, LeftColumn);
    if (column < LeftColumn)
        LeftColumn = column;
    if (column >= LeftColumn + width)
        LeftColumn = column - width + 1;
}

void TerminalEditor::MoveVertically(int lines)
{
    if (WantedScreenColumn < 0)
        WantedScreenColumn = ScreenColumnOfCursor();
    int wanted = WantedScreenColumn;
    CursorLine = std::max(0, std::min(CursorLine + lines, LineCount() - 1));
    TextLayout layout = LayOutText(Line(CursorLine), Utf8);
    CursorColumn = layout.ByteAtColumn(wanted);
    KeepCursorVisible();
    WantedScreenColumn = wanted;
}

void TerminalEditor::MoveHorizontally(int direction)
{
    TextLayout layout = LayOutText(Line(CursorLine), Utf8);
    size_t unit = layout.UnitAtByte(CursorColumn);
    if (direction < 0 && unit > 0) {
        CursorColumn = layout.Units[unit - 1].Byte;
    } else if (direction < 0 && CursorLine > 0) {
        CursorLine--;
        CursorColumn = static_cast<int>(Line(CursorLine).size());
    } else if (direction > 0 && unit < layout.Units.size()) {
        CursorColumn = layout.Units[unit].Byte + layout.Units[unit].Length;
    } else if (direction > 0 && CursorLine + 1 < LineCount()) {
        CursorLine++;
        CursorColumn = 0;
    }
    WantedScreenColumn = -1;
    KeepCursorVisible();
}

bool TerminalEditor::Move(const Key& key)
{
    bool wasSelecting = Selecting;
    if (key.Shift && !Selecting) {
        AnchorLine = CursorLine;
        AnchorColumn = CursorColumn;
    }
    Selecting = key.Shift;
    if (MoveCursor(key.Code))
        return true;
    Selecting = wasSelecting;  // not a cursor key: the block stays
    return false;
}

bool TerminalEditor::MoveCursor(int code)
{
    int page = std::max(1, ViewHeight - 1);
    int end = std::max(0, LineCount() - 1);
    switch (code) {
    case KeyUp: MoveVertically(-1); break;
    case KeyDown: MoveVertically(1); break;
    case KeyPageUp: TopLine -= page; MoveVertically(-page); break;
    case KeyPageDown: TopLine += page; MoveVertically(page); break;
    case KeyLeft: MoveHorizontally(-1); break;
    case KeyRight: MoveHorizontally(1); break;
    case KeyHome: GoTo(CursorLine, 0); break;
    case KeyEnd: GoTo(CursorLine, static_cast<int>(Line(CursorLine).size())); break;
    case KeyCtrlHome: case KeyCtrlPageUp: GoTo(0, 0); break;
    case KeyCtrlEnd: case KeyCtrlPageDown: GoTo(end, static_cast<int>(Line(end).size())); break;
    default: return false;
    }
    return true;
}

bool TerminalEditor::HasSelection() const
{
    return Selecting && (AnchorLine != CursorLine || AnchorColumn != CursorColumn);
}

bool TerminalEditor::SelectionOf(int line, int& start, int& end) const
{
    if (!HasSelection())
        return false;
    bool anchorFirst = AnchorLine < CursorLine || (AnchorLine == CursorLine && AnchorColumn < CursorColumn);
    int firstLine = anchorFirst ? AnchorLine : CursorLine, firstColumn = anchorFirst ? AnchorColumn : CursorColumn;
    int lastLine = anchorFirst ? CursorLine : AnchorLine, lastColumn = anchorFirst ? CursorColumn : AnchorColumn;
    if (line < firstLine || line > lastLine)
        return false;
    start = line == firstLine ? firstColumn : 0;
    end = line == lastLine ? lastColumn : static_cast<int>(Line(line).size());
    // A block ending at the start of a line holds nothing of it.
    return !(line == lastLine && line > firstLine && lastColumn == 0);
}

void TerminalEditor::AddColor(int line, int start, int end, int color)
{
    start = std::max(0, start);
    if (line < 0 || line >= LineCount() || end < start)
        return;
    std::vector<ColorSpan>& spans = Colors[line];
    std::vector<ColorSpan> kept;
    for (const ColorSpan& s : spans) {
        // What lies outside the new stretch stays.
        if (s.Start < start)
            kept.push_back({s.Start, std::min(s.End, start - 1), s.Color});
        if (s.End > end)
            kept.push_back({std::max(s.Start, end + 1), s.End, s.Color});
    }
    if (color != 0)
        kept.push_back({start, end, color});
    spans.swap(kept);
    if (spans.empty())
        Colors.erase(line);
}

int TerminalEditor::ColorAt(int line, int column) const
{
    auto found = Colors.find(line);
    if (found == Colors.end())
        return 0;
    for (const ColorSpan& s : found->second)
        if (column >= s.Start && column <= s.End)
            return s.Color;
    return 0;
}

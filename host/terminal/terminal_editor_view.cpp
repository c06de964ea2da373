// The editor view; see terminal_editor_view.h.
#include "host/terminal/terminal_editor_view.h"

#include <algorithm>
#include <cstdio>

#include "host/terminal/terminal_editor.h"
#include "host/terminal/terminal_screen.h"
#include "host/terminal/terminal_text.h"

namespace {

struct KeyLabel {
    const char* Number;
    const char* Label;
};

const KeyLabel KeyBar[] = {
    {"1", "Help"}, {"2", "Plug-ins"}, {"3", "Search"}, {"9", "Setup"}, {"10", "Quit"},
};

void DrawTextRow(const TerminalEditor& editor, int line, int y, const Rect& clip)
{
    std::string_view text = editor.Line(line);
    TextLayout layout = LayOutText(text, editor.Utf8);
    int normal = StyleAttribute(Style::Text), glyph = StyleAttribute(Style::Glyph);
    int selected = StyleAttribute(Style::Selection);
    int selectionStart = -1, selectionEnd = -1;
    editor.SelectionOf(line, selectionStart, selectionEnd);
    // Only the units that reach the screen are looked at: long lines cost
    // their layout, not their drawing.
    size_t first = layout.UnitAtByte(layout.ByteAtColumn(editor.LeftColumn));
    for (size_t u = first; u < layout.Units.size(); u++) {
        const TextUnit& unit = layout.Units[u];
        int x = unit.Column - editor.LeftColumn;
        if (x >= clip.Width)
            break;
        int color = editor.ColorAt(line, unit.Byte);
        bool escaped = unit.Kind == UnitKind::Control || unit.Kind == UnitKind::Invalid;
        bool inBlock = unit.Byte >= selectionStart && unit.Byte < selectionEnd;
        // The plug-in's colours show over the block, the block over the text.
        int attribute = color ? ColorAttribute(color) : inBlock ? selected : escaped ? glyph : normal;
        PutGlyph(y, clip.Left + x, UnitGlyph(text, unit), unit.Width, attribute, clip);
    }
}

void DrawStatusLine(const TerminalEditor& editor, const std::string& note, int width)
{
    int attribute = StyleAttribute(Style::Status);
    Rect line{0, 0, width, 1};
    FillRect(line, attribute, line);
    char position[64];
    std::snprintf(position, sizeof position, " Ln %d/%d  Col %d ", editor.CursorLine + 1,
                  editor.LineCount(), editor.CursorColumn + 1);
    int positionWidth = TextWidth(position);
    std::string left = note.empty() ? editor.FileName : note;
    // The file name keeps its end when it has to be cut: that is where it differs.
    int room = std::max(0, width - positionWidth - 2);
    int skip = std::max(0, TextWidth(left) - room);
    PutText(0, 1, left, attribute, {1, 0, room, 1}, skip, attribute);
    PutText(0, std::max(0, width - positionWidth), position, attribute, line);
}

void DrawKeyBar(int y, int width)
{
    Rect line{0, y, width, 1};
    FillRect(line, StyleAttribute(Style::KeyNumber), line);
    int x = 0;
    for (const KeyLabel& k : KeyBar) {
        x += PutText(y, x, k.Number, StyleAttribute(Style::KeyNumber), line);
        x += PutText(y, x, k.Label, StyleAttribute(Style::KeyLabel), line);
        x += 1;
    }
}

}  // namespace

void DrawEditorView(TerminalEditor& editor, const std::string& note)
{
    int rows = ScreenRows(), columns = ScreenColumns();
    editor.ViewHeight = std::max(1, rows - 2);
    editor.ViewWidth = std::max(1, columns);
    editor.KeepCursorVisible();

    Rect text{0, 1, columns, std::max(0, rows - 2)};
    FillRect(text, StyleAttribute(Style::Text), text);
    for (int row = 0; row < text.Height; row++) {
        int line = editor.TopLine + row;
        if (line >= editor.LineCount())
            break;
        DrawTextRow(editor, line, text.Top + row, {0, text.Top + row, columns, 1});
    }
    DrawStatusLine(editor, note, columns);
    if (rows > 1)
        DrawKeyBar(rows - 1, columns);

    TextLayout layout = LayOutText(editor.Line(editor.CursorLine), editor.Utf8);
    PlaceCursor(text.Top + editor.CursorLine - editor.TopLine,
                layout.ColumnOfByte(editor.CursorColumn) - editor.LeftColumn);
}

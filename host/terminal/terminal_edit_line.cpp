// An editable line; see terminal_edit_line.h.
#include "host/terminal/terminal_edit_line.h"

#include <algorithm>

#include "host/terminal/terminal_text.h"

void EditLine::SetText(const std::string& text)
{
    size_t cut = std::min(text.size(), Limit);
    // A cut through a character leaves no half of it behind.
    // A character has at most three continuation bytes.
    for (int k = 0; k < 3 && Utf8 && cut > 0 && cut < text.size() &&
                    (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80;
         k++)
        cut--;
    Value = text.substr(0, cut);
    CursorByte = static_cast<int>(Value.size());
    ScrollColumn = 0;
}

int EditLine::PreviousBoundary() const
{
    TextLayout layout = LayOutText(Value, Utf8);
    size_t unit = layout.UnitAtByte(CursorByte);
    return unit > 0 ? layout.Units[unit - 1].Byte : 0;
}

int EditLine::NextBoundary() const
{
    TextLayout layout = LayOutText(Value, Utf8);
    size_t unit = layout.UnitAtByte(CursorByte);
    return unit < layout.Units.size() ? layout.Units[unit].Byte + layout.Units[unit].Length
                                      : static_cast<int>(Value.size());
}

bool EditLine::HandleKey(const Key& key, bool& refused)
{
    refused = false;
    switch (key.Code) {
    case KeyLeft: CursorByte = PreviousBoundary(); return true;
    case KeyRight: CursorByte = NextBoundary(); return true;
    case KeyHome: CursorByte = 0; return true;
    case KeyEnd: CursorByte = static_cast<int>(Value.size()); return true;
    case KeyBackspace: {
        int from = PreviousBoundary();
        Value.erase(from, CursorByte - from);
        CursorByte = from;
        return true;
    }
    case KeyDelete:
        Value.erase(CursorByte, NextBoundary() - CursorByte);
        return true;
    case KeyChar:
        if (Value.size() + key.Text.size() > Limit) {
            refused = true;
            return true;
        }
        Value.insert(CursorByte, key.Text);
        CursorByte += static_cast<int>(key.Text.size());
        return true;
    case KeyCtrl:
        // Ctrl+Y clears the field, as in the file manager's own dialogs.
        if (key.IsCtrl('Y')) {
            Value.clear();
            CursorByte = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

int EditLine::CursorColumn() const
{
    return LayOutText(Value, Utf8).ColumnOfByte(CursorByte);
}

void EditLine::KeepVisible(int width)
{
    width = std::max(1, width);
    int column = CursorColumn();
    if (column < ScrollColumn)
        ScrollColumn = column;
    // One column more than the text: the cursor can stand after its end.
    if (column >= ScrollColumn + width)
        ScrollColumn = column - width + 1;
    ScrollColumn = std::max(0, ScrollColumn);
}

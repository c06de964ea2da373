// One line of editable text, as a dialog's edit field holds it: the text, a
// cursor between characters, and the horizontal scroll that keeps the cursor
// in a field of a given width. Plain logic, no drawing.
//
// Invariants: the cursor is a byte offset at a character boundary of the text,
// and the text never grows beyond Limit bytes.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_EDIT_LINE_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_EDIT_LINE_H

#include <string>

#include "host/terminal/terminal_keys.h"

class EditLine {
public:
    explicit EditLine(size_t limit = 511, bool utf8 = false) : Limit(limit), Utf8(utf8) {}

    const std::string& Text() const { return Value; }
    int Cursor() const { return CursorByte; }
    int Scroll() const { return ScrollColumn; }

    // Replaces the text (cut to the limit at a character boundary); the cursor goes to its end.
    void SetText(const std::string& text);
    // Editing and cursor keys; false for keys it does not use. A character
    // that does not fit is refused, and `refused` says so.
    bool HandleKey(const Key& key, bool& refused);
    // Scrolls so that the cursor shows in a field `width` columns wide.
    void KeepVisible(int width);
    // The cursor's screen column in the text.
    int CursorColumn() const;

private:
    size_t Limit;
    bool Utf8;
    std::string Value;
    int CursorByte = 0;
    int ScrollColumn = 0;

    int PreviousBoundary() const;
    int NextBoundary() const;
};

#endif

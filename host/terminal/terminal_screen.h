// The terminal screen: opening and closing ncurses, the colour scheme, and
// the only drawing primitives the host uses. Every primitive clips to a
// rectangle and to the screen, so nothing is ever drawn outside either, and
// text goes through the cell layout of terminal_text.h, so no byte of a line
// reaches the terminal unescaped.
//
// Boxes are drawn as layers: each open box registers how to draw itself, and
// a resize redraws every layer from the editor view up.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_SCREEN_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_SCREEN_H

#include <functional>
#include <string>
#include <string_view>

enum class Style {
    Text,         // the editor's text
    Glyph,        // ^X and <xx> in the editor's text
    Status,       // the status line
    KeyNumber,    // the key bar's numbers
    KeyLabel,     // the key bar's labels
    Box,          // menus and dialogs
    BoxTitle,
    BoxSelected,  // the menu's selected entry
    BoxHotkey,    // the &-marked letter of a label
    Field,        // an edit field
    FieldFocus,
    ButtonFocus,
    Warning,      // a warning message box
    WarningSelected,
    Selection,    // the editor's selected block
    Count
};

struct Rect {
    int Left = 0, Top = 0, Width = 0, Height = 0;

    int Right() const { return Left + Width; }    // one past
    int Bottom() const { return Top + Height; }   // one past
    bool Contains(int y, int x) const { return y >= Top && y < Bottom() && x >= Left && x < Right(); }
    Rect Intersect(const Rect& other) const;
};

// False, with a message, when the terminal cannot be driven.
bool OpenScreen(std::string& error);
void CloseScreen();
bool ScreenIsOpen();

int ScreenRows();
int ScreenColumns();
Rect WholeScreen();

int StyleAttribute(Style style);
// A console colour attribute (low four bits foreground, next four background)
// as a curses attribute; 0 is the normal text colour.
int ColorAttribute(int color);

void FillRect(const Rect& rect, int attribute, const Rect& clip);

// Draws text at (y, x) from its screen column `skip` on, clipped; answers the
// columns the whole text takes. Control bytes and undecodable bytes appear
// as ^X and <xx> in glyphAttribute (0: the same attribute).
int PutText(int y, int x, std::string_view text, int attribute, const Rect& clip, int skip = 0,
            int glyphAttribute = 0);

// One unit's glyph; a wide glyph cut by the clip becomes spaces.
void PutGlyph(int y, int x, std::string_view glyph, int width, int attribute, const Rect& clip);

// A single or double frame around rect, with a title centred in its top line.
void DrawFrame(const Rect& rect, bool doubleLine, std::string_view title, int attribute,
               int titleAttribute, const Rect& clip);
// A caption centred in a frame's top or bottom line (y), cut to fit.
void DrawBorderCaption(int y, const Rect& rect, std::string_view caption, int attribute, const Rect& clip);
// A scroll mark on a frame: up or down arrow.
void PutArrow(int y, int x, bool up, int attribute, const Rect& clip);
// A horizontal line from x to x + width - 1, with tees where it meets a frame.
void DrawSeparator(int y, int x, int width, bool tees, bool doubleFrame, int attribute, const Rect& clip);

// The columns text takes on the screen.
int TextWidth(std::string_view text);

// Where the terminal cursor goes at the next refresh; hidden when y < 0.
void PlaceCursor(int y, int x);
void RefreshScreen();

// Open boxes register themselves here, bottom first; a resize redraws all.
class ScreenLayer {
public:
    explicit ScreenLayer(std::function<void()> draw);
    ~ScreenLayer();
    ScreenLayer(const ScreenLayer&) = delete;
    ScreenLayer& operator=(const ScreenLayer&) = delete;

private:
    std::function<void()> Draw;
    friend void RedrawLayers();
};

// Draws every layer from the bottom and refreshes.
void RedrawLayers();

#endif

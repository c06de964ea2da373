// The terminal screen over ncurses; see terminal_screen.h.
#include "host/terminal/terminal_screen.h"

#include <algorithm>
#include <cstdlib>
#include <curses.h>
#include <term.h>
#include <map>
#include <vector>

#include "host/terminal/terminal_keys.h"
#include "host/terminal/terminal_text.h"

namespace {

SCREEN* Terminal;
bool Utf8;
int CursorY = -1, CursorX = 0;
std::vector<ScreenLayer*> Layers;
std::map<int, int> ColorPairs;  // console colour -> curses pair
int NextPair = static_cast<int>(Style::Count) + 1;

struct StyleColors {
    short Foreground, Background;
    int Extra;       // attributes added in colour
    int Monochrome;  // the attribute on a terminal without colours
};

// Indexed by Style.
const StyleColors Scheme[] = {
    {-1, -1, 0, A_NORMAL},                          // Text
    {COLOR_MAGENTA, -1, 0, A_BOLD},                 // Glyph
    {COLOR_BLACK, COLOR_CYAN, 0, A_REVERSE},        // Status
    {-1, -1, 0, A_NORMAL},                          // KeyNumber
    {COLOR_BLACK, COLOR_CYAN, 0, A_REVERSE},        // KeyLabel
    {COLOR_BLACK, COLOR_WHITE, 0, A_NORMAL},        // Box
    {COLOR_BLUE, COLOR_WHITE, A_BOLD, A_BOLD},      // BoxTitle
    {COLOR_WHITE, COLOR_BLACK, A_BOLD, A_REVERSE},  // BoxSelected
    {COLOR_RED, COLOR_WHITE, A_UNDERLINE, A_UNDERLINE},  // BoxHotkey
    {COLOR_BLACK, COLOR_CYAN, 0, A_UNDERLINE},      // Field
    {COLOR_WHITE, COLOR_BLUE, A_BOLD, A_REVERSE},   // FieldFocus
    {COLOR_WHITE, COLOR_BLACK, A_BOLD, A_REVERSE},  // ButtonFocus
    {COLOR_WHITE, COLOR_RED, A_BOLD, A_BOLD},       // Warning
    {COLOR_BLACK, COLOR_WHITE, 0, A_REVERSE},       // WarningSelected
    {COLOR_BLACK, COLOR_CYAN, 0, A_REVERSE},        // Selection
};
static_assert(sizeof Scheme / sizeof *Scheme == static_cast<size_t>(Style::Count), "one entry a style");

// Console colour numbers (blue 1, green 2, red 4) to curses colour numbers.
const short ConsoleToCurses[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                  COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

void SetUpColors()
{
    if (!has_colors())
        return;
    start_color();
    use_default_colors();
    for (int s = 0; s < static_cast<int>(Style::Count); s++)
        init_pair(static_cast<short>(s + 1), Scheme[s].Foreground, Scheme[s].Background);
}

}  // namespace

Rect Rect::Intersect(const Rect& other) const
{
    int left = std::max(Left, other.Left), top = std::max(Top, other.Top);
    int right = std::min(Right(), other.Right()), bottom = std::min(Bottom(), other.Bottom());
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

bool OpenScreen(std::string& error)
{
    const char* term = std::getenv("TERM");
    Terminal = newterm(nullptr, stdout, stdin);
    if (!Terminal) {
        error = std::string("cannot drive the terminal type ") + (term && *term ? term : "(TERM is not set)");
        return false;
    }
    // A terminal that cannot place the cursor (dumb, a printer) would get a scrambled screen.
    char* move = tigetstr(const_cast<char*>("cup"));
    if (!move || move == reinterpret_cast<char*>(-1)) {
        endwin();
        delscreen(Terminal);
        Terminal = nullptr;
        error = std::string("the terminal type ") + (term ? term : "") + " cannot place the cursor";
        return false;
    }
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(25);
    SetUpKeys();
    SetUpColors();
    Utf8 = LocaleIsUtf8();
    return true;
}

void CloseScreen()
{
    if (!Terminal)
        return;
    endwin();
    delscreen(Terminal);
    Terminal = nullptr;
}

bool ScreenIsOpen()
{
    return Terminal != nullptr;
}

int ScreenRows()
{
    return LINES;
}

int ScreenColumns()
{
    return COLS;
}

Rect WholeScreen()
{
    return {0, 0, COLS, LINES};
}

int StyleAttribute(Style style)
{
    int s = static_cast<int>(style);
    if (!has_colors())
        return Scheme[s].Monochrome;
    return COLOR_PAIR(s + 1) | Scheme[s].Extra;
}

int ColorAttribute(int color)
{
    color &= 0xFF;
    if (color == 0)
        return StyleAttribute(Style::Text);
    if (!has_colors())
        return A_REVERSE;
    int bright = color & 8 ? A_BOLD : 0;
    auto found = ColorPairs.find(color);
    if (found != ColorPairs.end())
        return COLOR_PAIR(found->second) | bright;
    if (NextPair >= COLOR_PAIRS)
        return A_REVERSE;
    init_pair(static_cast<short>(NextPair), ConsoleToCurses[color & 7], ConsoleToCurses[(color >> 4) & 7]);
    ColorPairs[color] = NextPair;
    return COLOR_PAIR(NextPair++) | bright;
}

void FillRect(const Rect& rect, int attribute, const Rect& clip)
{
    Rect r = rect.Intersect(clip).Intersect(WholeScreen());
    attrset(attribute);
    for (int y = r.Top; y < r.Bottom(); y++)
        mvhline(y, r.Left, ' ', r.Width);
}

void PutGlyph(int y, int x, std::string_view glyph, int width, int attribute, const Rect& clip)
{
    Rect r = clip.Intersect(WholeScreen());
    if (y < r.Top || y >= r.Bottom() || x + width <= r.Left || x >= r.Right())
        return;
    attrset(attribute);
    if (x >= r.Left && x + width <= r.Right()) {
        mvaddnstr(y, x, glyph.data(), static_cast<int>(glyph.size()));
        return;
    }
    // Only part of a wide glyph is inside: show the visible cells blank.
    for (int c = std::max(x, r.Left); c < std::min(x + width, r.Right()); c++)
        mvaddch(y, c, ' ');
}

int PutText(int y, int x, std::string_view text, int attribute, const Rect& clip, int skip,
            int glyphAttribute)
{
    TextLayout layout = LayOutText(text, Utf8);
    Rect r = clip.Intersect(WholeScreen());
    for (const TextUnit& unit : layout.Units) {
        int at = x + unit.Column - skip;
        if (at >= r.Right())
            break;
        if (at + unit.Width <= r.Left)
            continue;
        bool escaped = unit.Kind == UnitKind::Control || unit.Kind == UnitKind::Invalid;
        int attr = escaped && glyphAttribute ? glyphAttribute : attribute;
        PutGlyph(y, at, UnitGlyph(text, unit), unit.Width, attr, r);
    }
    return layout.Width;
}

int TextWidth(std::string_view text)
{
    return LayOutText(text, Utf8).Width;
}

namespace {

void PutLine(int y, int x, const cchar_t* c, const Rect& r)
{
    if (r.Contains(y, x))
        mvadd_wch(y, x, c);
}

}  // namespace

void DrawFrame(const Rect& rect, bool doubleLine, std::string_view title, int attribute,
               int titleAttribute, const Rect& clip)
{
    if (rect.Width < 2 || rect.Height < 2)
        return;
    Rect r = clip.Intersect(WholeScreen());
    attrset(attribute);
    const cchar_t* h = doubleLine ? WACS_D_HLINE : WACS_HLINE;
    const cchar_t* v = doubleLine ? WACS_D_VLINE : WACS_VLINE;
    // Only the visible stretch is walked, however large the frame.
    for (int x = std::max(rect.Left + 1, r.Left); x < std::min(rect.Right() - 1, r.Right()); x++) {
        PutLine(rect.Top, x, h, r);
        PutLine(rect.Bottom() - 1, x, h, r);
    }
    for (int y = std::max(rect.Top + 1, r.Top); y < std::min(rect.Bottom() - 1, r.Bottom()); y++) {
        PutLine(y, rect.Left, v, r);
        PutLine(y, rect.Right() - 1, v, r);
    }
    PutLine(rect.Top, rect.Left, doubleLine ? WACS_D_ULCORNER : WACS_ULCORNER, r);
    PutLine(rect.Top, rect.Right() - 1, doubleLine ? WACS_D_URCORNER : WACS_URCORNER, r);
    PutLine(rect.Bottom() - 1, rect.Left, doubleLine ? WACS_D_LLCORNER : WACS_LLCORNER, r);
    PutLine(rect.Bottom() - 1, rect.Right() - 1, doubleLine ? WACS_D_LRCORNER : WACS_LRCORNER, r);
    DrawBorderCaption(rect.Top, rect, title, titleAttribute, clip);
}

void DrawBorderCaption(int y, const Rect& rect, std::string_view caption, int attribute, const Rect& clip)
{
    if (caption.empty() || rect.Width < 4)
        return;
    // The caption with a space either side, cut to the frame's inner width.
    int width = std::min(TextWidth(caption) + 2, rect.Width - 2);
    int x = rect.Left + (rect.Width - width) / 2;
    Rect area = Rect{x, y, width, 1}.Intersect(clip);
    FillRect(area, attribute, area);
    PutText(y, x + 1, caption, attribute, area.Intersect({x + 1, y, width - 2, 1}));
}

void PutArrow(int y, int x, bool up, int attribute, const Rect& clip)
{
    attrset(attribute);
    PutLine(y, x, up ? WACS_UARROW : WACS_DARROW, clip.Intersect(WholeScreen()));
}

void DrawSeparator(int y, int x, int width, bool tees, bool doubleFrame, int attribute, const Rect& clip)
{
    Rect r = clip.Intersect(WholeScreen());
    attrset(attribute);
    for (int c = std::max(x, r.Left); c < std::min(x + width, r.Right()); c++)
        PutLine(y, c, WACS_HLINE, r);
    if (!tees || width < 2)
        return;
    // A single line meeting a double frame has tees of its own kind in
    // Unicode; elsewhere the plain tees stand in.
    cchar_t left, right;
    if (doubleFrame && Utf8) {
        setcchar(&left, L"\u255F", A_NORMAL, 0, nullptr);
        setcchar(&right, L"\u2562", A_NORMAL, 0, nullptr);
    } else {
        left = *WACS_LTEE;
        right = *WACS_RTEE;
    }
    PutLine(y, x, &left, r);
    PutLine(y, x + width - 1, &right, r);
}

void PlaceCursor(int y, int x)
{
    CursorY = y;
    CursorX = x;
}

void RefreshScreen()
{
    if (CursorY >= 0 && CursorY < LINES && CursorX >= 0 && CursorX < COLS) {
        curs_set(1);
        move(CursorY, CursorX);
    } else {
        curs_set(0);
    }
    refresh();
}

ScreenLayer::ScreenLayer(std::function<void()> draw) : Draw(std::move(draw))
{
    Layers.push_back(this);
}

ScreenLayer::~ScreenLayer()
{
    Layers.erase(std::remove(Layers.begin(), Layers.end(), this), Layers.end());
}

void RedrawLayers()
{
    erase();
    PlaceCursor(-1, 0);
    for (ScreenLayer* layer : Layers)
        layer->Draw();
    RefreshScreen();
}

// The menu service; see terminal_menu.h.
#include "host/terminal/terminal_menu.h"

#include <algorithm>
#include <cstring>

#include "base/ascii.h"
#include "host/terminal/terminal_keys.h"
#include "host/terminal/terminal_message.h"
#include "host/terminal/terminal_screen.h"
#include "host/terminal/terminal_text.h"

namespace {

bool ContainsIgnoringCase(const std::string& text, const std::string& part)
{
    auto equal = [](char a, char b) { return AsciiLower(a) == AsciiLower(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), equal) != text.end();
}

// The bytes of the last character typed into a filter.
size_t LastUnitStart(const std::string& text)
{
    TextLayout layout = LayOutText(text, LocaleIsUtf8());
    return layout.Units.empty() ? 0 : layout.Units.back().Byte;
}

const std::vector<std::string> MenuKeys = {
    "Up, Down, PgUp/PgDn  move",
    "Home, End            first, last",
    "Left, Right          see long entries",
    "Enter                choose",
    "typing               filter",
    "Backspace            widen the filter",
    "Esc                  no choice",
};

class Menu {
public:
    explicit Menu(const MenuRequest& request) : Request(request) {}
    MenuResult Run();

private:
    const MenuRequest& Request;
    std::string Filter;
    std::vector<int> Shown;  // indices into the caller's array
    int Selected = -1;       // index into Shown
    int Top = 0;
    int Shift = 0;           // screen columns the entry texts are scrolled left
    int Widest = 0;          // the widest entry text
    Rect Frame;
    int ListRows = 1;

    bool IsEntry(int shown) const { return !Request.Items[Shown[shown]].Separator; }
    void ApplyFilter(int keepIndex);
    void Step(int from, int direction);
    void Lay();
    void Draw() const;
    bool HandleKey(const Key& key, MenuResult& result);
    int BreakCodeOf(const Key& key) const;
};

void Menu::ApplyFilter(int keepIndex)
{
    Shown = FilterMenuEntries(Request.Items, Request.Count, Request.Flags, Filter);
    Selected = -1;
    for (size_t s = 0; s < Shown.size(); s++)
        if (Shown[s] == keepIndex && IsEntry(static_cast<int>(s)))
            Selected = static_cast<int>(s);
    if (Selected < 0)
        Step(-1, 1);
}

// Moves the selection from `from` towards `direction` to the next entry that
// is not a separator; stays put when there is none.
void Menu::Step(int from, int direction)
{
    int count = static_cast<int>(Shown.size());
    for (int s = from + direction; s >= 0 && s < count; s += direction)
        if (IsEntry(s)) {
            Selected = s;
            return;
        }
}

void Menu::Lay()
{
    int columns = ScreenColumns(), rows = ScreenRows();
    Widest = 0;
    for (int i = 0; i < Request.Count; i++)
        Widest = std::max(Widest, TextWidth(MenuEntryText(Request.Items[i], Request.Flags)));
    int inner = std::max({TextWidth(Request.Title) + 2, TextWidth(Request.Bottom) + 2, Widest, 20});
    int width = std::min(inner + 4, columns);
    int wanted = std::max(1, static_cast<int>(Shown.size()));
    if (Request.MaxHeight > 0)
        wanted = std::min(wanted, Request.MaxHeight);
    int height = std::min(wanted + 2, rows);
    ListRows = std::max(1, height - 2);
    int x = Request.X < 0 ? (columns - width) / 2 : std::min(Request.X, columns - width);
    int y = Request.Y < 0 ? (rows - height) / 2 : std::min(Request.Y, rows - height);
    Frame = {std::max(0, x), std::max(0, y), width, height};
    if (Selected >= 0 && Selected < Top)
        Top = Selected;
    if (Selected >= Top + ListRows)
        Top = Selected - ListRows + 1;
    Top = std::max(0, std::min(Top, static_cast<int>(Shown.size()) - ListRows));
    Shift = std::max(0, std::min(Shift, Widest - (Frame.Width - 4)));
}

void Menu::Draw() const
{
    int box = StyleAttribute(Style::Box), selected = StyleAttribute(Style::BoxSelected);
    FillRect(Frame, box, Frame);
    DrawFrame(Frame, true, Request.Title, box, StyleAttribute(Style::BoxTitle), Frame);
    std::string bottom = Filter.empty() ? Request.Bottom : "Filter: " + Filter;
    DrawBorderCaption(Frame.Bottom() - 1, Frame, bottom, box, Frame);
    Rect list{Frame.Left + 1, Frame.Top + 1, Frame.Width - 2, ListRows};
    if (Shown.empty())
        PutText(list.Top, list.Left + 1, "(nothing matches)", box, list);
    for (int row = 0; row < ListRows && Top + row < static_cast<int>(Shown.size()); row++) {
        int s = Top + row, y = list.Top + row;
        const PluginMenuItem& item = Request.Items[Shown[s]];
        if (item.Separator) {
            DrawSeparator(y, Frame.Left, Frame.Width, true, true, box, Frame);
            continue;
        }
        int attribute = s == Selected ? selected : box;
        Rect line{list.Left, y, list.Width, 1};
        FillRect(line, attribute, line);
        PutText(y, list.Left + 1, MenuEntryText(item, Request.Flags), attribute,
                {list.Left + 1, y, list.Width - 2, 1}, Shift);
    }
    if (Top > 0)
        PutArrow(list.Top, Frame.Right() - 1, true, box, Frame);
    if (Top + ListRows < static_cast<int>(Shown.size()))
        PutArrow(list.Bottom() - 1, Frame.Right() - 1, false, box, Frame);
    PlaceCursor(-1, 0);
}

int Menu::BreakCodeOf(const Key& key) const
{
    int value = BreakKeyValue(key);
    for (size_t b = 0; value && b < Request.BreakKeys.size(); b++)
        if (Request.BreakKeys[b] == value)
            return static_cast<int>(b);
    return -1;
}

bool Menu::HandleKey(const Key& key, MenuResult& result)
{
    int breakCode = BreakCodeOf(key);
    if (breakCode >= 0 || key.Is(KeyEnter)) {
        // Without an entry to act on, a choice means nothing.
        if (Selected < 0)
            return false;
        result = {Shown[Selected], breakCode};
        return true;
    }
    int last = static_cast<int>(Shown.size());
    switch (key.Code) {
    case KeyEsc: case KeyHangUp: result = {-1, -1}; return true;
    case KeyUp: Step(Selected, -1); break;
    case KeyDown: Step(Selected, 1); break;
    case KeyPageUp: Step(std::max(0, Selected - ListRows + 1) + 1, -1); break;
    case KeyPageDown: Step(std::min(last - 1, Selected + ListRows - 1) - 1, 1); break;
    case KeyLeft: Shift -= 8; break;   // entries wider than the box
    case KeyRight: Shift += 8; break;
    case KeyHome: case KeyCtrlHome: Step(-1, 1); break;
    case KeyEnd: case KeyCtrlEnd: Step(last, -1); break;
    case KeyBackspace:
        if (!Filter.empty()) {
            Filter.erase(LastUnitStart(Filter));
            ApplyFilter(Selected >= 0 ? Shown[Selected] : -1);
        }
        break;
    case KeyChar:
        Filter += key.Text;
        ApplyFilter(Selected >= 0 ? Shown[Selected] : -1);
        break;
    case KeyF1:
        ShowHelp(Request.Help.empty() ? "Help" : "Help: " + Request.Help, MenuKeys);
        break;
    default: break;
    }
    return false;
}

MenuResult Menu::Run()
{
    int preselected = 0;
    for (int i = 0; i < Request.Count; i++)
        if (Request.Items[i].Selected) {
            preselected = i;
            break;
        }
    ApplyFilter(preselected);
    ScreenLayer layer([this] { Lay(); Draw(); });
    for (;;) {
        RedrawLayers();
        MenuResult result;
        if (HandleKey(ReadKey(), result))
            return result;
    }
}

}  // namespace

std::string MenuEntryText(const PluginMenuItem& item, unsigned flags)
{
    std::string text(item.Text, strnlen(item.Text, sizeof item.Text));
    if (flags & MenuShowAmpersand)
        return text;
    // "&&" stands for one ampersand; a single one marks the hotkey.
    std::string shown;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            shown += text[i++];
        else if (text[i] != '&')
            shown += text[i];
    }
    return shown;
}

std::vector<int> FilterMenuEntries(const PluginMenuItem* items, int count, unsigned flags,
                                   const std::string& filter)
{
    std::vector<int> shown;
    for (int i = 0; items && i < count; i++) {
        if (filter.empty() || (!items[i].Separator && ContainsIgnoringCase(MenuEntryText(items[i], flags), filter)))
            shown.push_back(i);
    }
    return shown;
}

MenuResult RunMenu(const MenuRequest& request)
{
    return Menu(request).Run();
}

// The dialog service; see terminal_dialog.h.
#include "host/terminal/terminal_dialog.h"

#include <algorithm>
#include <cstring>
#include <curses.h>
#include <vector>

#include "host/terminal/terminal_edit_line.h"
#include "host/terminal/terminal_history.h"
#include "host/terminal/terminal_keys.h"
#include "host/terminal/terminal_message.h"
#include "host/terminal/terminal_screen.h"
#include "host/terminal/terminal_text.h"

namespace {

enum { SingleFrame = 1, EditTextLimit = sizeof(PluginDialogItem::Data) - 1 };

const std::vector<std::string> DialogKeys = {
    "Tab, Shift+Tab     next, previous",
    "Up, Down           earlier texts",
    "                   of a field",
    "Space              toggle, press",
    "Enter              default button",
    "Alt+letter         marked item",
    "Ctrl+Y             clear a field",
    "Esc                cancel",
};

std::string ItemText(const PluginDialogItem& item)
{
    return std::string(item.Data, strnlen(item.Data, sizeof item.Data));
}

// The letter after a single '&', folded to lower case; 0 when none.
char HotkeyOf(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); i++) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            i++;
            continue;
        }
        char c = text[i + 1];
        return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
    }
    return 0;
}

// Text with its '&' marks, the marked letter in its own attribute.
void PutMarkedText(int y, int x, const std::string& text, int attribute, int hotkey, const Rect& clip)
{
    std::string plain;
    int marked = -1;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '&' && i + 1 < text.size()) {
            if (text[i + 1] != '&' && marked < 0)
                marked = static_cast<int>(plain.size());
            i++;
        }
        plain += text[i];
    }
    PutText(y, x, plain, attribute, clip);
    if (marked >= 0 && static_cast<unsigned char>(plain[marked]) < 0x80)
        PutText(y, x + TextWidth(plain.substr(0, marked)), plain.substr(marked, 1), hotkey, clip);
}

std::string ButtonCaption(const PluginDialogItem& item)
{
    return item.DefaultButton ? "{ " + ItemText(item) + " }" : "[ " + ItemText(item) + " ]";
}

class Dialog {
public:
    explicit Dialog(const DialogRequest& request);
    int Run();

private:
    const DialogRequest& Request;
    PluginDialogItem* Items;
    int Count;
    int Width, Height;             // the dialog's own size
    std::vector<EditLine> Edits;   // per item, used by edit fields
    std::vector<HistoryRecall> Recalls;
    std::vector<int> Checks;
    std::vector<int> ButtonX;      // per item: a centred button's column, -1 otherwise
    int Focus = -1;
    int Default = -1;
    Rect Box;                      // on the screen
    int ScrollY = 0;

    bool Is(int i, int type) const { return Items[i].Type == type; }
    bool Focusable(int i) const { return Is(i, DI_EDIT) || Is(i, DI_BUTTON) || Is(i, DI_CHECKBOX); }
    int X(int x) const;            // a dialog column on the screen, scaled to fit
    int Y(int y) const { return Box.Top + std::max(-1, std::min(y, Height)) - ScrollY; }
    int ItemLeft(int i) const;
    int ItemRight(int i) const;    // included
    int ClipRight(int i) const;    // where the item's text must stop, included
    int FieldRight(int i) const;   // an edit field's last column, its history mark after it
    int FrameItem() const;

    void Lay();
    void PlaceButtons();
    void Draw() const;
    void DrawItem(int i) const;
    void DrawSeparatorItem(int i, int attribute) const;
    void MoveFocus(int direction);
    bool Hotkey(const Key& key, int& exit);
    bool HandleKey(const Key& key, int& exit);
    bool HandleItemKey(const Key& key, int& exit);  // keys for the focused item itself
    void WriteBack(int exit);
};

Dialog::Dialog(const DialogRequest& request)
    : Request(request), Items(request.Items), Count(std::max(0, request.Count))
{
    Width = request.X1 < 0 ? request.X2 : request.X2 - request.X1 + 1;
    Height = request.Y1 < 0 ? request.Y2 : request.Y2 - request.Y1 + 1;
    Width = std::max(1, std::min(Width, 1000));
    Height = std::max(1, std::min(Height, 1000));
    bool utf8 = LocaleIsUtf8();
    Edits.assign(Count, EditLine(EditTextLimit, utf8));
    Recalls.resize(Count);
    Checks.assign(Count, 0);
    ButtonX.assign(Count, -1);
    for (int i = 0; i < Count; i++) {
        if (Is(i, DI_EDIT)) {
            Edits[i].SetText(ItemText(Items[i]));
            if ((Items[i].Flags & DIF_HISTORY) && Items[i].History)
                Recalls[i].Entries = LoadHistory(request.RegistryRoot, Items[i].History);
        }
        if (Is(i, DI_CHECKBOX))
            Checks[i] = Items[i].Selected != 0;
        if (Is(i, DI_BUTTON) && Items[i].DefaultButton && Default < 0)
            Default = i;
        if (Focusable(i) && Items[i].Focus && Focus < 0)
            Focus = i;
    }
    if (Focus < 0)
        MoveFocus(1);
}

int Dialog::X(int x) const
{
    // Items placed far outside the dialog are clipped anyway; kept near it, no sum overflows.
    x = std::max(-1, std::min(x, Width));
    // Wider than the screen: every column scaled, so the layout keeps its shape.
    if (Width <= Box.Width || Width < 2)
        return Box.Left + x;
    return Box.Left + x * (Box.Width - 1) / (Width - 1);
}

int Dialog::ItemLeft(int i) const
{
    return ButtonX[i] >= 0 ? ButtonX[i] : X(Items[i].X1);
}

int Dialog::ItemRight(int i) const
{
    if (ButtonX[i] >= 0)
        return ButtonX[i] + TextWidth(ButtonCaption(Items[i])) - 1;
    int x2 = Items[i].X2 >= Items[i].X1 ? Items[i].X2 : Width - 1;
    return X(x2);
}

int Dialog::ClipRight(int i) const
{
    // Text runs on to the next item of its row, or to the dialog's edge.
    int right = Box.Right() - 1;
    int frame = FrameItem();
    if (frame >= 0 && frame != i)
        right = X(Items[frame].X2) - 1;
    for (int j = 0; j < Count; j++)
        if (j != i && Items[j].Y1 == Items[i].Y1 && ItemLeft(j) > ItemLeft(i))
            right = std::min(right, ItemLeft(j) - 2);
    return right;
}

int Dialog::FieldRight(int i) const
{
    // Scaled down, a field could reach the frame: the mark after it stays inside.
    int right = ItemRight(i);
    int frame = FrameItem();
    if (frame >= 0 && (Items[i].Flags & DIF_HISTORY))
        right = std::min(right, X(Items[frame].X2) - 2);
    return right;
}

int Dialog::FrameItem() const
{
    for (int i = 0; i < Count; i++)
        if (Is(i, DI_DOUBLE_FRAME) || Is(i, SingleFrame))
            return i;
    return -1;
}

void Dialog::PlaceButtons()
{
    ButtonX.assign(Count, -1);
    // Buttons marked to be centred share their row, one space apart.
    for (int i = 0; i < Count; i++) {
        if (!Is(i, DI_BUTTON) || !(Items[i].Flags & DIF_SEPARATOR) || ButtonX[i] >= 0)
            continue;
        std::vector<int> row;
        int width = -1;
        for (int j = i; j < Count; j++)
            if (Is(j, DI_BUTTON) && (Items[j].Flags & DIF_SEPARATOR) && Items[j].Y1 == Items[i].Y1) {
                row.push_back(j);
                width += TextWidth(ButtonCaption(Items[j])) + 1;
            }
        int x = Box.Left + std::max(0, (Box.Width - width) / 2);
        for (int j : row) {
            ButtonX[j] = x;
            x += TextWidth(ButtonCaption(Items[j])) + 1;
        }
    }
}

void Dialog::Lay()
{
    int columns = ScreenColumns(), rows = ScreenRows();
    Box.Width = std::min(Width, columns);
    Box.Height = std::min(Height, rows);
    Box.Left = Request.X1 < 0 ? (columns - Box.Width) / 2 : std::max(0, std::min(Request.X1, columns - Box.Width));
    int top = Request.Y1 < 0 ? (rows - Box.Height) / 2 : std::max(0, std::min(Request.Y1, rows - Box.Height));
    Box.Top = top;
    PlaceButtons();
    if (Focus >= 0) {
        int row = std::max(0, std::min(Items[Focus].Y1, Height - 1));
        if (row < ScrollY)
            ScrollY = row;
        if (row >= ScrollY + Box.Height)
            ScrollY = row - Box.Height + 1;
    }
    ScrollY = std::max(0, std::min(ScrollY, Height - Box.Height));
    for (int i = 0; i < Count; i++)
        if (Is(i, DI_EDIT))
            Edits[i].KeepVisible(FieldRight(i) - ItemLeft(i) + 1);
}

void Dialog::DrawSeparatorItem(int i, int attribute) const
{
    int frame = FrameItem();
    int left = frame >= 0 ? X(Items[frame].X1) : ItemLeft(i);
    int right = frame >= 0 ? X(Items[frame].X2) : ItemRight(i);
    int y = Y(Items[i].Y1);
    DrawSeparator(y, left, right - left + 1, frame >= 0, frame >= 0 && Is(frame, DI_DOUBLE_FRAME), attribute, Box);
    std::string text = ItemText(Items[i]);
    if (!text.empty())
        DrawBorderCaption(y, {left, y, right - left + 1, 1}, text, attribute, Box);
}

void Dialog::DrawItem(int i) const
{
    const PluginDialogItem& item = Items[i];
    int box = StyleAttribute(Style::Box), hotkey = StyleAttribute(Style::BoxHotkey);
    int y = Y(item.Y1), left = ItemLeft(i);
    Rect text{left, y, std::max(0, ClipRight(i) - left + 1), 1};
    text = text.Intersect(Box);
    switch (item.Type) {
    case SingleFrame:
    case DI_DOUBLE_FRAME: {
        Rect frame{left, y, ItemRight(i) - left + 1, Y(item.Y2) - y + 1};
        DrawFrame(frame, item.Type == DI_DOUBLE_FRAME, ItemText(item), box, StyleAttribute(Style::BoxTitle), Box);
        break;
    }
    case DI_EDIT: {
        Rect field = Rect{left, y, FieldRight(i) - left + 1, 1}.Intersect(Box);
        int attribute = StyleAttribute(i == Focus ? Style::FieldFocus : Style::Field);
        FillRect(field, attribute, field);
        PutText(y, left, Edits[i].Text(), attribute, field, Edits[i].Scroll());
        if (item.Flags & DIF_HISTORY)
            PutArrow(y, field.Right(), false, box, Box);
        break;
    }
    case DI_CHECKBOX:
        PutText(y, left, Checks[i] ? "[x] " : "[ ] ", box, text);
        PutMarkedText(y, left + 4, ItemText(item), box, hotkey, text);
        break;
    case DI_BUTTON: {
        int attribute = i == Focus ? StyleAttribute(Style::ButtonFocus) : box;
        std::string caption = ButtonCaption(item);
        PutMarkedText(y, left, caption, attribute, i == Focus ? attribute : hotkey, Box);
        break;
    }
    default:
        if (item.Flags & DIF_SEPARATOR)
            DrawSeparatorItem(i, box);
        else
            PutMarkedText(y, left, ItemText(item), box, hotkey, text);
        break;
    }
}

void Dialog::Draw() const
{
    FillRect(Box, StyleAttribute(Style::Box), Box);
    for (int i = 0; i < Count; i++)
        DrawItem(i);
    if (ScrollY > 0)
        PutArrow(Box.Top, Box.Right() - 1, true, StyleAttribute(Style::Box), Box);
    if (ScrollY + Box.Height < Height)
        PutArrow(Box.Bottom() - 1, Box.Right() - 1, false, StyleAttribute(Style::Box), Box);
    PlaceCursor(-1, 0);
    if (Focus < 0)
        return;
    int y = Y(Items[Focus].Y1);
    if (Is(Focus, DI_EDIT))
        PlaceCursor(y, ItemLeft(Focus) + Edits[Focus].CursorColumn() - Edits[Focus].Scroll());
    else if (Is(Focus, DI_CHECKBOX))
        PlaceCursor(y, ItemLeft(Focus) + 1);
    if (!Box.Contains(y, ItemLeft(Focus)))
        PlaceCursor(-1, 0);
}

void Dialog::MoveFocus(int direction)
{
    int start = Focus >= 0 ? Focus : direction > 0 ? Count - 1 : 0;
    for (int step = 1; step <= Count; step++) {
        int i = ((start + direction * step) % Count + Count) % Count;
        if (Focusable(i)) {
            Focus = i;
            return;
        }
    }
}

bool Dialog::Hotkey(const Key& key, int& exit)
{
    char c = key.Text.size() == 1 ? key.Text[0] : 0;
    c = c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
    for (int i = 0; c && i < Count; i++) {
        if (HotkeyOf(ItemText(Items[i])) != c || Is(i, DI_EDIT))
            continue;
        if (Is(i, DI_BUTTON)) {
            exit = i;
            return true;
        }
        if (Is(i, DI_CHECKBOX)) {
            Focus = i;
            Checks[i] = !Checks[i];
            return false;
        }
        // A label gives the focus to the item after it.
        for (int j = i + 1; j < Count; j++)
            if (Focusable(j)) {
                Focus = j;
                break;
            }
        return false;
    }
    return false;
}

bool Dialog::HandleKey(const Key& key, int& exit)
{
    bool edit = Focus >= 0 && Is(Focus, DI_EDIT);
    bool history = edit && (Items[Focus].Flags & DIF_HISTORY);
    switch (key.Code) {
    case KeyEsc: case KeyHangUp: exit = -1; return true;
    case KeyEnter:
        exit = Focus >= 0 && Is(Focus, DI_BUTTON) ? Focus : Default >= 0 ? Default : Focus;
        return true;
    case KeyTab: MoveFocus(1); return false;
    case KeyBackTab: MoveFocus(-1); return false;
    case KeyUp:
        if (!history)
            MoveFocus(-1);
        else if (!Recalls[Focus].Older(Edits[Focus]))
            beep();
        return false;
    case KeyDown:
        if (!history)
            MoveFocus(1);
        else if (!Recalls[Focus].Newer(Edits[Focus]))
            beep();
        return false;
    case KeyAlt: return Hotkey(key, exit);
    case KeyF1: ShowHelp(Request.Help.empty() ? "Help" : "Help: " + Request.Help, DialogKeys); return false;
    default: break;
    }
    return HandleItemKey(key, exit);
}

bool Dialog::HandleItemKey(const Key& key, int& exit)
{
    if (Focus >= 0 && Is(Focus, DI_EDIT)) {
        bool refused = false;
        if (Edits[Focus].HandleKey(key, refused) && refused)
            beep();
        return false;
    }
    if (Focus >= 0 && key.Is(KeyChar) && key.Text == " ") {
        if (Is(Focus, DI_BUTTON)) {
            exit = Focus;
            return true;
        }
        Checks[Focus] = !Checks[Focus];
    } else if (key.Is(KeyLeft) || key.Is(KeyRight)) {
        MoveFocus(key.Is(KeyLeft) ? -1 : 1);
    }
    return false;
}

void Dialog::WriteBack(int exit)
{
    for (int i = 0; i < Count; i++) {
        if (Is(i, DI_EDIT)) {
            const std::string& text = Edits[i].Text();
            std::memcpy(Items[i].Data, text.c_str(), text.size() + 1);
        }
        if (Is(i, DI_CHECKBOX))
            Items[i].Selected = Checks[i];
    }
    // Texts are remembered when the dialog is confirmed: through its default
    // button, or through any item when it has none.
    if (Default >= 0 && exit != Default)
        return;
    for (int i = 0; i < Count; i++)
        if (Is(i, DI_EDIT) && (Items[i].Flags & DIF_HISTORY) && Items[i].History)
            RememberHistory(Request.RegistryRoot, Items[i].History, Edits[i].Text());
}

int Dialog::Run()
{
    if (!Items || Count == 0)
        return -1;
    ScreenLayer layer([this] { Lay(); Draw(); });
    for (;;) {
        RedrawLayers();
        int exit = -1;
        if (HandleKey(ReadKey(), exit)) {
            if (exit >= 0)
                WriteBack(exit);
            return exit;
        }
    }
}

}  // namespace

int RunDialog(const DialogRequest& request)
{
    return Dialog(request).Run();
}

// Message boxes and help boxes; see terminal_message.h.
#include "host/terminal/terminal_message.h"

#include <algorithm>

#include "host/terminal/terminal_keys.h"
#include "host/terminal/terminal_screen.h"
#include "host/terminal/terminal_text.h"

namespace {

struct MessageBox {
    bool Warning = false;
    bool Help = false;                // left-aligned key list, no help of its own
    std::string Title;
    std::vector<std::string> Source;  // as given
    std::vector<std::string> Lines;   // wrapped to the screen
    std::vector<std::string> Buttons;
    int Focus = 0;
    int Scroll = 0;

    Rect Frame;
    int TextRows = 0;

    void Lay();
    void Draw() const;
    int ButtonsWidth() const;
    bool HandleKey(const Key& key, int& answer);
};

std::string ButtonCaption(const std::string& text)
{
    std::string caption = text;
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return "[ " + caption + " ]";
}

int MessageBox::ButtonsWidth() const
{
    int width = 0;
    for (const std::string& b : Buttons)
        width += TextWidth(ButtonCaption(b)) + 1;
    return std::max(0, width - 1);
}

void MessageBox::Lay()
{
    int columns = ScreenColumns(), rows = ScreenRows();
    Lines.clear();
    for (const std::string& line : Source)
        for (std::string& piece : WrapLine(line, std::max(10, columns - 6), LocaleIsUtf8()))
            Lines.push_back(std::move(piece));
    int inner = 0;
    for (const std::string& line : Lines)
        inner = std::max(inner, TextWidth(line));
    inner = std::max({inner, ButtonsWidth(), TextWidth(Title) + 2, 10});
    int width = std::min(inner + 6, columns);
    bool separator = !Buttons.empty() && !Lines.empty();
    int chrome = 2 + (Buttons.empty() ? 0 : 1) + (separator ? 1 : 0);
    int height = std::min(static_cast<int>(Lines.size()) + chrome, rows);
    TextRows = std::max(0, height - chrome);
    Frame = {(columns - width) / 2, (rows - height) / 2, width, height};
    Scroll = std::max(0, std::min(Scroll, static_cast<int>(Lines.size()) - TextRows));
}

void MessageBox::Draw() const
{
    int box = StyleAttribute(Warning ? Style::Warning : Style::Box);
    int selected = StyleAttribute(Warning ? Style::WarningSelected : Style::ButtonFocus);
    Rect clip = Frame;
    FillRect(Frame, box, clip);
    DrawFrame(Frame, true, Title, box, box, clip);
    Rect text{Frame.Left + 3, Frame.Top + 1, Frame.Width - 6, TextRows};
    for (int row = 0; row < TextRows && Scroll + row < static_cast<int>(Lines.size()); row++) {
        const std::string& line = Lines[Scroll + row];
        int x = text.Left + (Help ? 0 : std::max(0, (text.Width - TextWidth(line)) / 2));
        PutText(text.Top + row, x, line, box, text);
    }
    if (Scroll > 0)
        PutArrow(text.Top, Frame.Right() - 1, true, box, clip);
    if (Scroll + TextRows < static_cast<int>(Lines.size()))
        PutArrow(text.Bottom() - 1, Frame.Right() - 1, false, box, clip);
    if (Buttons.empty())
        return;
    int y = Frame.Bottom() - 2;
    if (!Lines.empty())
        DrawSeparator(y - 1, Frame.Left, Frame.Width, true, true, box, clip);
    Rect inner{Frame.Left + 1, y, Frame.Width - 2, 1};
    int x = inner.Left + std::max(0, (inner.Width - ButtonsWidth()) / 2);
    for (size_t b = 0; b < Buttons.size(); b++) {
        std::string caption = ButtonCaption(Buttons[b]);
        x += PutText(y, x, caption, static_cast<int>(b) == Focus ? selected : box, inner) + 1;
    }
    PlaceCursor(-1, 0);
}

// A button's letter: the one after '&', else its first character.
char ButtonLetter(const std::string& caption)
{
    size_t amp = caption.find('&');
    char c = amp != std::string::npos && amp + 1 < caption.size() ? caption[amp + 1] : caption.empty() ? 0 : caption[0];
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

bool MessageBox::HandleKey(const Key& key, int& answer)
{
    int count = static_cast<int>(Buttons.size());
    int lines = static_cast<int>(Lines.size());
    switch (key.Code) {
    case KeyEsc: case KeyHangUp: answer = -1; return true;
    case KeyEnter: answer = count ? Focus : -1; return true;
    case KeyLeft: case KeyBackTab: Focus = count ? (Focus + count - 1) % count : 0; break;
    case KeyRight: case KeyTab: Focus = count ? (Focus + 1) % count : 0; break;
    case KeyUp: Scroll--; break;
    case KeyDown: Scroll++; break;
    case KeyPageUp: Scroll -= std::max(1, TextRows - 1); break;
    case KeyPageDown: Scroll += std::max(1, TextRows - 1); break;
    case KeyHome: case KeyCtrlHome: Scroll = 0; break;
    case KeyEnd: case KeyCtrlEnd: Scroll = lines; break;
    case KeyChar: {
        char c = key.Text.size() == 1 ? key.Text[0] : 0;
        c = c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
        for (int b = 0; c && b < count; b++)
            if (ButtonLetter(Buttons[b]) == c) {
                answer = b;
                return true;
            }
        break;
    }
    default: break;
    }
    return false;
}

const std::vector<std::string> MessageKeys = {
    "Left, Right, Tab   pick a button",
    "Enter              choose it",
    "a letter           its button",
    "Up, Down, PgUp     scroll the text",
    "Esc                no choice",
};

int RunBox(MessageBox& box)
{
    box.Lay();
    ScreenLayer layer([&box] { box.Lay(); box.Draw(); });
    RedrawLayers();
    if (box.Buttons.empty())
        return -1;
    for (;;) {
        Key key = ReadKey();
        int answer = -1;
        if (key.Is(KeyF1) && !box.Help)
            ShowHelp("Help", MessageKeys);
        else if (box.HandleKey(key, answer))
            return answer;
        RedrawLayers();
    }
}

}  // namespace

std::vector<std::string> WrapLine(const std::string& line, int width, bool utf8)
{
    std::vector<std::string> pieces;
    TextLayout layout = LayOutText(line, utf8);
    width = std::max(1, width);
    size_t start = 0;  // unit where the current piece starts
    while (start < layout.Units.size()) {
        int origin = layout.Units[start].Column;
        size_t end = start, lastSpace = 0;
        while (end < layout.Units.size() && layout.Units[end].Column + layout.Units[end].Width - origin <= width) {
            if (line[layout.Units[end].Byte] == ' ')
                lastSpace = end;
            end++;
        }
        if (end == start)
            end = start + 1;  // a unit wider than the box still goes somewhere
        else if (end < layout.Units.size() && lastSpace > start)
            end = lastSpace + 1;
        int from = layout.Units[start].Byte;
        int to = end < layout.Units.size() ? layout.Units[end].Byte : layout.Bytes;
        pieces.push_back(line.substr(from, to - from));
        start = end;
    }
    if (pieces.empty())
        pieces.push_back({});
    return pieces;
}

int RunMessage(unsigned flags, const std::string& title, const std::vector<std::string>& lines,
               const std::vector<std::string>& buttons)
{
    MessageBox box;
    box.Warning = flags & MessageWarning;
    box.Title = title;
    box.Buttons = buttons;
    box.Source = lines;
    return RunBox(box);
}

void ShowHelp(const std::string& title, const std::vector<std::string>& lines)
{
    MessageBox box;
    box.Help = true;
    box.Title = title;
    box.Buttons = {"OK"};
    box.Source = lines;
    RunBox(box);
}

// Reading keys from ncurses and naming them; see terminal_keys.h.
#include "host/terminal/terminal_keys.h"

#include <curses.h>

#include <vector>

#include "host/terminal/terminal_text.h"

namespace {

// Codes of our own for sequences taught to ncurses with define_key.
enum { DefinedBase = KEY_MAX + 1 };

struct DefinedSequence {
    const char* Sequence;
    int Code;
    bool Shift;
};

// What xterm-like terminals, tmux and the Linux console send for the modified
// keys that terminfo descriptions often lack.
const DefinedSequence Sequences[] = {
    {"\033[1;5H", KeyCtrlHome, false},    {"\033[1;5F", KeyCtrlEnd, false},
    {"\033[7^", KeyCtrlHome, false},      {"\033[8^", KeyCtrlEnd, false},
    {"\033[5;5~", KeyCtrlPageUp, false},  {"\033[6;5~", KeyCtrlPageDown, false},
    {"\033[Z", KeyBackTab, false},        {"\033[1~", KeyHome, false},
    {"\033[4~", KeyEnd, false},           {"\033[H", KeyHome, false},
    {"\033[F", KeyEnd, false},            {"\033OH", KeyHome, false},
    {"\033OF", KeyEnd, false},            {"\033[7~", KeyHome, false},
    {"\033[8~", KeyEnd, false},           {"\033[1;2A", KeyUp, true},
    {"\033[1;2B", KeyDown, true},         {"\033[1;2C", KeyRight, true},
    {"\033[1;2D", KeyLeft, true},         {"\033[1;2H", KeyHome, true},
    {"\033[1;2F", KeyEnd, true},          {"\033[5;2~", KeyPageUp, true},
    {"\033[6;2~", KeyPageDown, true},
};

struct CursesKey {
    int Curses;
    int Code;
    bool Shift;
};

const CursesKey CursesKeys[] = {
    {KEY_UP, KeyUp, false},           {KEY_DOWN, KeyDown, false},
    {KEY_LEFT, KeyLeft, false},       {KEY_RIGHT, KeyRight, false},
    {KEY_HOME, KeyHome, false},       {KEY_END, KeyEnd, false},
    {KEY_PPAGE, KeyPageUp, false},    {KEY_NPAGE, KeyPageDown, false},
    {KEY_IC, KeyInsert, false},       {KEY_DC, KeyDelete, false},
    {KEY_BACKSPACE, KeyBackspace, false}, {KEY_ENTER, KeyEnter, false},
    {KEY_BTAB, KeyBackTab, false},    {KEY_RESIZE, KeyResize, false},
    {KEY_FIND, KeyHome, false},       {KEY_SELECT, KeyEnd, false},
    {KEY_A1, KeyHome, false},         {KEY_C1, KeyEnd, false},
    {KEY_A3, KeyPageUp, false},       {KEY_C3, KeyPageDown, false},
    {KEY_SR, KeyUp, true},            {KEY_SF, KeyDown, true},
    {KEY_SLEFT, KeyLeft, true},       {KEY_SRIGHT, KeyRight, true},
    {KEY_SHOME, KeyHome, true},       {KEY_SEND, KeyEnd, true},
    {KEY_SPREVIOUS, KeyPageUp, true}, {KEY_SNEXT, KeyPageDown, true},
};

struct VirtualKeyCode {
    int Code;
    int Vk;
};

const VirtualKeyCode VirtualKeys[] = {
    {KeyEnter, 0x0D},    {KeyEsc, 0x1B},      {KeyTab, 0x09},      {KeyBackTab, 0x09},
    {KeyBackspace, 0x08}, {KeyUp, 0x26},      {KeyDown, 0x28},     {KeyLeft, 0x25},
    {KeyRight, 0x27},    {KeyHome, 0x24},     {KeyEnd, 0x23},      {KeyPageUp, 0x21},
    {KeyPageDown, 0x22}, {KeyCtrlHome, 0x24}, {KeyCtrlEnd, 0x23},  {KeyCtrlPageUp, 0x21},
    {KeyCtrlPageDown, 0x22}, {KeyInsert, 0x2D}, {KeyDelete, 0x2E},
};

Key FromCurses(int c)
{
    if (c >= DefinedBase && c < DefinedBase + static_cast<int>(sizeof Sequences / sizeof *Sequences))
        return {Sequences[c - DefinedBase].Code, {}, Sequences[c - DefinedBase].Shift};
    if (c >= KEY_F(1) && c <= KEY_F(12))
        return {KeyF1 + (c - KEY_F(1)), {}};
    for (const CursesKey& k : CursesKeys)
        if (k.Curses == c)
            return {k.Code, {}, k.Shift};
    return {};
}

Key FromCharacter(wint_t c)
{
    switch (c) {
    case '\r':
    case '\n':
        return {KeyEnter, {}};
    case '\t':
        return {KeyTab, {}};
    case 8:
    case 127:
        return {KeyBackspace, {}};
    case 27:
        return {KeyEsc, {}};
    default:
        break;
    }
    if (c >= 1 && c <= 26)
        return {KeyCtrl, std::string(1, static_cast<char>('A' + c - 1))};
    if (c < 32)
        return {};
    return {KeyChar, EncodeTyped(static_cast<wchar_t>(c))};
}

struct RawKey {
    int Kind;  // OK, KEY_CODE_YES or ERR
    wint_t Value;
};

RawKey ReadRaw()
{
    RawKey raw{ERR, 0};
    raw.Kind = get_wch(&raw.Value);
    return raw;
}

Key FromRaw(const RawKey& raw)
{
    if (raw.Kind == KEY_CODE_YES)
        return FromCurses(static_cast<int>(raw.Value));
    if (raw.Kind == ERR)
        return {};
    return FromCharacter(raw.Value);
}

}  // namespace

void SetUpKeys()
{
    int n = 0;
    for (const DefinedSequence& s : Sequences) {
        if (key_defined(s.Sequence) == 0)
            define_key(s.Sequence, DefinedBase + n);
        n++;
    }
}

Key ReadKey()
{
    Key key;
    while (key.Code == KeyNone) {
        RawKey raw = ReadRaw();
        // A blocking read fails only when the terminal has gone away.
        if (raw.Kind == ERR)
            return {KeyHangUp, {}};
        key = FromRaw(raw);
    }
    if (key.Code != KeyEsc)
        return key;
    // Esc and a character at once is how terminals send Alt+character.
    nodelay(stdscr, TRUE);
    RawKey next = ReadRaw();
    nodelay(stdscr, FALSE);
    Key second = FromRaw(next);
    if (second.Code == KeyChar)
        return {KeyAlt, second.Text};
    if (next.Kind == KEY_CODE_YES)
        ungetch(static_cast<int>(next.Value));
    else if (next.Kind != ERR)
        unget_wch(static_cast<wchar_t>(next.Value));
    return key;
}

// Keys put back at once: ncurses holds about a hundred bytes of them, and a
// character may take four.
const size_t HeldKeysLimit = 24;

bool EscPressed()
{
    std::vector<RawKey> waiting;
    nodelay(stdscr, TRUE);
    for (RawKey raw = ReadRaw(); raw.Kind != ERR && waiting.size() < HeldKeysLimit; raw = ReadRaw())
        waiting.push_back(raw);
    nodelay(stdscr, FALSE);
    bool esc = false;
    for (size_t i = 0; i < waiting.size(); i++) {
        if (FromRaw(waiting[i]).Code != KeyEsc)
            continue;
        if (i + 1 < waiting.size() && FromRaw(waiting[i + 1]).Code == KeyChar)
            i++;  // Alt+character
        else
            esc = true, waiting.erase(waiting.begin() + long(i--));
    }
    // ncurses gives back the last key put back first.
    for (size_t i = waiting.size(); i-- > 0;)
        if (waiting[i].Kind == KEY_CODE_YES)
            ungetch(static_cast<int>(waiting[i].Value));
        else
            unget_wch(static_cast<wchar_t>(waiting[i].Value));
    return esc;
}

int VirtualKey(const Key& key)
{
    if (key.Code >= KeyF1 && key.Code <= KeyF12)
        return 0x70 + (key.Code - KeyF1);
    for (const VirtualKeyCode& k : VirtualKeys)
        if (k.Code == key.Code)
            return k.Vk;
    if ((key.Code == KeyChar || key.Code == KeyCtrl) && key.Text.size() == 1) {
        char c = key.Text[0];
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 'A';
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')
            return c;
    }
    return 0;
}

int BreakKeyValue(const Key& key)
{
    int vk = VirtualKey(key);
    if (key.Code == KeyAlt && key.Text.size() == 1) {
        char c = key.Text[0];
        vk = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
        return vk | BreakKeyAlt;
    }
    if (vk == 0)
        return 0;
    bool capital = key.Code == KeyChar && key.Text.size() == 1 && key.Text[0] >= 'A' && key.Text[0] <= 'Z';
    if (key.Code == KeyBackTab || capital || key.Shift)
        vk |= BreakKeyShift;
    if (key.Code == KeyCtrl || key.Code == KeyCtrlHome || key.Code == KeyCtrlEnd ||
        key.Code == KeyCtrlPageUp || key.Code == KeyCtrlPageDown)
        vk |= BreakKeyControl;
    return vk;
}

EditorKeyEvent MakeEditorKeyEvent(const Key& key)
{
    EditorKeyEvent event{};
    event.EventType = 1;
    event.KeyDown = 1;
    event.RepeatCount = 1;
    event.VirtualKeyCode = static_cast<unsigned short>(VirtualKey(key));
    if (key.Code == KeyChar && key.Text.size() == 1)
        event.Character = static_cast<unsigned char>(key.Text[0]);
    const unsigned LeftCtrlPressed = 0x0008, ShiftPressed = 0x0010;
    if (key.Shift || key.Code == KeyBackTab)
        event.ControlKeyState |= ShiftPressed;
    if (key.Code == KeyCtrl || key.Code == KeyCtrlHome || key.Code == KeyCtrlEnd ||
        key.Code == KeyCtrlPageUp || key.Code == KeyCtrlPageDown)
        event.ControlKeyState |= LeftCtrlPressed;
    return event;
}

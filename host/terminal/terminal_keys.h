// Keys as the terminal host understands them: read from ncurses (function and
// cursor keys, the modified forms terminals send for Ctrl+Home and the like,
// Alt+letter as Esc and the letter), named, and translated to the Windows
// virtual-key codes in which the plug-in writes its break keys.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_KEYS_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_KEYS_H

#include <string>

enum KeyCode {
    KeyNone,
    KeyChar,       // Text holds the typed character's bytes
    KeyCtrl,       // Ctrl+letter; Text holds the capital letter
    KeyAlt,        // Alt+character; Text holds the character
    KeyEnter,
    KeyEsc,
    KeyTab,
    KeyBackTab,
    KeyBackspace,
    KeyUp,
    KeyDown,
    KeyLeft,
    KeyRight,
    KeyHome,
    KeyEnd,
    KeyPageUp,
    KeyPageDown,
    KeyCtrlHome,
    KeyCtrlEnd,
    KeyCtrlPageUp,
    KeyCtrlPageDown,
    KeyInsert,
    KeyDelete,
    KeyResize,
    KeyHangUp,     // the terminal is gone: boxes cancel, the editor quits
    KeyF1,  // KeyF1 + n - 1 is Fn, up to F12
    KeyF2, KeyF3, KeyF4, KeyF5, KeyF6, KeyF7, KeyF8, KeyF9, KeyF10, KeyF11, KeyF12,
};

struct Key {
    int Code = KeyNone;
    std::string Text;
    bool Shift = false;  // cursor keys with Shift, which select

    bool Is(int code) const { return Code == code; }
    bool IsCtrl(char letter) const { return Code == KeyCtrl && Text.size() == 1 && Text[0] == letter; }
};

// Teaches ncurses the sequences it may not know for the current terminal.
void SetUpKeys();

// Waits for the next key; a terminal resize arrives as KeyResize.
Key ReadKey();

// Whether Esc, alone, has been pressed, without waiting: reads what the
// terminal has sent so far and puts back every other key, in order, for the
// next ReadKey (Alt+character, which comes as Esc and the character, too).
bool EscPressed();

// The Windows virtual-key code of a key, 0 when it has none.
int VirtualKey(const Key& key);

// A key as plug-ins write it in break-key lists: the virtual-key code and,
// above it, the modifier bits.
enum { BreakKeyControl = 1 << 16, BreakKeyAlt = 2 << 16, BreakKeyShift = 4 << 16 };
int BreakKeyValue(const Key& key);

// What the host hands ProcessEditorInput for a key: a key event, laid out as
// a console key record (the plug-in does not read it).
struct EditorKeyEvent {
    unsigned short EventType;  // 1: key event
    unsigned short Padding;
    int KeyDown;
    unsigned short RepeatCount;
    unsigned short VirtualKeyCode;
    unsigned short VirtualScanCode;
    unsigned short Character;
    unsigned ControlKeyState;
};

EditorKeyEvent MakeEditorKeyEvent(const Key& key);

#endif

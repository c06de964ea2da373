// How the bytes of a line become screen cells. Every byte belongs to exactly
// one unit: a printable character (a valid UTF-8 sequence of positive width in
// a UTF-8 locale, or an ASCII byte), a tab, a control byte shown as ^X, or a
// byte that cannot be shown as it is, shown as <xx>. Units never overlap, so
// whatever the bytes, the terminal only ever receives printable text and the
// columns the view computes are the columns the terminal draws.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_TEXT_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_TEXT_H

#include <string>
#include <string_view>
#include <vector>

enum class UnitKind { Plain, Tab, Control, Invalid };

struct TextUnit {
    int Byte;    // first byte of the unit
    int Length;  // bytes
    int Column;  // first screen column
    int Width;   // screen columns
    UnitKind Kind;
};

struct TextLayout {
    std::vector<TextUnit> Units;
    int Width = 0;  // columns of the whole text
    int Bytes = 0;

    // The unit holding a byte; Units.size() at or past the end.
    size_t UnitAtByte(int byte) const;
    // The screen column where a byte's unit starts; Width at or past the end.
    int ColumnOfByte(int byte) const;
    // The first byte of the unit covering a column; Bytes past the end.
    int ByteAtColumn(int column) const;
};

enum { TabSize = 8 };

// utf8: whether the terminal's locale is UTF-8; otherwise bytes above 0x7F
// are shown as <xx>, which is safe everywhere.
TextLayout LayOutText(std::string_view text, bool utf8);

// What the terminal receives for a unit: the bytes themselves, spaces for a
// tab, ^X or <xx>.
std::string UnitGlyph(std::string_view text, const TextUnit& unit);

// Set once the locale is chosen; LayOutText callers pass it on.
bool LocaleIsUtf8();

// The bytes of a character typed in the terminal, in the locale's encoding.
std::string EncodeTyped(wchar_t c);

#endif

// Bytes to screen cells; see terminal_text.h for the invariant.
#include "host/terminal/terminal_text.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <langinfo.h>

namespace {

// Length and code point of a valid UTF-8 sequence at text[i], or 0 when the
// bytes there are not one (overlong forms, surrogates and values past
// U+10FFFF included).
int DecodeUtf8(std::string_view text, size_t i, char32_t& cp)
{
    unsigned char b = text[i];
    int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    if (length == 0 || b > 0xF4 || i + length > text.size())
        return 0;
    cp = b & (0x3F >> (length - 1));
    for (int k = 1; k < length; k++) {
        unsigned char c = text[i + k];
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    static const char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

TextUnit NextUnit(std::string_view text, size_t i, int column, bool utf8)
{
    int byte = static_cast<int>(i);
    unsigned char b = text[i];
    if (b == '\t')
        return {byte, 1, column, TabSize - column % TabSize, UnitKind::Tab};
    if (b < 0x20 || b == 0x7F)
        return {byte, 1, column, 2, UnitKind::Control};
    if (b < 0x80)
        return {byte, 1, column, 1, UnitKind::Plain};
    char32_t cp = 0;
    int length = utf8 ? DecodeUtf8(text, i, cp) : 0;
    // Zero-width and unprintable characters (combining marks, C1 controls,
    // direction overrides) would move or hide neighbours: shown as bytes.
    int width = length ? wcwidth(static_cast<wchar_t>(cp)) : -1;
    if (width <= 0)
        return {byte, 1, column, 4, UnitKind::Invalid};
    return {byte, length, column, width, UnitKind::Plain};
}

// The unit whose span [start, start + size) holds value, or units.size(): the
// units lie end to end, so their starts are in order.
size_t FindUnit(const std::vector<TextUnit>& units, int value, int TextUnit::*start, int TextUnit::*size)
{
    auto after = std::upper_bound(units.begin(), units.end(), value,
                                  [&](int v, const TextUnit& u) { return v < u.*start; });
    if (after == units.begin() || value >= after[-1].*start + after[-1].*size)
        return units.size();
    return static_cast<size_t>(after - units.begin() - 1);
}

}  // namespace

size_t TextLayout::UnitAtByte(int byte) const
{
    return FindUnit(Units, byte, &TextUnit::Byte, &TextUnit::Length);
}

int TextLayout::ColumnOfByte(int byte) const
{
    size_t u = UnitAtByte(byte);
    return u < Units.size() ? Units[u].Column : Width;
}

int TextLayout::ByteAtColumn(int column) const
{
    size_t u = FindUnit(Units, column, &TextUnit::Column, &TextUnit::Width);
    return u < Units.size() ? Units[u].Byte : Bytes;
}

TextLayout LayOutText(std::string_view text, bool utf8)
{
    TextLayout layout;
    layout.Bytes = static_cast<int>(text.size());
    int column = 0;
    for (size_t i = 0; i < text.size();) {
        TextUnit unit = NextUnit(text, i, column, utf8);
        layout.Units.push_back(unit);
        column += unit.Width;
        i += unit.Length;
    }
    layout.Width = column;
    return layout;
}

std::string UnitGlyph(std::string_view text, const TextUnit& unit)
{
    static const char Hex[] = "0123456789abcdef";
    unsigned char b = text[unit.Byte];
    switch (unit.Kind) {
    case UnitKind::Plain:
        return std::string(text.substr(unit.Byte, unit.Length));
    case UnitKind::Tab:
        return std::string(unit.Width, ' ');
    case UnitKind::Control:
        return {'^', static_cast<char>(b == 0x7F ? '?' : b + '@')};
    case UnitKind::Invalid:
        return {'<', Hex[b >> 4], Hex[b & 15], '>'};
    }
    return {};
}

bool LocaleIsUtf8()
{
    const char* codeset = nl_langinfo(CODESET);
    return codeset && (!std::strcmp(codeset, "UTF-8") || !std::strcmp(codeset, "utf8"));
}

std::string EncodeTyped(wchar_t c)
{
    char bytes[MB_LEN_MAX];
    std::mbstate_t state{};
    size_t n = std::wcrtomb(bytes, c, &state);
    if (n == static_cast<size_t>(-1))
        return c >= 0 && c < 256 ? std::string(1, static_cast<char>(c)) : std::string();
    return std::string(bytes, n);
}

// Text for people's messages and listings: every byte as it is, but for the
// control bytes a terminal would act on, shown as \xhh. Backslashes stay
// single: patterns and key paths are full of them.
#ifndef STRINGSLIST_BASE_PRINTABLE_H
#define STRINGSLIST_BASE_PRINTABLE_H

#include <string>

inline std::string Printable(const std::string& text)
{
    static const char Hex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += Hex[c >> 4];
            out += Hex[c & 15];
        } else {
            out += char(c);
        }
    }
    return out;
}

#endif

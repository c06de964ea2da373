// ASCII case folding, the one rule every part of the product uses: only the
// letters A-Z and a-z fold; every other byte, UTF-8 included, stays itself.
#ifndef STRINGSLIST_BASE_ASCII_H
#define STRINGSLIST_BASE_ASCII_H

inline char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

#endif

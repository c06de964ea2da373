// The fixed character tests of the engine: ASCII only, bytes 128-255 belong to
// no class. Shared by the compiler (class escapes in sets) and the matcher.
#ifndef STRINGSLIST_PATTERN_CHAR_CLASS_H
#define STRINGSLIST_PATTERN_CHAR_CLASS_H

#include <stdint.h>

#include "base/ascii.h"

inline bool IsSpaceChar(uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
inline bool IsDigitChar(uint8_t c) { return c >= '0' && c <= '9'; }
inline bool IsUpperChar(uint8_t c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLowerChar(uint8_t c) { return c >= 'a' && c <= 'z'; }
inline bool IsAlnumChar(uint8_t c) { return IsDigitChar(c) || IsUpperChar(c) || IsLowerChar(c); }
inline uint8_t UpperCase(uint8_t c) { return static_cast<uint8_t>(AsciiUpper(static_cast<char>(c))); }
inline uint8_t LowerCase(uint8_t c) { return static_cast<uint8_t>(AsciiLower(static_cast<char>(c))); }

inline bool InMap(const uint8_t* map, uint8_t c) { return (map[c >> 3] >> (c & 7)) & 1; }

// The value of digit c in radix 8, 10 or 16 (letters of either case); -1 if c is none.
int DigitValue(uint8_t c, int radix);

// Reads exactly `digits` digits of `radix` at position and advances past them:
// the value modulo 256, or -1 when one is missing or of another base.
int ReadDigits(const char*& position, int digits, int radix);

// Adds the members of class escape \e (s S d D w W U L) to a 32-byte map;
// false when e names no class.
bool AddClass(uint8_t* map, char e);

// The 32-byte map of the characters a consuming node other than Literal accepts.
void ConsumingMap(unsigned word, const uint8_t* data, uint8_t* map);

#endif

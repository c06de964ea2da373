// Character classes as 32-byte maps, so that the matcher tests every class,
// set and negated set the same way.
#include "pattern/char_class.h"

#include "pattern/pattern_node.h"

namespace {

typedef bool (*CharTest)(uint8_t);

bool Always(uint8_t) { return true; }

struct ClassEntry {
    char escape;     // letter after the backslash
    unsigned word;   // node word of the class node
    CharTest test;
    bool negated;
};

const ClassEntry Classes[] = {
    {'s', Space, IsSpaceChar, false},   {'S', NotSpace, IsSpaceChar, true},
    {'U', Upper, IsUpperChar, false},   {'L', Lower, IsLowerChar, false},
    {'d', Digit, IsDigitChar, false},   {'D', NotDigit, IsDigitChar, true},
    {'w', Alnum, IsAlnumChar, false},   {'W', NotAlnum, IsAlnumChar, true},
    {0, AnyChar, Always, false},
};

void AddMembers(uint8_t* map, CharTest test, bool negated)
{
    for (int c = 0; c < 256; c++)
        if (test(static_cast<uint8_t>(c)) != negated)
            map[c >> 3] |= static_cast<uint8_t>(1u << (c & 7));
}

}  // namespace

int DigitValue(uint8_t c, int radix)
{
    int value = IsDigitChar(c) ? c - '0' : IsUpperChar(UpperCase(c)) ? UpperCase(c) - 'A' + 10 : -1;
    return value >= 0 && value < radix ? value : -1;
}

int ReadDigits(const char*& position, int digits, int radix)
{
    int value = 0;
    for (int i = 0; i < digits; i++) {
        int digit = DigitValue(static_cast<uint8_t>(*position), radix);
        if (digit < 0)
            return -1;
        value = value * radix + digit;
        position++;
    }
    return value % 256;
}

bool AddClass(uint8_t* map, char e)
{
    for (const ClassEntry& entry : Classes)
        if (entry.escape && entry.escape == e) {
            AddMembers(map, entry.test, entry.negated);
            return true;
        }
    return false;
}

void ConsumingMap(unsigned word, const uint8_t* data, uint8_t* map)
{
    for (int i = 0; i < CharSetBytes; i++)
        map[i] = word == CharSet ? data[i] : word == NotCharSet ? static_cast<uint8_t>(~data[i]) : 0;
    for (const ClassEntry& entry : Classes)
        if (entry.word == word)
            AddMembers(map, entry.test, entry.negated);
}

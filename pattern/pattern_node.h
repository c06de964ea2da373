// The compiled form of a pattern: one flat, doubly linked list of PatternNode
// records ending in an Accept node. Groups are stretches between their markers;
// each operator construct is a stretch from its choice node to its Join.
#ifndef STRINGSLIST_PATTERN_PATTERN_NODE_H
#define STRINGSLIST_PATTERN_PATTERN_NODE_H

#include <stdint.h>

#include "pattern/pattern.h"

struct PatternNode {
    uint8_t kind;       // plain node: its kind; choice: the operator character; marker: the group number
    uint8_t flags;      // 0 for plain nodes; NodeFlag bits otherwise
    int16_t length;     // bytes of owned data: 1 for Literal, 32 for the sets, 0 otherwise
    PatternNode* prev;  // none for the first node
    PatternNode* next;  // none for the last node
    union {
        PatternNode* other;  // choice, Jump, Join, AltEnd: the second link; a group marker: its partner
                             // (owns nothing)
        uint8_t* data;       // Literal, CharSet, NotCharSet: the owned bytes
    };
};

// Plain node kinds; for a plain node the node word is its kind.
enum NodeKind {
    Join = 0,           // end of an operator construct; other: the construct's choice node
    Jump = 1,           // loop-back, or the entry of a one-or-more; other: where to go on
    AltEnd = 2,         // end of an alternation's left operand; other: the choice node
    LineStart = 3,      // ^
    LineEnd = 4,        // $
    WordStart = 5,      // <
    WordEnd = 6,        // >
    CaseSensitive = 7,  // \C
    IgnoreCase = 8,     // \c
    Accept = 31,        // appended after the last node
    AnyChar = 33,       // .
    CharSet = 34,       // [...]: data is a 32-byte bitmap
    NotCharSet = 35,    // [^...]: data is the bitmap of the listed characters
    Literal = 36,       // data holds the character
    Space = 37,
    NotSpace = 38,
    Upper = 39,
    Lower = 40,
    Digit = 41,
    NotDigit = 42,
    Alnum = 43,
    NotAlnum = 44,
};

enum NodeFlag {
    GroupFlag = 0x01,
    OpenFlag = 0x02,
    CloseFlag = 0x04,
    CaptureFlag = 0x08,  // on a group marker
    GreedyFlag = 0x08,   // on a choice node: next before other
    ChoiceFlag = 0x10,
};

// Node words of the flagged nodes (the group number or operator is added).
enum NodeWordValue {
    PlainOpenWord = 0x0300,
    PlainCloseWord = 0x0500,
    CaptureOpenWord = 0x0B00,
    CaptureCloseWord = 0x0D00,
    ChoiceWord = 0x1000,
    GreedyChoiceWord = 0x1800,
};

// Node words 32 to 63 consume subject characters.
enum { FirstConsumingWord = 32, LastConsumingWord = 63, CharSetBytes = 32 };

inline unsigned NodeWord(const PatternNode* node)
{
    return node->kind + 256u * node->flags;
}

inline bool IsConsumingWord(unsigned word)
{
    return word >= FirstConsumingWord && word <= LastConsumingWord;
}

inline bool IsChoice(const PatternNode* node)
{
    return (node->flags & ChoiceFlag) != 0;
}

inline bool IsGroupMarker(const PatternNode* node)
{
    return (node->flags & GroupFlag) != 0;
}

// A repetition is a choice built by *, @, + or #: its construct loops back.
inline bool IsRepetition(const PatternNode* node)
{
    return IsChoice(node) &&
           (node->kind == '*' || node->kind == '@' || node->kind == '+' || node->kind == '#');
}

// Reads one sequence (a group's body, or the whole pattern) from *position,
// nested groups included; none for an empty sequence and for every error.
PatternNode* ParseSequence(const char*& position);

// Capturing groups beyond this number have no registers: such a pattern does not compile.
enum { MaxCaptureGroups = GROUP_COUNT - 1 };

#endif

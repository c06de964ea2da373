// Whether a pattern can match a line at all, found a character at a time with
// one machine word: bit i stands for the i-th consuming step, set when the
// walk can stand there. Built for patterns of at most 64 consuming steps with
// no repetition that can pass empty, no case switch and no word test; for
// them every way the walk could take is a path of the step graph and the
// walk, which tries them all, matches exactly when such a path exists.
//
// When the pattern is also anchored, captures nothing and every way to
// Accept passes `$`, a match runs from the start position to the end of the
// line, so whether there is one is the whole answer; the matcher uses the
// test only then (before a walk it costs more than it saves).
// Tests: differential_test.cpp.
#ifndef STRINGSLIST_PATTERN_BIT_NFA_H
#define STRINGSLIST_PATTERN_BIT_NFA_H

#include <stdint.h>

struct Program;

struct BitNfa {
    bool usable = false;   // the pattern is of the kind above
    bool decides = false;  // ... and its match, when there is one, is the start position to the end
    bool anchored = false;
    // Where the walk can stand before consuming: at the start of the line, and anywhere else.
    uint64_t firstAtStart = 0, firstLater = 0;
    // Accept reached without consuming: at once (acceptAt*), or at the end of the line only (endAt*).
    bool acceptAtStart = false, acceptLater = false, endAtStart = false, endLater = false;
    uint64_t accepts = 0;     // positions after which Accept is reached at once
    uint64_t acceptsAtEnd = 0;  // ... or once the line has ended
    uint64_t sinks = 0;         // repetitions of every character after which the line's end is Accept
    uint64_t follow[64] = {};   // where the walk can stand after consuming at position i
    // The same links as shifts, as most go from a position to itself or to one
    // near it: from i in `stays` to i, from i in `ahead[k]` to i + k + 1, from i
    // in `back` to i - 1, and from i in `irregular` to the positions `rest[i]`.
    uint64_t stays = 0, ahead[3] = {}, back = 0, irregular = 0;
    uint64_t rest[64] = {};
    uint64_t masks[2][256] = {};  // per case mode and character, the positions that take it
    // Sets the walk stays at whatever byte of `bytes` comes: a run of such bytes
    // is passed at once. Found as lines meet them, a few per pattern.
    struct Keep {
        uint64_t set;
        unsigned mode;
        uint8_t bytes[32];
    };
    Keep keeps[4];
    int keepCount = 0;
};

// Fills `nfa` from the program (nfa.usable false when the pattern is not of the kind).
void BuildBitNfa(const Program& program, BitNfa& nfa);

// Whether the pattern can match in s[0, end) starting at `from` or later (anchored: at `from`).
// (Fills the nfa's keeps as it goes.)
bool CanMatch(BitNfa& nfa, const uint8_t* s, int from, int end, unsigned mode);

#endif

// Required strings: strings one of which every match contains, and one string
// every match contains, so that a line without them is passed without a walk.
// They are the runs of literals that begin at a set of literal steps (at most
// four) that every way from the first step to Accept passes one of, and the
// longest run that begins at a literal step every such way passes.
//
// Invariant: a line the test rules out has no match. It holds because every
// way to Accept passes one of the literal steps, each compares exactly (the
// test is used only in exact mode without case switches), and anchors and
// word tests are assumed to pass, so the set is never too small.
// Tests: differential_test.cpp (against the reference matcher, shortcuts on and off).
#ifndef STRINGSLIST_PATTERN_REQUIRED_STRINGS_H
#define STRINGSLIST_PATTERN_REQUIRED_STRINGS_H

#include <stdint.h>

#include "pattern/program.h"

// Fills program.required and program.alwaysRequired; the links must be shortened already.
void FindRequiredStrings(Program& program);

// Whether s[from, end) holds the required strings (they are known).
bool HoldsRequiredStrings(const Program& program, const uint8_t* s, int32_t from, int32_t end);

// Whether s[from, end) searched in `mode` may hold a match: it holds the
// required strings, or they do not apply (compared exactly, they do not where
// literals fold or the pattern switches case).
inline bool HoldsRequired(const Program& program, const uint8_t* s, int32_t from, int32_t end, unsigned mode)
{
    if ((program.required.empty() && program.alwaysRequired.empty()) || program.CaseSwitches() || !(mode & 1))
        return true;
    return HoldsRequiredStrings(program, s, from, end);
}

#endif

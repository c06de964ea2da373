// The matcher's state and its two inner operations. SearchLine (pattern.h)
// sets the state and tries start positions; MatchAt makes one attempt;
// MatchFrom walks the list from one node.
#ifndef STRINGSLIST_PATTERN_MATCHER_H
#define STRINGSLIST_PATTERN_MATCHER_H

#include <stdint.h>

#include "pattern/pattern.h"

struct MatcherState {
    const char* Position;      // where the attempt stands; after a success, the end of the match
    const char* SubjectStart;  // first character of the subject
    const char* SubjectEnd;    // one past its last character
    int32_t* Registers;        // the caller's 128 match registers
    unsigned MatchMode;        // bit 0 set: literals compare exactly
};

// The one process-wide state: one search at a time.
extern MatcherState Matcher;

// One attempt at exactly `position` with the state SearchLine set up; 1 on a
// match (registers 0 and 64 then set), 0 otherwise with MatchMode restored.
int MatchAt(const PatternNode* pattern, const char* position);

// Walks the list from `node` at Position; 1 when it reached Accept (Position
// is then the end of the match, the groups passed are stored), 0 otherwise.
int MatchFrom(const PatternNode* node);

// Drops what the matcher prepared for `pattern`; FreePattern calls it.
void ForgetPreparedPattern(const PatternNode* pattern);

// For tests: every shortcut on (the default), or off: every start position
// is tried, class repetitions loop through their choice, no way is skipped
// for its first character.
void SetMatcherShortcuts(bool on);
// For tests: dead states skipped (the default), or not, leaving
// the walk bounded by its memory of failed states alone.
void SetMatcherDeadStateSkipping(bool on);
// For tests: a search gives up, finding nothing, after this many steps (0: never).
void SetMatcherStepBudget(long steps);
// Whether the last search gave up.
bool MatcherGaveUp();

#endif

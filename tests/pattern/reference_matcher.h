// A plain recursive matcher written for clarity, used only by tests to check
// the real matcher's answers: one nested call per choice and capturing marker,
// no memory of failed states, the repetition rule kept in a map.
#ifndef STRINGSLIST_TESTS_PATTERN_REFERENCE_MATCHER_H
#define STRINGSLIST_TESTS_PATTERN_REFERENCE_MATCHER_H

#include <stdint.h>

struct PatternNode;

// As SearchLine. Gives up (answers -1) after `budget` node visits, so that a
// test can skip patterns that take plain backtracking too long.
int ReferenceSearch(const PatternNode* pattern, const char* subject, int length, int from,
                    int32_t* registers, unsigned mode, long budget = 2000000);

#endif

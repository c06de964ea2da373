// A plain recursive matcher written for clarity from the pattern language
// alone, used only by tests to check the engine's answers. It reads the
// pattern text with its own parser into its own node list and walks that list
// with one nested call per choice and capturing marker, with no memory of
// failed states; it shares no code with the engine.
#ifndef STRINGSLIST_TESTS_PATTERN_REFERENCE_MATCHER_H
#define STRINGSLIST_TESTS_PATTERN_REFERENCE_MATCHER_H

#include <stdint.h>

// As SearchLine on the pattern `text`: 1 match (128 registers filled), 0 none,
// -2 when the text does not compile. Gives up (answers -1) after `budget`
// node visits, so that a test can skip patterns that take plain backtracking too long.
int ReferenceSearch(const char* text, const char* subject, int length, int from, int32_t* registers,
                    unsigned mode, long budget = 2000000);

#endif

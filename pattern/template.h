// Template expansion's inner step, shared with its tests.
#ifndef STRINGSLIST_PATTERN_TEMPLATE_H
#define STRINGSLIST_PATTERN_TEMPLATE_H

#include "pattern/pattern.h"

// How appended characters are changed.
enum CaseState {
    UpperAll = 1,   // \U: every character upper-cased
    LowerAll = 2,   // \L: every character lower-cased (when UpperAll is clear)
    UpperNext = 4,  // \u: the first character upper-cased, then cleared
    LowerNext = 8,  // \l: the first character lower-cased (when UpperNext is clear), then cleared
};

// Appends count characters to *text (length *length), applying and updating
// *caseState. Sets *text to none and *length to 0 when memory runs out.
void AppendText(int* length, char** text, const char* source, int count, unsigned* caseState);

#endif

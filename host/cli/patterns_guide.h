// The guide to the pattern language (docs/patterns.md), built into the
// program so that `stringslist help patterns` needs no file beside it.
#ifndef STRINGSLIST_HOST_CLI_PATTERNS_GUIDE_H
#define STRINGSLIST_HOST_CLI_PATTERNS_GUIDE_H

#include <stddef.h>

extern const char PatternsGuide[];
extern const size_t PatternsGuideSize;

#endif

// Whether a pattern compiles, and where the compiler stopped reading when it
// does not: the text with a caret below, for people writing masks and
// patterns (match, expand, list --rx, types set and import).
#ifndef STRINGSLIST_HOST_CLI_PATTERN_CHECK_H
#define STRINGSLIST_HOST_CLI_PATTERN_CHECK_H

#include <string>

#include "pattern/pattern.h"

// Whether text compiles, as the plug-in compiles a mask or a pattern.
bool PatternCompiles(const std::string& text);

// True when text compiles; else says on standard error "stringslist: WHAT
// does not compile; the compiler stopped reading ..." with the text and a caret.
bool CheckPattern(const std::string& what, const std::string& text);

// Compiles the pattern; when it does not compile, says so on standard error:
// `error` alone for machines, else as CheckPattern says it.
PatternNode* CompileOrSay(const char* text, bool porcelain);

#endif

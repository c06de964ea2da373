// Readable forms of compiled patterns and match registers, for the engine's tests.
#ifndef STRINGSLIST_TESTS_PATTERN_PATTERN_TEXT_H
#define STRINGSLIST_TESTS_PATTERN_PATTERN_TEXT_H

#include <stdint.h>

#include <string>

struct PatternNode;

// One token per node, space-separated: 'a' Literal, [n] / [^n] a set with n
// members, ^ $ < > . \s \S \U \L \d \D \w \W \C \c as written, ! Accept,
// J>i Join, K>i Jump, A>i AltEnd, *>i @>i +>i #>i ?>i |>i choices (i: the
// place of `other`), { } plain markers, (n )n capturing markers.
std::string DescribePattern(const PatternNode* pattern);

// The capturing groups of a compiled pattern.
int CapturingGroups(const PatternNode* pattern);

// "" when prev/next links, other links and marker pairs are sound, else what is wrong.
std::string CheckLinks(const PatternNode* pattern);

// "nomatch", or the set registers as "n:start-end" pairs.
std::string FormatRegisters(const int32_t* registers);

// Compiles, searches from offset `from`, releases: "error", "nomatch" or the registers.
std::string SearchText(const char* pattern, const std::string& subject, int from = 0, unsigned mode = 1);

#endif

// The pattern engine's interface: compile a pattern text to a node list,
// search a subject with it, build text from a match, and escape literal text
// into a pattern. How the engine works: docs/engine.md.
#ifndef STRINGSLIST_PATTERN_PATTERN_H
#define STRINGSLIST_PATTERN_PATTERN_H

#include <stddef.h>
#include <stdint.h>

struct PatternNode;

enum { REGISTER_COUNT = 128, GROUP_COUNT = 64 };

// Match registers: starts at 0..63, ends at 64..127; group n ends at 64 + n; -1 unset.
struct MatchRegisters {
    int32_t R[REGISTER_COUNT];
};

// None on a syntax error, an empty pattern, or when memory runs out.
PatternNode* CompilePattern(const char* text);
// As CompilePattern; on failure *stopped (when given) is the offset in text
// at which the compiler stopped reading.
PatternNode* CompilePatternReporting(const char* text, int* stopped);
// As CompilePattern; on success *length (when given) is how much of the text
// the pattern was read from: a `)` or `}` that closes no group ends it, and
// neither it nor what follows belongs to the pattern. 0 on failure.
PatternNode* CompilePatternMeasuring(const char* text, int* length);
void FreePattern(PatternNode* pattern);

// Writes `text` to out (not NUL-terminated; room for twice its length) with
// every character the pattern language gives a meaning escaped, so that the
// pattern matches the text as it stands; answers how many bytes it wrote.
size_t EscapePatternText(const char* text, char* out);

// Searches subject[0, length) from `from` on; 1 and the registers filled when
// the pattern matched. mode bit 0 set: literals compare exactly. 0 also when
// the search could not be made (see SearchLineReporting).
int SearchLine(const PatternNode* pattern, const char* subject, int length, const char* from,
               int32_t* registers, unsigned mode);
// As SearchLine, but -1 (registers unset) when the search could not be made:
// memory ran out, or a table of the search would pass its bound (a very long
// line with a large pattern).
int SearchLineReporting(const PatternNode* pattern, const char* subject, int length, const char* from,
                        int32_t* registers, unsigned mode);

// Builds *text (heap, not NUL-terminated, release with free) and *length from a
// template, the searched subject and a copy of the registers. 0, or -1 when the
// template ends with a lone backslash.
int ExpandTemplate(const char* templ, const char* subject, MatchRegisters registers, char** text,
                   int* length);

#endif

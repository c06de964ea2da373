// A compiled pattern as the matcher walks it: the node list copied, in list
// order, into an array of steps that say what the matcher does at each node.
// Built once per pattern and kept until FreePattern releases that pattern.
//
// The program also carries what the analyses of the steps found, each for one
// technique of the matcher (docs/engine.md): which repetitions can take a pass
// that consumes nothing (only they remember where their pass began) and which
// entries of one-or-mores are states; the repetitions around each choice whose
// pass starts the failed-state memory tells apart, and the mode their passes
// come back in; the bytes a plain operand can consume; leaving first
// (leaving_first.h); class loops; the bytes that can begin a match; the
// required strings (required_strings.h); where each AltEnd's skip lands. The
// analyses follow the links of one table (FreeLinkTable, below) and take time
// in proportion to the pattern.
#ifndef STRINGSLIST_PATTERN_PROGRAM_H
#define STRINGSLIST_PATTERN_PROGRAM_H

#include <stdint.h>

#include <string>
#include <vector>

#include "pattern/char_class.h"
#include "pattern/leaving_first.h"

struct PatternNode;

enum StepOp : uint8_t {
    OpNext,           // go on with next
    OpJump,           // go on with other
    OpEntry,          // entry Jump of a one-or-more: a pass begins here (empty-able), or a state (`slot`)
    OpLoopBack,       // loop-back Jump of an empty-able repetition
    OpJoinRep,        // Join of an empty-able repetition: leaving it ends its pass; a state of its own
    OpLineStart,
    OpLineEnd,
    OpWordStart,
    OpWordEnd,
    OpCaseSensitive,
    OpIgnoreCase,
    OpAccept,
    OpClass,          // one character of the step's map
    OpLiteral,        // `length` characters, case folded when the mode says so
    OpCapture,        // capturing marker: register `value`
    OpGreedy,         // choice: next first, then other
    OpLazy,           // choice: other first, then next
    OpClassLoop,      // greedy repetition of one OpClass step (`data`): taken as far as it goes, then given back
    OpLazyClassLoop,  // lazy repetition of one OpClass step: the rest tried first, one character more at a time
    OpFail,           // the end of the list, or a link to nowhere
};

struct Step {
    uint8_t op;
    int16_t length;       // OpLiteral: bytes at `data`
    int32_t next;         // the sentinel OpFail step when the node has none
    int32_t other;        // jumps and choices: their target; AltEnd: where its skip lands
    int32_t exit;         // OpLoopBack: the construct's Join, taken when a pass consumed nothing; OpEntry: that Join
    int32_t value;        // OpCapture: register; repetitions: index into the pass table, else -1
    int32_t slot;         // choices and OpJoinRep: index among them (for the failed-state memory), else -1
    const uint8_t* data;  // OpClass: 32-byte map; OpLiteral: the characters
};

// Whether the literal step `step` matches at q of s[0, end), its letters of
// either case unless bit 0 of `mode` asks for exact case.
inline bool LiteralMatches(const Step& step, const uint8_t* s, int32_t q, int32_t end, unsigned mode)
{
    if (q >= end || step.length > end - q)
        return false;
    if (step.length == 1)
        return s[q] == step.data[0] || (!(mode & 1) && UpperCase(s[q]) == UpperCase(step.data[0]));
    for (int k = 0; k < step.length; k++) {
        uint8_t a = s[q + k], b = step.data[k];
        if (a != b && ((mode & 1) || UpperCase(a) != UpperCase(b)))
            return false;
    }
    return true;
}

// Whether the line or word boundary `op` (OpLineStart to OpWordEnd) is at q of s[0, end).
inline bool AnchorHolds(uint8_t op, const uint8_t* s, int32_t q, int32_t end)
{
    switch (op) {
    case OpLineStart: return q == 0;
    case OpLineEnd: return q == end;
    case OpWordStart: return q < end && (q == 0 || (IsAlnumChar(s[q]) && !IsAlnumChar(s[q - 1])));
    default: return q > 0 && (q == end || (!IsAlnumChar(s[q]) && IsAlnumChar(s[q - 1])));
    }
}

const uint8_t NoSwitchMode = 2;

struct Program {
    std::vector<Step> steps;  // one per node in list order, then the OpFail sentinel
    std::vector<const PatternNode*> nodes;
    std::vector<uint8_t> maps;         // 32 bytes per OpClass step
    int choiceCount = 0;              // steps with a slot
    int repetitionCount = 0;           // empty-able repetitions, each with a pass entry
    // Per choice slot, the empty-able repetitions around it whose passes depend on the mode they begin in:
    // enclosing[enclosingStart[s] .. enclosingStart[s + 1]).
    std::vector<int32_t> enclosingStart;
    std::vector<int32_t> enclosing;
    // Per such repetition, the mode every pass comes back to its loop-back in,
    // or NoSwitchMode; per slot, whether all of those around it have one.
    std::vector<uint8_t> modeAtLoopBack;
    std::vector<uint8_t> loopBackModesOnly;
    // Per empty-able repetition whose operand holds no capture and no case
    // switch (operandPlain), 32 bytes: the bytes its operand can consume.
    std::vector<uint8_t> operandPlain;
    std::vector<uint8_t> operandBytes;
    LeavingFirstFacts leaving;  // leaving_first.h
    bool anchored = false;    // the first node is LineStart: one attempt only
    bool nullable = false;    // a match can start without consuming (no start filter then)
    uint8_t firstBytes[32] = {};  // bytes that can begin a match when not nullable
    int onlyFirstByte = -1;       // the one byte in firstBytes, if there is just one
    bool switchesToExact = false;   // the pattern holds \C
    bool switchesToFolded = false;  // the pattern holds \c
    bool captures = false;          // the pattern holds a capturing group
    bool CaseSwitches() const { return switchesToExact || switchesToFolded; }
    // Every match contains one of these strings (compared exactly); none known when empty.
    std::vector<std::string> required;
    std::string alwaysRequired;  // and this one too (none known when empty)
    // Per step i, the captures and the case switches among the steps before it.
    std::vector<int32_t> capturesBefore{0}, switchesBefore{0};
    bool HoldsCapture(int32_t from, int32_t to) const { return capturesBefore[to] != capturesBefore[from]; }
    bool HoldsSwitch(int32_t from, int32_t to) const { return switchesBefore[to] != switchesBefore[from]; }
};

// Fills `program` from the list starting at `first`; without shortcuts, no
// class repetition becomes a loop of its own.
void BuildProgram(const PatternNode* first, Program& program, bool shortcuts = true);

// ---- What the analyses share ----

// Per operation, the links a walk takes from it without consuming, in the
// order it tries them (a loop-back: round again, then out). A Class or Literal
// step goes on at `next` past its character; a class loop, at itself.
enum StepLink : uint8_t { NoLink, NextLink, OtherLink, ExitLink };
constexpr uint8_t FreeLinkTable[][2] = {
    {NextLink, NoLink},    {OtherLink, NoLink},   {OtherLink, NoLink},  // OpNext, OpJump, OpEntry
    {OtherLink, ExitLink}, {NextLink, NoLink},                          // OpLoopBack, OpJoinRep
    {NextLink, NoLink},    {NextLink, NoLink},    {NextLink, NoLink},  {NextLink, NoLink},  // the anchors
    {NextLink, NoLink},    {NextLink, NoLink},    {NoLink, NoLink},     // the case switches, OpAccept
    {NoLink, NoLink},      {NoLink, NoLink},      {NextLink, NoLink},   // OpClass, OpLiteral, OpCapture
    {NextLink, OtherLink}, {OtherLink, NextLink},                       // OpGreedy, OpLazy
    {OtherLink, NoLink},   {OtherLink, NoLink},   {NoLink, NoLink},     // the class loops, OpFail
};
static_assert(sizeof FreeLinkTable / sizeof *FreeLinkTable == OpFail + 1, "a row per operation");

// The steps a walk goes on to from `step` without consuming, first way first: their count, in to[0..1].
inline int FreeLinks(const Step& step, int32_t* to)
{
    int count = 0;
    for (uint8_t link : FreeLinkTable[step.op])
        if (link != NoLink)
            to[count++] = link == NextLink ? step.next : link == OtherLink ? step.other : step.exit;
    return count;
}

// As FreeLinks, and past its character for a step that consumes: a Class or
// Literal step's next, a class loop's operand (its `next`).
inline int Successors(const Step& step, int32_t* to)
{
    int count = FreeLinks(step, to);
    bool consumes = step.op == OpClass || step.op == OpLiteral || step.op == OpClassLoop || step.op == OpLazyClassLoop;
    if (consumes)
        to[count++] = step.next;
    return count;
}

// The choice of an empty-able repetition; its operand lies between it and its Join (`other`).
inline bool IsRepetitionChoice(const Step& step)
{
    return (step.op == OpGreedy || step.op == OpLazy) && step.value >= 0;
}

// Whether every way from step `from` meets a case switch before a literal,
// before the match ends and, for the operand of `repetition` (steps `first`
// to `last`), before the pass ends: then the ways from there walk the same
// whatever the mode they begin in.
bool SwitchesFirst(const Program& p, int32_t from, int32_t first, int32_t last, int32_t repetition);

#endif

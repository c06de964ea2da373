// Leaving first: a greedy repetition that can pass empty tries leaving before
// a new pass, as if lazy, where that pass's first outcome would be to come
// back empty where it began. Without it, a match that climbs a nest of depth d
// at every character begins d passes there, each walking the d levels below.
//
// Invariant: the walk's outcomes come in the order they would without it. It
// holds because leaving first is chosen only where the pass's first outcome
// is to leave at the place it began, in the walk's mode (or every way on from
// the Join meets a case switch first), capturing nothing but registers that a
// capture frame on the stack already holds; the pass, tried second, meets that
// empty return at a Join already failed.
//
// Where the first way consumes, tests and captures nothing the analysis
// decides it once (FindLeavingFirst); elsewhere the place decides it, once
// per repetition, position and mode of a search (LeavingFirst). The argument
// and a worked example: docs/engine.md, "Leaving first".
// Tests: depth_test.cpp (nests climbed at every character, with anchors,
// captures and switches in the first way), differential_test.cpp (against
// the reference matcher, shortcuts on and off).
#ifndef STRINGSLIST_PATTERN_LEAVING_FIRST_H
#define STRINGSLIST_PATTERN_LEAVING_FIRST_H

#include <stdint.h>

#include <vector>

#include "pattern/pattern.h"

struct Program;

// What the analysis found, per empty-able repetition.
struct LeavingFirstFacts {
    // For a greedy one whose first way consumes, tests and captures nothing:
    // the mode it comes back in (0 or 1), or KeepsMode (the mode it began
    // in); DependsOnPlace where that way does; NotEmpty for the others.
    enum Kind : uint8_t { KeepsMode = 2, NotEmpty = 3, DependsOnPlace = 4 };
    std::vector<uint8_t> kind;
    // Every way on from the Join meets a case switch first: the mode a pass comes back in is of no account.
    std::vector<uint8_t> exitSwitchesFirst;
    // Per repetition, its index among the DependsOnPlace ones (-1 for the others), and their count.
    std::vector<int32_t> dependsIndex;
    int dependsCount = 0;
    // Per DependsOnPlace repetition, the step its first way consumes at when
    // nothing comes first (-1 if not): where that step takes the byte, the
    // pass does not leave first.
    std::vector<int32_t> firstConsumer;
    bool writes = false;  // the operand of a DependsOnPlace repetition holds a capture
    // Where one does, per repetition, two words: the registers its operand's captures store.
    std::vector<uint64_t> operandRegisters;
    // Per repetition, the DependsOnPlace choices inside its operand with none
    // between: inner[innerStart[r] .. innerStart[r + 1]).
    std::vector<int32_t> innerStart;
    std::vector<int32_t> inner;
};

// Fills program.leaving; the links must not be shortened yet.
void FindLeavingFirst(Program& program);

// The matcher's side: what is known per place in the current search, and the
// registers held by capture frames on the walk's stack.
class LeavingFirst {
public:
    // A new search of s[0, end); steps met deciding are counted in *steps.
    void Reset(const LeavingFirstFacts& facts, const Program& program, const uint8_t* s, int32_t end, long* steps)
    {
        program_ = &program, facts_ = &facts, s_ = s, end_ = end, steps_ = steps;
        if (facts.dependsCount)
            NewGeneration();
    }
    // A new walk: no capture frame on the stack.
    void ClearHeld();
    // A capture frame of `reg` pushed, or popped (only where facts.writes).
    void Hold(int32_t reg)
    {
        if (held_[reg]++ == 0)
            heldBits_[reg / 64] |= uint64_t(1) << (reg % 64);
    }
    void Release(int32_t reg)
    {
        if (--held_[reg] == 0)
            heldBits_[reg / 64] &= ~(uint64_t(1) << (reg % 64));
    }
    // Whether a new pass of `repetition`, whose choice is step c, begun at q in `mode`, tries leaving first.
    bool Decide(int32_t c, int32_t repetition, int32_t q, unsigned mode)
    {
        uint8_t kind = facts_->kind[repetition];
        if (kind != LeavingFirstFacts::DependsOnPlace)
            return kind == LeavingFirstFacts::KeepsMode || kind == (mode & 1);
        return DecideAt(c, repetition, q, mode);
    }

private:
    // A way through an operand, followed without consuming.
    void NewGeneration();
    struct Way {
        int32_t step;
        uint8_t mode;
        uint8_t kind;    // Follow, TakeOne (a lazy class loop's next character) or NotKnown
        uint8_t writes;  // the way passed a capture
    };
    bool DecideAt(int32_t c, int32_t repetition, int32_t q, unsigned mode);
    uint8_t& Known(int32_t repetition, int32_t q, unsigned mode);
    bool IsKnown(uint32_t known) const { return known >> 3 == generation_; }
    void FindFirstOutcomes(int32_t c, int32_t q, unsigned mode);
    uint32_t InnerFirstOutcome(int32_t repetition, int32_t q, unsigned mode);
    uint32_t FirstOutcome(int32_t c, int32_t q, unsigned mode);
    bool Takes(int32_t step, int32_t q, unsigned mode) const;

    const Program* program_ = nullptr;
    const LeavingFirstFacts* facts_ = nullptr;
    const uint8_t* s_ = nullptr;
    int32_t end_ = 0;
    long* steps_ = nullptr;
    // Per position, DependsOnPlace repetition and mode: this search's
    // generation (1 to 31) times 8, plus the bits of FirstOutcome.
    std::vector<uint8_t> known_;
    uint32_t generation_ = 0;
    std::vector<uint32_t> met_;  // per step and mode: the FirstOutcome that met it
    uint32_t stamp_ = 0;
    std::vector<Way> ways_;
    std::vector<Way> todo_;  // repetitions whose first outcome here is to be decided
    int32_t held_[REGISTER_COUNT] = {};
    uint64_t heldBits_[2] = {};
};

#endif

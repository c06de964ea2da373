// The matcher's memory of the states that failed in the current search.
//
// A state is a choice, the Join of an empty-able repetition or the entry of
// a one-or-more that is a state (its slot), a position, the case mode and, for
// each empty-able repetition around it whose passes may walk differently by
// the mode they begin in (a case switch in the operand), whether its current
// pass began at this position (the pass bits).
//
// Invariant: a state recorded has failed, and fails again whenever the same
// search meets it: registers are written only on success, and nothing but the
// key decides the rest of the walk (the argument: docs/engine.md, "The memory
// of failed states"). Storage is reused from search to search; in steady
// state nothing is allocated. Tests: depth_test.cpp, differential_test.cpp
// (with dead-state skipping off, so this memory alone bounds the walk).
#ifndef STRINGSLIST_PATTERN_FAILED_STATES_H
#define STRINGSLIST_PATTERN_FAILED_STATES_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

class FailedStates {
public:
    // Forgets every state; a search of `length` characters with `choices` choice nodes follows.
    void Reset(int choices, int length);
    // Makes room for searches of up to `length` characters, so that they allocate nothing.
    void Reserve(int choices, int length);
    bool Has(int slot, int position, unsigned mode, uint64_t passBits)
    {
        uint64_t index = Index(slot, position, mode);
        if (passBits == 0 && useDense_)
            return (dense_[index >> 6] >> (index & 63)) & 1;
        return HasHashed(index, passBits);
    }
    // The first position in (from, to] whose state without pass bits failed; to + 1 if none.
    int FirstFailedAfter(int slot, int from, int to, unsigned mode);
    void Add(int slot, int position, unsigned mode, uint64_t passBits)
    {
        uint64_t index = Index(slot, position, mode);
        if (passBits == 0 && useDense_) {
            size_t word = static_cast<size_t>(index >> 6);
            dense_[word] |= uint64_t(1) << (index & 63);
            dirty_ = word >= dirty_ ? word + 1 : dirty_;
        } else
            AddHashed(index, passBits);
    }

private:
    struct Entry {
        uint64_t passBits;
        uint64_t key;
        uint32_t generation;
    };
    // A slot's positions lie side by side, so that a run of them is read a word at a time.
    uint64_t Index(int slot, int position, unsigned mode) const
    {
        return (uint64_t(slot) * positions_ + position) * 2 + (mode & 1);
    }
    bool HasHashed(uint64_t key, uint64_t passBits);
    void AddHashed(uint64_t key, uint64_t passBits);
    Entry* Find(uint64_t key, uint64_t passBits);
    void Grow();

    // States whose pass bits are all clear, one bit each, while the search is small enough.
    std::vector<uint64_t> dense_;
    size_t dirty_ = 0;  // words of dense_ that may hold a bit
    bool useDense_ = false;
    int choices_ = 0;
    uint64_t positions_ = 1;  // length + 1
    // The other states: open addressing, entries of older searches told apart by generation.
    std::vector<Entry> table_;
    size_t used_ = 0;
    uint32_t generation_ = 0;
};

#endif

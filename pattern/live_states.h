// Which states of the walk can still end in a match: for every step, position
// and case mode of one subject, whether some way from there reaches Accept.
//
// Invariant: the ways are those of the step graph with every loop-back free to
// go both round and out, whatever the pass starts say: the walk's own ways are
// a part of these, so a state found dead here fails in the walk too, and the
// walk may skip it without changing a single answer. Computed from the subject's end
// backwards, one position at a time, in time proportional to (steps x
// positions); this is what bounds a search of a pattern whose repetitions can
// pass empty. Where the pattern has few steps that consume, a position's row
// is the union of what reaches each of them that is live there, found once
// per pattern and set of anchors that hold. A worked example: docs/engine.md.
// Tests: differential_test.cpp, depth_test.cpp.
#ifndef STRINGSLIST_PATTERN_LIVE_STATES_H
#define STRINGSLIST_PATTERN_LIVE_STATES_H

#include <stdint.h>

#include <vector>

struct Program;

class LiveStates {
public:
    // Reads the program's links once; the program must outlive the calls that follow.
    void Prepare(const Program& program);
    // Finds the live states of positions from..end of the subject s[0, end)
    // for a walk that starts in `mode` (a pattern without case switches has no other).
    void Compute(const uint8_t* s, int from, int end, unsigned mode);
    bool Alive(int step, int position, unsigned mode) const
    {
        uint64_t index = (uint64_t(position - from_) * stride_) + (uint64_t(step) << 1) + (mode & 1);
        return (bits_[index >> 6] >> (index & 63)) & 1;
    }

private:
    // A link that consumes nothing: from step `from` to `to`; mode -1 keeps the mode, else sets it.
    struct Link {
        int32_t from;
        int8_t mode;
    };
    void MarkPosition(const uint8_t* s, int q, int end);
    bool EndsLive(int32_t step, int q, const uint8_t* s, int end, unsigned mode) const;
    void Spread(uint64_t* row, unsigned anchors);
    const uint64_t* Reach(unsigned key);
    void Set(uint64_t* row, int step, unsigned mode) { Add(row, (uint64_t(step) << 1) | (mode & 1)); }
    static bool Has(const uint64_t* row, uint64_t i) { return (row[i >> 6] >> (i & 63)) & 1; }
    static void Add(uint64_t* row, uint64_t i) { row[i >> 6] |= uint64_t(1) << (i & 63); }

    const Program* program_ = nullptr;
    std::vector<int32_t> linkStart_;  // per step, its incoming links: links_[linkStart_[s] .. linkStart_[s + 1])
    std::vector<Link> links_;
    std::vector<int32_t> ends_;     // the steps that are live by themselves: Accept and the consuming ones
    std::vector<uint8_t> anchor_;   // per step: whether it passes only at some positions
    bool switches_ = false;         // the program has case switches: both modes are found
    unsigned modes_[2] = {0, 1};
    int modeCount_ = 2;
    std::vector<uint64_t> bits_;  // one row of stride_ bits per position
    std::vector<int32_t> todo_;
    // Per key (the anchors that hold at a position, a bit each from line start
    // to word end, and, without switches, the mode times 16) and end state
    // (ends_ by mode): the states that reach it without consuming, a row each.
    bool useReach_ = false;
    unsigned anchorKinds_ = 0;
    std::vector<uint64_t> reach_;  // the rows of all keys, made room for when the program is read
    uint32_t reachBuilt_ = 0;      // a bit per key whose rows are found
    uint64_t stride_ = 0;
    int from_ = 0;
};

#endif

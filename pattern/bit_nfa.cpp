// The bit-parallel test of whether a pattern can match (see bit_nfa.h).
#include "pattern/bit_nfa.h"

#include <string.h>

#include <vector>

#include "pattern/char_class.h"
#include "pattern/program.h"

namespace {

const int MostPositions = 64;

// What the walk can reach from a step without consuming.
struct Closure {
    uint64_t positions = 0;
    bool accept = false;     // Accept at once
    bool acceptAtEnd = false;  // Accept past a `$`, so only at the end of the line
};

struct Builder {
    const Program& program;
    std::vector<int> position;  // per step, its consuming position or -1
    std::vector<uint8_t> seen;  // per step and whether `$` was passed
    bool fits = true;           // no step met that the word cannot stand for

    // From step i; atStart: the line's first position, where `^` lets the walk pass.
    void Walk(int32_t i, bool atStart, bool pastEnd, Closure& out)
    {
        uint8_t& mark = seen[static_cast<size_t>(i) * 2 + pastEnd];
        if (mark)
            return;
        mark = 1;
        const Step& step = program.steps[i];
        switch (step.op) {
        case OpAccept: (pastEnd ? out.acceptAtEnd : out.accept) = true; return;
        case OpClass: case OpLiteral:
            if (!pastEnd)
                out.positions |= uint64_t(1) << position[i];
            return;
        case OpClassLoop: case OpLazyClassLoop:
            if (!pastEnd)
                out.positions |= uint64_t(1) << position[i];
            Walk(step.other, atStart, pastEnd, out);
            return;
        case OpLineStart:
            if (atStart)
                Walk(step.next, atStart, pastEnd, out);
            return;
        case OpLineEnd: Walk(step.next, atStart, true, out); return;
        case OpLoopBack: case OpJoinRep: case OpWordStart: case OpWordEnd: case OpCaseSensitive: case OpIgnoreCase:
            fits = false;
            return;
        default: {
            int32_t to[2];
            for (int k = FreeLinks(step, to); k-- > 0;)
                Walk(to[k], atStart, pastEnd, out);
            return;
        }
        }
    }
    Closure From(int32_t i, bool atStart)
    {
        seen.assign(program.steps.size() * 2, 0);
        Closure out;
        Walk(i, atStart, false, out);
        return out;
    }
};

// The characters a consuming step takes in the given case mode.
void AddMembers(const Step& step, unsigned mode, uint64_t bit, uint64_t* mask)
{
    for (int c = 0; c < 256; c++) {
        uint8_t b = static_cast<uint8_t>(c);
        bool takes = step.op == OpLiteral ? (b == step.data[0] || (!(mode & 1) && UpperCase(b) == UpperCase(step.data[0])))
                                          : InMap(step.data, b);
        if (takes)
            mask[c] |= bit;
    }
}

// Positions numbered anew in the order a walk meets them, depth first, so
// that most links go to the same position or to one of the next few.
class Renumbering {
public:
    explicit Renumbering(const BitNfa& nfa, int count) : nfa_(nfa)
    {
        for (int i = 0; i < MostPositions; i++)
            number_[i] = -1;
        Visit(nfa.firstAtStart | nfa.firstLater);
        for (int i = 0; i < count; i++)
            Visit(uint64_t(1) << i);
    }
    uint64_t operator()(uint64_t positions) const
    {
        uint64_t renumbered = 0;
        for (; positions; positions &= positions - 1)
            renumbered |= uint64_t(1) << number_[__builtin_ctzll(positions)];
        return renumbered;
    }
    int Of(int position) const { return number_[position]; }

private:
    void Visit(uint64_t positions)
    {
        for (; positions; positions &= positions - 1) {
            int p = __builtin_ctzll(positions);
            if (number_[p] >= 0)
                continue;
            number_[p] = next_++;
            Visit(nfa_.follow[p]);
        }
    }
    const BitNfa& nfa_;
    int number_[MostPositions];
    int next_ = 0;
};

void Renumber(BitNfa& nfa, int count)
{
    Renumbering to(nfa, count);
    uint64_t follow[MostPositions] = {};
    for (int i = 0; i < count; i++)
        follow[to.Of(i)] = to(nfa.follow[i]);
    for (int i = 0; i < count; i++)
        nfa.follow[i] = follow[i];
    for (uint64_t* set : {&nfa.firstAtStart, &nfa.firstLater, &nfa.accepts, &nfa.acceptsAtEnd, &nfa.sinks})
        *set = to(*set);
    for (auto& masks : nfa.masks)
        for (uint64_t& mask : masks)
            mask = to(mask);
}

}  // namespace

void BuildBitNfa(const Program& program, BitNfa& nfa)
{
    nfa = BitNfa();
    if (program.repetitionCount > 0 || program.CaseSwitches())
        return;
    Builder b{program, std::vector<int>(program.steps.size(), -1), {}};
    int count = 0;
    bool captures = false;
    for (size_t i = 0; i < program.steps.size(); i++) {
        const Step& step = program.steps[i];
        captures = captures || step.op == OpCapture;
        bool consumes = step.op == OpClass || step.op == OpLiteral || step.op == OpClassLoop ||
                        step.op == OpLazyClassLoop;
        if (!consumes)
            continue;
        if (count == MostPositions || (step.op == OpLiteral && step.length != 1))
            return;
        b.position[i] = count++;
    }
    Closure start = b.From(0, true), later = b.From(0, false);
    nfa.firstAtStart = start.positions, nfa.acceptAtStart = start.accept, nfa.endAtStart = start.acceptAtEnd;
    nfa.firstLater = later.positions, nfa.acceptLater = later.accept, nfa.endLater = later.acceptAtEnd;
    for (size_t i = 0; i < program.steps.size(); i++) {
        int p = b.position[i];
        if (p < 0)
            continue;
        const Step& step = program.steps[i];
        bool loops = step.op == OpClassLoop || step.op == OpLazyClassLoop;
        Closure after = b.From(loops ? static_cast<int32_t>(i) : step.next, false);
        nfa.follow[p] = after.positions;
        nfa.accepts |= after.accept ? uint64_t(1) << p : 0;
        nfa.acceptsAtEnd |= after.acceptAtEnd ? uint64_t(1) << p : 0;
        for (unsigned mode = 0; mode < 2; mode++)
            AddMembers(step, mode, uint64_t(1) << p, nfa.masks[mode]);
    }
    for (size_t i = 0; i < program.steps.size(); i++) {
        int p = b.position[i];
        uint64_t bit = p < 0 ? 0 : uint64_t(1) << p;
        bool every = bit != 0;
        for (int c = 0; c < 256 && every; c++)
            every = (nfa.masks[0][c] & nfa.masks[1][c] & bit) != 0;
        if (every && (nfa.follow[p] & bit) && (nfa.acceptsAtEnd & bit))
            nfa.sinks |= bit;
    }
    if (!b.fits)
        return;
    Renumber(nfa, count);
    for (int i = 0; i < count; i++) {
        uint64_t links = nfa.follow[i];
        for (int k = 0; k <= 3 && i + k < count; k++) {
            uint64_t to = uint64_t(1) << (i + k);
            if (!(links & to))
                continue;
            links &= ~to;
            (k ? nfa.ahead[k - 1] : nfa.stays) |= uint64_t(1) << i;
        }
        nfa.rest[i] = links;
        nfa.irregular |= links ? uint64_t(1) << i : 0;
    }

    nfa.usable = true;
    nfa.anchored = program.anchored;
    nfa.decides = nfa.anchored && !captures && !nfa.accepts && !nfa.acceptAtStart;
}

namespace {

// Where the walk can stand after taking the positions `took`.
inline uint64_t Follow(const BitNfa& nfa, uint64_t took, uint64_t restart)
{
    uint64_t here = restart | (took & nfa.stays) | (took & nfa.ahead[0]) << 1 | (took & nfa.ahead[1]) << 2 |
                    (took & nfa.ahead[2]) << 3;
    for (uint64_t odd = took & nfa.irregular; odd; odd &= odd - 1)
        here |= nfa.rest[__builtin_ctzll(odd)];
    return here;
}

// The bytes after which the walk stands at `here` again, no match yet; none
// when they are not known and there is no room left to keep them.
const uint8_t* KeepingBytes(BitNfa& nfa, uint64_t here, unsigned mode, uint64_t restart, uint64_t done)
{
    for (int i = 0; i < nfa.keepCount; i++)
        if (nfa.keeps[i].set == here && nfa.keeps[i].mode == mode)
            return nfa.keeps[i].bytes;
    if (nfa.keepCount == static_cast<int>(sizeof nfa.keeps / sizeof *nfa.keeps))
        return nullptr;
    BitNfa::Keep& keep = nfa.keeps[nfa.keepCount++];
    keep.set = here, keep.mode = mode;
    memset(keep.bytes, 0, sizeof keep.bytes);
    for (int c = 0; c < 256; c++) {
        uint64_t took = here & nfa.masks[mode][c];
        if (!(took & done) && Follow(nfa, took, restart) == here)
            keep.bytes[c >> 3] |= static_cast<uint8_t>(1 << (c & 7));
    }
    return keep.bytes;
}

}  // namespace

bool CanMatch(BitNfa& nfa, const uint8_t* s, int from, int end, unsigned mode)
{
    if (nfa.anchored && from > 0)
        return false;
    bool atStart = from == 0;
    if (atStart ? nfa.acceptAtStart : nfa.acceptLater)
        return true;
    if ((atStart ? nfa.endAtStart : nfa.endLater) && from == end)
        return true;
    // Unanchored: a match may also begin at any later position, empty at the end included.
    if (!nfa.anchored && (nfa.acceptLater || nfa.endLater))
        return true;
    if (from == end)
        return false;
    mode &= 1;
    const uint64_t* mask = nfa.masks[mode];
    const uint64_t restart = nfa.anchored ? 0 : nfa.firstLater;
    // Accept reached, or the rest of the line goes into a repetition whose end is Accept.
    const uint64_t done = nfa.accepts | nfa.sinks;
    uint64_t here = atStart ? nfa.firstAtStart : nfa.firstLater;
    for (int q = from; q < end - 1; q++) {
        uint64_t took = here & mask[s[q]];
        if (took & done)
            return true;
        uint64_t next = Follow(nfa, took, restart);
        if (!next)
            return false;
        // The walk stays where it stood: pass the run of bytes that keep it there.
        if (next == here) {
            const uint8_t* keep = KeepingBytes(nfa, here, mode, restart, done);
            while (keep && q + 2 < end && InMap(keep, s[q + 1]))
                q++;
        }
        here = next;
    }
    return (here & mask[s[end - 1]] & (done | nfa.acceptsAtEnd)) != 0;
}

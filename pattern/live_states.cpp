// The live states of a search (see live_states.h): each position's states are
// found from the next positions' by going backwards along the links that
// consume nothing, from Accept and from the steps whose character leads to a
// live state further on.
#include "pattern/live_states.h"

#include <string.h>

#include "pattern/char_class.h"
#include "pattern/program.h"
#include "pattern/search_limit.h"

namespace {

// The links of a step that consume nothing (program.h), with the mode the
// target sees: a case switch sets it, every other link keeps it (-1).
int Links(const Step& step, int32_t* to, int8_t* mode)
{
    int count = FreeLinks(step, to);
    int8_t sets = step.op == OpCaseSensitive ? 1 : step.op == OpIgnoreCase ? 0 : -1;
    for (int k = 0; k < count; k++)
        mode[k] = sets;
    return count;
}

}  // namespace

// The steps a walk can be at: step 0 and every step that does more than go
// on elsewhere (links lead past those), with what they lead to.
std::vector<uint8_t> Reachable(const std::vector<Step>& steps)
{
    std::vector<uint8_t> seen(steps.size(), 0);
    std::vector<int32_t> todo{0};
    for (size_t i = 0; i < steps.size(); i++)
        if (steps[i].op != OpNext && steps[i].op != OpJump)
            todo.push_back(static_cast<int32_t>(i));
    int32_t to[2];
    int8_t mode[2];
    while (!todo.empty()) {
        int32_t i = todo.back();
        todo.pop_back();
        if (seen[i])
            continue;
        seen[i] = 1;
        const Step& step = steps[i];
        for (int k = Links(step, to, mode); k-- > 0;)
            todo.push_back(to[k]);
        if (step.op == OpClass || step.op == OpLiteral)
            todo.push_back(step.next);
    }
    return seen;
}

void LiveStates::Prepare(const Program& program)
{
    program_ = &program;
    const std::vector<Step>& steps = program.steps;
    std::vector<uint8_t> reachable = Reachable(steps);
    std::vector<int32_t> count(steps.size() + 1, 0);
    int32_t to[2];
    int8_t mode[2];
    ends_.clear();
    anchor_.assign(steps.size(), 0);
    switches_ = false;
    anchorKinds_ = 0;
    for (size_t i = 0; i < steps.size(); i++) {
        const Step& step = steps[i];
        if (!reachable[i])
            continue;
        uint8_t op = step.op;
        if (op == OpAccept || op == OpClass || op == OpLiteral || op == OpClassLoop || op == OpLazyClassLoop)
            ends_.push_back(static_cast<int32_t>(i));
        anchor_[i] = op == OpLineStart || op == OpLineEnd || op == OpWordStart || op == OpWordEnd;
        anchorKinds_ |= anchor_[i] ? 1u << (op - OpLineStart) : 0;
        switches_ = switches_ || op == OpCaseSensitive || op == OpIgnoreCase;
        for (int k = Links(step, to, mode); k-- > 0;)
            count[to[k] + 1]++;
    }
    for (size_t i = 1; i < count.size(); i++)
        count[i] += count[i - 1];
    linkStart_ = count;
    links_.assign(count.back(), Link{0, 0});
    for (size_t i = 0; i < steps.size(); i++)
        for (int k = reachable[i] ? Links(steps[i], to, mode) : 0; k-- > 0;)
            links_[count[to[k]]++] = Link{static_cast<int32_t>(i), mode[k]};
    stride_ = (uint64_t(steps.size()) * 2 + 63) / 64 * 64;
    // The union of rows pays where it reads fewer words than the walk back visits states.
    useReach_ = ends_.size() * 2 * (stride_ / 64) <= stride_;
    reach_.assign(useReach_ ? 32 * ends_.size() * 2 * (stride_ / 64) : 0, 0);
    reachBuilt_ = 0;
    todo_.reserve(stride_);
}

void LiveStates::Compute(const uint8_t* s, int from, int end, unsigned mode)
{
    from_ = from;
    modeCount_ = switches_ ? 2 : 1;
    modes_[0] = switches_ ? 0 : mode & 1;
    CheckSearchTable(uint64_t(end - from + 1) * stride_ / 64, sizeof(uint64_t));
    size_t words = static_cast<size_t>((uint64_t(end - from + 1) * stride_) / 64);
    if (bits_.size() < words)
        bits_.resize(words);
    memset(bits_.data(), 0, words * sizeof(uint64_t));
    for (int q = end; q >= from; q--)
        MarkPosition(s, q, end);
}

// Whether end step i in `mode` is live at q: its own test lets it end in a match.
inline bool LiveStates::EndsLive(int32_t i, int q, const uint8_t* s, int end, unsigned mode) const
{
    const Step& step = program_->steps[i];
    if (step.op == OpAccept)
        return true;
    if (step.op == OpClass)
        return q < end && InMap(step.data, s[q]) && Alive(step.next, q + 1, mode);
    if (step.op == OpLiteral)
        return LiteralMatches(step, s, q, end, mode) && Alive(step.next, q + step.length, mode);
    return q < end && InMap(step.data, s[q]) && Alive(i, q + 1, mode);
}

void LiveStates::MarkPosition(const uint8_t* s, int q, int end)
{
    uint64_t* row = &bits_[uint64_t(q - from_) * stride_ / 64];
    unsigned anchors = 0;
    for (uint8_t op = OpLineStart; anchorKinds_ && op <= OpWordEnd; op++)
        if (anchorKinds_ & (1u << (op - OpLineStart)) && AnchorHolds(op, s, q, end))
            anchors |= 1u << (op - OpLineStart);
    if (useReach_) {
        unsigned key = anchors | (switches_ ? 0 : modes_[0] << 4);
        size_t words = stride_ / 64;
        const uint64_t* reach = reachBuilt_ & (1u << key) ? &reach_[key * ends_.size() * 2 * words] : Reach(key);
        for (size_t e = 0; e < ends_.size(); e++)
            for (int k = 0; k < modeCount_; k++, reach += words)
                if (EndsLive(ends_[e], q, s, end, modes_[k]))
                    for (size_t w = 0; w < words; w++)
                        row[w] |= reach[w];
        return;
    }
    todo_.clear();
    for (int32_t i : ends_)
        for (int k = 0; k < modeCount_; k++)
            if (EndsLive(i, q, s, end, modes_[k])) {
                Set(row, i, modes_[k]);
                todo_.push_back(i << 1 | static_cast<int32_t>(modes_[k]));
            }
    Spread(row, anchors);
}

// The rows of what reaches each end state under `key`, found the first time a position needs them.
const uint64_t* LiveStates::Reach(unsigned key)
{
    size_t words = stride_ / 64;
    uint64_t* rows = &reach_[key * ends_.size() * 2 * words];
    if (reachBuilt_ & (1u << key))
        return rows;
    reachBuilt_ |= 1u << key;
    uint64_t* row = rows;
    for (int32_t i : ends_)
        for (int k = 0; k < modeCount_; k++, row += words) {
            Set(row, i, modes_[k]);
            todo_.assign(1, i << 1 | static_cast<int32_t>(modes_[k]));
            Spread(row, key & 15);
        }
    return rows;
}

// Marks in `row` every state from which a state on the work list is reached
// without consuming, where the anchors with a bit in `anchors` hold.
void LiveStates::Spread(uint64_t* row, unsigned anchors)
{
    while (!todo_.empty()) {
        int32_t state = todo_.back();
        todo_.pop_back();
        int32_t step = state >> 1;
        unsigned mode = state & 1;
        for (int32_t k = linkStart_[step]; k < linkStart_[step + 1]; k++) {
            const Link& link = links_[k];
            if (link.mode >= 0 && static_cast<unsigned>(link.mode) != mode)
                continue;
            if (anchor_[link.from] && !(anchors & (1u << (program_->steps[link.from].op - OpLineStart))))
                continue;
            for (int m = 0; m < modeCount_; m++) {
                unsigned from = modes_[m];
                if ((link.mode < 0 && from != mode) || Has(row, (uint64_t(link.from) << 1) | from))
                    continue;
                Set(row, link.from, from);
                todo_.push_back(link.from << 1 | static_cast<int32_t>(from));
            }
        }
    }
}

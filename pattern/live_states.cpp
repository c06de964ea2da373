// The live states of a search (see live_states.h): each position's states are
// found from the next positions' by going backwards along the links that
// consume nothing, from Accept and from the steps whose character leads to a
// live state further on.
#include "pattern/live_states.h"

#include <string.h>

#include "pattern/char_class.h"
#include "pattern/program.h"

namespace {

// The links of a step that consume nothing: (target, mode the target sees; -1 the same).
int Links(const Step& step, int32_t* to, int8_t* mode)
{
    switch (step.op) {
    case OpJump: case OpEntry: case OpClassLoop: case OpLazyClassLoop:
        to[0] = step.other, mode[0] = -1;
        return 1;
    case OpLoopBack:
        to[0] = step.other, to[1] = step.exit, mode[0] = mode[1] = -1;
        return 2;
    case OpGreedy: case OpLazy:
        to[0] = step.next, to[1] = step.other, mode[0] = mode[1] = -1;
        return 2;
    case OpCaseSensitive: case OpIgnoreCase:
        to[0] = step.next, mode[0] = step.op == OpCaseSensitive ? 1 : 0;
        return 1;
    case OpAccept: case OpClass: case OpLiteral: case OpFail:
        return 0;
    default:
        to[0] = step.next, mode[0] = -1;
        return 1;
    }
}

bool IsWord(const uint8_t* s, int i)
{
    return IsAlnumChar(s[i]);
}

bool LiteralAt(const Step& step, const uint8_t* s, int q, int end, unsigned mode)
{
    if (step.length > end - q)
        return false;
    for (int k = 0; k < step.length; k++) {
        uint8_t a = s[q + k], b = step.data[k];
        if (a != b && ((mode & 1) || UpperCase(a) != UpperCase(b)))
            return false;
    }
    return true;
}

}  // namespace

void LiveStates::Prepare(const Program& program)
{
    program_ = &program;
    const std::vector<Step>& steps = program.steps;
    std::vector<int32_t> count(steps.size() + 1, 0);
    int32_t to[2];
    int8_t mode[2];
    for (const Step& step : steps)
        for (int k = Links(step, to, mode); k-- > 0;)
            count[to[k] + 1]++;
    for (size_t i = 1; i < count.size(); i++)
        count[i] += count[i - 1];
    linkStart_ = count;
    links_.assign(count.back(), Link{0, 0});
    for (size_t i = 0; i < steps.size(); i++)
        for (int k = Links(steps[i], to, mode); k-- > 0;)
            links_[count[to[k]]++] = Link{static_cast<int32_t>(i), mode[k]};
    stride_ = (uint64_t(steps.size()) * 2 + 63) / 64 * 64;
}

void LiveStates::Compute(const uint8_t* s, int from, int end)
{
    from_ = from;
    size_t words = static_cast<size_t>((uint64_t(end - from + 1) * stride_) / 64);
    if (bits_.size() < words)
        bits_.resize(words);
    memset(bits_.data(), 0, words * sizeof(uint64_t));
    for (int q = end; q >= from; q--)
        MarkPosition(s, q, end);
}

// Whether an anchor lets the walk past at q; every other step does.
bool LiveStates::Passes(int step, int q, const uint8_t* s, int end) const
{
    switch (program_->steps[step].op) {
    case OpLineStart: return q == 0;
    case OpLineEnd: return q == end;
    case OpWordStart: return q < end && (q == 0 || (IsWord(s, q) && !IsWord(s, q - 1)));
    case OpWordEnd: return q > 0 && (q >= end || (!IsWord(s, q) && IsWord(s, q - 1)));
    default: return true;
    }
}

void LiveStates::MarkPosition(const uint8_t* s, int q, int end)
{
    const std::vector<Step>& steps = program_->steps;
    uint64_t* row = &bits_[uint64_t(q - from_) * stride_ / 64];
    todo_.clear();
    for (size_t i = 0; i < steps.size(); i++) {
        const Step& step = steps[i];
        for (unsigned mode = 0; mode < 2; mode++) {
            bool live = false;
            if (step.op == OpAccept)
                live = true;
            else if (step.op == OpClass)
                live = q < end && InMap(step.data, s[q]) && Alive(step.next, q + 1, mode);
            else if (step.op == OpClassLoop || step.op == OpLazyClassLoop)
                live = q < end && InMap(step.data, s[q]) && Alive(static_cast<int>(i), q + 1, mode);
            else if (step.op == OpLiteral)
                live = LiteralAt(step, s, q, end, mode) && Alive(step.next, q + step.length, mode);
            if (live) {
                Set(row, static_cast<int>(i), mode);
                todo_.push_back(static_cast<int32_t>(i << 1 | mode));
            }
        }
    }
    while (!todo_.empty()) {
        int32_t state = todo_.back();
        todo_.pop_back();
        int32_t step = state >> 1;
        unsigned mode = state & 1;
        for (int32_t k = linkStart_[step]; k < linkStart_[step + 1]; k++) {
            const Link& link = links_[k];
            if (link.mode >= 0 && static_cast<unsigned>(link.mode) != mode)
                continue;
            if (!Passes(link.from, q, s, end))
                continue;
            for (unsigned m = 0; m < 2; m++) {
                if ((link.mode < 0 && m != mode) || Has(row, (uint64_t(link.from) << 1) | m))
                    continue;
                Set(row, link.from, m);
                todo_.push_back(link.from << 1 | static_cast<int32_t>(m));
            }
        }
    }
}

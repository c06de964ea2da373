// Leaving first (see leaving_first.h): the analysis that decides it once per
// pattern, and the search that decides it per place where the first way of a
// pass consumes, tests or captures.
#include "pattern/leaving_first.h"

#include <algorithm>

#include "pattern/char_class.h"
#include "pattern/program.h"
#include "pattern/search_limit.h"

namespace {

using Facts = LeavingFirstFacts;

// The mode in which the first way of a pass of the repetition at choice `c`
// comes back to its loop-back without consuming or testing anything (first
// branches of choices, a lazy loop's first way taking nothing, the exits of
// repetitions begun on the way): 0 or 1 when a switch sets it on the way,
// KeepsMode when none does, NotEmpty when that way consumes or tests; then
// *consumer is the step that consumes, if no switch or test comes first.
// An inner repetition's first way is its own (`inner`, found first), taken whole.
uint8_t FirstWayMode(const Program& p, int32_t c, const std::vector<uint8_t>& inner,
                     const std::vector<int32_t>& innerConsumer, int32_t* consumer)
{
    const Step& choice = p.steps[c];
    uint8_t mode = Facts::KeepsMode;
    int32_t i = choice.next;
    *consumer = -1;
    for (size_t hops = 0; hops < p.steps.size(); hops++) {
        const Step& step = p.steps[i];
        int32_t to[2];
        // The pass of an inner repetition begins: its first way, then its Join.
        bool begins = (step.op == OpGreedy || step.op == OpEntry) && step.value >= 0 && step.value != choice.value;
        if (begins) {
            uint8_t way = inner[step.value];
            if (way == Facts::NotEmpty) {
                *consumer = mode == Facts::KeepsMode ? innerConsumer[step.value] : -1;
                return Facts::NotEmpty;
            }
            mode = way == Facts::KeepsMode ? mode : way;
            i = step.op == OpEntry ? step.exit : step.other;
            continue;
        }
        switch (step.op) {
        case OpLoopBack:
            if (step.value == choice.value)
                return mode;
            i = step.exit;  // a repetition begun on the way is left at once
            continue;
        case OpCaseSensitive: case OpIgnoreCase:
            mode = step.op == OpCaseSensitive ? 1 : 0;
            i = step.next;
            continue;
        case OpClass: case OpLiteral: case OpClassLoop:
            *consumer = mode == Facts::KeepsMode ? i : -1;
            return Facts::NotEmpty;
        case OpLineStart: case OpLineEnd: case OpWordStart: case OpWordEnd: case OpCapture:
            return Facts::NotEmpty;
        default:
            if (!FreeLinks(step, to))
                return Facts::NotEmpty;
            i = to[0];
        }
    }
    return Facts::NotEmpty;
}

}  // namespace

void FindLeavingFirst(Program& p)
{
    Facts& f = p.leaving;
    f.kind.assign(p.repetitionCount, Facts::NotEmpty);
    f.exitSwitchesFirst.assign(p.repetitionCount, 0);
    f.firstConsumer.assign(p.repetitionCount, -1);
    f.dependsIndex.assign(p.repetitionCount, -1);
    int32_t last = static_cast<int32_t>(p.steps.size()) - 1;
    // Every repetition's first way, inner ones first.
    std::vector<uint8_t> firstWay(p.repetitionCount, Facts::NotEmpty);
    std::vector<int32_t> consumer(p.repetitionCount, -1);
    for (int32_t c = last; c >= 0; c--)
        if (IsRepetitionChoice(p.steps[c]))
            firstWay[p.steps[c].value] = FirstWayMode(p, c, firstWay, consumer, &consumer[p.steps[c].value]);
    for (int32_t c = 0; c <= last; c++) {
        const Step& choice = p.steps[c];
        if (!IsRepetitionChoice(choice) || choice.op != OpGreedy)
            continue;
        uint8_t mode = firstWay[choice.value];
        f.firstConsumer[choice.value] = consumer[choice.value];
        bool blind = SwitchesFirst(p, p.steps[choice.other].next, 0, last, -1);
        f.exitSwitchesFirst[choice.value] = blind;
        f.kind[choice.value] = mode == Facts::NotEmpty ? uint8_t(Facts::DependsOnPlace)
                               : blind                 ? uint8_t(Facts::KeepsMode)
                                                       : mode;
        if (mode == Facts::NotEmpty)
            f.dependsIndex[choice.value] = f.dependsCount++;
        f.writes = f.writes || (mode == Facts::NotEmpty && p.HoldsCapture(c + 1, choice.other));
    }
    f.operandRegisters.assign(static_cast<size_t>(p.repetitionCount) * 2, 0);
    for (int32_t c = 0; c <= last && f.writes; c++) {
        const Step& choice = p.steps[c];
        for (int32_t i = c + 1; IsRepetitionChoice(choice) && i < choice.other; i++)
            if (p.steps[i].op == OpCapture)
                f.operandRegisters[choice.value * 2 + p.steps[i].value / 64] |= uint64_t(1) << (p.steps[i].value % 64);
    }
    // Each repetition's own: the DependsOnPlace ones inside its operand with no other of them between.
    std::vector<std::vector<int32_t>> inner(p.repetitionCount);
    std::vector<int32_t> open;  // choices of the enclosing ones, outermost first
    for (int32_t c = 0; c <= last; c++) {
        const Step& choice = p.steps[c];
        if (!IsRepetitionChoice(choice) || f.kind[choice.value] != Facts::DependsOnPlace)
            continue;
        while (!open.empty() && p.steps[open.back()].other <= c)
            open.pop_back();
        if (!open.empty())
            inner[p.steps[open.back()].value].push_back(c);
        open.push_back(c);
    }
    f.innerStart.assign(1, 0);
    f.inner.clear();
    for (const std::vector<int32_t>& list : inner) {
        f.inner.insert(f.inner.end(), list.begin(), list.end());
        f.innerStart.push_back(static_cast<int32_t>(f.inner.size()));
    }
}

namespace {

enum WayKind : uint8_t { Follow, TakeOne, NotKnown };

// What FirstOutcome answers: the first outcome of a pass is to leave (or it
// has none), it passes a capture, the pass has no outcome at all; and, for an
// inner repetition, that it is known not to leave first.
enum : uint32_t { Leaves = 1, Writes = 2, Fails = 4, NotLeaving = 8 };

bool LeavesFirstIn(uint8_t kind, unsigned mode)
{
    return kind == Facts::KeepsMode || kind == (mode & 1);
}

}  // namespace

// Nothing known of any place yet: a generation of this search's own.
void LeavingFirst::NewGeneration()
{
    CheckSearchTable(uint64_t(facts_->dependsCount) * (uint64_t(end_) + 1) * 2, 1);
    size_t size = static_cast<size_t>(facts_->dependsCount) * (end_ + 1) * 2;
    if (known_.size() < size)
        known_.resize(size);
    if (++generation_ == 32) {
        std::fill(known_.begin(), known_.end(), 0);
        generation_ = 1;
    }
}

void LeavingFirst::ClearHeld()
{
    std::fill(held_, held_ + REGISTER_COUNT, 0);
    heldBits_[0] = heldBits_[1] = 0;
}

// A position's repetitions side by side: they are asked about together.
uint8_t& LeavingFirst::Known(int32_t repetition, int32_t q, unsigned mode)
{
    return known_[(static_cast<size_t>(q) * facts_->dependsCount + facts_->dependsIndex[repetition]) * 2 + (mode & 1)];
}

// Whether the consuming step takes the character at q.
bool LeavingFirst::Takes(int32_t i, int32_t q, unsigned mode) const
{
    const Step& step = program_->steps[i];
    if (step.op == OpLiteral)
        return LiteralMatches(step, s_, q, end_, mode);
    return q < end_ && InMap(step.data, s_[q]);
}

bool LeavingFirst::DecideAt(int32_t c, int32_t repetition, int32_t q, unsigned mode)
{
    int32_t consumer = facts_->firstConsumer[repetition];
    if (consumer >= 0 && Takes(consumer, q, mode))
        return false;  // what FirstOutcome would find first
    if (!IsKnown(Known(repetition, q, mode)))
        FindFirstOutcomes(c, q, mode);
    uint32_t known = Known(repetition, q, mode);
    const uint64_t* stores = &facts_->operandRegisters[static_cast<size_t>(repetition) * 2];
    return (known & Leaves) &&
           (!(known & Writes) || ((stores[0] & ~heldBits_[0]) | (stores[1] & ~heldBits_[1])) == 0);
}

// Decides the repetition at choice `c` at q in `mode` after the DependsOnPlace
// repetitions inside it (in either mode, where the pattern switches case),
// innermost first.
void LeavingFirst::FindFirstOutcomes(int32_t c, int32_t q, unsigned mode)
{
    const Program& p = *program_;
    // Each repetition is put on the list once in each mode at most, by the one around it.
    if (todo_.size() < static_cast<size_t>(p.repetitionCount) * 2 + 1)
        todo_.resize(static_cast<size_t>(p.repetitionCount) * 2 + 1);
    Way* todo = todo_.data();
    size_t left = 0;
    todo[left++] = Way{c, static_cast<uint8_t>(mode & 1), Follow, 0};
    unsigned modes = p.CaseSwitches() ? 2 : 1;
    while (left) {
        Way at = todo[left - 1];
        int32_t repetition = p.steps[at.step].value;
        uint8_t& known = Known(repetition, q, at.mode);
        if (IsKnown(known)) {
            left--;
            continue;
        }
        bool ready = true;
        for (int32_t k = facts_->innerStart[repetition]; k < facts_->innerStart[repetition + 1]; k++)
            for (unsigned m = 0; m < modes; m++) {
                uint8_t innerMode = static_cast<uint8_t>(modes == 2 ? m : mode & 1);
                if (!IsKnown(Known(p.steps[facts_->inner[k]].value, q, innerMode))) {
                    todo[left++] = Way{facts_->inner[k], innerMode, Follow, 0};
                    ready = false;
                }
            }
        if (ready) {
            known = static_cast<uint8_t>(generation_ << 3 | FirstOutcome(at.step, q, at.mode));
            left--;
        }
    }
}

// What an outer repetition knows of the first outcome of a pass of inner
// `repetition` begun at q in `mode`: as FirstOutcome answers, 0 when it has to
// be followed, NotLeaving when it is known not to leave.
uint32_t LeavingFirst::InnerFirstOutcome(int32_t repetition, int32_t q, unsigned mode)
{
    uint8_t kind = facts_->kind[repetition];
    if (kind != Facts::DependsOnPlace)
        return LeavesFirstIn(kind, mode);
    uint32_t known = Known(repetition, q, mode);  // decided before the outer one
    return IsKnown(known) && (known & Leaves) ? known & (Leaves | Writes | Fails) : NotLeaving;
}

// The first outcome of a pass of the repetition at choice `c` begun at q:
// the ways through the operand that consume nothing are followed in the
// walk's order, anchors tested at q, until one comes back to the loop-back
// (to leave, if in the walk's mode), one could consume (not known), or none
// is left (the pass fails). Only the mode decides a way that consumes
// nothing, so a step met again in a mode is over.
uint32_t LeavingFirst::FirstOutcome(int32_t c, int32_t q, unsigned mode)
{
    const Program& p = *program_;
    const Step& choice = p.steps[c];
    if (met_.size() < p.steps.size() * 2)
        met_.assign(p.steps.size() * 2, 0);
    if (++stamp_ == 0) {
        std::fill(met_.begin(), met_.end(), 0);
        stamp_ = 1;
    }
    // Each step met in a mode adds one way at most: room for all is made once.
    if (ways_.size() < p.steps.size() * 2 + 1)
        ways_.resize(p.steps.size() * 2 + 1);
    Way* ways = ways_.data();
    size_t left = 0;
    ways[left++] = Way{choice.next, static_cast<uint8_t>(mode & 1), Follow, 0};
    while (left) {
        Way way = ways[--left];
        if (way.kind == NotKnown)
            return 0;
        if (way.kind == TakeOne) {
            if (Takes(way.step, q, way.mode))
                return 0;
            continue;
        }
        for (int32_t i = way.step;;) {
            uint32_t& met = met_[static_cast<size_t>(i) * 2 + way.mode];
            if (met == stamp_)
                break;
            met = stamp_;
            ++*steps_;
            const Step& step = p.steps[i];
            switch (step.op) {
            case OpLoopBack:
                if (step.value != choice.value) {
                    i = step.exit;  // its pass began here
                    continue;
                }
                if (way.mode != (mode & 1) && !facts_->exitSwitchesFirst[choice.value])
                    return 0;
                return way.writes ? Leaves | Writes : uint32_t(Leaves);
            case OpNext: case OpJoinRep: i = step.next; continue;
            case OpJump: i = step.other; continue;
            case OpLineStart: case OpLineEnd: case OpWordStart: case OpWordEnd:
                if (!AnchorHolds(step.op, s_, q, end_))
                    break;
                i = step.next;
                continue;
            case OpCaseSensitive: way.mode = 1; i = step.next; continue;
            case OpIgnoreCase: way.mode = 0; i = step.next; continue;
            case OpCapture: way.writes = 1; i = step.next; continue;
            case OpClass: case OpLiteral:
                if (Takes(i, q, way.mode))
                    return 0;
                break;
            case OpClassLoop:
                if (Takes(i, q, way.mode))
                    return 0;
                i = step.other;
                continue;
            case OpLazyClassLoop:
                ways[left++] = Way{i, way.mode, TakeOne, 0};
                i = step.other;
                continue;
            case OpEntry: case OpGreedy: {
                // A pass of an inner repetition begins: where its first outcome is
                // known to be to leave, the way goes on at its Join.
                uint32_t known = step.value >= 0 ? InnerFirstOutcome(step.value, q, way.mode) : 0;
                if (known == NotLeaving)
                    return 0;
                if (known & Fails) {
                    if (step.op == OpEntry)
                        break;  // a first pass that cannot be made
                    i = step.other;
                    continue;
                }
                if (known & Leaves) {
                    ways[left++] = Way{i, way.mode, NotKnown, 0};
                    way.writes |= (known & Writes) ? 1 : 0;
                    i = step.op == OpEntry ? step.exit : step.other;
                    continue;
                }
                if (step.op == OpEntry) {
                    i = step.other;
                    continue;
                }
                ways[left++] = Way{step.other, way.mode, Follow, way.writes};
                i = step.next;
                continue;
            }
            case OpLazy:
                ways[left++] = Way{step.next, way.mode, Follow, way.writes};
                i = step.other;
                continue;
            default:  // the end of the list
                break;
            }
            break;
        }
    }
    return Leaves | Fails;
}

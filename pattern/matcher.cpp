// The matcher: backtracking over the step array of a compiled pattern, with
// its own stack instead of the call stack, so its depth is bounded by memory,
// not by the thread's stack. The walk is that of plain recursive backtracking:
// a choice tries its first way, then its second; a capturing marker stores its
// position only once the whole match has succeeded, latest first; a
// repetition ends when the walk comes back to it where its current pass began.
//
// Invariant: every technique here gives the answers of that plain walk. What
// bounds a search, each in its own file: the memory of failed states
// (failed_states.h; the pass bits of its keys are found here), live states
// (live_states.h), leaving first (leaving_first.h); and, here, passes that
// cannot consume and class loops. Start positions are filtered by first bytes,
// required strings (required_strings.h) and the bit-parallel test (bit_nfa.h).
// Why each is exact, with worked examples: docs/engine.md.
// Tests: differential_test.cpp (against the reference, shortcuts on and off),
// matcher_test.cpp (the rules case by case), depth_test.cpp (worst cases,
// with a step budget).
#include "pattern/matcher.h"

#include <string.h>

#include "pattern/bit_nfa.h"
#include "pattern/char_class.h"
#include "pattern/failed_states.h"
#include "pattern/leaving_first.h"
#include "pattern/live_states.h"
#include "pattern/pattern_node.h"
#include "pattern/program.h"
#include "pattern/required_strings.h"
#include "pattern/search_limit.h"

MatcherState Matcher;

namespace {

enum FrameType : uint32_t {
    ChoiceFrame,   // resume at `step` from `position` with `mode`; begin a pass of `value` if >= 0
    TriedFrame,    // both ways of the choice at step `choice` are under way; popped, its state failed
    LoopFrame,     // class loop `choice` entered at `value`: the rest was tried from `position` down
    LazyLoopFrame, // lazy class loop `choice` entered at `value`: the rest was tried up to `position`
    CaptureFrame,  // on success store `position` in register `value`
    UndoFrame,     // on failure put back `position` as the pass start of repetition `value`;
                   // pushed by the Join at step `choice` (else -1): its state at `step` failed
};

struct Frame {
    int32_t step;
    int32_t position;
    int32_t value;
    uint32_t type;  // FrameType, and the mode bit in bit 8
    int32_t choice;
};

const int32_t NoPass = -1;

// The backtracking stack: grown by doubling, kept from search to search.
class FrameStack {
public:
    bool empty() const { return top_ == 0; }
    size_t size() const { return top_; }
    void clear() { top_ = 0; }
    Frame& back() { return frames_[top_ - 1]; }
    void pop_back() { top_--; }
    const Frame& operator[](size_t i) const { return frames_[i]; }
    void push_back(const Frame& frame)
    {
        if (top_ == frames_.size())
            Grow();
        frames_[top_++] = frame;
    }

private:
    void Grow()
    {
        size_t size = frames_.empty() ? 1024 : frames_.size() * 2;
        CheckSearchTable(size, sizeof(Frame));
        frames_.resize(size);
    }
    std::vector<Frame> frames_;
    size_t top_ = 0;
};

struct Engine {
    const PatternNode* preparedFor = nullptr;
    bool preparedWithShortcuts = true;
    Program program;
    FrameStack stack;
    std::vector<int32_t> passStart;  // per empty-able repetition: where its current pass began
    std::vector<uint8_t> passMode;   // and in which mode (kept where countOddPasses)
    bool countOddPasses = false;     // some repetition's passes all come back in one mode
    int oddPasses = 0;               // repetitions whose current pass BeganOddly
    FailedStates failed;
    LiveStates live;
    BitNfa nfa;
    bool useLive = false;     // the program has repetitions that can pass empty: dead states are skipped
    bool shortcuts = true;    // tests turn them off to check the bare walk
    bool skipDead = true;     // tests turn off dead-state skipping to check the memory of failed states alone
    bool preparedSkippingDead = true;
    long stepBudget = 0;      // tests: the walk gives up after this many steps of one search (0: never)
    long steps = 0;
    bool gaveUp = false;
    bool modeFixed = false;   // no switch in the pattern leads out of the search's mode: no pass bits
    LeavingFirst leavingFirst;
};

Engine engine;

void PrepareAnew(const PatternNode* pattern);

// Builds the program of `pattern` unless it is the one built last.
inline void Prepare(const PatternNode* pattern)
{
    if (engine.preparedFor != pattern || engine.preparedWithShortcuts != engine.shortcuts ||
        engine.preparedSkippingDead != engine.skipDead)
        PrepareAnew(pattern);
}

void PrepareAnew(const PatternNode* pattern)
{
    engine.preparedFor = nullptr;
    BuildProgram(pattern, engine.program, engine.shortcuts);
    engine.passStart.assign(engine.program.repetitionCount, NoPass);
    engine.passMode.assign(engine.program.repetitionCount, 0);
    engine.countOddPasses = false;
    for (uint8_t mode : engine.program.modeAtLoopBack)
        engine.countOddPasses = engine.countOddPasses || mode != NoSwitchMode;
    // Editor lines: searches of them allocate nothing, whichever of them come first.
    engine.failed.Reserve(engine.program.choiceCount, 1023);
    engine.useLive = engine.skipDead && engine.program.repetitionCount > 0;
    BuildBitNfa(engine.program, engine.nfa);
    // Only where it decides does the test pay: before a walk it costs more than it saves.
    engine.nfa.usable = engine.nfa.usable && engine.nfa.decides && engine.shortcuts;
    if (engine.useLive)
        engine.live.Prepare(engine.program);
    engine.preparedWithShortcuts = engine.shortcuts;
    engine.preparedSkippingDead = engine.skipDead;
    engine.preparedFor = pattern;
}

int32_t SubjectLength()
{
    return static_cast<int32_t>(Matcher.SubjectEnd - Matcher.SubjectStart);
}

// A new search from position `from` on: no state has failed yet.
void ResetSearch(int32_t from)
{
    engine.failed.Reset(engine.program.choiceCount, SubjectLength());
    const Program& p = engine.program;
    engine.modeFixed = (Matcher.MatchMode & 1) ? !p.switchesToFolded : !p.switchesToExact;
    engine.steps = 0;
    engine.gaveUp = false;
    engine.leavingFirst.Reset(p.leaving, p, reinterpret_cast<const uint8_t*>(Matcher.SubjectStart), SubjectLength(), &engine.steps);
    if (engine.useLive) {
        engine.live.Compute(reinterpret_cast<const uint8_t*>(Matcher.SubjectStart), from, SubjectLength(),
                            Matcher.MatchMode);
        engine.steps += (SubjectLength() - from + 1) * static_cast<long>(engine.program.steps.size());
    }
}

// No way from step `step` at q ends in a match.
inline bool Dead(int32_t step, int32_t q, unsigned mode)
{
    return engine.useLive && !engine.live.Alive(step, q, mode);
}

// Whether the current pass of `repetition` began in another mode than the
// one all its passes come back to the loop-back in.
inline bool BeganOddly(int32_t repetition)
{
    uint8_t back = engine.program.modeAtLoopBack[repetition];
    return back != NoSwitchMode && engine.passStart[repetition] != NoPass && engine.passMode[repetition] != back;
}

inline void PutPass(int32_t repetition, int32_t start, unsigned mode)
{
    if (!engine.countOddPasses) {
        engine.passStart[repetition] = start;
        return;
    }
    engine.oddPasses -= BeganOddly(repetition);
    engine.passStart[repetition] = start;
    engine.passMode[repetition] = mode & 1;
    engine.oddPasses += BeganOddly(repetition);
}

// An UndoFrame of `repetition`'s pass start and mode, to put back on failure.
inline Frame UndoPass(int32_t repetition, int32_t step, unsigned mode, int32_t join)
{
    uint32_t passMode = engine.passMode[repetition];
    return Frame{step, engine.passStart[repetition], repetition, UndoFrame | (mode & 1) << 8 | passMode << 9, join};
}

void SetPass(int32_t repetition, int32_t position, unsigned mode)
{
    engine.stack.push_back(UndoPass(repetition, 0, 0, -1));
    PutPass(repetition, position, mode);
}

// Whether the states of this step tell apart where the repetitions around it began their pass.
inline bool NeedsPassBits(const Step& step)
{
    const Program& p = engine.program;
    return p.enclosingStart[step.slot] != p.enclosingStart[step.slot + 1] && !engine.modeFixed;
}

// The pass bits of a choice state: bit j set when the j-th empty-able
// repetition around the choice, innermost first, began its pass here, unless
// it began in the mode all its passes come back in. Only the innermost 64
// fit; *overflow tells whether an outer one is set too.
inline uint64_t PassBits(const Step& step, int32_t position, bool* overflow)
{
    const Program& p = engine.program;
    uint64_t bits = 0;
    *overflow = false;
    if (!NeedsPassBits(step) || (p.loopBackModesOnly[step.slot] && engine.oddPasses == 0))
        return 0;
    int32_t from = p.enclosingStart[step.slot], to = p.enclosingStart[step.slot + 1];
    for (int32_t j = from; j < to; j++) {
        int32_t repetition = p.enclosing[j];
        if (engine.passStart[repetition] != position ||
            (p.modeAtLoopBack[repetition] != NoSwitchMode && !BeganOddly(repetition)))
            continue;
        if (j - from >= 64)
            *overflow = true;
        else
            bits |= uint64_t(1) << (j - from);
    }
    return bits;
}

// Whether this choice state is known to fail. A state whose repetitions have
// begun their pass here at fewer places has only more ways open (where it
// loops once more, this one must leave), so its failure implies this one's:
// the subsets that drop the outer repetitions are looked up too.
inline bool FailedBefore(const Step& step, int32_t position, unsigned mode)
{
    bool overflow;
    uint64_t bits = PassBits(step, position, &overflow);
    for (;;) {
        if (engine.failed.Has(step.slot, position, mode, bits))
            return true;
        if (!bits)
            return false;
        bits &= ~(uint64_t(1) << (63 - __builtin_clzll(bits)));
    }
}

// Every way from the choice state failed; the pass starts are back as they were on entry.
void RecordFailure(const Frame& tried)
{
    const Step& step = engine.program.steps[tried.choice];
    bool overflow;
    uint64_t bits = PassBits(step, tried.position, &overflow);
    if (!overflow)
        engine.failed.Add(step.slot, tried.position, tried.type >> 8, bits);
}

// Whether the walk from step `index` at q fails without further ado: on its
// first character or test, or because no way from there ends in a match.
inline bool FailsAtOnce(int32_t index, int32_t q, unsigned mode)
{
    if (!engine.shortcuts)
        return Dead(index, q, mode);
    const Step& step = engine.program.steps[index];
    const uint8_t* s = reinterpret_cast<const uint8_t*>(Matcher.SubjectStart);
    int32_t end = SubjectLength();
    if (step.op == OpClass && (q >= end || !InMap(step.data, s[q])))
        return true;
    if (step.op == OpLiteral && !LiteralMatches(step, s, q, end, mode))
        return true;
    if (step.op >= OpLineStart && step.op <= OpWordEnd && !AnchorHolds(step.op, s, q, end))
        return true;
    return Dead(index, q, mode);
}

// The rest after a class loop failed from f.position: that state is done.
// Resumes a character shorter, past positions where the rest fails at once;
// false when the loop has nothing left to give.
bool GiveBack(Frame& f, int32_t& pc, int32_t& q, unsigned& mode)
{
    const Step& step = engine.program.steps[f.choice];
    unsigned loopMode = f.type >> 8;
    do {
        if (f.position == f.value) {
            RecordFailure(f);
            return false;
        }
        // Past its entry the loop consumed, so no pass began where it stands.
        engine.failed.Add(step.slot, f.position, loopMode, 0);
        f.position--;
    } while (FailsAtOnce(step.other, f.position, loopMode));
    pc = step.other;
    q = f.position;
    mode = (mode & ~1u) | loopMode;
    return true;
}

// The rest after a lazy class loop failed at f.position: takes one more
// character and tries again, or, when none can be taken, records every
// state of the loop as failed and answers false.
bool TakeOneMore(Frame& f, int32_t& pc, int32_t& q, unsigned& mode)
{
    const Step& step = engine.program.steps[f.choice];
    const uint8_t* s = reinterpret_cast<const uint8_t*>(Matcher.SubjectStart);
    int32_t end = SubjectLength();
    unsigned loopMode = f.type >> 8;
    while (f.position < end && InMap(step.data, s[f.position]) &&
           !engine.failed.Has(step.slot, f.position + 1, loopMode, 0)) {
        f.position++;
        if (!FailsAtOnce(step.other, f.position, loopMode)) {
            pc = step.other;
            q = f.position;
            mode = (mode & ~1u) | loopMode;
            return true;
        }
    }
    for (int32_t k = f.value + 1; k <= f.position; k++)
        engine.failed.Add(step.slot, k, loopMode, 0);
    f.position = f.value;
    RecordFailure(f);
    return false;
}

// Takes a class loop entered at q as far as it goes, short of a state known
// to fail. Failed states and characters are read together, in stretches that
// grow, so that an entry stops at the first failed state without reading the
// whole run each time the loop is entered again.
int32_t TakeClassLoop(const Step& step, const uint8_t* s, int32_t q, int32_t end, unsigned mode)
{
    for (int32_t last = q, stretch = 8;; stretch = stretch < 4096 ? stretch * 2 : stretch) {
        int32_t stop = end - last > stretch ? last + stretch : end;
        int32_t failed = engine.failed.FirstFailedAfter(step.slot, last, stop, mode);
        int32_t limit = failed <= stop ? failed - 1 : stop, run = last;
        while (run < limit && InMap(step.data, s[run]))
            run++;
        engine.steps += run - last;  // characters read count as steps of the budget
        if (run < stop || run == end)
            return run;
        last = run;
    }
}

// Pops frames down to the latest choice whose second way is untried and
// resumes there; false when none is left.
bool Backtrack(int32_t& pc, int32_t& q, unsigned& mode)
{
    FrameStack& stack = engine.stack;
    while (!stack.empty()) {
        Frame& f = stack.back();
        FrameType type = static_cast<FrameType>(f.type & 0xFF);
        if (type == ChoiceFrame) {
            pc = f.step;
            q = f.position;
            mode = (mode & ~1u) | (f.type >> 8);
            int32_t pass = f.value;
            f.type = TriedFrame | (f.type & ~0xFFu);
            if (pass >= 0)
                SetPass(pass, q, mode);
            return true;
        }
        if (type == LoopFrame && GiveBack(f, pc, q, mode))
            return true;
        if (type == LazyLoopFrame && TakeOneMore(f, pc, q, mode))
            return true;
        if (type == UndoFrame) {
            PutPass(f.value, f.position, (f.type >> 9) & 1);
            if (f.choice >= 0) {
                // The Join's state failed; the passes around it are as they were there.
                const Step& join = engine.program.steps[f.choice];
                bool overflow;
                uint64_t bits = PassBits(join, f.step, &overflow);
                if (!overflow)
                    engine.failed.Add(join.slot, f.step, (f.type >> 8) & 1, bits);
            }
        } else if (type == TriedFrame) {
            RecordFailure(f);
        } else if (type == CaptureFrame && engine.program.leaving.writes) {
            engine.leavingFirst.Release(f.value);
        }
        stack.pop_back();
    }
    return false;
}

// The match is complete: the markers passed store their positions, latest first.
int Succeed(int32_t q, unsigned mode)
{
    const FrameStack& stack = engine.stack;
    for (size_t i = engine.program.captures ? stack.size() : 0; i-- > 0;)
        if (stack[i].type == CaptureFrame)
            Matcher.Registers[stack[i].value] = stack[i].position;
    Matcher.Position = Matcher.SubjectStart + q;
    Matcher.MatchMode = mode;
    return 1;
}

// Walks from step `pc` at position `q`; 1 when Accept is reached.
int Walk(int32_t pc, int32_t q)
{
    const Program& p = engine.program;
    const uint8_t* s = reinterpret_cast<const uint8_t*>(Matcher.SubjectStart);
    const int32_t end = SubjectLength();
    unsigned mode = Matcher.MatchMode;
    engine.stack.clear();
    if (p.repetitionCount) {
        engine.passStart.assign(p.repetitionCount, NoPass);
        engine.passMode.assign(p.repetitionCount, 0);
        engine.oddPasses = 0;
    }
    if (p.leaving.writes)
        engine.leavingFirst.ClearHeld();
    for (;;) {
        if (engine.stepBudget && ++engine.steps > engine.stepBudget) {
            engine.gaveUp = true;
            return 0;
        }
        const Step& step = p.steps[pc];
        switch (step.op) {
        case OpNext: pc = step.next; continue;
        case OpJump: pc = step.other; continue;
        case OpEntry:
            if (step.value >= 0) {
                SetPass(step.value, q, mode);
            } else {
                // The first pass of a one-or-more that cannot pass empty: a state of its own.
                if (FailedBefore(step, q, mode))
                    break;
                engine.stack.push_back(Frame{0, q, 0, TriedFrame | (mode & 1) << 8, pc});
            }
            pc = step.other;
            continue;
        case OpLoopBack: pc = engine.passStart[step.value] == q ? step.exit : step.other; continue;
        case OpJoinRep: {
            // Past the Join the walk no longer depends on this repetition's pass: a
            // state to remember, so that nests left at one position are climbed once.
            // Where its key would need pass bits that are mostly set it is not kept
            // (they would multiply the states); the frame that puts back the pass
            // start records its failure.
            bool remember = !NeedsPassBits(step) || p.loopBackModesOnly[step.slot];
            if (remember && FailedBefore(step, q, mode))
                break;
            if (engine.passStart[step.value] != NoPass) {
                engine.stack.push_back(UndoPass(step.value, q, mode, remember ? pc : -1));
                PutPass(step.value, NoPass, 0);
            } else if (remember) {
                engine.stack.push_back(Frame{0, q, 0, TriedFrame | (mode & 1) << 8, pc});
            }
            pc = step.next;
            continue;
        }
        case OpLineStart: case OpLineEnd: case OpWordStart: case OpWordEnd:
            if (!AnchorHolds(step.op, s, q, end))
                break;
            pc = step.next;
            continue;
        case OpCaseSensitive: mode |= 1; pc = step.next; continue;
        case OpIgnoreCase: mode &= ~1u; pc = step.next; continue;
        case OpAccept: return Succeed(q, mode);
        case OpClass:
            if (q >= end || !InMap(step.data, s[q]))
                break;
            q++;
            pc = step.next;
            continue;
        case OpLiteral:
            if (!LiteralMatches(step, s, q, end, mode))
                break;
            q += step.length;
            pc = step.next;
            continue;
        case OpCapture:
            engine.stack.push_back(Frame{0, q, step.value, CaptureFrame, 0});
            if (p.leaving.writes)
                engine.leavingFirst.Hold(step.value);
            pc = step.next;
            continue;
        case OpClassLoop: {
            if (q < end && InMap(step.data, s[q])) {
                if (FailedBefore(step, q, mode))
                    break;
                int32_t entry = q;
                q = TakeClassLoop(step, s, q, end, mode);
                engine.stack.push_back(Frame{0, q, entry, LoopFrame | (mode & 1) << 8, pc});
                if (FailsAtOnce(step.other, q, mode))
                    break;
            }
            pc = step.other;
            continue;
        }
        case OpLazyClassLoop: {
            if (FailedBefore(step, q, mode))
                break;
            engine.stack.push_back(Frame{0, q, q, LazyLoopFrame | (mode & 1) << 8, pc});
            if (FailsAtOnce(step.other, q, mode))
                break;
            pc = step.other;
            continue;
        }
        case OpGreedy:
        case OpLazy: {
            if (FailedBefore(step, q, mode))
                break;
            // A new pass that cannot consume comes back empty or fails: the repetition is left here.
            if (step.value >= 0 && p.operandPlain[step.value] &&
                (q == end || !InMap(&p.operandBytes[static_cast<size_t>(step.value) * 32], s[q]))) {
                pc = step.other;
                continue;
            }
            bool greedy = step.op == OpGreedy && !(step.value >= 0 && engine.leavingFirst.Decide(pc, step.value, q, mode));
            int32_t first = greedy ? step.next : step.other, second = greedy ? step.other : step.next;
            // A second way that cannot end in a match is never taken: the first is the only one.
            if (Dead(second, q, mode)) {
                if (Dead(first, q, mode))
                    break;
                engine.stack.push_back(Frame{0, q, 0, TriedFrame | (mode & 1) << 8, pc});
                if (greedy && step.value >= 0)
                    SetPass(step.value, q, mode);
                pc = first;
                continue;
            }
            // A first way that fails on its first character or test is over at once.
            if (FailsAtOnce(first, q, mode)) {
                engine.stack.push_back(Frame{0, q, 0, TriedFrame | (mode & 1) << 8, pc});
                if (!greedy && step.value >= 0)
                    SetPass(step.value, q, mode);
                pc = greedy ? step.other : step.next;
                continue;
            }
            int32_t resume = greedy ? step.other : step.next;
            int32_t passOnResume = greedy ? -1 : step.value;
            engine.stack.push_back(Frame{resume, q, passOnResume, ChoiceFrame | (mode & 1) << 8, pc});
            if (greedy && step.value >= 0)
                SetPass(step.value, q, mode);
            pc = greedy ? step.next : step.other;
            continue;
        }
        default:
            break;
        }
        if (!Backtrack(pc, q, mode))
            return 0;
    }
}

int Attempt(int32_t position)
{
    unsigned mode = Matcher.MatchMode;
    Matcher.Position = Matcher.SubjectStart + position;
    if (!Dead(0, position, mode) && Walk(0, position)) {
        Matcher.Registers[0] = position;
        Matcher.Registers[GROUP_COUNT] = static_cast<int32_t>(Matcher.Position - Matcher.SubjectStart);
        return 1;
    }
    Matcher.MatchMode = mode;
    return 0;
}

// The first position from q on holding a byte that can begin a match; end if none.
int32_t NextStart(const Program& p, const uint8_t* s, int32_t q, int32_t end)
{
    if (p.onlyFirstByte >= 0) {
        const void* found = q < end ? memchr(s + q, p.onlyFirstByte, end - q) : nullptr;
        return found ? static_cast<int32_t>(static_cast<const uint8_t*>(found) - s) : end;
    }
    while (q < end && !InMap(p.firstBytes, s[q]))
        q++;
    return q;
}

// The answer of a pattern whose match, known to exist, runs from `from` to the end (bit_nfa.h).
int MatchToTheEnd(int32_t from)
{
    Matcher.Position = Matcher.SubjectEnd;
    Matcher.Registers[0] = from;
    Matcher.Registers[GROUP_COUNT] = SubjectLength();
    return 1;
}

// Tries the start positions from `from` on: only those holding a byte that
// can begin a match, and the end only when a match can be empty. The memory
// of failed states is cleared only when an attempt is made.
int Search(int32_t from)
{
    const Program& p = engine.program;
    const uint8_t* s = reinterpret_cast<const uint8_t*>(Matcher.SubjectStart);
    const int32_t end = SubjectLength();
    bool filter = engine.shortcuts && !p.nullable;
    if (p.anchored) {
        if (filter && (from >= end || !InMap(p.firstBytes, s[from])))
            return 0;
        if (engine.nfa.usable)
            return CanMatch(engine.nfa, s, from, end, Matcher.MatchMode) ? MatchToTheEnd(from) : 0;
        if (engine.shortcuts && !HoldsRequired(p, s, from, end, Matcher.MatchMode))
            return 0;
        ResetSearch(from);
        return Attempt(from);
    }
    if (engine.shortcuts && !HoldsRequired(p, s, from, end, Matcher.MatchMode))
        return 0;
    bool cleared = false;
    for (int32_t q = from;; q++) {
        if (filter) {
            q = NextStart(p, s, q, end);
            if (q >= end)
                return 0;
        } else if (q > end) {
            return 0;
        }
        if (!cleared)
            ResetSearch(q), cleared = true;
        if (Attempt(q))
            return 1;
        if (engine.gaveUp)
            return 0;
    }
}

// Every register -1, in 16-byte stores unrolled (a memset compiles to a string
// instruction, the plain loop to one store a turn: either costs twice as much).
void ClearRegisters(int32_t* registers)
{
    static const int32_t unset[4] = {-1, -1, -1, -1};
#pragma GCC unroll 32
    for (int i = 0; i < REGISTER_COUNT; i += 4)
        memcpy(registers + i, unset, sizeof unset);
}

const PatternNode* FirstNode(const PatternNode* node)
{
    while (node->prev)
        node = node->prev;
    return node;
}

}  // namespace

int SearchLineReporting(const PatternNode* pattern, const char* subject, int length, const char* from,
                        int32_t* registers, unsigned mode)
{
    if (!pattern)
        return 0;
    if (length < 0)
        length = 0;
    Matcher.SubjectStart = subject;
    Matcher.SubjectEnd = subject + length;
    Matcher.Registers = registers;
    Matcher.MatchMode = mode;
    ClearRegisters(registers);
    int32_t start = from < subject ? 0 : from > subject + length ? length : static_cast<int32_t>(from - subject);
    try {
        Prepare(pattern);
        return Search(start);
    } catch (...) {
        // Out of memory, or a table past its bound (search_limit.h): nothing escapes.
        engine.preparedFor = nullptr;
        ClearRegisters(registers);
        return -1;
    }
}

int SearchLine(const PatternNode* pattern, const char* subject, int length, const char* from,
               int32_t* registers, unsigned mode)
{
    return SearchLineReporting(pattern, subject, length, from, registers, mode) == 1;
}

int MatchAt(const PatternNode* pattern, const char* position)
{
    if (!pattern)
        return 0;
    ClearRegisters(Matcher.Registers);
    try {
        Prepare(pattern);
        ResetSearch(0);
        return Attempt(static_cast<int32_t>(position - Matcher.SubjectStart));
    } catch (...) {
        engine.preparedFor = nullptr;
        return 0;
    }
}

int MatchFrom(const PatternNode* node)
{
    if (!node)
        return 0;
    try {
        Prepare(FirstNode(node));
        ResetSearch(0);
        const Program& p = engine.program;
        int32_t step = 0;
        while (p.nodes[step] != node)
            step++;
        return Walk(step, static_cast<int32_t>(Matcher.Position - Matcher.SubjectStart));
    } catch (...) {
        engine.preparedFor = nullptr;
        return 0;
    }
}

void ForgetPreparedPattern(const PatternNode* pattern)
{
    if (engine.preparedFor == pattern)
        engine.preparedFor = nullptr;
}

void SetMatcherShortcuts(bool on)
{
    engine.shortcuts = on;
}

void SetMatcherDeadStateSkipping(bool on)
{
    engine.skipDead = on;
}

void SetMatcherStepBudget(long steps)
{
    engine.stepBudget = steps;
}

bool MatcherGaveUp()
{
    return engine.gaveUp;
}

// Turns a node list into the matcher's step array and analyses it (see program.h).
// The analyses follow the links a walk can take without consuming a character;
// they are conservative: an anchor or word test is assumed to pass. Each
// decides inner constructs before outer ones, so that an outer one takes an
// inner one whole and every step is walked a bounded number of times.
#include "pattern/program.h"

#include <string.h>

#include <algorithm>
#include <initializer_list>
#include <unordered_map>

#include "pattern/char_class.h"
#include "pattern/pattern_node.h"
#include "pattern/required_strings.h"

namespace {

// A repetition choice with its loop-back Jump and, for + and #, its entry Jump.
struct Repetition {
    int32_t choice, loopBack, join, entry;
};

struct Builder {
    Program& program;
    std::unordered_map<const PatternNode*, int32_t> index;
    int32_t sentinel = 0;
    std::vector<Repetition> repetitions;

    int32_t IndexOf(const PatternNode* node) const
    {
        if (!node)
            return sentinel;
        auto found = index.find(node);
        return found == index.end() ? sentinel : found->second;
    }
};

// Where the walk goes on after an AltEnd: behind the alternation's right
// operand (the last one of a chain), skipping a group whole or one node.
const PatternNode* SkipTarget(const PatternNode* altEnd)
{
    const PatternNode* join = altEnd->next;
    const PatternNode* n = join ? join->next : nullptr;
    while (n && IsChoice(n) && n->kind == '|' && n->other)
        n = n->other->next;
    if (!n)
        return nullptr;
    if (!IsGroupMarker(n))
        return n->next;
    // A closing marker right behind the bar (`{a|}`): the operand is empty.
    if (n->flags & CloseFlag)
        return n;
    return n->other ? n->other->next : nullptr;  // behind the group's closing marker
}

const uint8_t PlainOps[] = {
    OpNext /*Join*/,   OpJump /*Jump*/,   OpJump /*AltEnd*/, OpLineStart,     OpLineEnd,
    OpWordStart,       OpWordEnd,         OpCaseSensitive,   OpIgnoreCase,
};

void FillStep(Builder& b, const PatternNode* node, Step& step)
{
    unsigned word = NodeWord(node);
    step.op = OpNext;
    step.next = b.IndexOf(node->next);
    step.other = step.exit = b.sentinel;
    step.value = step.slot = -1;
    if (word < sizeof PlainOps) {
        step.op = PlainOps[word];
        if (word == Jump || word == Join)
            step.other = b.IndexOf(node->other);
        if (word == AltEnd)
            step.other = b.IndexOf(SkipTarget(node));
    } else if (word == Accept) {
        step.op = OpAccept;
    } else if (word == Literal) {
        step.op = node->length > 0 && node->data ? OpLiteral : OpFail;
        step.length = node->length;
        step.data = node->data;
    } else if (word >= AnyChar && word <= NotAlnum) {
        step.op = OpClass;
        step.value = static_cast<int32_t>(b.program.maps.size());
        b.program.maps.resize(b.program.maps.size() + CharSetBytes);
        ConsumingMap(word, node->data, &b.program.maps[step.value]);
    } else if (IsGroupMarker(node)) {
        // Group numbers beyond the registers are never built; if one were, it would store nothing.
        int group = node->kind;
        if ((node->flags & CaptureFlag) && group <= GROUP_COUNT - 1) {
            step.op = OpCapture;
            step.value = (node->flags & OpenFlag) ? group : GROUP_COUNT + group;
        }
    } else if (IsChoice(node)) {
        step.op = (node->flags & GreedyFlag) ? OpGreedy : OpLazy;
        step.other = b.IndexOf(node->other);
        step.slot = b.program.choiceCount++;
    }
}

// The steps a walk can reach from `from` without consuming a character.
void ReachFree(const Program& program, int32_t from, std::vector<uint8_t>& seen)
{
    std::vector<int32_t> todo{from};
    seen.assign(program.steps.size(), 0);
    while (!todo.empty()) {
        int32_t i = todo.back();
        todo.pop_back();
        if (seen[i])
            continue;
        seen[i] = 1;
        const Step& step = program.steps[i];
        int32_t to[2];
        for (int k = step.op == OpClass || step.op == OpLiteral ? 0 : Successors(step, to); k-- > 0;)
            todo.push_back(to[k]);
    }
}

// Every repetition, in list order, found in one pass: a loop-back is the one
// Jump back to its choice.
std::vector<Repetition> FindRepetitions(const Builder& b)
{
    const Program& p = b.program;
    std::vector<int32_t> loopBack(p.nodes.size(), -1);
    for (size_t i = 0; i < p.nodes.size(); i++) {
        const PatternNode* node = p.nodes[i];
        if (NodeWord(node) == Jump && node->other && IsRepetition(node->other))
            loopBack[b.IndexOf(node->other)] = static_cast<int32_t>(i);
    }
    std::vector<Repetition> found;
    for (size_t i = 0; i < p.nodes.size(); i++) {
        const PatternNode* choice = p.nodes[i];
        if (!IsRepetition(choice) || loopBack[i] < 0)
            continue;
        const PatternNode* entry = choice->prev;
        bool entered = entry && NodeWord(entry) == Jump && entry->other == choice->next;
        found.push_back(Repetition{static_cast<int32_t>(i), loopBack[i], b.IndexOf(choice->other),
                                   entered ? b.IndexOf(entry) : -1});
    }
    return found;
}

// Marks the repetitions whose operand can be passed without consuming
// anything; only they remember where their current pass began. Inner ones
// are decided first, so that a way met at an inner construct goes on at its
// Join at once: each step is walked for its innermost repetition only.
void MarkEmptyableRepetitions(Builder& b)
{
    Program& p = b.program;
    std::vector<int8_t> emptyable(p.steps.size(), -1);  // per choice step: known for inner ones
    std::vector<int32_t> entered(p.steps.size(), -1);   // per entry Jump: its choice
    for (const Repetition& r : b.repetitions)
        if (r.entry >= 0)
            entered[r.entry] = r.choice;
    std::vector<int32_t> met(p.steps.size(), -1), todo;
    for (size_t k = b.repetitions.size(); k-- > 0;) {
        const Repetition& r = b.repetitions[k];
        const int32_t stamp = static_cast<int32_t>(k);
        bool passes = false;
        todo.assign(1, p.steps[r.choice].next);
        while (!todo.empty() && !passes) {
            int32_t i = todo.back();
            todo.pop_back();
            if (i <= r.choice || i >= r.join || met[i] == stamp)
                continue;
            met[i] = stamp;
            passes = i == r.loopBack;
            const Step& step = p.steps[i];
            int32_t to[2], count = 0;
            if (emptyable[i] >= 0)
                to[count++] = step.other;  // an inner repetition, left at once
            else if (entered[i] >= 0 && emptyable[entered[i]] == 1)
                to[count++] = p.steps[entered[i]].other;  // an inner one-or-more whose pass can be empty
            else if (entered[i] < 0 && step.op != OpClass && step.op != OpLiteral)
                count = Successors(step, to);
            while (count-- > 0)
                todo.push_back(to[count]);
        }
        emptyable[r.choice] = passes;
    }
    for (const Repetition& r : b.repetitions) {
        if (emptyable[r.choice] != 1)
            continue;
        int32_t rep = p.repetitionCount++;
        p.steps[r.choice].value = rep;
        p.steps[r.loopBack].op = OpLoopBack;
        p.steps[r.loopBack].value = rep;
        p.steps[r.loopBack].exit = r.join;
        p.steps[r.join].op = OpJoinRep;
        p.steps[r.join].value = rep;
        p.steps[r.join].slot = p.choiceCount++;
        if (r.entry >= 0) {
            p.steps[r.entry].op = OpEntry;
            p.steps[r.entry].value = rep;
            p.steps[r.entry].exit = r.join;
        }
    }
}

std::vector<int32_t> ResolveAll(const Program& p);

// The entry of a one-or-more that cannot pass empty, where its operand
// begins with a step that is no state of its own (a capture, a case switch),
// becomes one: the first passes of a nest begun at one position are then
// walked into once there, not once per level that begins a pass.
void MarkEntryStates(Builder& b)
{
    Program& p = b.program;
    std::vector<int32_t> resolved = ResolveAll(p);
    for (const Repetition& r : b.repetitions) {
        if (r.entry < 0)
            continue;
        Step& entry = p.steps[r.entry];
        uint8_t first = p.steps[resolved[entry.other]].op;
        if (entry.op == OpJump && (first == OpCapture || first == OpCaseSensitive || first == OpIgnoreCase)) {
            entry.op = OpEntry;
            entry.slot = p.choiceCount++;
        }
    }
}


// The mode in which every way through the operand of the repetition at
// choice `c` comes back to its loop-back, whatever mode its pass began in
// (the last switch of every way sets it), or NoSwitchMode.
uint8_t ModeAtLoopBack(const Program& p, int32_t c)
{
    const Step& choice = p.steps[c];
    for (uint8_t mode : {0, 1}) {
        // States: a step and the mode the last switch on the way set (2: none yet).
        std::vector<uint8_t> seen(p.steps.size() * 3, 0);
        std::vector<std::pair<int32_t, uint8_t>> todo{{choice.next, 2}};
        bool always = true;
        while (!todo.empty() && always) {
            int32_t i = todo.back().first;
            uint8_t last = todo.back().second;
            todo.pop_back();
            if (i <= c || i >= choice.other) {
                always = false;  // a way that leaves the operand
                break;
            }
            if (seen[static_cast<size_t>(i) * 3 + last]++)
                continue;
            const Step& step = p.steps[i];
            if (step.op == OpLoopBack && step.value == choice.value) {
                always = last == mode;
                continue;
            }
            if (step.op == OpCaseSensitive || step.op == OpIgnoreCase)
                last = step.op == OpCaseSensitive;
            int32_t to[2];
            for (int k = Successors(step, to); k-- > 0;)
                todo.push_back({to[k], last});
        }
        if (always)
            return mode;
    }
    return NoSwitchMode;
}

// For each choice, the empty-able repetitions around it whose pass start the
// memory of failed states must tell apart (docs/engine.md): those whose
// operand holds a case switch that a pass may not meet before its mode
// matters, innermost first; and whether all of them come back to their
// loop-back in one mode.
void ListEnclosingRepetitions(Program& p)
{
    std::vector<std::vector<int32_t>> around(p.choiceCount);
    p.modeAtLoopBack.assign(p.repetitionCount, NoSwitchMode);
    p.loopBackModesOnly.assign(p.choiceCount, 1);
    for (size_t c = 0; c < p.steps.size(); c++) {
        const Step& choice = p.steps[c];
        if (!IsRepetitionChoice(choice) || !p.HoldsSwitch(static_cast<int32_t>(c) + 1, choice.other) ||
            SwitchesFirst(p, choice.next, static_cast<int32_t>(c) + 1, choice.other - 1, choice.value))
            continue;
        uint8_t mode = ModeAtLoopBack(p, static_cast<int32_t>(c));
        p.modeAtLoopBack[choice.value] = mode;
        for (int32_t i = static_cast<int32_t>(c) + 1; i < choice.other; i++)
            if (p.steps[i].slot >= 0) {
                around[p.steps[i].slot].push_back(choice.value);
                p.loopBackModesOnly[p.steps[i].slot] &= mode != NoSwitchMode;
            }
    }
    p.enclosingStart.assign(1, 0);
    for (const std::vector<int32_t>& list : around) {
        p.enclosing.insert(p.enclosing.end(), list.rbegin(), list.rend());
        p.enclosingStart.push_back(static_cast<int32_t>(p.enclosing.size()));
    }
}

// For each empty-able repetition, whether its operand is plain (it holds no
// capture and no case switch) and the bytes any consuming step of it takes (a
// literal in either case). Where the byte ahead is none of them, a new pass of
// a plain operand can only come back empty, writing nothing, or fail: the
// matcher then leaves the repetition at once, which gives the same answer.
void FindOperandBytes(Program& p)
{
    p.operandPlain.assign(p.repetitionCount, 0);
    p.operandBytes.assign(static_cast<size_t>(p.repetitionCount) * 32, 0);
    // Inner operands first: an outer one takes their bytes whole.
    for (int32_t c = static_cast<int32_t>(p.steps.size()); c-- > 0;) {
        const Step& choice = p.steps[c];
        if (!IsRepetitionChoice(choice))
            continue;
        p.operandPlain[choice.value] = !p.HoldsCapture(c + 1, choice.other) && !p.HoldsSwitch(c + 1, choice.other);
        uint8_t* bytes = &p.operandBytes[static_cast<size_t>(choice.value) * 32];
        for (int32_t i = c + 1; i < choice.other && p.operandPlain[choice.value]; i++) {
            const Step& step = p.steps[i];
            if (IsRepetitionChoice(step)) {
                for (int k = 0; k < 32; k++)
                    bytes[k] |= p.operandBytes[static_cast<size_t>(step.value) * 32 + k];
                i = step.other - 1;
            }
            if (step.op == OpClass)
                for (int k = 0; k < 32; k++)
                    bytes[k] |= step.data[k];
            if (step.op == OpLiteral)
                for (uint8_t b : {UpperCase(step.data[0]), LowerCase(step.data[0]), step.data[0]})
                    bytes[b >> 3] |= static_cast<uint8_t>(1 << (b & 7));
        }
    }
}

// A repetition of a single class (`\s*`, `[a-z]+`, `.@`) needs no choice per
// character: the matcher runs it as one loop.
void MarkClassLoops(Program& p)
{
    for (size_t c = 0; c < p.nodes.size(); c++) {
        Step& choice = p.steps[c];
        if ((choice.op != OpGreedy && choice.op != OpLazy) || !IsRepetition(p.nodes[c]) || choice.value >= 0)
            continue;
        const Step& operand = p.steps[choice.next];
        const Step& back = p.steps[operand.next];
        if (operand.op == OpClass && back.op == OpJump && back.other == static_cast<int32_t>(c)) {
            choice.op = choice.op == OpGreedy ? OpClassLoop : OpLazyClassLoop;
            choice.data = operand.data;
        }
    }
}

// Where each link really leads: past steps that only go on elsewhere. Each
// chain is followed once; a loop of jumps only leads to the sentinel, which fails.
std::vector<int32_t> ResolveAll(const Program& p)
{
    const int32_t unknown = -1, onChain = -2, sentinel = static_cast<int32_t>(p.steps.size() - 1);
    std::vector<int32_t> to(p.steps.size(), unknown), chain;
    for (int32_t start = 0; start <= sentinel; start++) {
        int32_t i = start;
        while (to[i] == unknown && (p.steps[i].op == OpNext || p.steps[i].op == OpJump)) {
            to[i] = onChain;
            chain.push_back(i);
            i = p.steps[i].op == OpNext ? p.steps[i].next : p.steps[i].other;
        }
        int32_t end = to[i] == onChain ? sentinel : to[i] >= 0 ? to[i] : i;
        if (to[i] == unknown)
            to[i] = i;
        for (int32_t k : chain)
            to[k] = end;
        chain.clear();
    }
    return to;
}

// Links skip markers of plain groups, plain Joins, jumps and AltEnds, so that
// the matcher spends no step on them. Done last: the analysis needs them.
void ShortenLinks(Program& p)
{
    std::vector<int32_t> to = ResolveAll(p);
    for (Step& step : p.steps) {
        step.next = to[step.next];
        step.other = to[step.other];
        step.exit = to[step.exit];
    }
}

void FindFirstBytes(Program& p)
{
    std::vector<uint8_t> seen;
    ReachFree(p, 0, seen);
    memset(p.firstBytes, 0, sizeof p.firstBytes);
    for (size_t i = 0; i < p.steps.size(); i++) {
        if (!seen[i])
            continue;
        const Step& step = p.steps[i];
        if (step.op == OpAccept)
            p.nullable = true;
        if (step.op == OpClass)
            for (int k = 0; k < CharSetBytes; k++)
                p.firstBytes[k] |= p.maps[step.value + k];
        if (step.op == OpLiteral)
            for (uint8_t c : {step.data[0], UpperCase(step.data[0]), LowerCase(step.data[0])})
                p.firstBytes[c >> 3] |= static_cast<uint8_t>(1u << (c & 7));
    }
    int members = 0;
    for (int c = 0; c < 256; c++)
        if (InMap(p.firstBytes, static_cast<uint8_t>(c)))
            members++, p.onlyFirstByte = c;
    if (members != 1)
        p.onlyFirstByte = -1;
}

}  // namespace

void BuildProgram(const PatternNode* first, Program& program, bool shortcuts)
{
    program = Program();
    Builder b{program, {}, 0, {}};
    for (const PatternNode* node = first; node; node = node->next) {
        b.index[node] = static_cast<int32_t>(program.nodes.size());
        program.nodes.push_back(node);
    }
    b.sentinel = static_cast<int32_t>(program.nodes.size());
    program.steps.resize(program.nodes.size() + 1);
    for (size_t i = 0; i < program.nodes.size(); i++)
        FillStep(b, program.nodes[i], program.steps[i]);
    Step& sentinel = program.steps[b.sentinel];
    sentinel.op = OpFail;
    sentinel.next = sentinel.other = sentinel.exit = b.sentinel;
    sentinel.value = sentinel.slot = -1;
    for (Step& step : program.steps)
        if (step.op == OpClass)
            step.data = &program.maps[step.value];
    for (size_t i = 0; i <= program.nodes.size(); i++) {
        const Step& step = program.steps[i];
        program.capturesBefore.push_back(program.capturesBefore.back() + (step.op == OpCapture));
        program.switchesBefore.push_back(program.switchesBefore.back() +
                                         (step.op == OpCaseSensitive || step.op == OpIgnoreCase));
    }
    b.repetitions = FindRepetitions(b);
    MarkEmptyableRepetitions(b);
    MarkEntryStates(b);
    if (shortcuts)
        MarkClassLoops(program);
    ListEnclosingRepetitions(program);
    FindOperandBytes(program);
    FindLeavingFirst(program);
    FindFirstBytes(program);
    ShortenLinks(program);
    for (const Step& step : program.steps) {
        program.switchesToExact = program.switchesToExact || step.op == OpCaseSensitive;
        program.switchesToFolded = program.switchesToFolded || step.op == OpIgnoreCase;
        program.captures = program.captures || step.op == OpCapture;
    }
    FindRequiredStrings(program);
    program.anchored = first && NodeWord(first) == LineStart;
}

bool SwitchesFirst(const Program& p, int32_t from, int32_t first, int32_t last, int32_t repetition)
{
    if (!p.HoldsSwitch(0, static_cast<int32_t>(p.steps.size())))
        return false;  // every way reaches Accept, or a literal, first
    std::vector<uint8_t> seen(p.steps.size(), 0);
    std::vector<int32_t> todo{from};
    while (!todo.empty()) {
        int32_t i = todo.back();
        todo.pop_back();
        if (i < first || i > last)
            return false;  // the pass ends, or the way leaves the operand
        if (seen[i])
            continue;
        seen[i] = 1;
        const Step& step = p.steps[i];
        if (step.op == OpCaseSensitive || step.op == OpIgnoreCase)
            continue;
        if (step.op == OpLiteral || step.op == OpAccept || (step.op == OpLoopBack && step.value == repetition))
            return false;
        int32_t to[2];
        for (int k = Successors(step, to); k-- > 0;)
            todo.push_back(to[k]);
    }
    return true;
}

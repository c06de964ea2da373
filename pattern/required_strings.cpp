// Required strings (see required_strings.h): found on the links as the walk
// follows them, every test assumed to pass.
#include "pattern/required_strings.h"

#include <string.h>

#include <algorithm>

#include "pattern/program.h"

namespace {

// Literal steps that every way from a step to Accept passes one of, or
// `none` when some way passes no literal (or too many would be needed).
struct Cover {
    bool none = false;
    std::vector<int32_t> literals;  // sorted
};

const size_t MostRequired = 4;

bool Merge(Cover& into, const Cover& from)
{
    if (into.none)
        return false;
    if (from.none) {
        into.none = true;
        into.literals.clear();
        return true;
    }
    bool changed = false;
    for (int32_t l : from.literals) {
        auto at = std::lower_bound(into.literals.begin(), into.literals.end(), l);
        if (at == into.literals.end() || *at != l)
            into.literals.insert(at, l), changed = true;
    }
    if (into.literals.size() > MostRequired)
        into.none = true, into.literals.clear();
    return changed;
}

// The string a literal step begins: it and the literal steps that follow it at once.
std::string LiteralRun(const Program& p, int32_t i)
{
    std::string run;
    for (size_t hops = 0; p.steps[i].op == OpLiteral && hops < p.steps.size(); hops++) {
        run.append(reinterpret_cast<const char*>(p.steps[i].data), p.steps[i].length);
        i = p.steps[i].next;
    }
    return run;
}

// Literal steps every way from each step to Accept passes, a bit each, for
// patterns of few literal steps: the greatest sets that hold along the links,
// each step found again when a step it leads to loses a bit (a set only
// shrinks, so that ends). The longest run that begins at one of step 0's is
// required besides.
const size_t MostPassedLiterals = 256;

// The links the sets hold along: a Class or Literal step goes on at next, a
// class loop may take nothing (only its way out counts).
int Links(const Step& step, int32_t* to)
{
    return step.op == OpClass || step.op == OpLiteral ? Successors(step, to) : FreeLinks(step, to);
}

void FindAlwaysRequired(Program& p)
{
    p.alwaysRequired.clear();
    size_t n = p.steps.size();
    std::vector<int32_t> literal(n, -1), literals;
    for (size_t i = 0; i < n; i++)
        if (p.steps[i].op == OpLiteral) {
            literal[i] = static_cast<int32_t>(literals.size());
            literals.push_back(static_cast<int32_t>(i));
        }
    if (literals.empty() || literals.size() > MostPassedLiterals)
        return;
    // The steps each step is reached from: from[fromStart[i] .. fromStart[i + 1]).
    std::vector<int32_t> fromStart(n + 1, 0), from;
    int32_t to[2];
    for (size_t i = 0; i < n; i++)
        for (int k = Links(p.steps[i], to); k-- > 0;)
            fromStart[to[k] + 1]++;
    for (size_t i = 0; i < n; i++)
        fromStart[i + 1] += fromStart[i];
    from.resize(fromStart[n]);
    std::vector<int32_t> fill(fromStart.begin(), fromStart.end() - 1);
    for (size_t i = 0; i < n; i++)
        for (int k = Links(p.steps[i], to); k-- > 0;)
            from[fill[to[k]]++] = static_cast<int32_t>(i);
    const size_t words = (literals.size() + 63) / 64;
    std::vector<uint64_t> passed(n * words, ~uint64_t(0)), next(words);
    std::vector<int32_t> todo;
    std::vector<uint8_t> queued(n, 1);
    for (size_t i = 0; i < n; i++)
        todo.push_back(static_cast<int32_t>(i));  // the last step first: most links lead forwards
    while (!todo.empty()) {
        int32_t i = todo.back();
        todo.pop_back();
        queued[i] = 0;
        const Step& step = p.steps[i];
        if (step.op == OpFail)
            continue;  // no way goes on: every set holds
        std::fill(next.begin(), next.end(), step.op == OpAccept ? 0 : ~uint64_t(0));
        for (int k = Links(step, to); k-- > 0;)
            for (size_t w = 0; w < words; w++)
                next[w] &= passed[to[k] * words + w];
        if (literal[i] >= 0)
            next[literal[i] / 64] |= uint64_t(1) << (literal[i] % 64);
        if (std::equal(next.begin(), next.end(), passed.begin() + i * words))
            continue;
        std::copy(next.begin(), next.end(), passed.begin() + i * words);
        for (int32_t k = fromStart[i]; k < fromStart[i + 1]; k++)
            if (!queued[from[k]])
                queued[from[k]] = 1, todo.push_back(from[k]);
    }
    for (size_t k = 0; k < literals.size(); k++)
        if ((passed[k / 64] >> (k % 64)) & 1) {
            std::string run = LiteralRun(p, literals[k]);
            if (run.size() >= p.alwaysRequired.size())
                p.alwaysRequired = run;
        }
    if (p.required.size() == 1 && p.required[0] == p.alwaysRequired)
        p.alwaysRequired.clear();
}

}  // namespace

void FindRequiredStrings(Program& p)
{
    size_t n = p.steps.size();
    std::vector<Cover> cover(n);
    for (size_t i = 0; i < n; i++) {
        if (p.steps[i].op == OpLiteral)
            cover[i].literals.push_back(static_cast<int32_t>(i));
        if (p.steps[i].op == OpAccept)
            cover[i].none = true;
    }
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t i = n; i-- > 0;) {
            const Step& step = p.steps[i];
            if (step.op == OpLiteral)
                continue;
            // A class loop may take nothing: only its way out counts.
            int32_t to[2];
            for (int k = step.op == OpClass ? Successors(step, to) : FreeLinks(step, to); k-- > 0;)
                changed |= Merge(cover[i], cover[to[k]]);
        }
    }
    p.required.clear();
    if (!cover[0].none)
        for (int32_t l : cover[0].literals) {
            std::string run = LiteralRun(p, l);
            if (std::find(p.required.begin(), p.required.end(), run) == p.required.end())
                p.required.push_back(run);
        }
    FindAlwaysRequired(p);
}


// Whether the n bytes at s hold the string r (memmem is not everywhere).
bool Holds(const uint8_t* s, int32_t n, const std::string& r)
{
    const uint8_t* end = s + n;
    const uint8_t* at = s;
    size_t length = r.size();
    if (length == 1)
        return memchr(s, static_cast<uint8_t>(r[0]), n) != nullptr;
    while (static_cast<size_t>(end - at) >= length) {
        at = static_cast<const uint8_t*>(memchr(at, static_cast<uint8_t>(r[0]), end - at - length + 1));
        if (!at)
            return false;
        if (!memcmp(at + 1, r.data() + 1, length - 1))
            return true;
        at++;
    }
    return false;
}

bool HoldsRequiredStrings(const Program& p, const uint8_t* s, int32_t from, int32_t end)
{
    if (!p.alwaysRequired.empty() && !Holds(s + from, end - from, p.alwaysRequired))
        return false;
    if (p.required.empty())
        return true;
    for (const std::string& r : p.required)
        if (Holds(s + from, end - from, r))
            return true;
    return false;
}

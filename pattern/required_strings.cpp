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
    if (cover[0].none)
        return;
    for (int32_t l : cover[0].literals) {
        std::string run = LiteralRun(p, l);
        if (std::find(p.required.begin(), p.required.end(), run) == p.required.end())
            p.required.push_back(run);
    }
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

bool HoldsRequired(const Program& p, const uint8_t* s, int32_t from, int32_t end, unsigned mode)
{
    if (p.required.empty() || p.CaseSwitches() || !(mode & 1))
        return true;
    for (const std::string& r : p.required)
        if (Holds(s + from, end - from, r))
            return true;
    return false;
}

// The reference matcher (see reference_matcher.h): the node list walked
// directly, as the rules of the language say, with the call stack as the
// backtracking stack.
#include "tests/pattern/reference_matcher.h"

#include <map>

#include "pattern/char_class.h"
#include "pattern/pattern_node.h"

namespace {

struct Reference {
    const uint8_t* s;
    int end;
    int32_t* registers;
    unsigned mode;
    int position;
    std::map<const PatternNode*, int> passStart;  // per repetition choice: where its current pass began
    long budget;
};

Reference* R;

bool IsWord(int i) { return IsAlnumChar(R->s[i]); }

bool TestClass(unsigned word, const uint8_t* data, uint8_t c)
{
    switch (word) {
    case AnyChar: return true;
    case CharSet: return InMap(data, c);
    case NotCharSet: return !InMap(data, c);
    case Space: return IsSpaceChar(c);
    case NotSpace: return !IsSpaceChar(c);
    case Upper: return IsUpperChar(c);
    case Lower: return IsLowerChar(c);
    case Digit: return IsDigitChar(c);
    case NotDigit: return !IsDigitChar(c);
    case Alnum: return IsAlnumChar(c);
    default: return !IsAlnumChar(c);
    }
}

const PatternNode* SkipRightOperand(const PatternNode* altEnd)
{
    const PatternNode* n = altEnd->next ? altEnd->next->next : nullptr;
    if (!n)
        return nullptr;
    while (n && IsChoice(n) && n->kind == '|' && n->other)
        n = n->other->next;
    if (!n)
        return nullptr;
    if (!IsGroupMarker(n))
        return n->next;
    if (n->flags & CloseFlag)
        return n;
    int depth = 1;
    for (n = n->next; n; n = n->next)
        if (IsGroupMarker(n) && (depth += (n->flags & OpenFlag) ? 1 : -1) == 0)
            return n->next;
    return nullptr;
}

bool IsLoopBack(const PatternNode* jump)
{
    return jump->other && IsRepetition(jump->other);
}

bool IsEntry(const PatternNode* jump)
{
    const PatternNode* c = jump->next;
    return c && IsRepetition(c) && jump->other == c->next;
}

bool From(const PatternNode* node, int q);

bool Choose(const PatternNode* node, int q)
{
    unsigned mode = R->mode;
    std::map<const PatternNode*, int> passStart = R->passStart;
    bool greedy = node->flags & GreedyFlag;
    const PatternNode* first = greedy ? node->next : node->other;
    const PatternNode* second = greedy ? node->other : node->next;
    if (greedy && IsRepetition(node))
        R->passStart[node] = q;
    if (From(first, q))
        return true;
    R->mode = mode;
    R->passStart = passStart;
    if (!greedy && IsRepetition(node))
        R->passStart[node] = q;
    return From(second, q);
}

bool Capture(const PatternNode* node, int q)
{
    unsigned mode = R->mode;
    int group = node->kind;
    int reg = (node->flags & OpenFlag) ? group : 64 + group;
    if (From(node->next, q)) {
        if (group < 64)
            R->registers[reg] = q;
        return true;
    }
    R->mode = mode;
    if (group < 64)
        R->registers[reg] = -1;
    return false;
}

// One plain step; none when the walk fails.
const PatternNode* Step(const PatternNode* node, int& q)
{
    unsigned word = NodeWord(node);
    const uint8_t* s = R->s;
    switch (word) {
    case Join:
        R->passStart.erase(node->other);
        return node->next;
    case Jump:
        if (IsLoopBack(node)) {
            auto found = R->passStart.find(node->other);
            return found != R->passStart.end() && found->second == q ? node->other->other : node->other;
        }
        if (IsEntry(node))
            R->passStart[node->next] = q;
        return node->other;
    case AltEnd: return SkipRightOperand(node);
    case LineStart: return q == 0 ? node->next : nullptr;
    case LineEnd: return q == R->end ? node->next : nullptr;
    case WordStart:
        if (q >= R->end)
            return nullptr;
        return q == 0 || (IsWord(q) && !IsWord(q - 1)) ? node->next : nullptr;
    case WordEnd:
        if (q == 0)
            return nullptr;
        return q >= R->end || (!IsWord(q) && IsWord(q - 1)) ? node->next : nullptr;
    case CaseSensitive: R->mode |= 1; return node->next;
    case IgnoreCase: R->mode &= ~1u; return node->next;
    case Literal: {
        if (q >= R->end)
            return nullptr;
        uint8_t a = s[q], b = node->data[0];
        bool same = (R->mode & 1) ? a == b : UpperCase(a) == UpperCase(b);
        q += same ? 1 : 0;
        return same ? node->next : nullptr;
    }
    default:
        if (word >= AnyChar && word <= NotAlnum) {
            if (q >= R->end || !TestClass(word, node->data, s[q]))
                return nullptr;
            q++;
        }
        return node->next;
    }
}

bool From(const PatternNode* node, int q)
{
    while (node) {
        if (--R->budget < 0)
            return false;
        if (NodeWord(node) == Accept) {
            R->position = q;
            return true;
        }
        if (IsGroupMarker(node)) {
            if (node->flags & CaptureFlag)
                return Capture(node, q);
            node = node->next;
        } else if (IsChoice(node)) {
            return Choose(node, q);
        } else if (node->flags) {
            node = node->next;
        } else {
            node = Step(node, q);
        }
    }
    return false;
}

bool At(const PatternNode* pattern, int p)
{
    unsigned mode = R->mode;
    for (int i = 0; i < 128; i++)
        R->registers[i] = -1;
    R->passStart.clear();
    if (From(pattern, p)) {
        R->registers[0] = p;
        R->registers[64] = R->position;
        return true;
    }
    R->mode = mode;
    return false;
}

}  // namespace

int ReferenceSearch(const PatternNode* pattern, const char* subject, int length, int from,
                    int32_t* registers, unsigned mode, long budget)
{
    if (!pattern)
        return 0;
    Reference state{reinterpret_cast<const uint8_t*>(subject), length, registers, mode, 0, {}, budget};
    R = &state;
    for (int i = 0; i < 128; i++)
        registers[i] = -1;
    unsigned word = NodeWord(pattern);
    int found = 0;
    if (word == LineStart) {
        found = At(pattern, from);
    } else if (word == Literal) {
        uint8_t c = (mode & 1) ? pattern->data[0] : UpperCase(pattern->data[0]);
        for (int p = from; p < length && !found; p++) {
            uint8_t here = (mode & 1) ? state.s[p] : UpperCase(state.s[p]);
            found = here == c && At(pattern, p);
        }
    } else {
        for (int p = from; p <= length && !found; p++)
            found = At(pattern, p);
    }
    if (state.budget < 0)
        return -1;
    return found;
}

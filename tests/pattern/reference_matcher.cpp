// The reference matcher (see reference_matcher.h). The parser builds the list
// the language lays out: postfix operators wrap their operand in place, a bar
// wraps the one item before it. The walk follows the rules of the language:
// choices try their ways in order, captures are stored on the way back, a
// repetition ends when a pass comes back to where it began, and the AltEnd
// skips the right operand of a chain of bars.
#include "tests/pattern/reference_matcher.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum Kind { KJoin, KJump, KAltEnd, KStart, KEnd, KWordStart, KWordEnd, KExact, KFold, KAccept, KSet, KChar, KOpen,
            KClose, KChoice };

struct Node {
    Kind kind;
    int prev = -1, next = -1, other = -1;
    unsigned char c = 0;        // KChar
    std::bitset<256> members;   // KSet: the characters it takes
    char op = 0;                // KChoice: the operator character
    int group = 0;              // KOpen, KClose: 0 for a plain group
};

// ---- Characters ----

bool Space(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool Digit(int c) { return c >= '0' && c <= '9'; }
bool Up(int c) { return c >= 'A' && c <= 'Z'; }
bool Low(int c) { return c >= 'a' && c <= 'z'; }
bool Word(int c) { return Digit(c) || Up(c) || Low(c); }
int Upper(int c) { return Low(c) ? c - 'a' + 'A' : c; }

// The members of class escape e, or false when e names no class.
bool ClassMembers(char e, std::bitset<256>& out)
{
    for (int c = 0; c < 256; c++) {
        bool in;
        switch (e) {
        case 's': in = Space(c); break;
        case 'S': in = !Space(c); break;
        case 'd': in = Digit(c); break;
        case 'D': in = !Digit(c); break;
        case 'w': in = Word(c); break;
        case 'W': in = !Word(c); break;
        case 'U': in = Up(c); break;
        case 'L': in = Low(c); break;
        default: return false;
        }
        if (in)
            out.set(c);
    }
    return true;
}

// ---- Parser ----

struct Parser {
    const char* at = nullptr;
    std::vector<Node> nodes;
    int groups = 0;
    bool failed = false;

    struct Seq {
        int first = -1, last = -1;
    };

    int New(Kind kind)
    {
        Node n;
        n.kind = kind;
        nodes.push_back(n);
        return static_cast<int>(nodes.size()) - 1;
    }
    void Append(Seq& s, int n)
    {
        nodes[n].prev = s.last;
        if (s.last >= 0)
            nodes[s.last].next = n;
        else
            s.first = n;
        s.last = n;
    }
    void InsertBefore(Seq& s, int before, int n)
    {
        int p = nodes[before].prev;
        nodes[n].prev = p;
        nodes[n].next = before;
        if (p >= 0)
            nodes[p].next = n;
        else
            s.first = n;
        nodes[before].prev = n;
    }
    bool Consumes(int n) const { return nodes[n].kind == KSet || nodes[n].kind == KChar; }
    bool Marker(int n) const { return nodes[n].kind == KOpen || nodes[n].kind == KClose; }

    // \o \N \x: a fixed count of digits of one base; -1 when one is missing.
    int Number(int digits, int base)
    {
        int value = 0;
        for (int i = 0; i < digits; i++) {
            int c = static_cast<unsigned char>(*at), v = 99;
            if (Digit(c))
                v = c - '0';
            else if (Upper(c) >= 'A' && Upper(c) <= 'F')
                v = Upper(c) - 'A' + 10;
            if (!c || v >= base)
                return -1;
            value = value * base + v;
            at++;
        }
        return value % 256;
    }
    // The character an escape letter e stands for (its number already read); -1 on error.
    int EscapedChar(char e)
    {
        const char* controls = "abfnrtv";
        const int values[] = {7, 8, 12, 10, 13, 9, 11};
        if (e == 'o')
            return Number(3, 8);
        if (e == 'N')
            return Number(3, 10);
        if (e == 'x')
            return Number(2, 16);
        const char* found = std::strchr(controls, e);
        return e && found ? values[found - controls] : static_cast<unsigned char>(e);
    }
    int Set()
    {
        int n = New(KSet);
        std::bitset<256> listed;
        bool negated = *at == '^';
        if (negated)
            at++;
        int pending = -1;
        for (;;) {
            char c = *at;
            if (!c)
                return -1;
            at++;
            if (c == ']') {
                if (pending >= 0)
                    return -1;
                break;
            }
            int single = static_cast<unsigned char>(c);
            if (c == '\\') {
                char e = *at;
                if (!e)
                    return -1;
                at++;
                if (ClassMembers(e, listed))
                    continue;
                single = EscapedChar(e);
                if (single < 0)
                    return -1;
            }
            if (pending >= 0) {
                if (single < pending)
                    return -1;
                for (int k = pending; k <= single; k++)
                    listed.set(k);
                pending = -1;
            } else if (*at == '-') {
                at++;
                pending = single;
            } else {
                listed.set(single);
            }
        }
        nodes[n].members = negated ? ~listed : listed;
        return n;
    }
    int Char(int c)
    {
        int n = New(KChar);
        nodes[n].c = static_cast<unsigned char>(c);
        return n;
    }
    int Escape()
    {
        char e = *at;
        if (!e)
            return -1;
        at++;
        std::bitset<256> members;
        if (ClassMembers(e, members)) {
            int n = New(KSet);
            nodes[n].members = members;
            return n;
        }
        if (e == 'C' || e == 'c')
            return New(e == 'C' ? KExact : KFold);
        int c = EscapedChar(e);
        return c < 0 ? -1 : Char(c);
    }
    bool Operator(Seq& s, char op)
    {
        if (s.last < 0)
            return false;
        int from = s.last;
        if (Marker(s.last)) {
            int depth = 1;
            for (from = nodes[s.last].prev; from >= 0; from = nodes[from].prev) {
                if (Marker(from))
                    depth += nodes[from].kind == KClose ? 1 : -1;
                if (depth == 0)
                    break;
            }
            if (from < 0)
                return false;
        }
        bool loops = std::strchr("*@+#", op) != nullptr;
        if (loops) {
            bool any = false;
            for (int n = from; n >= 0; n = nodes[n].next)
                any = any || Consumes(n);
            if (!any)
                return false;
        }
        int choice = New(KChoice);
        nodes[choice].op = op;
        int join = New(KJoin);
        InsertBefore(s, from, choice);
        if (op == '+' || op == '#') {
            int entry = New(KJump);
            InsertBefore(s, choice, entry);
            nodes[entry].other = from;
        }
        if (loops || op == '|') {
            int back = New(loops ? KJump : KAltEnd);
            Append(s, back);
            nodes[back].other = choice;
        }
        Append(s, join);
        nodes[choice].other = join;
        nodes[join].other = choice;
        return true;
    }
    // One sequence up to its closing bracket or the end of the text.
    Seq Sequence()
    {
        Seq s;
        while (!failed && *at) {
            char c = *at++;
            if (c == '}' || c == ')')
                return s;
            int n = -1;
            switch (c) {
            case '{':
            case '(': {
                int group = c == '(' ? ++groups : 0;
                if (group > 63)
                    break;
                int open = New(KOpen);
                nodes[open].group = group;
                Append(s, open);
                Seq body = Sequence();
                if (failed || body.first < 0)
                    break;
                nodes[open].next = body.first;
                nodes[body.first].prev = open;
                s.last = body.last;
                n = New(KClose);
                nodes[n].group = group;
                break;
            }
            case '*': case '@': case '+': case '#': case '?': case '|':
                if (!Operator(s, c))
                    failed = true;
                continue;
            case '^': n = New(KStart); break;
            case '$': n = New(KEnd); break;
            case '<': n = New(KWordStart); break;
            case '>': n = New(KWordEnd); break;
            case '.': n = New(KSet), nodes[n].members.set(); break;
            case '[': n = Set(); break;
            case '\\': n = Escape(); break;
            default: n = Char(static_cast<unsigned char>(c));
            }
            if (n < 0)
                failed = true;
            else
                Append(s, n);
        }
        return s;
    }
};

// ---- Matcher ----

struct Walk {
    const std::vector<Node>& nodes;
    const unsigned char* s;
    int end;
    int32_t* registers;
    unsigned mode;
    long budget;
    int position = 0;
    std::vector<int> passStart;  // per repetition choice: where its current pass began, -1 none

    bool IsRepetition(int n) const { return n >= 0 && nodes[n].kind == KChoice && std::strchr("*@+#", nodes[n].op); }

    // Behind the right operand of the bar whose AltEnd is `n`; -1 when there is none.
    int SkipRight(int n) const
    {
        int join = nodes[n].next;
        int r = join >= 0 ? nodes[join].next : -1;
        while (r >= 0 && nodes[r].kind == KChoice && nodes[r].op == '|' && nodes[r].other >= 0)
            r = nodes[nodes[r].other].next;
        if (r < 0)
            return -1;
        if (nodes[r].kind == KClose)
            return r;
        if (nodes[r].kind != KOpen)
            return nodes[r].next;
        int depth = 1;
        for (r = nodes[r].next; r >= 0; r = nodes[r].next) {
            if (nodes[r].kind == KOpen)
                depth++;
            else if (nodes[r].kind == KClose && --depth == 0)
                return nodes[r].next;
        }
        return -1;
    }

    bool WordAt(int i) const { return Word(s[i]); }

    bool Choose(int n, int q)
    {
        unsigned savedMode = mode;
        std::vector<int> savedPass = passStart;
        char op = nodes[n].op;
        bool greedy = std::strchr("*+?|", op) != nullptr;
        if (greedy && IsRepetition(n))
            passStart[n] = q;
        if (From(greedy ? nodes[n].next : nodes[n].other, q))
            return true;
        mode = savedMode;
        passStart = savedPass;
        if (!greedy && IsRepetition(n))
            passStart[n] = q;
        return From(greedy ? nodes[n].other : nodes[n].next, q);
    }

    bool Capture(int n, int q)
    {
        unsigned savedMode = mode;
        int slot = nodes[n].kind == KOpen ? nodes[n].group : 64 + nodes[n].group;
        if (From(nodes[n].next, q)) {
            registers[slot] = q;
            return true;
        }
        mode = savedMode;
        registers[slot] = -1;
        return false;
    }

    bool From(int n, int q)
    {
        while (n >= 0) {
            if (--budget < 0)
                return false;
            const Node& node = nodes[n];
            switch (node.kind) {
            case KAccept: position = q; return true;
            case KChoice: return Choose(n, q);
            case KOpen:
            case KClose:
                if (node.group)
                    return Capture(n, q);
                n = node.next;
                break;
            case KJoin:
                if (IsRepetition(node.other))
                    passStart[node.other] = -1;
                n = node.next;
                break;
            case KJump:
                if (IsRepetition(node.other))  // the loop-back: a pass that consumed nothing ends here
                    n = passStart[node.other] == q ? nodes[node.other].other : node.other;
                else {                         // the entry of a one-or-more begins its first pass
                    passStart[node.next] = q;
                    n = node.other;
                }
                break;
            case KAltEnd: n = SkipRight(n); break;
            case KStart: n = q == 0 ? node.next : -1; break;
            case KEnd: n = q == end ? node.next : -1; break;
            case KWordStart: n = q < end && (q == 0 || (WordAt(q) && !WordAt(q - 1))) ? node.next : -1; break;
            case KWordEnd: n = q > 0 && (q >= end || (!WordAt(q) && WordAt(q - 1))) ? node.next : -1; break;
            case KExact: mode |= 1; n = node.next; break;
            case KFold: mode &= ~1u; n = node.next; break;
            case KSet:
                if (q >= end || !node.members.test(s[q]))
                    return false;
                q++, n = node.next;
                break;
            case KChar:
                if (q >= end || (s[q] != node.c && ((mode & 1) || Upper(s[q]) != Upper(node.c))))
                    return false;
                q++, n = node.next;
                break;
            }
        }
        return false;
    }

    bool At(int first, int p)
    {
        unsigned savedMode = mode;
        for (int i = 0; i < 128; i++)
            registers[i] = -1;
        std::fill(passStart.begin(), passStart.end(), -1);
        if (From(first, p)) {
            registers[0] = p;
            registers[64] = position;
            return true;
        }
        mode = savedMode;
        return false;
    }
};

}  // namespace

int ReferenceSearch(const char* text, const char* subject, int length, int from, int32_t* registers,
                    unsigned mode, long budget)
{
    Parser parser;
    parser.at = text;
    Parser::Seq list = parser.Sequence();
    if (parser.failed || list.first < 0)
        return -2;
    parser.Append(list, parser.New(KAccept));
    Walk walk{parser.nodes, reinterpret_cast<const unsigned char*>(subject), length, registers, mode, budget, 0,
              std::vector<int>(parser.nodes.size(), -1)};
    for (int i = 0; i < 128; i++)
        registers[i] = -1;
    const Node& first = parser.nodes[list.first];
    int found = 0;
    if (first.kind == KStart) {
        found = walk.At(list.first, from);
    } else if (first.kind == KChar) {
        for (int p = from; p < length && !found; p++) {
            bool holds = (mode & 1) ? walk.s[p] == first.c : Upper(walk.s[p]) == Upper(first.c);
            found = holds && walk.At(list.first, p);
        }
    } else {
        for (int p = from; p <= length && !found; p++)
            found = walk.At(list.first, p);
    }
    return walk.budget < 0 ? -1 : found;
}

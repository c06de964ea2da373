// The pattern compiler: one pass over the text builds the node list in place.
// Operators are postfix, so each reaches back into the list built so far and
// wraps its new nodes around its operand. Groups nest on an explicit stack of
// open sequences, so a deeply nested text cannot exhaust the call stack; on any
// error every node created so far is released.
#include <stdlib.h>
#include <string.h>

#include "pattern/char_class.h"
#include "pattern/matcher.h"
#include "pattern/pattern_node.h"

namespace {

int GroupCounter;
bool EndedOnBracket;  // the last sequence read ended on a `)` or `}` that closed no group

// One sequence under construction: the top level, or the body of an open group.
// What an operator needs to know of its operand is kept as the sequence grows,
// so that compiling takes time in proportion to the text.
struct Sequence {
    PatternNode* first;
    PatternNode* last;
    PatternNode* opening;  // the group's opening marker in the enclosing sequence
    bool consumes;         // a node that consumes lies in the sequence, or in a group of it
    bool groupConsumes;    // ... in the group whose closing marker is `last`
};

struct SequenceStack {
    Sequence* items = nullptr;
    int count = 0;
    int capacity = 0;

    ~SequenceStack() { free(items); }
    Sequence& Top() { return items[count - 1]; }
    bool Push(PatternNode* opening)
    {
        if (count == capacity) {
            int grown = capacity ? capacity * 2 : 16;
            void* bigger = realloc(items, sizeof(Sequence) * grown);
            if (!bigger)
                return false;
            items = static_cast<Sequence*>(bigger);
            capacity = grown;
        }
        items[count++] = Sequence{nullptr, nullptr, opening, false, false};
        return true;
    }
};

PatternNode* NewNode(unsigned word)
{
    PatternNode* node = static_cast<PatternNode*>(calloc(1, sizeof(PatternNode)));
    if (node) {
        node->kind = static_cast<uint8_t>(word & 0xFF);
        node->flags = static_cast<uint8_t>(word >> 8);
    }
    return node;
}

void ReleaseNode(PatternNode* node)
{
    unsigned word = NodeWord(node);
    if (word == CharSet || word == NotCharSet || word == Literal)
        free(node->data);
    free(node);
}

PatternNode* NewDataNode(unsigned word, const uint8_t* bytes, int count)
{
    PatternNode* node = NewNode(word);
    if (!node)
        return nullptr;
    node->data = static_cast<uint8_t*>(malloc(count));
    if (!node->data) {
        free(node);
        return nullptr;
    }
    memcpy(node->data, bytes, count);
    node->length = static_cast<int16_t>(count);
    return node;
}

PatternNode* NewLiteral(uint8_t c)
{
    return NewDataNode(Literal, &c, 1);
}

void Append(Sequence& sequence, PatternNode* node)
{
    sequence.consumes = sequence.consumes || IsConsumingWord(NodeWord(node));
    node->prev = sequence.last;
    node->next = nullptr;
    if (sequence.last)
        sequence.last->next = node;
    else
        sequence.first = node;
    sequence.last = node;
}

// Links `node` in front of `before`, which belongs to `sequence`.
void InsertBefore(Sequence& sequence, PatternNode* before, PatternNode* node)
{
    node->prev = before->prev;
    node->next = before;
    if (before->prev)
        before->prev->next = node;
    else
        sequence.first = node;
    before->prev = node;
}

// The first node of the operand that ends at the sequence's last node: the
// node itself, or the whole group when it is a closing marker.
PatternNode* OperandStart(const Sequence& sequence)
{
    PatternNode* last = sequence.last;
    return IsGroupMarker(last) ? last->other : last;
}

// Whether the operand that ends at the sequence's last node holds a node that consumes.
bool OperandConsumes(const Sequence& sequence)
{
    PatternNode* last = sequence.last;
    return IsGroupMarker(last) ? sequence.groupConsumes : IsConsumingWord(NodeWord(last));
}

bool ApplyOperator(Sequence& sequence, char op)
{
    if (!sequence.last)
        return false;
    PatternNode* start = OperandStart(sequence);
    if (!start)
        return false;
    bool loops = op == '*' || op == '@' || op == '+' || op == '#';
    bool entered = op == '+' || op == '#';
    if (loops && !OperandConsumes(sequence))
        return false;
    bool greedy = op == '*' || op == '+' || op == '?' || op == '|';
    PatternNode* choice = NewNode((greedy ? GreedyChoiceWord : ChoiceWord) + static_cast<uint8_t>(op));
    PatternNode* join = NewNode(Join);
    PatternNode* back = loops ? NewNode(Jump) : op == '|' ? NewNode(AltEnd) : nullptr;
    PatternNode* entry = entered ? NewNode(Jump) : nullptr;
    if (!choice || !join || ((loops || op == '|') && !back) || (entered && !entry)) {
        free(choice), free(join), free(back), free(entry);
        return false;
    }
    InsertBefore(sequence, start, choice);
    if (entry) {
        InsertBefore(sequence, choice, entry);
        entry->other = start;
    }
    if (back) {
        Append(sequence, back);
        back->other = choice;
    }
    Append(sequence, join);
    choice->other = join;
    join->other = choice;
    return true;
}

// The control characters of \a \b \f \n \r \t \v; -1 for other letters.
int ControlEscape(char c)
{
    static const char letters[] = "abfnrtv";
    static const uint8_t values[] = {7, 8, 12, 10, 13, 9, 11};
    const char* found = c ? strchr(letters, c) : nullptr;
    return found ? values[found - letters] : -1;
}

// The character of an escape that stands for one character; -1 on error.
int EscapedCharacter(const char*& position, char c)
{
    if (c == 'o')
        return ReadDigits(position, 3, 8);
    if (c == 'N')
        return ReadDigits(position, 3, 10);
    if (c == 'x')
        return ReadDigits(position, 2, 16);
    int control = ControlEscape(c);
    return control >= 0 ? control : static_cast<uint8_t>(c);
}

void AddRange(uint8_t* map, int from, int to)
{
    for (int c = from; c <= to; c++)
        map[c >> 3] |= static_cast<uint8_t>(1u << (c & 7));
}

// Reads a set's members up to its `]`; the position is just behind `[`.
PatternNode* ReadCharSet(const char*& position)
{
    uint8_t map[CharSetBytes] = {};
    bool negated = *position == '^';
    if (negated)
        position++;
    int rangeStart = -1;
    for (;;) {
        char c = *position;
        if (!c)
            return nullptr;
        position++;
        if (c == ']') {
            if (rangeStart >= 0)
                return nullptr;
            break;
        }
        int single = static_cast<uint8_t>(c);
        if (c == '\\') {
            char e = *position;
            if (!e)
                return nullptr;
            position++;
            if (AddClass(map, e))
                continue;
            single = EscapedCharacter(position, e);
            if (single < 0)
                return nullptr;
        }
        if (rangeStart >= 0) {
            if (single < rangeStart)
                return nullptr;
            AddRange(map, rangeStart, single);
            rangeStart = -1;
        } else if (*position == '-') {
            position++;
            rangeStart = single;
        } else {
            AddRange(map, single, single);
        }
    }
    return NewDataNode(negated ? NotCharSet : CharSet, map, CharSetBytes);
}

PatternNode* ReadEscape(const char*& position)
{
    static const char classes[] = "sSULdDwW";
    static const uint8_t kinds[] = {Space, NotSpace, Upper, Lower, Digit, NotDigit, Alnum, NotAlnum};
    char c = *position;
    if (!c)
        return nullptr;
    position++;
    if (const char* found = strchr(classes, c))
        return NewNode(kinds[found - classes]);
    if (c == 'C' || c == 'c')
        return NewNode(c == 'C' ? CaseSensitive : IgnoreCase);
    int single = EscapedCharacter(position, c);
    return single < 0 ? nullptr : NewLiteral(static_cast<uint8_t>(single));
}

// The node of one character that is no group bracket and no operator.
PatternNode* ReadItem(const char*& position, char c)
{
    switch (c) {
    case '^': return NewNode(LineStart);
    case '$': return NewNode(LineEnd);
    case '<': return NewNode(WordStart);
    case '>': return NewNode(WordEnd);
    case '.': return NewNode(AnyChar);
    case '[': return ReadCharSet(position);
    case '\\': return ReadEscape(position);
    default: return NewLiteral(static_cast<uint8_t>(c));
    }
}

bool OpenGroup(SequenceStack& stack, bool capturing)
{
    unsigned word = PlainOpenWord;
    if (capturing) {
        if (++GroupCounter > MaxCaptureGroups)
            return false;
        word = CaptureOpenWord + GroupCounter;
    }
    PatternNode* opening = NewNode(word);
    if (!opening)
        return false;
    Append(stack.Top(), opening);
    return stack.Push(opening);
}

// Ends the innermost open group: links its body behind the opening marker and
// appends the closing marker. An empty body is an error.
bool CloseGroup(SequenceStack& stack)
{
    Sequence body = stack.Top();
    if (!body.first)
        return false;
    stack.count--;
    Sequence& outer = stack.Top();
    PatternNode* opening = body.opening;
    PatternNode* closing = NewNode(NodeWord(opening) - (OpenFlag << 8) + (CloseFlag << 8));
    opening->next = body.first;
    body.first->prev = opening;
    outer.last = body.last;
    if (!closing)
        return false;
    Append(outer, closing);
    opening->other = closing;
    closing->other = opening;
    outer.consumes = outer.consumes || body.consumes;
    outer.groupConsumes = body.consumes;
    return true;
}

void ReleaseChain(PatternNode* node)
{
    while (node) {
        PatternNode* next = node->next;
        ReleaseNode(node);
        node = next;
    }
}

// Every node created so far lies on one of the open sequences' chains.
void ReleaseSequences(SequenceStack& stack)
{
    for (int i = stack.count - 1; i >= 0; i--)
        ReleaseChain(stack.items[i].first);
    stack.count = 0;
}

// The characters that ParseCharacter, CloseGroup and ReadItem give a meaning:
// every other character stands for itself.
const char SpecialCharacters[] = "(){}*@+#?|^$<>.[\\";

// Handles one character of the text; false on an error.
bool ParseCharacter(SequenceStack& stack, const char*& position, char c)
{
    switch (c) {
    case '{':
    case '(':
        return OpenGroup(stack, c == '(');
    case '*': case '@': case '+': case '#': case '?': case '|':
        return ApplyOperator(stack.Top(), c);
    default: {
        PatternNode* node = ReadItem(position, c);
        if (!node)
            return false;
        Append(stack.Top(), node);
        return true;
    }
    }
}

}  // namespace

PatternNode* ParseSequence(const char*& position)
{
    SequenceStack stack;
    if (!stack.Push(nullptr))
        return nullptr;
    for (;;) {
        char c = *position;
        bool atEnd = !c || ((c == '}' || c == ')') && stack.count == 1);
        if (atEnd) {
            EndedOnBracket = c != 0;
            if (c)
                position++;
            // Groups left open close at the end of the text.
            while (stack.count > 1)
                if (!CloseGroup(stack)) {
                    ReleaseSequences(stack);
                    return nullptr;
                }
            return stack.items[0].first;
        }
        position++;
        bool ok = (c == '}' || c == ')') ? CloseGroup(stack) : ParseCharacter(stack, position, c);
        if (!ok) {
            ReleaseSequences(stack);
            return nullptr;
        }
    }
}

namespace {

// Compiles text; *read is where the compiler stopped reading: behind the
// bracket that ended the pattern, or at the end of the text.
PatternNode* Compile(const char* text, int* read)
{
    *read = 0;
    if (!text)
        return nullptr;
    GroupCounter = 0;
    EndedOnBracket = false;
    const char* position = text;
    PatternNode* first = ParseSequence(position);
    *read = static_cast<int>(position - text);
    if (!first)
        return nullptr;
    PatternNode* last = first;
    while (last->next)
        last = last->next;
    if (PatternNode* accept = NewNode(Accept)) {
        accept->prev = last;
        last->next = accept;
    }
    return first;
}

}  // namespace

PatternNode* CompilePatternReporting(const char* text, int* stopped)
{
    int read;
    PatternNode* pattern = Compile(text, &read);
    if (stopped)
        *stopped = pattern ? 0 : read;
    return pattern;
}

PatternNode* CompilePatternMeasuring(const char* text, int* length)
{
    int read;
    PatternNode* pattern = Compile(text, &read);
    // A bracket that closed no group ended the pattern; it is not part of it.
    if (pattern && EndedOnBracket)
        read--;
    if (length)
        *length = pattern ? read : 0;
    return pattern;
}

PatternNode* CompilePattern(const char* text)
{
    int read;
    return Compile(text, &read);
}

size_t EscapePatternText(const char* text, char* out)
{
    size_t length = 0;
    for (; *text; text++) {
        if (strchr(SpecialCharacters, *text))
            out[length++] = '\\';
        out[length++] = *text;
    }
    return length;
}

void FreePattern(PatternNode* pattern)
{
    if (pattern)
        ForgetPreparedPattern(pattern);
    ReleaseChain(pattern);
}

// Template expansion: builds a text from a template, the searched subject and
// the match registers. Group references insert a stretch of the subject; the
// case state changes what is appended; numeric escapes insert any byte.
#include "pattern/template.h"

#include <stdlib.h>
#include <string.h>

#include "pattern/char_class.h"

namespace {

enum { Expanded = 0, LoneBackslash = -1 };

// The control characters a letter escape appends.
int ControlCharacter(char c)
{
    static const char letters[] = "abtnr";
    static const char values[] = {7, 8, 9, 10, 13};
    const char* found = c ? strchr(letters, c) : nullptr;
    return found ? values[found - letters] : -1;
}

// The case bit a letter escape sets; 0 for other letters.
unsigned CaseBit(char c)
{
    switch (c) {
    case 'U': return UpperAll;
    case 'L': return LowerAll;
    case 'u': return UpperNext;
    case 'l': return LowerNext;
    default: return 0;
    }
}

struct Output {
    char* text = nullptr;
    int length = 0;
    unsigned caseState = 0;
    bool outOfMemory = false;

    void Add(const char* source, int count)
    {
        AppendText(&length, &text, source, count, &caseState);
        outOfMemory |= count > 0 && !text;
    }
    void AddByte(int c)
    {
        char byte = static_cast<char>(c);
        Add(&byte, 1);
    }
};

void AppendGroup(Output& out, const char* subject, const MatchRegisters& registers, int group)
{
    int32_t start = registers.R[group], end = registers.R[GROUP_COUNT + group];
    if (start != -1 && end != -1)
        out.Add(subject + start, end - start);
}

// Acts on the escape after a backslash; false when a numeric escape is cut short.
bool ExpandEscape(Output& out, const char*& position, const char* subject, const MatchRegisters& registers)
{
    char c = *position++;
    if (c >= '0' && c <= '9') {
        AppendGroup(out, subject, registers, c - '0');
    } else if (unsigned bit = CaseBit(c)) {
        out.caseState |= bit;
    } else if (c == 'E' || c == 'e') {
        out.caseState &= ~unsigned(UpperAll | LowerAll);
    } else if (c == 'x' || c == 'd' || c == 'o') {
        int value = c == 'x' ? ReadDigits(position, 2, 16) : ReadDigits(position, 3, c == 'd' ? 10 : 8);
        if (value < 0)
            return false;
        out.AddByte(value);
    } else {
        int control = ControlCharacter(c);
        out.AddByte(control >= 0 ? control : static_cast<uint8_t>(c));
    }
    return true;
}

}  // namespace

void AppendText(int* length, char** text, const char* source, int count, unsigned* caseState)
{
    if (count <= 0)
        return;
    char* grown = static_cast<char*>(realloc(*text, 2 * (static_cast<size_t>(*length) + count)));
    if (!grown) {
        free(*text);
        *text = nullptr;
        *length = 0;
        return;
    }
    char* added = grown + *length;
    memcpy(added, source, count);
    for (int i = 0; i < count; i++) {
        uint8_t c = static_cast<uint8_t>(added[i]);
        added[i] = static_cast<char>((*caseState & UpperAll) ? UpperCase(c) : (*caseState & LowerAll) ? LowerCase(c) : c);
    }
    if (*caseState & UpperNext) {
        added[0] = static_cast<char>(UpperCase(static_cast<uint8_t>(added[0])));
        *caseState &= ~unsigned(UpperNext);
    } else if (*caseState & LowerNext) {
        added[0] = static_cast<char>(LowerCase(static_cast<uint8_t>(added[0])));
        *caseState &= ~unsigned(LowerNext);
    }
    *text = grown;
    *length += count;
}

int ExpandTemplate(const char* templ, const char* subject, MatchRegisters registers, char** text,
                   int* length)
{
    *text = nullptr;
    *length = 0;
    Output out;
    for (const char* position = templ; position && *position;) {
        if (*position != '\\') {
            out.Add(position++, 1);
            continue;
        }
        position++;
        if (!*position) {
            free(out.text);
            return LoneBackslash;
        }
        if (!ExpandEscape(out, position, subject, registers)) {
            free(out.text);
            return Expanded;
        }
    }
    if (out.outOfMemory) {
        // Memory ran out on the way: an empty text rather than a partial one.
        free(out.text);
        return Expanded;
    }
    *text = out.text;
    *length = out.length;
    return Expanded;
}

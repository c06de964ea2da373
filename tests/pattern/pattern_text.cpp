// Readable forms of compiled patterns and registers (see pattern_text.h).
#include "tests/pattern/pattern_text.h"

#include <cstdio>
#include <map>
#include <vector>

#include "pattern/pattern_node.h"

namespace {

std::string Token(const PatternNode* node, const std::map<const PatternNode*, int>& place)
{
    static const char* const names[] = {"J", "K", "A", "^", "$", "<", ">", "\\C", "\\c"};
    static const char* const classes[] = {"\\s", "\\S", "\\U", "\\L", "\\d", "\\D", "\\w", "\\W"};
    unsigned word = NodeWord(node);
    auto target = [&](const PatternNode* other) {
        auto found = place.find(other);
        return found == place.end() ? std::string(">?") : ">" + std::to_string(found->second);
    };
    if (word <= IgnoreCase)
        return std::string(names[word]) + (word <= AltEnd ? target(node->other) : "");
    if (word == Accept)
        return "!";
    if (word == AnyChar)
        return ".";
    if (word == Literal) {
        char buffer[8];
        unsigned char c = node->data[0];
        snprintf(buffer, sizeof buffer, c > 32 && c < 127 ? "'%c'" : "'\\x%02x'", c);
        return buffer;
    }
    if (word == CharSet || word == NotCharSet) {
        int members = 0;
        for (int c = 0; c < 256; c++)
            members += (node->data[c >> 3] >> (c & 7)) & 1;
        return (word == CharSet ? "[" : "[^") + std::to_string(members) + "]";
    }
    if (word >= Space && word <= NotAlnum)
        return classes[word - Space];
    if (IsChoice(node))
        return std::string(1, static_cast<char>(node->kind)) + target(node->other);
    if (IsGroupMarker(node)) {
        bool open = node->flags & OpenFlag;
        if (node->flags & CaptureFlag)
            return (open ? "(" : ")") + std::to_string(node->kind);
        return open ? "{" : "}";
    }
    return "?" + std::to_string(word);
}

std::map<const PatternNode*, int> Places(const PatternNode* pattern)
{
    std::map<const PatternNode*, int> place;
    int i = 0;
    for (const PatternNode* node = pattern; node; node = node->next)
        place[node] = i++;
    return place;
}

}  // namespace

std::string DescribePattern(const PatternNode* pattern)
{
    if (!pattern)
        return "none";
    std::map<const PatternNode*, int> place = Places(pattern);
    std::string text;
    for (const PatternNode* node = pattern; node; node = node->next)
        text += (text.empty() ? "" : " ") + Token(node, place);
    return text;
}

int CapturingGroups(const PatternNode* pattern)
{
    int groups = 0;
    for (const PatternNode* node = pattern; node; node = node->next)
        groups += IsGroupMarker(node) && (node->flags & CaptureFlag) && (node->flags & OpenFlag);
    return groups;
}

std::string CheckLinks(const PatternNode* pattern)
{
    std::map<const PatternNode*, int> place = Places(pattern);
    std::vector<const PatternNode*> open;
    const PatternNode* before = nullptr;
    for (const PatternNode* node = pattern; node; before = node, node = node->next) {
        unsigned word = NodeWord(node);
        if (node->prev != before)
            return "prev link broken at " + std::to_string(place[node]);
        bool linked = word <= AltEnd || IsChoice(node);
        if (linked && !place.count(node->other))
            return "other link out of the list at " + std::to_string(place[node]);
        if (word == Join && (!node->other || node->other->other != node))
            return "join and choice disagree at " + std::to_string(place[node]);
        if (IsGroupMarker(node) && (node->flags & OpenFlag)) {
            open.push_back(node);
        } else if (IsGroupMarker(node)) {
            if (open.empty() || open.back()->kind != node->kind || node->other != open.back() || open.back()->other != node)
                return "unpaired marker at " + std::to_string(place[node]);
            open.pop_back();
        }
        if ((word == Literal && node->length != 1) || ((word == CharSet || word == NotCharSet) && node->length != 32))
            return "bad data length at " + std::to_string(place[node]);
    }
    return open.empty() ? "" : "group left open";
}

std::string FormatRegisters(const int32_t* registers)
{
    std::string text;
    for (int n = 0; n < 64; n++)
        if (registers[n] != -1)
            text += (text.empty() ? "" : " ") + std::to_string(n) + ":" + std::to_string(registers[n]) + "-" +
                    std::to_string(registers[64 + n]);
    return text.empty() ? "nomatch" : text;
}

std::string SearchText(const char* pattern, const std::string& subject, int from, unsigned mode)
{
    PatternNode* compiled = CompilePattern(pattern);
    if (!compiled)
        return "error";
    int32_t registers[128];
    int found = SearchLine(compiled, subject.data(), static_cast<int>(subject.size()), subject.data() + from,
                           registers, mode);
    FreePattern(compiled);
    return found ? FormatRegisters(registers) : "nomatch";
}

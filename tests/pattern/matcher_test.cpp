// The matcher's answers: start strategies, choice order, captures written on
// the way back, case modes, word tests at the edges, the AltEnd skip and its
// quirks, and the end of a repetition whose pass consumed nothing.
#include <gtest/gtest.h>

#include <string>

#include "pattern/matcher.h"
#include "pattern/pattern_node.h"
#include "tests/pattern/pattern_text.h"

namespace {

struct Case {
    const char* pattern;
    std::string subject;
    const char* expected;
    int from;
    unsigned mode;
};

const char WorkedExample[] =
    "^{\\w[\\w_:*&~]+[\\w\\s_:*&~]@\\([\\S\\s]*}|{struct\\s*\\w*[\\S\\s]*[^;]}|{\\#define\\s*\\S*\\([\\S\\s]*}$";

const Case Cases[] = {
    // Start positions and offsets.
    {"b", "abcb", "0:3-4", 2, 1},
    {"$", "abc", "0:3-3", 0, 1},
    {"x*", "abc", "0:0-0", 0, 1},
    {"^a", "ab", "0:0-1", 0, 1},
    {"^a", "ba", "nomatch", 0, 1},
    {"^a", "aab", "nomatch", 1, 1},
    {"x*", "", "0:0-0", 0, 1},
    {"a", "", "nomatch", 0, 1},
    {"^", "", "0:0-0", 0, 1},
    {"$", "", "0:0-0", 0, 1},
    {"a", "xya", "nomatch", 3, 1},
    {"a*", "xya", "0:3-3", 3, 1},
    {"b", "aBb", "0:1-2", 0, 0},
    {"\\c{b}", "aBb", "0:1-2", 0, 1},
    {"{b}", "aBb", "0:2-3", 0, 1},
    // Captures: on the way back, the first repetition wins, untaken groups stay unset.
    {"x(a)*y", "xaaay", "0:0-5 1:1-2", 0, 1},
    {"(a|b)*c", "abac", "0:0-4 1:0-1", 0, 1},
    {"((a)b)", "ab", "0:0-2 1:0-2 2:0-1", 0, 1},
    {"(a)(b(c))", "xabc", "0:1-4 1:1-2 2:2-4 3:3-4", 0, 1},
    {"(a)?b", "b", "0:0-1", 0, 1},
    {"(a)(b)?", "a", "0:0-1 1:0-1", 0, 1},
    {".*(\\w+)", "foo bar", "0:0-7 1:6-7", 0, 1},
    {".@(\\w+)", "foo bar", "0:0-3 1:0-3", 0, 1},
    {"(a@)(a*)", "aaa", "0:0-3 1:0-0 2:0-3", 0, 1},
    {"(a*)(a*)", "aaa", "0:0-3 1:0-3 2:3-3", 0, 1},
    {"{(a)|b}*", "bab", "0:0-3 1:1-2", 0, 1},
    {"(a|b)+", "xab", "0:1-3 1:1-2", 0, 1},
    // Case modes: literals only, from where the switch stands, undone when a way fails.
    {"ABC", "xabc", "nomatch", 0, 1},
    {"ABC", "xabc", "0:1-4", 0, 0},
    {"\\cABC", "xabc", "0:1-4", 0, 1},
    {"\\cabc\\Cd", "ABCd", "0:0-4", 0, 1},
    {"\\cabc\\Cd", "ABCD", "nomatch", 0, 1},
    {"\\c{a|b}\\CA", "Ba", "nomatch", 0, 1},
    {"\\c[a-c]+", "xxBCay", "0:4-5", 0, 1},
    {"\\c\\L", "A", "nomatch", 0, 1},
    {"(\\cA)?a", "A", "nomatch", 0, 1},
    {"(\\cA)?a", "aa", "0:0-2 1:0-1", 0, 1},
    {"\\C\xe4", "\xc4\xe4", "0:1-2", 0, 0},
    {"\xe4", "\xc4", "nomatch", 0, 0},
    // Sets and classes.
    {"[^a-c]+", "abxyc", "0:2-4", 0, 1},
    {"\\W+", "ab, cd", "0:2-4", 0, 1},
    {"a.c", "a\tc", "0:0-3", 0, 1},
    {"[]", "abc", "nomatch", 0, 1},
    {"[^]", "\n", "0:0-1", 0, 1},
    {"\\w", "_\x80" "7", "0:2-3", 0, 1},
    {"\\s+", "a \t\r\n\v\fb", "0:1-5", 0, 1},
    {"\\S", "\x80", "0:0-1", 0, 1},
    {"\\D\\W", "\xff\xfe", "0:0-2", 0, 1},
    {"\\U\\L\\d", "aAb1", "0:1-4", 0, 1},
    // Word tests look at no character at the subject's edges.
    {"<\\s", " a", "0:0-1", 0, 1},
    {"\\s>", "a ", "0:1-2", 0, 1},
    {"<a", "ba a", "0:3-4", 0, 1},
    {"a>", "ab a", "0:3-4", 0, 1},
    {"<", " ", "0:0-0", 0, 1},
    {">", "a", "0:1-1", 0, 1},
    {"<", "", "nomatch", 0, 1},
    {">", "", "nomatch", 0, 1},
    {"<b", "a_b", "0:2-3", 0, 1},
    {"<b", "ab", "nomatch", 0, 1},
    {"<b", "a-b", "0:2-3", 0, 1},
    // Alternation: one item on each side, the skip and its quirks.
    {"{a|\\w\\s}x", "ax", "nomatch", 0, 1},
    {"{a|\\w\\s}x", "a x", "0:0-3", 0, 1},
    {"a|b*", "a", "0:0-0", 0, 1},
    {"a|b*", "ab", "0:0-2", 0, 1},
    {"a|", "a", "0:0-0", 0, 1},
    {"ab|cd", "acd", "0:0-3", 0, 1},
    {"ab|cd", "abd", "0:0-3", 0, 1},
    {"^a|b*$", "a", "nomatch", 0, 1},
    {"^a|b*$", "ab", "0:0-2", 0, 1},
    {"^a|b*$", "abb", "0:0-3", 0, 1},
    {"^a|b*$", "b", "0:0-1", 0, 1},
    {"^a|b*$", "", "0:0-0", 0, 1},
    {"^a|{b*}$", "a", "0:0-1", 0, 1},
    {"^a|{b*}$", "bb", "0:0-2", 0, 1},
    {"^a|{b*}$", "ab", "nomatch", 0, 1},
    {"a|b|c", "c", "0:0-1", 0, 1},
    {"x{a|b|c}y", "xay", "0:0-3", 0, 1},
    {"{a|}b", "ab", "0:0-2", 0, 1},
    {"{a|}b", "b", "0:0-1", 0, 1},
    {"(a|)b", "ab", "0:0-2 1:0-1", 0, 1},
    {"{x|a|}b", "ab", "0:0-2", 0, 1},
    {"a|(b)c", "ac", "0:0-2", 0, 1},
    {"a|(b)c", "bc", "0:0-2 1:0-1", 0, 1},
    {"a|b+", "abb", "0:0-3", 0, 1},
    {"a|b+", "a", "0:0-1", 0, 1},
    {"a|b?c", "abc", "0:0-3", 0, 1},
    {"a?|b", "b", "0:0-0", 0, 1},
    {"a?|b", "ab", "0:0-1", 0, 1},
    // Repetitions: greedy, lazy, and a pass that consumed nothing ends them.
    {"a+", "baaa", "0:1-4", 0, 1},
    {"a#", "baaa", "0:1-2", 0, 1},
    {"a#b", "aaab", "0:0-4", 0, 1},
    {"a?a", "a", "0:0-1", 0, 1},
    {"a@b", "aab", "0:0-3", 0, 1},
    {"(a*)*b", "b", "0:0-1 1:0-0", 0, 1},
    {"(a*)*b", "aab", "0:0-3 1:0-2", 0, 1},
    {"(a*)*b", "xxxx", "nomatch", 0, 1},
    {"{a@}*", "a", "0:0-0", 0, 1},
    {"{a@}@x", "aax", "0:0-3", 0, 1},
    {"(a|)*b", "aab", "0:0-3 1:0-1", 0, 1},
    {"(a?)+b", "b", "0:0-1 1:0-0", 0, 1},
    {"{a?}#b", "aab", "0:0-3", 0, 1},
    {"({a|b}?)*c", "abc", "0:0-3 1:0-1", 0, 1},
    {"{{a*}*}*$", "aaa", "0:0-3", 0, 1},
    {"{a|b*}*c", "abbac", "0:4-5", 0, 1},
    {"{a|b*}*c", "abbabc", "0:0-6", 0, 1},
    {"{x*}*\\cy", "Y", "0:0-1", 0, 1},
    // A case switch inside a repetition that can pass empty: where a pass began decides the mode.
    {"B?{B*\\c}*$", "Bb", "0:0-2", 0, 1},
    {"{{{(b}#}|\\c|}@}*A+[ab]", "bBaa", "0:0-4 1:0-1", 0, 1},
    // A way that can end in a match may still fail where a pass began here; the walk then backs up.
    {"(a@)*c", "aaacabc", "0:0-4 1:0-1", 0, 1},
    {"{{(a|)|b}*}+$", "bbcbbbaa", "0:3-8 1:4-4", 0, 1},
    // Where the walk stands decides whether a pass would first come back empty:
    // a first pass that cannot be made, captures not yet stored.
    {"{.@{>|a}+}*", "B", "0:0-1", 0, 0},
    {"{(b?)a?}*c", "c", "0:0-1 1:0-0", 0, 1},
    {"{(b?)a?$?}*c", "aac", "0:0-3 1:0-0", 0, 1},
    // The worked example: the bar chain picks one group, $ applies to each.
    {WorkedExample, "int main(int argc, char **argv)", "0:0-31", 0, 1},
    {WorkedExample, "struct foo {", "0:0-12", 0, 1},
    {WorkedExample, "#define MAX(a,b) ((a)>(b)?(a):(b))", "0:0-34", 0, 1},
    {WorkedExample, "if (x)", "0:0-6", 0, 1},
    {WorkedExample, "struct foo;", "nomatch", 0, 1},
    {WorkedExample, "    x = y;", "nomatch", 0, 1},
    {WorkedExample, "x = f(1);", "nomatch", 0, 1},
};

TEST(Matcher, AnswersEachCase)
{
    for (const Case& c : Cases)
        EXPECT_EQ(SearchText(c.pattern, c.subject, c.from, c.mode), c.expected)
            << c.pattern << " in \"" << c.subject << "\" from " << c.from << " mode " << c.mode;
}

TEST(Matcher, LeavesRegistersAloneWithoutAPatternAndClearsThemOnFailure)
{
    int32_t registers[REGISTER_COUNT];
    for (int32_t& r : registers)
        r = 7;
    EXPECT_EQ(SearchLine(nullptr, "a", 1, "a", registers, 1), 0);
    EXPECT_EQ(registers[0], 7);
    PatternNode* pattern = CompilePattern("(a)b");
    const char subject[] = "ab ac";
    EXPECT_EQ(SearchLine(pattern, subject, 5, subject + 1, registers, 1), 0);
    for (int32_t r : registers)
        EXPECT_EQ(r, -1);
    FreePattern(pattern);
}

TEST(Matcher, ReadsOnlyTheCountedSubject)
{
    PatternNode* pattern = CompilePattern("b$");
    int32_t registers[REGISTER_COUNT];
    EXPECT_EQ(SearchLine(pattern, "abc", 2, "abc", registers, 1), 1);
    EXPECT_EQ(FormatRegisters(registers), "0:1-2");
    FreePattern(pattern);
}

TEST(Matcher, MatchAtTriesOnePositionAndKeepsTheModeOfTheSuccessfulWay)
{
    PatternNode* pattern = CompilePattern("\\cb");
    int32_t registers[REGISTER_COUNT];
    const char subject[] = "aB";
    ASSERT_EQ(SearchLine(pattern, subject, 2, subject, registers, 1), 1);
    EXPECT_EQ(Matcher.MatchMode & 1, 0u);
    Matcher.MatchMode = 1;
    EXPECT_EQ(MatchAt(pattern, subject), 0);
    EXPECT_EQ(Matcher.MatchMode, 1u);
    EXPECT_EQ(MatchAt(pattern, subject + 1), 1);
    EXPECT_EQ(FormatRegisters(registers), "0:1-2");
    Matcher.Position = subject + 1;
    EXPECT_EQ(MatchFrom(pattern->next), 1);
    EXPECT_EQ(Matcher.Position, subject + 2);
    FreePattern(pattern);
}

// A search whose table of live states would pass its bound (a long pattern
// on a line of millions of characters) is not made: told apart from no
// match, registers unset, and the next search is made as usual.
TEST(Matcher, TellsASearchThatCannotBeMadeFromNoMatch)
{
    const std::string longLine(5000000, 'a'), shortLine = "aab";
    const std::string wide = "{a?}*" + std::string(1100, 'x');
    const struct {
        const std::string* pattern;
        const std::string* line;
        int reported;
    } cases[] = {{&wide, &longLine, -1}, {&wide, &shortLine, 0}, {&wide, &longLine, -1}};
    int32_t registers[REGISTER_COUNT];
    PatternNode* matching = CompilePattern("a+b");
    for (const auto& c : cases) {
        PatternNode* pattern = CompilePattern(c.pattern->c_str());
        const char* line = c.line->data();
        int length = static_cast<int>(c.line->size());
        EXPECT_EQ(SearchLineReporting(pattern, line, length, line, registers, 0), c.reported);
        EXPECT_EQ(FormatRegisters(registers), "nomatch");
        EXPECT_EQ(SearchLine(pattern, line, length, line, registers, 0), 0);
        EXPECT_EQ(SearchLineReporting(matching, "aab", 3, "aab", registers, 0), 1);
        EXPECT_EQ(FormatRegisters(registers), "0:0-3");
        FreePattern(pattern);
    }
    FreePattern(matching);
}

TEST(Matcher, ForgetsAFreedPatternWhoseAddressComesBack)
{
    int32_t registers[REGISTER_COUNT];
    for (int i = 0; i < 50; i++) {
        PatternNode* pattern = CompilePattern(i % 2 ? "a" : "b");
        EXPECT_EQ(SearchLine(pattern, "ab", 2, "ab", registers, 1), 1);
        EXPECT_EQ(registers[0], i % 2 ? 0 : 1);
        FreePattern(pattern);
    }
}

}  // namespace

// The compiler builds exactly the node list of each construct, rejects every
// malformed text, and releases what it built before an error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pattern/pattern_node.h"
#include "tests/pattern/pattern_text.h"

namespace {

std::string Compiled(const char* text)
{
    PatternNode* pattern = CompilePattern(text);
    std::string description = DescribePattern(pattern);
    if (pattern) {
        std::string links = CheckLinks(pattern);
        if (!links.empty())
            description += " / " + links;
    }
    FreePattern(pattern);
    return description;
}

const char WorkedExample[] =
    "^{\\w[\\w_:*&~]+[\\w\\s_:*&~]@\\([\\S\\s]*}|{struct\\s*\\w*[\\S\\s]*[^;]}|{\\#define\\s*\\S*\\([\\S\\s]*}$";

struct Layout {
    const char* text;
    const char* nodes;
};

const Layout Layouts[] = {
    {"a", "'a' !"},
    {"ab*", "'a' *>4 'b' K>1 J>1 !"},
    {"ab@", "'a' @>4 'b' K>1 J>1 !"},
    {"a+", "K>2 +>4 'a' K>1 J>1 !"},
    {"a#", "K>2 #>4 'a' K>1 J>1 !"},
    {"a?", "?>2 'a' J>0 !"},
    {"a|b|c", "|>3 'a' A>0 J>0 |>7 'b' A>4 J>4 'c' !"},
    {"ab|cd", "'a' |>4 'b' A>1 J>1 'c' 'd' !"},
    {"x{a|b}+y", "'x' K>3 +>11 { |>7 'a' A>4 J>4 'b' } K>2 J>2 'y' !"},
    {"a|b*", "|>3 'a' A>0 J>0 *>7 'b' K>4 J>4 !"},
    {"a||b", "|>4 'a' A>0 |>6 J>0 A>3 J>3 'b' !"},
    {"a|", "|>3 'a' A>0 J>0 !"},
    {"a*?", "*>4 'a' K>0 ?>5 J>0 J>3 !"},
    {"a?|b", "?>3 'a' |>5 J>0 A>2 J>2 'b' !"},
    {"{a*}?", "?>7 { *>5 'a' K>2 J>2 } J>0 !"},
    {"(a)+", "K>2 +>6 (1 'a' )1 K>1 J>1 !"},
    {"{a)", "{ 'a' } !"},
    {"(a}", "(1 'a' )1 !"},
    {"{ab", "{ 'a' 'b' } !"},
    {"ab}cd", "'a' 'b' !"},
    {"a}b", "'a' !"},
    {"(a)(b(c))", "(1 'a' )1 (2 'b' (3 'c' )3 )2 !"},
    {"((a", "(1 (2 'a' )2 )1 !"},
    {"[]", "[0] !"},
    {"[^]", "[^0] !"},
    {"[-a]", "[2] !"},
    {"[a-c-]", "[4] !"},
    {"[\\d]", "[10] !"},
    {"[\\W]", "[194] !"},
    {"[\\s]", "[4] !"},
    {"[\\S\\s]", "[256] !"},
    {"[\\s-z]", "[6] !"},
    {"[\\x41-\\x43]", "[3] !"},
    {"[\\w_]", "[63] !"},
    {"[^\\c]", "[^1] !"},
    {"[*+?@#|.{($^]", "[11] !"},
    {"[\\]]", "[1] !"},
    {"[a\\-z]", "[3] !"},
    {"\\o777\\N300\\o101\\N065", "'\\xff' ',' 'A' 'A' !"},
    {"\\x4a\\x4A\\e", "'J' 'J' 'e' !"},
    {"\\a\\b\\f\\n\\r\\t\\v", "'\\x07' '\\x08' '\\x0c' '\\x0a' '\\x0d' '\\x09' '\\x0b' !"},
    {"\\s\\S\\U\\L\\d\\D\\w\\W", "\\s \\S \\U \\L \\d \\D \\w \\W !"},
    {"\\cabc\\Cd", "\\c 'a' 'b' 'c' \\C 'd' !"},
    {"^.<>$", "^ . < > $ !"},
    {"\\(\\)\\{\\}\\[\\\\\\.\\*\\+\\?\\@\\#\\|\\^\\$\\<\\>", "'(' ')' '{' '}' '[' '\\' '.' '*' '+' '?' '@' '#' '|' '^' '$' '<' '>' !"},
    {"],-!%&/:;=_~\"' ", "']' ',' '-' '!' '%' '&' '/' ':' ';' '=' '_' '~' '\"' ''' '\\x20' !"},
    {"\x80\xff\x01", "'\\x80' '\\xff' '\\x01' !"},
    {"^*?", "none"},
};

TEST(Compiler, BuildsEachConstructAsLaidOut)
{
    for (const Layout& layout : Layouts)
        EXPECT_EQ(Compiled(layout.text), layout.nodes) << layout.text;
}

TEST(Compiler, WorkedExampleHasItsSixtyNineNodes)
{
    const char* expected =
        "^ |>20 { \\w K>6 +>8 [67] K>5 J>5 @>12 [71] K>9 J>9 '(' *>17 [256] K>14 J>14 } A>1 J>1 "
        "|>44 { 's' 't' 'r' 'u' 'c' 't' *>32 \\s K>29 J>29 *>36 \\w K>33 J>33 *>40 [256] K>37 J>37 [^1] } "
        "A>21 J>21 "
        "{ '#' 'd' 'e' 'f' 'i' 'n' 'e' *>56 \\s K>53 J>53 *>60 \\S K>57 J>57 '(' *>65 [256] K>62 J>62 } $ !";
    EXPECT_EQ(Compiled(WorkedExample), expected);

    PatternNode* pattern = CompilePattern(WorkedExample);
    ASSERT_TRUE(pattern);
    const PatternNode* node = pattern;
    const unsigned words[] = {0x0003, 0x187C, 0x0300, 43, 1, 0x182B, 34, 1, 0, 0x1040, 34, 1, 0, 36, 0x182A};
    for (unsigned word : words) {
        EXPECT_EQ(NodeWord(node), word);
        node = node->next;
    }
    // The members of place 6's set, the set of place 10 adds the four white-space characters.
    const PatternNode* set6 = pattern->next->next->next->next->next->next;
    const PatternNode* set10 = set6->next->next->next->next;
    for (int c = 0; c < 256; c++) {
        bool member = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                      c == '_' || c == ':' || c == '*' || c == '&' || c == '~';
        bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        EXPECT_EQ((set6->data[c >> 3] >> (c & 7)) & 1, member ? 1 : 0) << c;
        EXPECT_EQ((set10->data[c >> 3] >> (c & 7)) & 1, member || space ? 1 : 0) << c;
    }
    FreePattern(pattern);
}

const char* const Malformed[] = {
    "", "}", ")", "{", "a{", "{}", "()", "(a)()", "|a", "*a", "+", "{*a}", "(|a)",
    "a**", "a+*", "a@#", "a?+", "^*", "{<}+", "{\\C}*", "\\c@", "{^$<>}#",
    "[a-]", "[z-a]", "[a-\\d]", "[abc", "[", "[^", "[\\", "[a-\\",
    "\\", "a\\", "\\o12", "\\o8", "\\N1a0", "\\x4", "\\x4g", "\\x:0", "\\xg0", "[\\x4]", "[\\o1]",
};

TEST(Compiler, RejectsMalformedTexts)
{
    for (const char* text : Malformed)
        EXPECT_EQ(Compiled(text), "none") << text;
    EXPECT_EQ(CompilePattern(nullptr), nullptr);
}

std::string Groups(int count)
{
    std::string text;
    for (int i = 0; i < count; i++)
        text += "(a)";
    return text;
}

TEST(Compiler, NumbersGroupsFromOneUpToSixtyThree)
{
    PatternNode* pattern = CompilePattern("(a)(b)");
    EXPECT_EQ(CapturingGroups(pattern), 2);
    FreePattern(pattern);
    EXPECT_EQ(Compiled("(x)"), "(1 'x' )1 !");
    pattern = CompilePattern("(x)");
    EXPECT_EQ(CapturingGroups(pattern), 1);
    FreePattern(pattern);
    EXPECT_NE(Compiled(Groups(63).c_str()), "none");
    EXPECT_EQ(Compiled(Groups(64).c_str()), "none");
    EXPECT_NE(Compiled(("{" + Groups(63) + "}{b}").c_str()), "none");
}

TEST(Compiler, CompilesTheSameTextToIndependentLists)
{
    PatternNode* first = CompilePattern(WorkedExample);
    PatternNode* second = CompilePattern(WorkedExample);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    std::string before = DescribePattern(second);
    FreePattern(first);
    EXPECT_EQ(DescribePattern(second), before);
    FreePattern(second);
    FreePattern(nullptr);
}

TEST(Compiler, SurvivesDeepNestingWithoutTheCallStack)
{
    std::string deep(100000, '{');
    deep += "a";
    EXPECT_NE(Compiled(deep.c_str()), "none");
    EXPECT_EQ(Compiled((deep + std::string(100000, '}') + "*").c_str()).substr(0, 3), "*>2");
    EXPECT_EQ(Compiled(std::string(100000, '{').c_str()), "none");
}

TEST(Compiler, ReportsWhereItStoppedReading)
{
    const struct {
        const char* text;
        int stopped;
    } cases[] = {{"ab**", 4}, {"[a-]x", 4}, {"x\\o1", 4}, {"{}", 2}, {"", 0}, {"a(b", 0}};
    for (const auto& c : cases) {
        int stopped = -1;
        PatternNode* pattern = CompilePatternReporting(c.text, &stopped);
        EXPECT_EQ(stopped, pattern ? 0 : c.stopped) << c.text;
        FreePattern(pattern);
    }
}

TEST(Compiler, MeasuresTheTextThePatternIsReadFrom)
{
    const struct {
        const char* text;
        int length;
    } cases[] = {{"ab}cd", 2}, {"{ab}", 4}, {"{ab}}x", 4}, {"a(b", 3}, {"[}]x)y", 4}, {"\\}a}b", 3},
                 {"(a)b", 4}, {"ab**", 0}, {"}", 0}};
    for (const auto& c : cases) {
        int length = -1;
        PatternNode* pattern = CompilePatternMeasuring(c.text, &length);
        EXPECT_EQ(length, c.length) << c.text;
        FreePattern(pattern);
    }
}

// Every byte escaped matches itself alone; every byte left as it is either
// matches itself alone or is one the escaping covers.
TEST(Compiler, EscapedTextMatchesItselfAsItStands)
{
    std::string all;
    for (int c = 1; c < 256; c++)
        all += static_cast<char>(c);
    std::vector<char> escaped(2 * all.size() + 1);
    escaped[EscapePatternText(all.c_str(), escaped.data())] = '\0';
    EXPECT_EQ(SearchText(escaped.data(), "x" + all), "0:1-256");
    for (int c = 1; c < 256; c++) {
        char text[2] = {static_cast<char>(c), 0}, out[3] = {};
        bool escapes = EscapePatternText(text, out) == 2;
        bool plain = SearchText(text, text) == "0:0-1" && SearchText(text, c == 'x' ? "y" : "x") == "nomatch";
        EXPECT_NE(escapes, plain) << "byte " << c;
    }
}

}  // namespace

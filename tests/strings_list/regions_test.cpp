// The region scanner: which text of a line is not code, with the state
// carried from line to line, on the shapes the shipped languages write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "strings_list/regions.h"

namespace {

struct Values {
    const char* LineComments;
    const char* Blocks;
    const char* NestedBlocks;
    const char* Quotes;
};

// The blanked copies of lines scanned in order from a fresh state, with "~"
// for the blanks past the end of the code, which are not searched.
std::vector<std::string> Blanked(const Values& v, const std::vector<std::string>& lines)
{
    RegionSyntax syntax = ReadRegionSyntax(v.LineComments, v.Blocks, v.NestedBlocks, v.Quotes);
    RegionState state;
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        std::string code(line.size(), '?');
        int end = BlankRegions(syntax, state, line.data(), int(line.size()), &code[0], int(code.size()));
        EXPECT_EQ(code.find_first_not_of(' ', size_t(end)), std::string::npos) << line;
        out.push_back(code.replace(size_t(end), std::string::npos, code.size() - size_t(end), '~'));
    }
    return out;
}

const Values C{"//", "/* */", "", "\"\\ '\\"};
const Values Rust{"//", "", "/* */", "\"\\"};
const Values Pascal{"//", "{ } (* *)", "", "''"};
const Values Python{"#", "\"\"\" \"\"\" ''' '''", "", "\"\\ '\\"};
const Values Markdown{"", "^``` ^``` <!-- -->", "", ""};
const Values Perl{"#", "^=pod ^=cut ^=head1 ^=cut", "", "\"\\"};

struct Case {
    const char* What;
    const Values& Syntax;
    std::vector<std::string> Lines;
    std::vector<std::string> Code;
};

TEST(RegionsTest, BlanksWhatIsNotCode)
{
    const Case cases[] = {
        {"a block opened and closed on one line", C, {"int /* x */ f(void);"}, {"int         f(void);"}},
        {"a block over lines", C, {"a /* one", "two", "three */ b"}, {"a ~~~~~~", "~~~", "         b"}},
        {"a line comment", C, {"f(); // g();"}, {"f(); ~~~~~~~"}},
        {"an opener inside a string", C, {"s = \"/* no\"; t();"}, {"s = \"     \"; t();"}},
        {"an escaped quote", C, {"s = \"a\\\"b\"; t();"}, {"s = \"    \"; t();"}},
        {"a string ends with its line", C, {"s = \"open", "f();"}, {"s = \"~~~~", "f();"}},
        {"a line comment inside a block", C, {"/* // */ f();"}, {"         f();"}},
        {"a block opener in a line comment", C, {"// /*", "f();"}, {"~~~~~", "f();"}},
        {"a character constant", C, {"c = '\"'; f();"}, {"c = ' '; f();"}},
        {"an unclosed block runs to the end", C, {"/* never", "closed", "f();"},
         {"~~~~~~~~", "~~~~~~", "~~~~"}},
        {"a carriage return before the closer's line end", C, {"/* x\r", "*/\rf();\r"}, {"~~~~~", "  \rf();\r"}},
        {"nesting", Rust, {"/* a /* b */ c */ f();"}, {"                  f();"}},
        {"nesting over lines", Rust, {"/* /*", "*/ still", "*/ f();"}, {"~~~~~", "~~~~~~~~", "   f();"}},
        {"blocks of a language without nesting", C, {"/* /* */ f(); */"}, {"         f(); */"}},
        {"two block pairs", Pascal, {"{ a } (* b *) c"}, {"              c"}},
        {"the other pair's closer is text", Pascal, {"{ *) } d"}, {"       d"}},
        {"a doubled mark", Pascal, {"s := 'it''s'; t;"}, {"s := '     '; t;"}},
        {"the longest opener wins", Python, {"'''doc", "def f(): '''", "x = 'a'"}, {"~~~~~~", "~~~~~~~~~~~~", "x = ' '"}},
        {"an opener in the first column only", Perl, {"x = 1; =pod", "=pod", "sub f", "=cut", "sub g"},
         {"x = 1; =pod", "~~~~", "~~~~~", "~~~~", "sub g"}},
        {"fences and markup comments", Markdown, {"```sh", "# not a heading", "```", "# Heading <!-- c -->"},
         {"~~~~~", "~~~~~~~~~~~~~~~", "~~~", "# Heading ~~~~~~~~~~"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Blanked(c.Syntax, c.Lines), c.Code) << c.What;
}

TEST(RegionsTest, LongLinesKeepTheirStateAndAreCopiedToTheBuffer)
{
    RegionSyntax syntax = ReadRegionSyntax("//", "/* */", "", "\"\\");
    RegionState state;
    std::string line = std::string(1020, 'x') + " /*" + std::string(2000, 'y');
    std::string code(1023, '?');
    EXPECT_EQ(BlankRegions(syntax, state, line.data(), int(line.size()), &code[0], int(code.size())), 1021);
    EXPECT_EQ(code, std::string(1020, 'x') + "   ");
    EXPECT_EQ(state.Block, 0);

    std::string next = "*/ f();";
    std::string nextCode(next.size(), '?');
    EXPECT_EQ(BlankRegions(syntax, state, next.data(), int(next.size()), &nextCode[0], int(nextCode.size())), 7);
    EXPECT_EQ(nextCode, "   f();");
    EXPECT_EQ(state.Block, -1);
}

TEST(RegionsTest, MalformedEntriesAreLeftOut)
{
    RegionSyntax syntax = ReadRegionSyntax("  //   # ", "/* */ {", "", "\"\\ abc '");
    ASSERT_EQ(syntax.LineComments.size(), 2u);
    ASSERT_EQ(syntax.Blocks.size(), 1u);  // "{" has no closer
    ASSERT_EQ(syntax.Quotes.size(), 2u);  // "abc" is no quote entry
    EXPECT_EQ(syntax.Quotes[1].Mark, '\'');
    EXPECT_EQ(syntax.Quotes[1].Escape, '\0');
    EXPECT_TRUE(ReadRegionSyntax("", "", nullptr, "").Empty());
}

}  // namespace

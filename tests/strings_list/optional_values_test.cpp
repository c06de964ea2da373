// A type's optional values through the exports: regions that are not code,
// heads split over lines, and the previous line named in a template.
#include <string>
#include <vector>

#include "tests/support/strings_list_fixture.h"

namespace {

class OptionalValuesTest : public StringsListTest {
protected:
    void Set(const char* value, const std::string& text)
    {
        Types.SetValue("T", value, REG_SZ, text + '\0');
    }
};

TEST_F(OptionalValuesTest, CommentsAndStringsMakeNoItems)
{
    Types.Add("T", "\\.t$", "struct\\s+(\\w+)");
    Set("LineComment", "//");
    Set("Block", "/* */");
    Set("Quote", "\"\\");
    Editor("a.t", {"/* struct hidden {", "   struct inside {", "*/ struct shown { // struct no",
                   "s = \"struct s {\";", "// struct comment {", "struct last {"});
    RunList();
    // Searched with the regions blanked; listed as the lines stand.
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"*/ struct shown { // struct no", "struct last {"}));

    Types.Add("T", "\\.t$", "struct\\s+(\\w+)", "\\1 %LINE%");
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"shown 3", "last 6"}));
}

TEST_F(OptionalValuesTest, HeadsSplitOverLinesAreJoined)
{
    Types.Add("T", "\\.t$", "^[a-z][a-z ]*<([a-z]+) *\\(", "\\1 %LINE%: \\0");
    Set("Join", "( ,");
    Editor("a.t", {"extern bool buildstubs", "  (bfd *, asection *);", "int f(", "    int a,", "    int b);",
                   "  1, 2,", "int g(void);", "int h", "  (void);"});
    RunList();
    // The item stays on the join's first line, and the lines it took make none.
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"buildstubs 1: extern bool buildstubs (", "f 3: int f(",
                                                     "g 7: int g(", "h 8: int h ("}));
    // "  1, 2," joined with "int g(void);" made no item: each line was searched alone.
    // Choosing a join's item moves the editor to its first line.
    Host.MenuAnswers.push_back({3});
    RunList();
    EXPECT_EQ(Positions(), (std::vector<int>{7}));
}

TEST_F(OptionalValuesTest, AJoinStopsAtTheLineBuffer)
{
    Types.Add("T", "\\.t$", "^f\\( a*z$", "%LINE%");
    Set("Join", "(");
    // "f(", a space and the next line: 1,023 characters fit, the 1,024th is cut.
    Editor("a.t", {"f(", std::string(1019, 'a') + "z", "after"});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"1"}));
    Editor("a.t", {"f(", std::string(1020, 'a') + "z", "after"});
    RunList();
    ExpectNothingFound("a.t");
}

TEST_F(OptionalValuesTest, TheTemplateNamesThePreviousLine)
{
    Types.Add("T", "\\.t$", "^=+$", "%PREV% (%LINE%)");
    Editor("a.t", {"=====", "Title", "=====", "text", "a\\1b", "==="});
    RunList();
    // The previous line's text as it stands, its backslashes not read as references.
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{" (1)", "Title (3)", "a\\1b (6)"}));
    Host.MenuAnswers.push_back({1});
    RunList();
    EXPECT_EQ(Positions(), (std::vector<int>{2}));  // the underline, the line that matched
}

}  // namespace

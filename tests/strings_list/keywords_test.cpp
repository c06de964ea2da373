// The pieces of the strings list that a host cannot reach at their limits:
// keyword expansion, group shifting, the sort order, and the lookup's record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/host_services.h"
#include "pattern/pattern.h"
#include "settings/file_types.h"
#include "strings_list/proc_list.h"
#include "tests/support/test_types.h"

namespace {

std::string Expand(const std::string& templ, int line = 0, int index = 0, int total = 200)
{
    char output[KEYWORD_BUFFER_SIZE];
    std::memset(output, 'Z', sizeof output);
    return ExpandProcListKeywords(templ.c_str(), output, line, index, total);
}

TEST(KeywordsTest, KeywordsAndPercentSigns)
{
    struct Case {
        const char* Template;
        const char* Expected;
    };
    for (Case c : {
             Case{"100%% done", "100% done"},
             Case{"50% off", "50 off"},
             Case{"a %X% b", "a  b"},
             Case{"%LINE%|%line%|%LiNeS%|%LIN%", "12|12|12|"},
             Case{"%INDEX% %indexes%", "4 4"},
             Case{"%PERCENT% %perce% %PERCENTAGE% %PERC%", "5% 5% 5% "},
             Case{"%", ""},
             Case{"%%%", "%"},
             Case{"%%LINE%%", "%LINE%"},
             Case{"x%LINE", "xLINE"},
             Case{"%%%LINE%", "%12"},
             Case{"\\1 %LINE%\\", "\\1 12\\"},
             Case{"", ""},
         }) {
        EXPECT_EQ(Expand(c.Template, 11, 3), c.Expected) << c.Template;
    }
}

TEST(KeywordsTest, ThePreviousLineIsInsertedForTheExpansionToGiveBackAsItStands)
{
    char output[KEYWORD_BUFFER_SIZE];
    EXPECT_STREQ(ExpandProcListKeywords("[%PREV%] %prev%", output, 0, 0, 1, "a\\1%b"), "[a\\\\1%b] a\\\\1%b");
    // A doubled backslash is never cut in two at the buffer's end.
    std::string line = std::string(1022, 'x') + "\\";
    EXPECT_EQ(ExpandProcListKeywords("%PREV%", output, 0, 0, 1, line.c_str()), std::string(1022, 'x'));
}

TEST(KeywordsTest, PercentNeverReachesAHundred)
{
    EXPECT_EQ(Expand("%PERCENT%", 0, 0, 200), "0%");
    EXPECT_EQ(Expand("%PERCENT%", 199, 0, 200), "99%");
    EXPECT_EQ(Expand("%PERCENT%", 2147483000, 0, 2147483647), "99%");  // no overflow on huge files
    EXPECT_EQ(Expand("%PERCENT%", 0, 0, 0), "0%");
}

TEST(KeywordsTest, LongestTemplateWithLongestValuesFitsAndNothingOverruns)
{
    std::string templ;
    while (templ.size() + 6 <= 511)
        templ += "%LINE%";
    std::string expected;
    for (size_t i = 0; i < templ.size() / 6; i++)
        expected += "2147483647";
    EXPECT_EQ(Expand(templ, 2147483646), expected);

    // Even a template far beyond what the dialog saves stays inside the buffer.
    std::string huge(5000, 'x');
    char output[KEYWORD_BUFFER_SIZE + 16];
    std::memset(output, 'Z', sizeof output);
    ExpandProcListKeywords(huge.c_str(), output, 0, 0, 1);
    EXPECT_EQ(std::strlen(output), static_cast<size_t>(KEYWORD_BUFFER_SIZE - 1));
    for (size_t i = KEYWORD_BUFFER_SIZE; i < sizeof output; i++)
        EXPECT_EQ(output[i], 'Z');
}

TEST(ShiftGroupsTest, SetRegistersMoveDownInOrder)
{
    MatchRegisters r;
    for (int32_t& v : r.R)
        v = -1;
    r.R[0] = 0, r.R[64] = 9;
    r.R[2] = 1, r.R[66] = 3;
    r.R[5] = 4, r.R[69] = 4;   // an empty group is still a set one
    r.R[63] = 6, r.R[127] = 9;
    ShiftGroups(r.R);
    const int32_t starts[] = {0, 1, 4, 6}, ends[] = {9, 3, 4, 9};
    for (int i = 0; i < 64; i++) {
        EXPECT_EQ(r.R[i], i < 4 ? starts[i] : -1) << i;
        EXPECT_EQ(r.R[64 + i], i < 4 ? ends[i] : -1) << i;
    }
}

TEST(CompareProcListItemsTest, CapitalsFoldOtherBytesByValue)
{
    auto compare = [](const char* a, const char* b) {
        int d = CompareProcListItems(ProcListItem{0, a}, ProcListItem{1, b});
        return d < 0 ? -1 : d > 0 ? 1 : 0;
    };
    EXPECT_EQ(compare("_init", "Alpha"), -1);
    EXPECT_EQ(compare("Alpha", "beta"), -1);
    EXPECT_EQ(compare("ABC", "abc"), 0);
    EXPECT_EQ(compare("ab", "abc"), -1);
    EXPECT_EQ(compare("", ""), 0);
    EXPECT_EQ(compare("\xc9", "\xe9"), -1);  // national letters are not folded
    EXPECT_EQ(compare("z", "\x80"), -1);     // bytes compare unsigned
    EXPECT_EQ(compare("[", "a"), -1);
    EXPECT_EQ(compare("[", "A"), -1);
}

TEST(FindFileTypeTest, NoMatchLeavesTheRecordAsPassedAndSaysSo)
{
    TestTypes types;
    PluginStartupInfo info{};
    info.RegistryRoot = types.RegistryRoot();
    CopyStartupInfo(&info);
    types.Add("T", "\\.t$", "rx", "present", 5);

    FileTypeSettings settings;
    std::memset(&settings, 0x5A, sizeof settings);
    FileTypeSettings before = settings;
    CFileTypes fileTypes;
    EXPECT_EQ(fileTypes.FindFileType("a.u", &settings), 0);
    EXPECT_EQ(std::memcmp(&settings, &before, sizeof settings), 0);

    EXPECT_EQ(fileTypes.FindFileType("a.t", &settings), 1);
    EXPECT_STREQ(settings.Pattern, "rx");
    EXPECT_STREQ(settings.Presentation, "present");
    EXPECT_EQ(settings.Flags, 5u);
}

}  // namespace

// Template expansion: group references, the case state, escapes and status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "pattern/template.h"

namespace {

const char Subject[] = "hello World";

// The match of (\w+) (\w+) in the subject: group 1 at 0-5, group 2 at 6-11.
MatchRegisters HelloWorld()
{
    MatchRegisters registers;
    for (int32_t& r : registers.R)
        r = -1;
    registers.R[0] = 0, registers.R[64] = 11;
    registers.R[1] = 0, registers.R[65] = 5;
    registers.R[2] = 6, registers.R[66] = 11;
    return registers;
}

// "status:text", text "(none)" when no text came back.
std::string Expand(const char* templ)
{
    char* text = reinterpret_cast<char*>(1);
    int length = -5;
    int status = ExpandTemplate(templ, Subject, HelloWorld(), &text, &length);
    std::string result = std::to_string(status) + ":" + (text ? std::string(text, length) : "(none)");
    if (!text && length != 0)
        result += " length " + std::to_string(length);
    free(text);
    return result;
}

const struct {
    const char* templ;
    std::string expected;
} Cases[] = {
    {"\\1", "0:hello"},
    {"[\\2]", "0:[World]"},
    {"\\U\\1\\E-\\2", "0:HELLO-World"},
    {"\\U\\1\\e\\2", "0:HELLOWorld"},
    {"\\L\\2", "0:world"},
    {"\\u\\1", "0:Hello"},
    {"\\l\\2", "0:world"},
    {"\\u\\L\\2", "0:World"},
    {"\\Uabc", "0:ABC"},
    {"\\ux", "0:X"},
    {"\\U\\x61", "0:A"},
    {"\\x41\\x4a", "0:AJ"},
    {"\\d065", "0:A"},
    {"\\d165", "0:\xa5"},
    {"\\d300", "0:,"},
    {"\\o101", "0:A"},
    {"\\o041", "0:!"},
    {"\\o777", "0:\xff"},
    {"ab\\x4", "0:(none)"},
    {"ab\\", "-1:(none)"},
    {"\\", "-1:(none)"},
    {"\\d1a5", "0:(none)"},
    {"\\x:0", "0:(none)"},
    {"\\o8", "0:(none)"},
    {"\\x4g\\", "0:(none)"},
    {"\\U\\L\\2", "0:WORLD"},
    {"\\u\\E\\1", "0:Hello"},
    {"\\l\\u\\1", "0:Hello"},
    {"\\L\\uWORLD", "0:World"},
    {"\\q\\\\\\z", "0:q\\z"},
    {"\\t\\n\\r\\a\\b", "0:\t\n\r\a\b"},
    {"\\f\\v\\D\\O\\X", "0:fvDOX"},
    {"\\9", "0:(none)"},
    {"\\u\\3x", "0:X"},
    {"\\0", "0:hello World"},
    {"", "0:(none)"},
    {"\\d000", std::string("0:") + '\0'},
    {"a\\x00b", std::string("0:a") + '\0' + "b"},
};

TEST(Template, ExpandsEachCase)
{
    for (const auto& c : Cases)
        EXPECT_EQ(Expand(c.templ), c.expected) << c.templ;
}

TEST(Template, AppendTextGrowsAndWaitsWithCaseForCharacters)
{
    char* text = nullptr;
    int length = 0;
    unsigned state = UpperNext;
    AppendText(&length, &text, "", 0, &state);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(state, unsigned(UpperNext));
    std::string expected;
    for (int i = 0; i < 1000; i++) {
        AppendText(&length, &text, "ab", 2, &state);
        expected += i ? "ab" : "Ab";
    }
    EXPECT_EQ(std::string(text, length), expected);
    EXPECT_EQ(state, 0u);
    free(text);
}

TEST(Template, LeavesTheCallersRegistersAlone)
{
    MatchRegisters registers = HelloWorld();
    char* text = nullptr;
    int length = 0;
    ExpandTemplate("\\U\\1", Subject, registers, &text, &length);
    EXPECT_EQ(registers.R[1], 0);
    EXPECT_EQ(std::string(Subject), "hello World");
    free(text);
}

}  // namespace

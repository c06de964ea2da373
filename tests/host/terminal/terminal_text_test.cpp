// How bytes become screen cells: every byte in exactly one unit, columns in
// step with widths, nothing unprintable passed through.
#include <clocale>
#include <gtest/gtest.h>

#include "host/terminal/terminal_message.h"
#include "host/terminal/terminal_text.h"

namespace {

class TextTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr); }

    // The glyphs of a text, concatenated: what the terminal would receive.
    static std::string Shown(const std::string& text, bool utf8 = true)
    {
        std::string shown;
        for (const TextUnit& unit : LayOutText(text, utf8).Units)
            shown += UnitGlyph(text, unit);
        return shown;
    }
};

TEST_F(TextTest, ShowsEachKindOfByteSafely)
{
    struct Case {
        std::string Text;
        bool Utf8;
        std::string Shown;
        int Width;
    } cases[] = {
        {"plain", true, "plain", 5},
        {"a\tb", true, "a       b", 9},
        {std::string("\x01\x1b[31m\x7f", 7), true, "^A^[[31m^?", 10},
        {std::string("\0x", 2), true, "^@x", 3},
        {"caf\xc3\xa9", true, "caf\xc3\xa9", 4},
        {"caf\xc3\xa9", false, "caf<c3><a9>", 11},
        {"\xff\xfe", true, "<ff><fe>", 8},
        {"\xc0\xaf", true, "<c0><af>", 8},              // overlong slash
        {"\xed\xa0\x80", true, "<ed><a0><80>", 12},     // surrogate
        {"\xe6\x97\xa5", true, "\xe6\x97\xa5", 2},       // a wide character
        {"\xe2\x80\xae" "x", true, "<e2><80><ae>x", 13}, // direction override
        {"\xc2\x9b" "1m", true, "<c2><9b>1m", 10},       // C1 control introducer
        {"e\xcc\x81", true, "e<cc><81>", 9},             // combining mark
        {"\xe6\x97", true, "<e6><97>", 8},               // cut sequence
    };
    for (const Case& c : cases) {
        TextLayout layout = LayOutText(c.Text, c.Utf8);
        EXPECT_EQ(Shown(c.Text, c.Utf8), c.Shown) << c.Text;
        EXPECT_EQ(layout.Width, c.Width) << c.Text;
        int bytes = 0, column = 0;
        for (const TextUnit& unit : layout.Units) {
            EXPECT_EQ(unit.Byte, bytes);
            EXPECT_EQ(unit.Column, column);
            bytes += unit.Length;
            column += unit.Width;
        }
        EXPECT_EQ(bytes, static_cast<int>(c.Text.size()));
    }
}

TEST_F(TextTest, MapsBytesAndColumnsBothWays)
{
    std::string text = "a\t\xe6\x97\xa5z";  // a, tab to 8, wide 8-9, z at 10
    TextLayout layout = LayOutText(text, true);
    EXPECT_EQ(layout.ColumnOfByte(0), 0);
    EXPECT_EQ(layout.ColumnOfByte(1), 1);
    EXPECT_EQ(layout.ColumnOfByte(2), 8);
    EXPECT_EQ(layout.ColumnOfByte(3), 8);  // inside the wide character
    EXPECT_EQ(layout.ColumnOfByte(5), 10);
    EXPECT_EQ(layout.ColumnOfByte(6), 11);  // past the end
    EXPECT_EQ(layout.ByteAtColumn(4), 1);
    EXPECT_EQ(layout.ByteAtColumn(9), 2);
    EXPECT_EQ(layout.ByteAtColumn(10), 5);
    EXPECT_EQ(layout.ByteAtColumn(50), 6);
}

TEST_F(TextTest, WrapsAtSpacesAndCutsLongWords)
{
    std::vector<std::string> pieces = WrapLine("Could not find the string", 12, true);
    EXPECT_EQ(pieces, (std::vector<std::string>{"Could not ", "find the ", "string"}));
    pieces = WrapLine(std::string(25, 'x'), 10, true);
    EXPECT_EQ(pieces, (std::vector<std::string>{std::string(10, 'x'), std::string(10, 'x'), std::string(5, 'x')}));
    EXPECT_EQ(WrapLine("", 10, true), (std::vector<std::string>{""}));
    // A unit wider than the box still goes somewhere, whole.
    EXPECT_EQ(WrapLine("\x01", 1, true), (std::vector<std::string>{"\x01"}));
}

}  // namespace

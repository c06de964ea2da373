// Edit fields: the cursor on character boundaries, the text within its limit,
// the scroll keeping the cursor in the field, and history recall.
#include <gtest/gtest.h>

#include "host/terminal/terminal_edit_line.h"
#include "host/terminal/terminal_history.h"

namespace {

Key Char(const std::string& text)
{
    return {KeyChar, text};
}

Key Press(int code)
{
    return {code, {}};
}

TEST(EditLineTest, EditsByCharacterNotByByte)
{
    EditLine line(511, true);
    line.SetText("a\xc3\xa9z");
    bool refused = false;
    line.HandleKey(Press(KeyLeft), refused);
    line.HandleKey(Press(KeyLeft), refused);
    EXPECT_EQ(line.Cursor(), 1);
    line.HandleKey(Press(KeyDelete), refused);
    EXPECT_EQ(line.Text(), "az");
    line.HandleKey(Char("\xc3\xa9"), refused);
    line.HandleKey(Press(KeyBackspace), refused);
    EXPECT_EQ(line.Text(), "az");
    EXPECT_EQ(line.Cursor(), 1);
    line.HandleKey(Press(KeyHome), refused);
    line.HandleKey(Press(KeyBackspace), refused);  // nothing before the start
    EXPECT_EQ(line.Text(), "az");
    line.HandleKey({KeyCtrl, "Y"}, refused);
    EXPECT_EQ(line.Text(), "");
}

TEST(EditLineTest, KeepsWithinItsLimit)
{
    EditLine line(4, true);
    line.SetText("abcdef");
    EXPECT_EQ(line.Text(), "abcd");
    bool refused = false;
    EXPECT_TRUE(line.HandleKey(Char("x"), refused));
    EXPECT_TRUE(refused);
    EXPECT_EQ(line.Text(), "abcd");
    // A cut through a character drops the whole character.
    line.SetText("abc\xc3\xa9");
    EXPECT_EQ(line.Text(), "abc");
    line.HandleKey(Char("\xc3\xa9"), refused);
    EXPECT_TRUE(refused);
}

TEST(EditLineTest, ScrollsToKeepTheCursorInTheField)
{
    EditLine line(511, true);
    line.SetText(std::string(30, 'x'));
    line.KeepVisible(10);
    EXPECT_EQ(line.Scroll(), 21);  // the cursor after the text in the last column
    bool refused = false;
    line.HandleKey(Press(KeyHome), refused);
    line.KeepVisible(10);
    EXPECT_EQ(line.Scroll(), 0);
}

TEST(EditLineTest, RecallsOlderTextsAndComesBackToWhatWasTyped)
{
    EditLine line;
    line.SetText("typed");
    HistoryRecall recall;
    recall.Entries = {"newest", "older"};
    EXPECT_FALSE(recall.Newer(line));
    EXPECT_TRUE(recall.Older(line));
    EXPECT_EQ(line.Text(), "newest");
    EXPECT_TRUE(recall.Older(line));
    EXPECT_EQ(line.Text(), "older");
    EXPECT_FALSE(recall.Older(line));
    EXPECT_TRUE(recall.Newer(line));
    EXPECT_TRUE(recall.Newer(line));
    EXPECT_EQ(line.Text(), "typed");
    EXPECT_FALSE(recall.Newer(line));
}

}  // namespace

// The six entry points as a host sees them: fixed answers, routing, and no
// use of a plug-in object that does not exist.
#include <cstring>

#include "tests/support/plugin_fixture.h"

namespace {

class ExportsTest : public PluginTest {};

void ExpectDeclaredInfo(const PluginInfoRecord& info)
{
    EXPECT_EQ(info.StructSize, static_cast<int>(sizeof(PluginInfoRecord)));
    EXPECT_EQ(info.Flags, 14u);
    EXPECT_EQ(info.Reserved8, 0);
    EXPECT_EQ(info.Reserved12, 0);
    EXPECT_EQ(info.Reserved16, 0);
    ASSERT_EQ(info.MenuStringsCount, 1);
    EXPECT_STREQ(info.MenuStrings[0], "Strings list");
    ASSERT_EQ(info.ConfigStringsCount, 1);
    EXPECT_STREQ(info.ConfigStrings[0], "Strings list setup");
    EXPECT_EQ(info.CommandPrefix, nullptr);
}

TEST_F(ExportsTest, PluginInfoIsTheSameBeforeAndAfterStartup)
{
    Plugin().ClosePlugin(0);
    PluginInfoRecord before;
    std::memset(&before, 0x5A, sizeof before);
    Plugin().GetPluginInfo(&before);
    ExpectDeclaredInfo(before);

    Start();
    PluginInfoRecord after;
    std::memset(&after, 0xA5, sizeof after);
    Plugin().GetPluginInfo(&after);
    ExpectDeclaredInfo(after);
}

TEST_F(ExportsTest, OpenFromOtherThanTheEditorDoesNothing)
{
    for (int from : {0, 1, 4, 6, 7, -1, 1000}) {
        EXPECT_EQ(OpenPlugin(from, 0), -1) << from;
        EXPECT_EQ(OpenPlugin(from, 3), -1) << from;
    }
    EXPECT_TRUE(Host.Calls.empty());
}

TEST_F(ExportsTest, EditorInputWithoutARecordedMatchSendsNothing)
{
    EXPECT_EQ(ProcessEditorInput(), 0);
    EXPECT_EQ(ProcessEditorInput(), 0);
    EXPECT_TRUE(Host.Calls.empty());
}

TEST_F(ExportsTest, ConfigureAnswersOneWhateverTheItem)
{
    for (int item : {0, 1, -5})
        EXPECT_EQ(Configure(item), 1);
}

TEST_F(ExportsTest, EntryPointsWithoutAPluginObjectAnswerTheirFixedResults)
{
    Plugin().ClosePlugin(0);
    Plugin().ClosePlugin(12345);  // a second close finds nothing to destroy
    EXPECT_EQ(OpenPlugin(OPEN_FROM_EDITOR, 0), -1);
    EXPECT_EQ(OpenPlugin(OPEN_FROM_EDITOR, 1), -1);
    EXPECT_EQ(Configure(0), 1);
    EXPECT_EQ(ProcessEditorInput(), 0);
    EXPECT_TRUE(Host.Calls.empty());
    Plugin().SetStartupInfo(nullptr);  // no block: still no object
    EXPECT_EQ(OpenPlugin(OPEN_FROM_EDITOR, 0), -1);
    EXPECT_TRUE(Host.Calls.empty());
}

TEST_F(ExportsTest, StartingTwiceReplacesTheObject)
{
    Start("Software\\first");
    Start("Software\\second");
    EXPECT_EQ(ProcessEditorInput(), 0);
    EXPECT_EQ(Configure(0), 1);
}

TEST_F(ExportsTest, ANullOrLongRegistryRootIsAccepted)
{
    Start(nullptr);
    EXPECT_EQ(Configure(0), 1);
    std::string longRoot(5000, 'k');
    Start(longRoot.c_str());
    EXPECT_EQ(Configure(0), 1);
}

}  // namespace

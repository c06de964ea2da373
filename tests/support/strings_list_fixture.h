// A plug-in test with file types of its own: the plug-in's registry root is
// the test's private root, and each test starts with an empty table.
#ifndef STRINGSLIST_TESTS_SUPPORT_STRINGS_LIST_FIXTURE_H
#define STRINGSLIST_TESTS_SUPPORT_STRINGS_LIST_FIXTURE_H

#include <string>
#include <vector>

#include "tests/support/plugin_fixture.h"
#include "tests/support/test_types.h"

class StringsListTest : public PluginTest {
protected:
    static constexpr uint32_t SelectFromCursor = TestTypes::SelectFromCursor;
    static constexpr uint32_t SortItems = TestTypes::SortItems;
    static constexpr uint32_t ShiftUnusedParameters = TestTypes::ShiftUnusedParameters;

    void SetUp() override { Start(Types.RegistryRoot()); }

    // Runs the strings list as the editor's plug-in menu does.
    void RunList()
    {
        Host.ClearCalls();
        EXPECT_EQ(OpenPlugin(OPEN_FROM_EDITOR, 0), -1);
    }

    // The texts of the one menu shown by the last run.
    std::vector<std::string> MenuTexts() const
    {
        EXPECT_EQ(Host.Menus.size(), 1u);
        return Host.Menus.empty() ? std::vector<std::string>() : Host.Menus.back().Texts();
    }

    // The last run ended with the empty-list message and nothing else.
    void ExpectNothingFound(const std::string& fileName) const
    {
        EXPECT_TRUE(Host.Menus.empty());
        ASSERT_EQ(Host.Messages.size(), 1u);
        const MessageCall& m = Host.Messages[0];
        EXPECT_EQ(m.Strings, (std::vector<std::string>{fileName, "No functions were found.", "OK"}));
        EXPECT_EQ(m.Help, "ProcListMenu");
        EXPECT_EQ(m.Flags, 0u);
        EXPECT_TRUE(EditorWrites().empty());
    }

    std::vector<int> Positions() const
    {
        std::vector<int> lines;
        for (const EditorCall& c : Host.EditorCalls)
            if (c.Command == EDITOR_SET_POSITION)
                lines.push_back(c.Position.Line);
        return lines;
    }

    TestTypes Types;
};

#endif

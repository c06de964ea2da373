// The search and replace dialogs as the host's dialog service sees them:
// layout, options, the carried-over check boxes and the texts' bounds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "editor/search_dialog.h"
#include "frame/host_services.h"
#include "host/scripted/scripted_host.h"

namespace {

using ::testing::ElementsAreArray;

class SearchDialogTest : public ::testing::Test {
protected:
    void SetUp() override { CopyStartupInfo(Host.StartupInfo("Software\\t")); }

    // Runs the dialog once; the user (answer) may edit the items.
    int Run(CSearchDialog& dialog, const char* text, DialogAnswer answer = nullptr)
    {
        Host.DialogAnswers.push_back(answer ? answer : [](PluginDialogItem*, int) { return 9; });
        return dialog.Execute(text);
    }

    const DialogCall& LastDialog() const { return Host.Dialogs.back(); }

    ScriptedHost Host;
};

struct Row {
    int Type;
    int Y1, Y2;
    const char* Text;
};

void ExpectLayout(const DialogCall& call, const std::vector<Row>& rows)
{
    ASSERT_EQ(call.Items.size(), rows.size());
    for (size_t k = 0; k < rows.size(); k++) {
        const PluginDialogItem& item = call.Items[k];
        EXPECT_EQ(item.Type, rows[k].Type) << k;
        EXPECT_EQ(item.Y1, rows[k].Y1) << k;
        EXPECT_EQ(item.Y2, rows[k].Y2) << k;
        EXPECT_STREQ(item.Data, rows[k].Text) << k;
    }
}

TEST_F(SearchDialogTest, SearchLayout)
{
    CSearchDialog dialog;
    Run(dialog, "");
    const DialogCall& call = LastDialog();
    EXPECT_EQ(std::vector<int>({call.X1, call.Y1, call.X2, call.Y2}), std::vector<int>({-1, -1, 70, 11}));
    EXPECT_EQ(call.Help, "Search");
    ExpectLayout(call, {
        {DI_DOUBLE_FRAME, 1, 9, "RegExp search"},
        {DI_LABEL, 2, 2, "&Search for"},
        {DI_EDIT, 3, 3, ""},
        {DI_LABEL, 4, 4, ""},
        {DI_CHECKBOX, 5, 5, "Regular e&xpressions"},
        {DI_CHECKBOX, 6, 6, "Re&verse search"},
        {DI_CHECKBOX, 5, 5, "&Case sensitive"},
        {DI_CHECKBOX, 6, 6, "&Whole words"},
        {DI_LABEL, 7, 7, ""},
        {DI_BUTTON, 8, 8, "Search"},
        {DI_BUTTON, 8, 8, "Cancel"},
    });
    EXPECT_EQ(call.Histories[2], "SearchText");
    EXPECT_EQ(call.Items[2].Focus, 1);
    EXPECT_EQ(call.Items[2].Flags, 0x40400u);
    EXPECT_EQ(call.Items[9].DefaultButton, 1);
    EXPECT_EQ(call.Items[3].Flags, 0x10000u);
    for (int k = 4; k <= 7; k++)
        EXPECT_EQ(call.Items[k].Selected, 1) << k;
    EXPECT_EQ(dialog.GetOptions(), SearchRegExp | SearchReverse | SearchCaseSensitive | SearchWholeWords);
}

TEST_F(SearchDialogTest, ReplaceLayout)
{
    CReplaceDialog dialog;
    Run(dialog, "");
    const DialogCall& call = LastDialog();
    EXPECT_EQ(call.Y2, 14);
    EXPECT_EQ(call.Help, "Replace");
    ExpectLayout(call, {
        {DI_DOUBLE_FRAME, 1, 12, "RegExp search"},
        {DI_LABEL, 2, 2, "&Search for"},
        {DI_EDIT, 3, 3, ""},
        {DI_LABEL, 4, 4, "&Replace with"},
        {DI_EDIT, 5, 5, ""},
        {DI_LABEL, 6, 6, ""},
        {DI_CHECKBOX, 7, 7, "Regular e&xpressions"},
        {DI_CHECKBOX, 8, 8, "Re&verse search"},
        {DI_CHECKBOX, 7, 7, "&Case sensitive"},
        {DI_CHECKBOX, 8, 8, "&Whole words"},
        {DI_CHECKBOX, 9, 9, "&Promt on replace"},
        {DI_LABEL, 10, 10, ""},
        {DI_BUTTON, 11, 11, "Search"},
        {DI_BUTTON, 11, 11, "Cancel"},
    });
    EXPECT_EQ(call.Histories[2], "SearchText");
    EXPECT_EQ(call.Histories[4], "ReplaceText");
    EXPECT_EQ(dialog.GetOptions(), 31);
}

TEST_F(SearchDialogTest, ConfirmedByEveryExitButCancel)
{
    CSearchDialog search;
    CReplaceDialog replace;
    const CSearchDialog& viaBase = replace;
    struct {
        int Exit, Search, Replace;
    } cases[] = {{9, 1, 1}, {2, 1, 1}, {0, 1, 1}, {10, 0, 1}, {12, 1, 1}, {13, 1, 0}, {-1, 0, 0}, {-100, 0, 0}};
    for (auto c : cases) {
        EXPECT_EQ(search.IsConfirmed(c.Exit), c.Search) << c.Exit;
        EXPECT_EQ(viaBase.IsConfirmed(c.Exit), c.Replace) << c.Exit;
    }
}

TEST_F(SearchDialogTest, CheckBoxesCarryOverBetweenRuns)
{
    CSearchDialog dialog;
    EXPECT_EQ(Run(dialog, "x", [](PluginDialogItem* items, int) {
                  items[5].Selected = 0;  // "Re&verse search" cleared
                  return 2;
              }),
              2);
    EXPECT_EQ(dialog.GetOptions(), 15 & ~SearchReverse);
    Run(dialog, "y");
    EXPECT_EQ(LastDialog().Items[5].Selected, 0);
    EXPECT_EQ(LastDialog().Items[4].Selected, 1);
    EXPECT_EQ(dialog.GetOptions(), 13);

    CReplaceDialog replace;
    const CSearchDialog& viaBase = replace;
    Run(replace, "", [](PluginDialogItem* items, int) {
        items[10].Selected = 0;
        items[6].Selected = 0;
        return 12;
    });
    EXPECT_EQ(viaBase.GetOptions(), SearchReverse | SearchCaseSensitive | SearchWholeWords);
}

TEST_F(SearchDialogTest, InitialTextFillsTheFieldsWithinTheirBounds)
{
    CReplaceDialog replace;
    Run(replace, "foo(bar)");
    EXPECT_STREQ(LastDialog().Items[2].Data, "foo(bar)");
    EXPECT_STREQ(LastDialog().Items[4].Data, "foo(bar)");

    CSearchDialog dialog;
    std::string longText(700, 'L');
    Run(dialog, longText.c_str());
    EXPECT_EQ(std::string(LastDialog().Items[2].Data), longText.substr(0, 511));
    Run(dialog, nullptr);
    EXPECT_STREQ(LastDialog().Items[2].Data, "");
    Run(dialog, "");
    EXPECT_STREQ(LastDialog().Items[2].Data, "");
}

TEST_F(SearchDialogTest, TextsWrittenBackByTheHostAreRead)
{
    CReplaceDialog dialog;
    Run(dialog, "old", [](PluginDialogItem* items, int) {
        std::strcpy(items[2].Data, "typed");
        std::strcpy(items[4].Data, "with");
        return 12;
    });
    EXPECT_STREQ(dialog.GetSearchText(), "typed");
    EXPECT_STREQ(dialog.GetReplaceText(), "with");

    // A host that fills the field to the brim leaves it without a NUL.
    Run(dialog, "old", [](PluginDialogItem* items, int) {
        std::memset(items[2].Data, 'z', sizeof items[2].Data);
        return 2;
    });
    EXPECT_EQ(std::strlen(dialog.GetSearchText()), 511u);

    // The field's own text as the initial text.
    Run(dialog, "keep");
    Run(dialog, dialog.GetSearchText());
    EXPECT_STREQ(LastDialog().Items[2].Data, "keep");
}

TEST_F(SearchDialogTest, CancelledDialogAnswersNegative)
{
    CSearchDialog dialog;
    EXPECT_LT(dialog.Execute("x"), 0);  // the host's script is empty: Escape
    EXPECT_EQ(dialog.IsConfirmed(-1), 0);
}

TEST_F(SearchDialogTest, DestroyedThroughTheBase)
{
    std::unique_ptr<CSearchDialog> dialog(new CReplaceDialog);
    Run(*dialog, "x");
    EXPECT_EQ(LastDialog().Items.size(), 14u);
}

}  // namespace

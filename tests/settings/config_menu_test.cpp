// The configuration through Configure, as a user drives it: the menu of types,
// the file-type dialog, and what ends up in the registry.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tests/settings/config_registry.h"

namespace {

enum { Del = 0, Ins = 1, F4 = 2, Enter = 3 };
enum { NameItem = 2, MaskItem = 4, RxItem = 6, PresentItem = 8 };
enum { SelectBox = 10, SortBox = 11, ShiftBox = 12, SaveItem = 14, CancelItem = 15 };

// The option bits as stored in "Flags".
enum { SelectFromCursor = 1, SortItems = 2, ShiftUnusedParameters = 4 };

const char Default[] = "Default settings";

MenuAnswer Choose(int index, int breakCode = -1)
{
    return MenuAnswer{index, breakCode};
}

// Types into the dialog as a user would, then leaves it by exitItem.
DialogAnswer Type(std::vector<std::pair<int, std::string>> texts, std::vector<std::pair<int, int>> boxes,
                  int exitItem)
{
    return [texts, boxes, exitItem](PluginDialogItem* items, int) {
        for (const auto& text : texts)
            std::snprintf(items[text.first].Data, sizeof items[text.first].Data, "%s", text.second.c_str());
        for (const auto& box : boxes)
            items[box.first].Selected = box.second;
        return exitItem;
    };
}

DialogAnswer Leave(int exitItem)
{
    return Type({}, {}, exitItem);
}

std::string Text(const DialogCall& dialog, int item)
{
    return dialog.Items[item].Data;
}

std::vector<int> Boxes(const DialogCall& dialog)
{
    return {dialog.Items[SelectBox].Selected, dialog.Items[SortBox].Selected, dialog.Items[ShiftBox].Selected};
}

StoredType Stored(const std::string& mask, const std::string& rx, const std::string& present, DWORD flags)
{
    StoredType t;
    t.FileMask = mask;
    t.RX = rx;
    t.Present = present;
    t.HasFlags = true;
    t.Flags = flags;
    return t;
}

using Names = std::vector<std::string>;

TEST_F(ConfigTest, WithNoTypesTheMenuHoldsTheFixedEntries)
{
    EXPECT_EQ(Configure(0), 1);
    ASSERT_EQ(Host.Menus.size(), 1u);
    const MenuCall& menu = Host.Menus[0];
    EXPECT_EQ(menu.Texts(), (Names{Default, ""}));
    EXPECT_EQ(menu.Items[0].Separator, 0);
    EXPECT_EQ(menu.Items[1].Separator, 1);
    EXPECT_EQ(menu.SelectedIndex(), -1);
    EXPECT_EQ(menu.Title, "ProcList config");
    EXPECT_EQ(menu.Bottom, "Edit: Del, Ins, F4");
    EXPECT_EQ(menu.Help, "ProcListCfgMenu");
    EXPECT_EQ(menu.BreakKeys, (std::vector<int>{0x2E, 0x2D, 0x73, 0x0D}));
    EXPECT_TRUE(menu.HasBreakCode);
    EXPECT_EQ(std::vector<int>({menu.X, menu.Y, menu.MaxHeight}), std::vector<int>({-1, -1, 0}));
    EXPECT_EQ(menu.Flags, 1u);
    EXPECT_TRUE(Host.Dialogs.empty());
    EXPECT_TRUE(StoredNames().empty());
}

TEST_F(ConfigTest, TypesFollowInEnumerationOrderSkippingNamesTooLongForAType)
{
    std::string longest(63, 'L'), tooLong(64, 'M');
    for (const std::string& name : {std::string("Pascal"), std::string("C"), std::string(Default), longest, tooLong})
        PutType(name, "x", "y", "");
    Configure(0);
    ASSERT_EQ(Host.Menus.size(), 1u);
    // "Default settings" is listed once, as the fixed entry; the 64-character
    // name does not hide "Pascal", which enumerates after it.
    EXPECT_EQ(Host.Menus[0].Texts(), (Names{Default, "", "C", longest, "Pascal"}));
}

TEST_F(ConfigTest, TheDialogIsLaidOutAsItsTemplate)
{
    PutType("C", "", "", "");
    Host.MenuAnswers = {Choose(2)};
    Configure(0);
    ASSERT_EQ(Host.Dialogs.size(), 1u);
    const DialogCall& d = Host.Dialogs[0];
    EXPECT_EQ(std::vector<int>({d.X1, d.Y1, d.X2, d.Y2}), std::vector<int>({-1, -1, 70, 17}));
    EXPECT_EQ(d.Help, "ProcListCfg");
    struct Row {
        int Type, X1, Y1, X2, Y2;
        const char* Text;  // null: an edit field, checked by the other tests
        const char* History;
        unsigned Flags;
        int Focus, DefaultButton;
    };
    const Row rows[] = {
        {DI_DOUBLE_FRAME, 3, 1, 66, 15, "ProcList search", "", 0, 0, 0},
        {DI_LABEL, 5, 2, 65, 2, "&File type", "", 0, 0, 0},
        {DI_EDIT, 5, 3, 64, 3, nullptr, "RegExpFileTypeHistory", DIF_HISTORY, 1, 0},
        {DI_LABEL, 5, 4, 65, 4, "File &mask", "", 0, 0, 0},
        {DI_EDIT, 5, 5, 64, 5, nullptr, "RegExpFileMaskHistory", DIF_HISTORY, 0, 0},
        {DI_LABEL, 5, 6, 65, 6, "&Regular expression", "", 0, 0, 0},
        {DI_EDIT, 5, 7, 64, 7, nullptr, "RegExpHistory", DIF_HISTORY, 0, 0},
        {DI_LABEL, 5, 8, 65, 8, "&Presentation expression", "", 0, 0, 0},
        {DI_EDIT, 5, 9, 64, 9, nullptr, "RegExpPresetnHistory", DIF_HISTORY, 0, 0},
        {DI_LABEL, 5, 10, 64, 10, "", "", DIF_SEPARATOR, 0, 0},
        {DI_CHECKBOX, 5, 11, 35, 11, "&select from cursor", "", 0, 0, 0},
        {DI_CHECKBOX, 40, 11, 65, 11, "sort &items", "", 0, 0, 0},
        {DI_CHECKBOX, 5, 12, 35, 12, "shift &unused parameters in presentation string", "", 0, 0, 0},
        {DI_LABEL, 5, 13, 64, 13, "", "", DIF_SEPARATOR, 0, 0},
        {DI_BUTTON, 24, 14, 33, 14, "Save", "", 0, 0, 1},
        {DI_BUTTON, 37, 14, 49, 14, "Cancel", "", 0, 0, 0},
    };
    ASSERT_EQ(d.Items.size(), sizeof rows / sizeof rows[0]);
    for (size_t i = 0; i < d.Items.size(); i++) {
        const PluginDialogItem& item = d.Items[i];
        const Row& row = rows[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(std::vector<int>({item.Type, item.X1, item.Y1, item.X2, item.Y2}),
                  std::vector<int>({row.Type, row.X1, row.Y1, row.X2, row.Y2}));
        if (row.Text) {
            EXPECT_STREQ(item.Data, row.Text);
        }
        EXPECT_EQ(d.Histories[i], row.History);
        EXPECT_EQ(item.Flags, row.Flags);
        EXPECT_EQ(item.Focus, row.Focus);
        EXPECT_EQ(item.DefaultButton, row.DefaultButton);
    }
}

TEST_F(ConfigTest, ChoosingATypeLoadsItAndSaveWritesItBack)
{
    PutType("C", "\\.c$", "^\\w+\\(", "%LINE%: \\0", SortItems);
    // An empty field deletes its value; Flags holds only the boxes.
    Host.MenuAnswers = {Choose(2)};
    Host.DialogAnswers = {Type({{MaskItem, "\\.h$"}, {RxItem, ""}}, {{SelectBox, 1}, {SortBox, 0}, {ShiftBox, 1}},
                               SaveItem)};
    Configure(0);

    ASSERT_EQ(Host.Dialogs.size(), 1u);
    const DialogCall& shown = Host.Dialogs[0];
    EXPECT_EQ(Text(shown, NameItem), "C");
    EXPECT_EQ(Text(shown, MaskItem), "\\.c$");
    EXPECT_EQ(Text(shown, RxItem), "^\\w+\\(");
    EXPECT_EQ(Text(shown, PresentItem), "%LINE%: \\0");
    EXPECT_EQ(Boxes(shown), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(ReadType("C"), Stored("\\.h$", Missing, "%LINE%: \\0", SelectFromCursor | ShiftUnusedParameters));
    EXPECT_EQ(StoredNames(), (Names{"C"}));
    // The menu comes back, rebuilt, on the type just edited.
    ASSERT_EQ(Host.Menus.size(), 2u);
    EXPECT_EQ(Host.Menus[1].SelectedIndex(), 2);
}

TEST_F(ConfigTest, FlagsAreWrittenOnEverySaveZeroIncluded)
{
    PutType("C", "\\.c$", "", "");
    Host.MenuAnswers = {Choose(2)};
    Host.DialogAnswers = {Leave(SaveItem)};
    Configure(0);
    EXPECT_EQ(ReadType("C"), Stored("\\.c$", Missing, Missing, 0));
}

TEST_F(ConfigTest, F4AndEnterEditLikeAChoiceAndOtherBreakCodesDoNothing)
{
    PutType("C", "\\.c$", "", "", 0);
    const struct {
        int BreakCode;
        bool Edits;
    } cases[] = {{-1, true}, {F4, true}, {Enter, true}, {4, false}, {-7, false}};
    for (const auto& c : cases) {
        Host.ClearCalls();
        Host.MenuAnswers = {Choose(2, c.BreakCode)};
        Host.DialogAnswers = {Type({{MaskItem, "changed"}}, {}, CancelItem)};
        Configure(0);
        SCOPED_TRACE(c.BreakCode);
        ASSERT_EQ(Host.Dialogs.size(), c.Edits ? 1u : 0u);
        if (c.Edits) {
            EXPECT_EQ(Text(Host.Dialogs[0], NameItem), "C");
        }
        EXPECT_EQ(Host.Menus.size(), 2u);
        Host.DialogAnswers.clear();
    }
    EXPECT_EQ(ReadType("C"), Stored("\\.c$", Missing, Missing, 0));
}

TEST_F(ConfigTest, SavingUnderANewNameLeavesTheOldTypeInPlace)
{
    PutType("C", "\\.c$", "rx", "", SortItems);
    Host.MenuAnswers = {Choose(2)};
    Host.DialogAnswers = {Type({{NameItem, "C99"}, {PresentItem, "%LINE%"}}, {}, SaveItem)};
    Configure(0);
    EXPECT_EQ(StoredNames(), (Names{"C", "C99"}));
    EXPECT_EQ(ReadType("C"), Stored("\\.c$", "rx", Missing, SortItems));
    EXPECT_EQ(ReadType("C99"), Stored("\\.c$", "rx", "%LINE%", SortItems));
    EXPECT_EQ(Host.Menus.back().Texts(), (Names{Default, "", "C", "C99"}));
}

TEST_F(ConfigTest, InsCopiesATypeUnderTheNameTyped)
{
    PutType("C", "\\.c$", "rx", "pr", SelectFromCursor | ShiftUnusedParameters);
    Host.MenuAnswers = {Choose(2, Ins)};
    Host.DialogAnswers = {Type({{NameItem, "H"}, {MaskItem, "\\.h$"}}, {}, SaveItem)};
    Configure(0);

    ASSERT_EQ(Host.Dialogs.size(), 1u);
    const DialogCall& shown = Host.Dialogs[0];
    EXPECT_EQ(Text(shown, NameItem), "");
    EXPECT_EQ(Text(shown, MaskItem), "\\.c$");
    EXPECT_EQ(Text(shown, RxItem), "rx");
    EXPECT_EQ(Text(shown, PresentItem), "pr");
    EXPECT_EQ(Boxes(shown), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(ReadType("C"), Stored("\\.c$", "rx", "pr", SelectFromCursor | ShiftUnusedParameters));
    EXPECT_EQ(ReadType("H"), Stored("\\.h$", "rx", "pr", SelectFromCursor | ShiftUnusedParameters));
    EXPECT_EQ(Host.Menus.back().Texts(), (Names{Default, "", "C", "H"}));
}

TEST_F(ConfigTest, OptionalValuesStayAndACopyTakesThemAlong)
{
    PutType("C", "\\.c$", "rx", "");
    Types.SetValue("C", "Block", REG_SZ, std::string("/* */") + '\0');
    PutType("H", "\\.h$", "rx", "");
    Types.SetValue("H", "Join", REG_SZ, std::string("(") + '\0');
    // Texts longer than a field travel whole, and a copy's own is never replaced.
    const std::string longQuote(600, 'q'), longComment(600, 'c');
    Types.SetValue("C", "Quote", REG_SZ, longQuote + '\0');
    Types.SetValue("C", "LineComment", REG_SZ, std::string("//") + '\0');
    Types.SetValue("H", "LineComment", REG_SZ, longComment + '\0');
    // Saved as itself; as a new type; over a type that has values of its own.
    Host.MenuAnswers = {Choose(2), Choose(2, Ins), Choose(2, Ins)};
    Host.DialogAnswers = {Type({{MaskItem, "\\.cc$"}}, {}, SaveItem), Type({{NameItem, "C2"}}, {}, SaveItem),
                          Type({{NameItem, "h"}}, {}, SaveItem)};
    Configure(0);
    EXPECT_EQ(TypeValue("C", "Block"), "/* */");
    EXPECT_EQ(ReadType("C").FileMask, "\\.cc$");
    EXPECT_EQ(TypeValue("C2", "Block"), "/* */");
    EXPECT_EQ(TypeValue("H", "Block"), "/* */");
    EXPECT_EQ(TypeValue("H", "Join"), "(");
    EXPECT_EQ(TypeValue("C", "Join"), Missing);
    EXPECT_EQ(TypeValue("C2", "Quote"), longQuote);
    EXPECT_EQ(TypeValue("H", "Quote"), longQuote);
    EXPECT_EQ(TypeValue("C2", "LineComment"), "//");
    EXPECT_EQ(TypeValue("H", "LineComment"), longComment);
}

TEST_F(ConfigTest, DelRemovesATypeAtOnceAndTheMenuKeepsItsPosition)
{
    for (const char* name : {"Ada", "Basic", "Cobol"})
        PutType(name, "x", "", "");
    Host.MenuAnswers = {Choose(3, Del), Choose(3, Del), Choose(2, Del)};
    Configure(0);

    EXPECT_TRUE(Host.Dialogs.empty());
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_TRUE(StoredNames().empty());
    ASSERT_EQ(Host.Menus.size(), 4u);
    EXPECT_EQ(Host.Menus[1].Texts(), (Names{Default, "", "Ada", "Cobol"}));
    EXPECT_EQ(Host.Menus[1].SelectedIndex(), 3);  // the entry that moved up
    // The last entry deleted: its position is past the list, so no entry is marked.
    EXPECT_EQ(Host.Menus[2].Texts(), (Names{Default, "", "Ada"}));
    EXPECT_EQ(Host.Menus[2].SelectedIndex(), -1);
    EXPECT_EQ(Host.Menus[3].SelectedIndex(), -1);
}

TEST_F(ConfigTest, LeavingTheDialogWithoutSaveWritesNothing)
{
    PutType("C", "\\.c$", "rx", "pr", SortItems);
    const StoredType before = ReadType("C");
    const struct {
        int BreakCode;
        int ExitItem;
    } cases[] = {{-1, CancelItem}, {-1, -1}, {Ins, CancelItem}, {Ins, -1}, {-1, MaskItem}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ExitItem);
        Host.MenuAnswers = {Choose(2, c.BreakCode)};
        Host.DialogAnswers = {Type({{NameItem, "New"}, {MaskItem, ""}, {RxItem, "other"}, {PresentItem, "p"}},
                                   {{SelectBox, 1}, {SortBox, 0}}, c.ExitItem)};
        Configure(0);
        EXPECT_EQ(StoredNames(), (Names{"C"}));
        EXPECT_EQ(ReadType("C"), before);
    }
}

TEST_F(ConfigTest, OpeningAMissingTypeCreatesItsEmptyKeyWhichIsNeverListed)
{
    // "Default settings" chosen, or copied with Ins: its key is created on
    // opening, even though the dialog is cancelled.
    for (int breakCode : {-1, int(Ins)}) {
        SCOPED_TRACE(breakCode);
        Host.ClearCalls();
        Host.MenuAnswers = {Choose(0, breakCode)};
        Host.DialogAnswers = {Type({{MaskItem, "typed"}}, {{SortBox, 1}}, CancelItem)};
        Configure(0);
        ASSERT_EQ(Host.Dialogs.size(), 1u);
        EXPECT_EQ(Text(Host.Dialogs[0], NameItem), breakCode == Ins ? "" : Default);
        for (int item : {MaskItem, RxItem, PresentItem})
            EXPECT_EQ(Text(Host.Dialogs[0], item), "");
        EXPECT_EQ(Boxes(Host.Dialogs[0]), (std::vector<int>{0, 0, 0}));
        EXPECT_EQ(StoredNames(), (Names{Default}));
        EXPECT_EQ(ReadType(Default), (StoredType{Missing, Missing, Missing}));
        EXPECT_EQ(Host.Menus.back().Texts(), (Names{Default, ""}));
        Host.MenuAnswers = {Choose(0, Del)};
        Configure(0);
        EXPECT_TRUE(StoredNames().empty());
    }

    Host.ClearCalls();
    Host.MenuAnswers = {Choose(0), Choose(0)};
    Host.DialogAnswers = {Type({{MaskItem, "\\.txt$"}}, {}, SaveItem), Leave(CancelItem)};
    Configure(0);
    EXPECT_EQ(StoredNames(), (Names{Default}));
    EXPECT_EQ(ReadType(Default), Stored("\\.txt$", Missing, Missing, 0));
    EXPECT_EQ(Host.Menus.back().Texts(), (Names{Default, ""}));
    ASSERT_EQ(Host.Dialogs.size(), 2u);
    EXPECT_EQ(Text(Host.Dialogs[1], MaskItem), "\\.txt$");
}

TEST_F(ConfigTest, NamesThatCouldNotBeFoundAgainAreRefusedAndTheDialogComesBack)
{
    PutType("C", "\\.c$", "", "");
    const struct {
        std::string Name;
        const char* Reason;
    } cases[] = {
        {"", "no name"},
        {std::string(64, 'n'), "at most 63 characters"},
        {std::string(511, 'n'), "at most 63 characters"},
        {"C\\H", "backslash"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Reason);
        Host.ClearCalls();
        Host.MenuAnswers = {Choose(2, Ins)};
        Host.DialogAnswers = {Type({{NameItem, c.Name}, {MaskItem, "\\.h$"}}, {{ShiftBox, 1}}, SaveItem),
                              Leave(CancelItem)};
        Configure(0);

        ASSERT_EQ(Host.Messages.size(), 1u);
        const MessageCall& message = Host.Messages[0];
        EXPECT_EQ(message.Strings.front(), "File type");
        EXPECT_EQ(message.Strings.back(), "OK");
        std::string said;
        for (const std::string& s : message.Strings)
            said += s + "\n";
        EXPECT_NE(said.find(c.Reason), std::string::npos) << said;
        // What the user typed is there again, and nothing was written.
        ASSERT_EQ(Host.Dialogs.size(), 2u);
        EXPECT_EQ(Text(Host.Dialogs[1], NameItem), c.Name);
        EXPECT_EQ(Text(Host.Dialogs[1], MaskItem), "\\.h$");
        EXPECT_EQ(Boxes(Host.Dialogs[1]), (std::vector<int>{0, 0, 1}));
        EXPECT_EQ(StoredNames(), (Names{"C"}));
        EXPECT_TRUE(StoredNames("C").empty());
        EXPECT_EQ(TableValue("FileMask"), Missing);
    }
}

TEST_F(ConfigTest, ARefusedNameCanBeCorrectedAndSaved)
{
    std::string longest(63, 'n');
    Host.MenuAnswers = {Choose(0, Ins)};
    Host.DialogAnswers = {Type({{NameItem, longest + "n"}, {MaskItem, "m"}}, {}, SaveItem),
                          Type({{NameItem, longest}}, {}, SaveItem)};
    Configure(0);
    EXPECT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(StoredNames(), (Names{Default, longest}));  // the source, created on opening
    EXPECT_EQ(ReadType(longest), Stored("m", Missing, Missing, 0));
    EXPECT_EQ(Host.Menus.back().Texts(), (Names{Default, "", longest}));
}

TEST_F(ConfigTest, ValuesOf511CharactersSurviveSaveAndReload)
{
    auto text = [](char first) {
        std::string s;
        for (int i = 0; i < 511; i++)
            s += static_cast<char>(first + i % 26);
        return s;
    };
    const std::string mask = text('a'), rx = text('A'), present = text('0');
    Host.MenuAnswers = {Choose(0, Ins), Choose(2)};
    Host.DialogAnswers = {Type({{NameItem, "Long"}, {MaskItem, mask}, {RxItem, rx}, {PresentItem, present}}, {},
                               SaveItem),
                          Leave(CancelItem)};
    Configure(0);
    EXPECT_EQ(ReadType("Long"), Stored(mask, rx, present, 0));
    ASSERT_EQ(Host.Dialogs.size(), 2u);
    EXPECT_EQ(Text(Host.Dialogs[1], MaskItem), mask);
    EXPECT_EQ(Text(Host.Dialogs[1], RxItem), rx);
    EXPECT_EQ(Text(Host.Dialogs[1], PresentItem), present);
}

TEST_F(ConfigTest, ATextTooLongForItsFieldIsKeptBySaveAndCopiedWhole)
{
    // 512 fits no field; 1,500 the strings list reads; 5,000 nothing reads, yet it is the user's.
    for (size_t length : {512, 1500, 5000}) {
        SCOPED_TRACE(length);
        const std::string rx = "{" + std::string(length - 2, 'r') + "}", present(length, 'p');
        PutType("C", "\\.c$", rx, present, SortItems);
        Types.Remove("C2");
        // Saved as itself with other changes; copied; then a new pattern typed in.
        Host.ClearCalls();
        Host.MenuAnswers = {Choose(2), Choose(2, Ins), Choose(2)};
        Host.DialogAnswers = {Type({{MaskItem, "\\.h$"}}, {{SelectBox, 1}}, SaveItem),
                              Type({{NameItem, "C2"}}, {}, SaveItem), Type({{RxItem, "typed"}}, {}, SaveItem)};
        Configure(0);

        ASSERT_EQ(Host.Dialogs.size(), 3u);
        const DialogCall& shown = Host.Dialogs[0];
        EXPECT_EQ(Text(shown, MaskItem), "\\.c$");
        EXPECT_EQ(Text(shown, MaskItem - 1), "File &mask");
        EXPECT_EQ(Text(shown, RxItem), "");
        EXPECT_EQ(Text(shown, RxItem - 1), "&Regular expression: too long to show, kept as stored");
        EXPECT_EQ(Text(shown, PresentItem - 1), "&Presentation expression: too long to show, kept as stored");
        EXPECT_EQ(ReadType("C2"), Stored("\\.h$", rx, present, SelectFromCursor | SortItems));
        EXPECT_EQ(ReadType("C"), Stored("\\.h$", "typed", present, SelectFromCursor | SortItems));
    }
}

TEST_F(ConfigTest, ActingOnTheSeparatorOrPastTheEntriesTouchesNothing)
{
    PutType("C", "\\.c$", "", "", 0);
    Host.MenuAnswers = {Choose(1, Del), Choose(1), Choose(1, Ins), Choose(3, Del), Choose(9)};
    Configure(0);
    EXPECT_TRUE(Host.Dialogs.empty());
    EXPECT_EQ(Host.Menus.size(), 6u);
    EXPECT_EQ(StoredNames(), (Names{"C"}));
    EXPECT_EQ(ReadType("C"), Stored("\\.c$", Missing, Missing, 0));
}

}  // namespace

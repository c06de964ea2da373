// The search and replace dialogs: one table of item templates, a list of
// template numbers per dialog, and the row arithmetic that lays them out.
#include "editor/search_dialog.h"

#include <cstring>
#include <iterator>
#include <new>

#include "frame/host_services.h"

namespace {

// The item templates. Y1 is a row offset from the item placed before it
// (template 0, always first, gives its own row); every Y2 is computed.
const DialogItemTemplate ItemTemplates[] = {
    {DI_DOUBLE_FRAME, 3, 1, 66, 0, 0, 0, nullptr, 0x400, 0, "RegExp search"},
    {DI_LABEL, 5, 1, 65, 0, 0, 0, nullptr, 0, 0, "&Search for"},
    {DI_EDIT, 5, 1, 64, 0, 1, 0, "SearchText", 0x40400, 0, ""},
    {DI_LABEL, 5, 1, 65, 0, 0, 0, nullptr, 0, 0, "&Replace with"},
    {DI_EDIT, 5, 1, 64, 0, 1, 0, "ReplaceText", 0x40400, 0, ""},
    {DI_LABEL, 5, 1, 64, 0, 0, 0, nullptr, 0x10000, 0, ""},
    {DI_CHECKBOX, 5, 1, 35, 0, 0, 1, nullptr, 0x400, 0, "Regular e&xpressions"},
    {DI_CHECKBOX, 5, 1, 35, 0, 0, 1, nullptr, 0x400, 0, "Re&verse search"},
    {DI_CHECKBOX, 35, -1, 64, 0, 0, 1, nullptr, 0x400, 0, "&Case sensitive"},
    {DI_CHECKBOX, 35, 1, 64, 0, 0, 1, nullptr, 0x400, 0, "&Whole words"},
    {DI_CHECKBOX, 35, 1, 64, 0, 0, 1, nullptr, 0x400, 0, "&Promt on replace"},
    {DI_LABEL, 5, 1, 64, 0, 0, 0, nullptr, 0x10000, 0, ""},
    {DI_BUTTON, 25, 1, 33, 0, 0, 0, nullptr, 0x10000, 1, "Search"},
    {DI_BUTTON, 37, 0, 45, 0, 0, 0, nullptr, 0x10000, 0, "Cancel"},
};

const int SearchTemplates[] = {0, 1, 2, 5, 6, 7, 8, 9, 11, 12, 13};
const int ReplaceTemplates[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

// Item numbers in the two layouts.
enum {
    SearchFieldItem = 2,  // the same in both
    SearchFirstCheckBox = 4,
    SearchCheckBoxes = 4,
    SearchCancelItem = 10,
    ReplaceFieldItem = 4,
    ReplaceFirstCheckBox = 6,
    ReplaceCheckBoxes = 5,
    ReplaceCancelItem = 13,
};

const int DialogWidth = 70;

}  // namespace

CSearchDialog::CSearchDialog() : ItemCount(0), Items(nullptr), HelpTopic()
{
    BuildItems(static_cast<int>(std::size(SearchTemplates)), SearchTemplates);
    SetHelpTopic("Search");
}

CSearchDialog::~CSearchDialog()
{
    delete[] Items;
}

void CSearchDialog::BuildItems(int count, const int* templates)
{
    delete[] Items;
    Items = new (std::nothrow) PluginDialogItem[count];
    ItemCount = Items ? count : 0;
    if (!Items)
        return;
    for (int k = 0; k < count; k++)
        Items[k] = MakeDialogItem(ItemTemplates[templates[k]]);
    // Every item after the frame takes one row; the frame closes one row below the last.
    for (int k = 1; k < count; k++) {
        Items[k].Y1 += Items[k - 1].Y1;
        Items[k].Y2 = Items[k].Y1;
    }
    Items[0].Y2 = Items[count - 1].Y2 + 1;
}

void CSearchDialog::SetHelpTopic(const char* topic)
{
    CopyText(HelpTopic, sizeof HelpTopic, topic);
}

void CSearchDialog::SetItemText(int item, const char* text)
{
    if (item >= ItemCount)
        return;
    // Cut to the field; the text may be the field itself (memmove).
    char* data = Items[item].Data;
    size_t length = text ? strnlen(text, sizeof Items[item].Data - 1) : 0;
    std::memmove(data, text ? text : "", length);
    data[length] = '\0';
}

const char* CSearchDialog::GetItemText(int item) const
{
    return item < ItemCount ? Items[item].Data : "";
}

int CSearchDialog::GetCheckBoxBits(int first, int count) const
{
    int bits = 0;
    for (int k = 0; k < count && first + k < ItemCount; k++)
        if (Items[first + k].Selected != 0)
            bits |= 1 << k;
    return bits;
}

int CSearchDialog::Execute(const char* text)
{
    SetItemText(SearchFieldItem, text);
    if (!Items || !StartupInfo.Dialog)
        return -1;
    int exitItem = StartupInfo.Dialog(StartupInfo.ModuleNumber, -1, -1, DialogWidth, Items[0].Y2 + 2,
                                      HelpTopic, Items, ItemCount);
    // The texts are read as strings later, whatever the host wrote back.
    for (int k = 0; k < ItemCount; k++)
        Items[k].Data[sizeof Items[k].Data - 1] = '\0';
    return exitItem;
}

int CSearchDialog::IsConfirmed(int exitItem) const
{
    return exitItem >= 0 && exitItem != SearchCancelItem;
}

int CSearchDialog::GetOptions() const
{
    return GetCheckBoxBits(SearchFirstCheckBox, SearchCheckBoxes);
}

const char* CSearchDialog::GetSearchText() const
{
    return GetItemText(SearchFieldItem);
}

CReplaceDialog::CReplaceDialog()
{
    BuildItems(static_cast<int>(std::size(ReplaceTemplates)), ReplaceTemplates);
    SetHelpTopic("Replace");
}

int CReplaceDialog::Execute(const char* text)
{
    SetItemText(ReplaceFieldItem, text);
    return CSearchDialog::Execute(text);
}

int CReplaceDialog::IsConfirmed(int exitItem) const
{
    return exitItem >= 0 && exitItem != ReplaceCancelItem;
}

int CReplaceDialog::GetOptions() const
{
    return GetCheckBoxBits(ReplaceFirstCheckBox, ReplaceCheckBoxes);
}

const char* CReplaceDialog::GetReplaceText() const
{
    return GetItemText(ReplaceFieldItem);
}

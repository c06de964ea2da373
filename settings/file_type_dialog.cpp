// The file-type dialog: one type's name, mask, expressions and options, loaded
// from the registry and written back on "Save". A name that cannot be stored
// as one listable type key (empty, too long, holding a backslash) is refused
// with a message, and the dialog comes back with what the user typed, so no
// work is lost. The type's optional values are neither shown nor written,
// except that a type saved under a new name takes them along; so is a text
// too long for its field, unless the user types a new one there.
#include <cstdio>
#include <cstring>
#include <iterator>

#include "base/ascii.h"
#include "frame/editor_access.h"
#include "frame/host_services.h"
#include "settings/file_types.h"
#include "settings/reg_key.h"

namespace {

enum {
    TypeNameItem = 2,
    SaveItem = 14,
    DialogItemCount = 16,
    DialogWidth = 70,
    DialogHeight = 17,
};

const DialogItemTemplate FileTypeDialog[DialogItemCount] = {
    {DI_DOUBLE_FRAME, 3, 1, 66, 15, 0, 0, nullptr, 0, 0, "ProcList search"},
    {DI_LABEL, 5, 2, 65, 2, 0, 0, nullptr, 0, 0, "&File type"},
    {DI_EDIT, 5, 3, 64, 3, 1, 0, "RegExpFileTypeHistory", DIF_HISTORY, 0, ""},
    {DI_LABEL, 5, 4, 65, 4, 0, 0, nullptr, 0, 0, "File &mask"},
    {DI_EDIT, 5, 5, 64, 5, 0, 0, "RegExpFileMaskHistory", DIF_HISTORY, 0, ""},
    {DI_LABEL, 5, 6, 65, 6, 0, 0, nullptr, 0, 0, "&Regular expression"},
    {DI_EDIT, 5, 7, 64, 7, 0, 0, "RegExpHistory", DIF_HISTORY, 0, ""},
    {DI_LABEL, 5, 8, 65, 8, 0, 0, nullptr, 0, 0, "&Presentation expression"},
    {DI_EDIT, 5, 9, 64, 9, 0, 0, "RegExpPresetnHistory", DIF_HISTORY, 0, ""},
    {DI_LABEL, 5, 10, 64, 10, 0, 0, nullptr, DIF_SEPARATOR, 0, ""},
    {DI_CHECKBOX, 5, 11, 35, 11, 0, 0, nullptr, 0, 0, "&select from cursor"},
    {DI_CHECKBOX, 40, 11, 65, 11, 0, 0, nullptr, 0, 0, "sort &items"},
    {DI_CHECKBOX, 5, 12, 35, 12, 0, 0, nullptr, 0, 0, "shift &unused parameters in presentation string"},
    {DI_LABEL, 5, 13, 64, 13, 0, 0, nullptr, DIF_SEPARATOR, 0, ""},
    {DI_BUTTON, 24, 14, 33, 14, 0, 0, nullptr, 0, 1, "Save"},
    {DI_BUTTON, 37, 14, 49, 14, 0, 0, nullptr, 0, 0, "Cancel"},
};

struct ValueField {
    int Item;  // its label is the item before it
    const char* Value;
};
const ValueField ValueFields[] = {{4, FileMaskValue}, {6, PatternValue}, {8, PresentationValue}};
const int FieldCount = static_cast<int>(std::size(ValueFields));

// Which fields were loaded empty because their text did not fit: a stored
// "RX" may be longer than a field (file_types.h).
struct HiddenTexts {
    bool Field[FieldCount] = {};
};

// Flags is written on every save, 0 included, and only with the bits of the boxes.
struct FlagBox {
    int Item;
    DWORD Bit;
};
const FlagBox FlagBoxes[] = {{10, SelectFromCursor}, {11, SortItems}, {12, ShiftUnusedParameters}};

void BuildDialog(PluginDialogItem* items)
{
    for (int i = 0; i < DialogItemCount; i++)
        items[i] = MakeDialogItem(FileTypeDialog[i]);
}

// Opening a type that does not exist creates its key, empty, so the fields
// start empty; "Default settings" is never listed, and an empty mask never
// matches, so such a key changes nothing the user sees. A text too long for
// its field leaves the field empty and says so in its label.
void LoadType(CRegKey& fileTypesKey, const char* name, PluginDialogItem* items, HiddenTexts& hidden)
{
    CRegKey type(fileTypesKey.Key, name, 0);
    for (int i = 0; i < FieldCount; i++) {
        PluginDialogItem& field = items[ValueFields[i].Item];
        hidden.Field[i] = !type.ReadString(ValueFields[i].Value, field.Data, sizeof field.Data);
        if (hidden.Field[i]) {
            PluginDialogItem& label = items[ValueFields[i].Item - 1];
            std::snprintf(label.Data, sizeof label.Data, "%s: too long to show, kept as stored",
                          FileTypeDialog[ValueFields[i].Item - 1].Text);
        }
    }
    DWORD flags = 0;
    type.ReadDword(FlagsValue, &flags);
    for (const FlagBox& box : FlagBoxes)
        items[box.Item].Selected = (flags & box.Bit) ? 1 : 0;
}

bool SameName(const char* a, const char* b)
{
    for (; AsciiUpper(*a) == AsciiUpper(*b); a++, b++)
        if (!*a)
            return true;
    return false;
}

// A hidden text whose field is still empty is not written: the type keeps
// it, and a type saved under another name gets the loaded type's text whole.
void SaveType(CRegKey& fileTypesKey, const PluginDialogItem* items, const char* loaded, const HiddenTexts& hidden)
{
    const char* name = items[TypeNameItem].Data;
    CRegKey type(fileTypesKey.Key, name, 0);
    for (int i = 0; i < FieldCount; i++) {
        const ValueField& field = ValueFields[i];
        if (!hidden.Field[i] || items[field.Item].Data[0]) {
            type.WriteString(field.Value, items[field.Item].Data);
        } else if (!SameName(loaded, name)) {
            CRegKey source(fileTypesKey.Key, loaded, 0);
            source.CopyValue(field.Value, type);
        }
    }
    DWORD flags = 0;
    for (const FlagBox& box : FlagBoxes)
        if (items[box.Item].Selected)
            flags |= box.Bit;
    type.WriteDword(FlagsValue, flags);
}

// A type saved under another name than the one it was loaded from gets the
// optional values of the loaded type that it lacks, so that a copy searches
// as the original does.
void CarryOptionalValues(CRegKey& fileTypesKey, const char* from, const char* to)
{
    if (SameName(from, to))
        return;
    CRegKey source(fileTypesKey.Key, from, 0);
    CRegKey target(fileTypesKey.Key, to, 0);
    for (const char* value : OptionalValues) {
        char text[SETTINGS_TEXT_SIZE];
        if (!target.ReadString(value, text, sizeof text) || text[0])
            continue;  // the copy has its own, one too long to read included
        if (!source.ReadString(value, text, sizeof text) || text[0])
            source.CopyValue(value, target);  // whole, whatever its length
    }
}

// Writes into text why a type of this name could not be saved, or answers
// false when it can be.
bool NameProblem(const char* name, char* text, size_t size)
{
    size_t length = std::strlen(name);
    if (length == 0)
        std::snprintf(text, size, "The file type has no name.\nType a name to save it under.");
    else if (length >= TYPE_NAME_SIZE)
        std::snprintf(text, size, "A file type name holds at most %d characters.\nThis one has %u.",
                      TYPE_NAME_SIZE - 1, static_cast<unsigned>(length));
    else if (std::strchr(name, '\\'))
        std::snprintf(text, size,
                      "A file type name cannot hold a backslash.\nIt would make one key inside another.");
    else
        return false;
    return true;
}

int RunDialog(PluginDialogItem* items)
{
    if (!StartupInfo.Dialog)
        return -1;
    int exitItem = StartupInfo.Dialog(StartupInfo.ModuleNumber, -1, -1, DialogWidth, DialogHeight,
                                      "ProcListCfg", items, DialogItemCount);
    for (int i = 0; i < DialogItemCount; i++)
        items[i].Data[sizeof items[i].Data - 1] = '\0';  // whatever the host wrote back
    return exitItem;
}

}  // namespace

int CFileTypes::EditFileType(CRegKey& fileTypesKey, const char* name, const char* source)
{
    PluginDialogItem items[DialogItemCount];
    BuildDialog(items);
    CopyText(items[TypeNameItem].Data, sizeof items[TypeNameItem].Data, name);
    const char* loaded = source ? source : name ? name : "";
    HiddenTexts hidden;
    LoadType(fileTypesKey, loaded, items, hidden);

    // Until the user saves a name that can be stored, or leaves the dialog.
    for (;;) {
        if (RunDialog(items) != SaveItem)
            return 0;
        char problem[128];
        if (!NameProblem(items[TypeNameItem].Data, problem, sizeof problem)) {
            SaveType(fileTypesKey, items, loaded, hidden);
            CarryOptionalValues(fileTypesKey, loaded, items[TypeNameItem].Data);
            return 1;
        }
        ShowMessage(problem, "File type", 0x10, "ProcListCfg", 0);
    }
}

// The plug-in's interface to its host: every record that crosses the boundary,
// the host services, and the six exported entry points.
//
// This is the one header that a host includes (host/ does, as a foreign host
// would); the whole plug-in builds on it too. Records are declared field by
// field; on the 32-bit Windows target their sizes and offsets are pinned below,
// since that is the layout a real host hands over.
#ifndef STRINGSLIST_PLUGIN_INTERFACE_H
#define STRINGSLIST_PLUGIN_INTERFACE_H

#include <stddef.h>

#ifdef _WIN32
#define PLUGIN_API __stdcall
#define PLUGIN_EXPORT
#else
#define PLUGIN_API
#define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// ---- Host services ---------------------------------------------------------

struct PluginMenuItem {
    char Text[128];
    int Selected;   // 1: the menu opens on this item
    int Checked;    // always 0
    int Separator;  // 1: a separator line
};

// Dialog item types.
enum {
    DI_LABEL = 0,        // also separator lines (flag DIF_SEPARATOR)
    DI_DOUBLE_FRAME = 3, // carries the dialog title
    DI_EDIT = 4,
    DI_BUTTON = 7,
    DI_CHECKBOX = 8,
};

// Dialog item flags, passed to the host as they stand.
enum {
    DIF_BOX_COLOR = 0x400,
    DIF_SEPARATOR = 0x10000,  // also centres buttons
    DIF_HISTORY = 0x40000,    // edit field: History names its history
};

struct PluginDialogItem {
    int Type;
    int X1, Y1, X2, Y2;
    int Focus;
    union {
        int Selected;         // check box: 0 or 1, written back by the host
        const char* History;  // edit field with DIF_HISTORY
    };
    unsigned Flags;
    int DefaultButton;
    char Data[512];           // caption or edit text, written back by the host
};

typedef int(PLUGIN_API* PluginMenuService)(int module, int x, int y, int maxHeight, unsigned flags,
                                           const char* title, const char* bottom, const char* help,
                                           const int* breakKeys, int* breakCode,
                                           const struct PluginMenuItem* items, int count);
typedef int(PLUGIN_API* PluginDialogService)(int module, int x1, int y1, int x2, int y2,
                                             const char* help, struct PluginDialogItem* items,
                                             int count);
// strings: title, text lines, then button captions.
typedef int(PLUGIN_API* PluginMessageService)(int module, unsigned flags, const char* help,
                                              const char* const* strings, int count, int buttons);
typedef int(PLUGIN_API* PluginEditorService)(int command, void* record);

// The startup-information block. Only the named fields are read.
struct PluginStartupInfo {
    unsigned char Reserved0[264];
    int ModuleNumber;
    const char* RegistryRoot;  // key path below which plug-ins keep settings
    PluginMenuService Menu;
    PluginDialogService Dialog;
    PluginMessageService Message;
    void* Reserved1[12];
    PluginEditorService EditorControl;
};

// What GetPluginInfo fills. The plug-in owns the strings it points to.
struct PluginInfoRecord {
    int StructSize;
    unsigned Flags;
    int Reserved8;
    int Reserved12;
    int Reserved16;
    const char* const* MenuStrings;
    int MenuStringsCount;
    const char* const* ConfigStrings;
    int ConfigStringsCount;
    const char* CommandPrefix;
};

// ---- Editor control --------------------------------------------------------

enum {
    EDITOR_GET_LINE = 0,
    EDITOR_GET_INFO = 6,
    EDITOR_SET_POSITION = 7,
    EDITOR_REDRAW = 9,
    EDITOR_CONVERT_TEXT = 10,
    EDITOR_ADD_COLOR = 18,
};

struct EditorLineRecord {
    int LineNumber;        // in: 0 = first line
    const char* Text;      // out: NUL-terminated, owned by the host
    int HostField8;
    int HostField12;
    int SelectionStart;    // out: negative when the line holds no selection
    int SelectionEnd;      // out
};

struct EditorStateRecord {
    int Reserved0;
    const char* FileName;
    int Reserved8;
    int WindowHeight;
    int LineCount;
    int CursorLine;
    int CursorColumn;
    int Reserved28[4];
    int BlockType;         // 0: no block selected
    int BlockStartLine;
    int Reserved52[12];
};

struct EditorPositionRecord {
    int Line;
    int Column;
    int TabColumn;
    int TopScreenLine;
    int LeftColumn;
    int Overtype;
};

struct EditorTextRecord {
    char* Text;
    int Length;
};

struct EditorColorRecord {
    int Line;
    int Item;
    int StartColumn;
    int EndColumn;
    int Color;
};

// ---- Entry points ----------------------------------------------------------

enum { OPEN_FROM_EDITOR = 5 };

PLUGIN_EXPORT void PLUGIN_API SetStartupInfo(const struct PluginStartupInfo* info);
PLUGIN_EXPORT void PLUGIN_API GetPluginInfo(struct PluginInfoRecord* info);
PLUGIN_EXPORT int PLUGIN_API OpenPlugin(int openFrom, int item);
PLUGIN_EXPORT int PLUGIN_API Configure(int item);
PLUGIN_EXPORT int PLUGIN_API ProcessEditorInput(const void* event);
PLUGIN_EXPORT void PLUGIN_API ClosePlugin(int handle);

typedef void(PLUGIN_API* SetStartupInfoFunc)(const struct PluginStartupInfo*);
typedef void(PLUGIN_API* GetPluginInfoFunc)(struct PluginInfoRecord*);
typedef int(PLUGIN_API* OpenPluginFunc)(int, int);
typedef int(PLUGIN_API* ConfigureFunc)(int);
typedef int(PLUGIN_API* ProcessEditorInputFunc)(const void*);
typedef void(PLUGIN_API* ClosePluginFunc)(int);

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && defined(_WIN32) && !defined(_WIN64)
#define PIN(record, field, offset) static_assert(offsetof(record, field) == offset, #record "." #field)
static_assert(sizeof(PluginStartupInfo) == 336, "startup block");
PIN(PluginStartupInfo, ModuleNumber, 264);
PIN(PluginStartupInfo, RegistryRoot, 268);
PIN(PluginStartupInfo, Menu, 272);
PIN(PluginStartupInfo, Dialog, 276);
PIN(PluginStartupInfo, Message, 280);
PIN(PluginStartupInfo, EditorControl, 332);
static_assert(sizeof(PluginDialogItem) == 548, "dialog item");
PIN(PluginDialogItem, X1, 4);
PIN(PluginDialogItem, Y2, 16);
PIN(PluginDialogItem, Focus, 20);
PIN(PluginDialogItem, Selected, 24);
PIN(PluginDialogItem, Flags, 28);
PIN(PluginDialogItem, DefaultButton, 32);
PIN(PluginDialogItem, Data, 36);
static_assert(sizeof(PluginMenuItem) == 140, "menu item");
PIN(PluginMenuItem, Selected, 128);
PIN(PluginMenuItem, Checked, 132);
PIN(PluginMenuItem, Separator, 136);
static_assert(sizeof(PluginInfoRecord) == 40, "plug-in info");
PIN(PluginInfoRecord, Flags, 4);
PIN(PluginInfoRecord, MenuStrings, 20);
PIN(PluginInfoRecord, MenuStringsCount, 24);
PIN(PluginInfoRecord, ConfigStrings, 28);
PIN(PluginInfoRecord, ConfigStringsCount, 32);
PIN(PluginInfoRecord, CommandPrefix, 36);
static_assert(sizeof(EditorLineRecord) == 24, "editor line record");
PIN(EditorLineRecord, Text, 4);
PIN(EditorLineRecord, SelectionStart, 16);
PIN(EditorLineRecord, SelectionEnd, 20);
static_assert(sizeof(EditorStateRecord) == 100, "editor state record");
PIN(EditorStateRecord, FileName, 4);
PIN(EditorStateRecord, WindowHeight, 12);
PIN(EditorStateRecord, LineCount, 16);
PIN(EditorStateRecord, CursorLine, 20);
PIN(EditorStateRecord, CursorColumn, 24);
PIN(EditorStateRecord, BlockType, 44);
PIN(EditorStateRecord, BlockStartLine, 48);
static_assert(sizeof(EditorPositionRecord) == 24, "editor position record");
static_assert(sizeof(EditorTextRecord) == 8, "editor text record");
static_assert(sizeof(EditorColorRecord) == 20, "editor colour record");
#undef PIN
#endif

#endif

// The plug-in's copy of the host's startup-information block and its registry
// root, through which every host service is called; and the two pieces every
// menu and dialog of the plug-in is built with: a text copied into a fixed
// field, and a dialog item made from a row of a template table.
#ifndef STRINGSLIST_FRAME_HOST_SERVICES_H
#define STRINGSLIST_FRAME_HOST_SERVICES_H

#include <stddef.h>

#include "frame/plugin_interface.h"

extern PluginStartupInfo StartupInfo;

// Copies the block; the copy's registry root points at the plug-in's own copy
// of the string, which outlives the host's block. A null root reads as "".
void CopyStartupInfo(const PluginStartupInfo* info);

// The registry root, never null.
const char* GetRegistryRoot();

// Copies text into a fixed buffer of `size` bytes, cut to fit, always
// NUL-terminated; a null text copies as "".
void CopyText(char* buffer, size_t size, const char* text);

// A dialog item as the plug-in's dialog tables write it.
struct DialogItemTemplate {
    int Type;
    int X1, Y1, X2, Y2;
    int Focus;
    int Selected;         // check boxes
    const char* History;  // edit fields with DIF_HISTORY
    unsigned Flags;
    int DefaultButton;
    const char* Text;
};

PluginDialogItem MakeDialogItem(const DialogItemTemplate& t);

#endif

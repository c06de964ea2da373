// The host dialog service in the terminal: a box laid out from the caller's
// items (frame with title, labels, separators, edit fields with history
// recall, check boxes, buttons), driven by Tab and Shift+Tab, Space, Enter
// and Esc. On a screen smaller than the dialog the box shrinks: columns are
// scaled to fit and rows scroll to keep the focused item in sight.
//
// Edit texts and check-box states are written back into the items when the
// dialog closes through an item, and left as they were when it is cancelled.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_DIALOG_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_DIALOG_H

#include <string>

#include "frame/plugin_interface.h"

struct DialogRequest {
    int X1 = -1, Y1 = -1;  // -1: centred; X2 and Y2 are then width and height
    int X2 = 0, Y2 = 0;
    std::string Help;
    PluginDialogItem* Items = nullptr;
    int Count = 0;
    std::string RegistryRoot;  // where edit-field histories are kept
};

// The index of the item that closed the dialog; negative when cancelled.
int RunDialog(const DialogRequest& request);

#endif
